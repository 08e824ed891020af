// The artwork generator of one module: paints every bitmap the module's
// declarations draw and writes them, with the module's version information,
// in the forms the module build puts into the module file.
//
//   art_<Module> --out DIR --description TEXT --version A.B.C.D
//
// Writes DIR/0x<id>.bmp, DIR/png/0x<id>.png (for looking at), DIR/resources.rc
// (windres), DIR/bitmaps.bin and DIR/version.bin (the native store sections)
// and DIR/store.S, which puts the two sections into the ELF module.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <string>

#include "canvas.h"
#include "declarations.h"
#include "dib.h"
#include "module_art.h"
#include "outputs.h"
#include "quantise.h"
#include "services.h"

namespace {

namespace fs = std::filesystem;
using namespace art;

struct Options {
    fs::path out;
    VersionInfo version;
};

Options parse_options(int argc, char** argv) {
    std::map<std::string, std::string> values;
    for (int i = 1; i + 1 < argc; i += 2) values[argv[i]] = argv[i + 1];
    if (argc % 2 != 1 || !values.contains("--out") || !values.contains("--description") ||
        !values.contains("--version")) {
        throw std::runtime_error("usage: " + std::string(argv[0]) +
                                 " --out DIR --description TEXT --version A.B.C.D");
    }
    return {values["--out"], {parse_version(values["--version"]), values["--description"]}};
}

std::string hex(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", id);
    return text;
}

// Every bitmap an element draws must be painted, once.
void check_coverage(const std::vector<GaugeInfo>& gauges, const std::vector<BitmapArt>& art) {
    std::set<std::uint32_t> painted;
    for (const BitmapArt& bitmap : art) {
        if (!painted.insert(bitmap.id).second) {
            throw std::runtime_error("bitmap " + hex(bitmap.id) + " is painted twice");
        }
        if (bitmap.bits_per_pixel != 8 && bitmap.bits_per_pixel != 24) {
            throw std::runtime_error("bitmap " + hex(bitmap.id) + " asks for " +
                                     std::to_string(bitmap.bits_per_pixel) +
                                     " bits per pixel; 8 and 24 are made");
        }
    }
    std::string missing;
    for (std::uint32_t id : bitmaps_used(gauges)) {
        if (!painted.contains(id)) missing += " " + hex(id);
    }
    if (!missing.empty()) {
        throw std::runtime_error("the declarations draw bitmaps that no painter paints:" + missing);
    }
}

void write_png(const fs::path& path, const RgbImage& image) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const Rgb& c = image.at(x, y);
            row[x] = (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
        }
    }
    cairo_surface_mark_dirty(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path.string());
}

RenderedBitmap render(const BitmapArt& art, const fs::path& png_dir) {
    Canvas canvas(art.width, art.height);
    art.paint(canvas.context());
    const RgbImage picture = canvas.flatten();
    if (art.bits_per_pixel == 24) {
        write_png(png_dir / (hex(art.id) + ".png"), picture);
        return {art.id, encode_dib(picture)};
    }
    const IndexedImage indexed = quantise(picture);
    write_png(png_dir / (hex(art.id) + ".png"), expand(indexed));
    return {art.id, encode_dib(indexed)};
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse_options(argc, argv);
        const std::vector<GaugeInfo> gauges = read_declarations(Linkage);
        std::vector<BitmapArt> art = module_art(gauges);
        check_coverage(gauges, art);
        std::erase_if(art, [](const BitmapArt& bitmap) { return !bitmap.paint; });
        std::sort(art.begin(), art.end(),
                  [](const BitmapArt& a, const BitmapArt& b) { return a.id < b.id; });

        fs::create_directories(options.out / "png");
        std::vector<RenderedBitmap> bitmaps;
        for (const BitmapArt& bitmap : art) {
            bitmaps.push_back(render(bitmap, options.out / "png"));
            write_file(options.out / bitmap_file_name(bitmap.id), bmp_file(bitmaps.back().dib));
        }
        const fs::path out = fs::absolute(options.out);
        write_file(out / "bitmaps.bin", bitmap_store(bitmaps));
        write_file(out / "version.bin", version_store(options.version));
        write_file(out / "store.S", store_assembly(out / "bitmaps.bin", out / "version.bin"));
        // Written last: the build takes its presence as the end of the run.
        write_file(out / "resources.rc", resource_script(bitmaps, options.version, out));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
}
