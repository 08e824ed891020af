// The bitmaps of one module, as its painters declare them.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "declarations.h"

namespace art {

struct BitmapArt {
    std::uint32_t id{};
    int width{};
    int height{};
    int bits_per_pixel{};  // 8 (palette) or 24
    // Paints on a fully transparent surface of width x height. Empty for a
    // bitmap the declarations name but the module deliberately does not carry
    // (an icon state that shows nothing).
    std::function<void(cairo_t*)> paint;
};

// Defined by the painters of each module: every bitmap its elements draw,
// placed after the module's own declarations.
std::vector<BitmapArt> module_art(const std::vector<GaugeInfo>& gauges);

}  // namespace art
