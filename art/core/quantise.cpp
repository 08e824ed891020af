#include "quantise.h"

#include <libimagequant.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "canvas.h"

namespace art {
namespace {

// Index 0 holds the transparent colour; the opaque colours get the rest.
constexpr std::size_t kOpaqueColours = 255;

std::uint32_t key_of(Rgb c) {
    return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

struct AttrDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
};
struct ImageDeleter {
    void operator()(liq_image* p) const { liq_image_destroy(p); }
};
struct ResultDeleter {
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};

void check(liq_error error, const char* what) {
    if (error != LIQ_OK) {
        throw std::runtime_error(std::string("libimagequant: ") + what + " failed (" +
                                 std::to_string(static_cast<int>(error)) + ")");
    }
}

// The opaque palette entry nearest to `colour` (palette[0] is skipped).
std::uint8_t nearest_opaque(const std::vector<Rgb>& palette, Rgb colour) {
    std::size_t best = 1;
    int best_distance = std::numeric_limits<int>::max();
    for (std::size_t i = 1; i < palette.size(); ++i) {
        const int dr = palette[i].r - colour.r;
        const int dg = palette[i].g - colour.g;
        const int db = palette[i].b - colour.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < best_distance) {
            best = i;
            best_distance = distance;
        }
    }
    return static_cast<std::uint8_t>(best);
}

// More opaque colours than fit: libimagequant picks the palette. Transparent
// pixels go in with alpha 0 so they take no part in the opaque colours.
void reduce(const RgbImage& image, bool has_transparent, IndexedImage& result) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(image.pixels.size() * 4);
    for (const Rgb& pixel : image.pixels) {
        const bool transparent = pixel == kTransparent;
        rgba.insert(rgba.end(),
                    {pixel.r, pixel.g, pixel.b, static_cast<std::uint8_t>(transparent ? 0 : 255)});
    }

    // With transparent pixels one entry goes to them; it is dropped below.
    int max_colours = static_cast<int>(kOpaqueColours) + (has_transparent ? 1 : 0);
    for (;;) {
        std::unique_ptr<liq_attr, AttrDeleter> attr(liq_attr_create());
        if (!attr) throw std::runtime_error("libimagequant: cannot create attributes");
        check(liq_set_max_colors(attr.get(), max_colours), "liq_set_max_colors");
        check(liq_set_quality(attr.get(), 0, 100), "liq_set_quality");
        check(liq_set_speed(attr.get(), 1), "liq_set_speed");

        std::unique_ptr<liq_image, ImageDeleter> liq_image(
            liq_image_create_rgba(attr.get(), rgba.data(), image.width, image.height, 0));
        if (!liq_image) throw std::runtime_error("libimagequant: cannot take the picture");

        liq_result* raw_result = nullptr;
        check(liq_image_quantize(liq_image.get(), attr.get(), &raw_result), "liq_image_quantize");
        std::unique_ptr<liq_result, ResultDeleter> liq_result(raw_result);
        // Clean vector art: dithering noise would only speckle the flat areas.
        check(liq_set_dithering_level(liq_result.get(), 0.0f), "liq_set_dithering_level");

        std::vector<unsigned char> remapped(image.pixels.size());
        check(liq_write_remapped_image(liq_result.get(), liq_image.get(), remapped.data(),
                                       remapped.size()),
              "liq_write_remapped_image");
        const liq_palette* palette = liq_get_palette(liq_result.get());

        // libimagequant's entries to ours: opaque entries follow index 0,
        // translucent ones (the transparent pixels' entry) are dropped.
        std::vector<Rgb> ours(1, kTransparent);
        std::vector<int> index_of(palette->count, -1);
        for (unsigned i = 0; i < palette->count; ++i) {
            const liq_color entry = palette->entries[i];
            if (entry.a < 128) continue;
            Rgb colour = {entry.r, entry.g, entry.b};
            // An opaque colour must never come out as the transparent one, nor
            // darker than anything the painters draw.
            if (colour.r < kNearBlack.r && colour.g < kNearBlack.g && colour.b < kNearBlack.b) {
                colour = kNearBlack;
            }
            index_of[i] = static_cast<int>(ours.size());
            ours.push_back(colour);
        }
        if (ours.size() > kOpaqueColours + 1) {
            // No entry went to the transparent pixels: ask for one colour fewer.
            --max_colours;
            continue;
        }

        result.palette = std::move(ours);
        result.indices.reserve(image.pixels.size());
        for (std::size_t i = 0; i < image.pixels.size(); ++i) {
            const Rgb& pixel = image.pixels[i];
            if (pixel == kTransparent) {
                result.indices.push_back(0);
            } else if (const int index = index_of[remapped[i]]; index > 0) {
                result.indices.push_back(static_cast<std::uint8_t>(index));
            } else {
                result.indices.push_back(nearest_opaque(result.palette, pixel));
            }
        }
        return;
    }
}

}  // namespace

IndexedImage quantise(const RgbImage& image) {
    bool has_transparent = false;
    std::vector<std::uint32_t> colours;
    for (const Rgb& pixel : image.pixels) {
        if (pixel == kTransparent) {
            has_transparent = true;
        } else {
            colours.push_back(key_of(pixel));
        }
    }
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());

    IndexedImage result{image.width, image.height, {}, {}};
    if (colours.size() > kOpaqueColours) {
        reduce(image, has_transparent, result);
        return result;
    }

    // Few enough colours: every one keeps its exact value, in a fixed order.
    // Index 0 is the transparent colour, present or not, so the palette always
    // offers it at a fixed place.
    result.palette.push_back(kTransparent);
    std::unordered_map<std::uint32_t, std::uint8_t> index_of;
    for (std::uint32_t key : colours) {
        index_of[key] = static_cast<std::uint8_t>(result.palette.size());
        result.palette.push_back({static_cast<std::uint8_t>(key >> 16),
                                  static_cast<std::uint8_t>(key >> 8),
                                  static_cast<std::uint8_t>(key)});
    }
    result.indices.reserve(image.pixels.size());
    for (const Rgb& pixel : image.pixels) {
        result.indices.push_back(pixel == kTransparent ? std::uint8_t{0} : index_of[key_of(pixel)]);
    }
    return result;
}

RgbImage expand(const IndexedImage& image) {
    RgbImage result{image.width, image.height, {}};
    result.pixels.reserve(image.indices.size());
    for (std::uint8_t index : image.indices) result.pixels.push_back(image.palette[index]);
    return result;
}

}  // namespace art
