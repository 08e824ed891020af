#include "bitmaps.h"

#include <stdexcept>
#include <tuple>

#include "loaded_module.h"
#include "names.h"

namespace render {

bool is_window_hole(const module_file::Rgb& pixel) {
    return pixel.r <= 1 && pixel.g <= 1 && pixel.b <= 1;
}

Image picture_of(const module_file::Bitmap& bitmap, BitmapUse use) {
    Image image(bitmap.width, bitmap.height);
    cairo_surface_t* surface = image.surface();
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < bitmap.width; ++x) {
            const module_file::Rgb& p = bitmap.at(x, y);
            bool drawn = true;
            switch (use) {
                case BitmapUse::kOpaque:
                    break;
                case BitmapUse::kTransparent:
                    drawn = p.r != 0 || p.g != 0 || p.b != 0;
                    break;
                case BitmapUse::kWindowFrame:
                    drawn = !is_window_hole(p);
                    break;
                case BitmapUse::kWindowHole:
                    row[x] = is_window_hole(p) ? 0xFF000000u : 0u;
                    continue;
            }
            // Opaque pixels need no premultiplying; undrawn ones are all zero.
            row[x] =
                drawn ? 0xFF000000u | std::uint32_t{p.r} << 16 | std::uint32_t{p.g} << 8 | p.b : 0u;
        }
    }
    cairo_surface_mark_dirty(surface);
    return image;
}

const module_file::ModuleFile& BitmapLibrary::file_of(const host::LoadedModule& module) {
    const std::string key = module.file().string();
    auto found = files_.find(key);
    if (found == files_.end())
        found = files_.emplace(key, module_file::read_module_file(module.file())).first;
    return found->second;
}

const module_file::Bitmap& BitmapLibrary::bitmap(const host::LoadedModule& module,
                                                 std::uint32_t id) {
    const module_file::Bitmap* bitmap = file_of(module).bitmap(id);
    if (bitmap == nullptr)
        throw std::runtime_error("module " + module.name() + " has no bitmap " + host::hex(id));
    if (bitmap->width <= 0 || bitmap->height <= 0 ||
        bitmap->pixels.size() != static_cast<std::size_t>(bitmap->width) * bitmap->height)
        throw std::runtime_error("bitmap " + host::hex(id) + " of module " + module.name() +
                                 " has no pixels to draw");
    return *bitmap;
}

bool BitmapLibrary::carries(const host::LoadedModule& module, std::uint32_t id) {
    return file_of(module).bitmap(id) != nullptr;
}

const Image& BitmapLibrary::picture(const host::LoadedModule& module, std::uint32_t id,
                                    BitmapUse use) {
    const auto key = std::make_tuple(module.file().string(), id, use);
    auto found = pictures_.find(key);
    if (found == pictures_.end())
        found = pictures_.emplace(key, picture_of(bitmap(module, id), use)).first;
    return found->second;
}

}  // namespace render
