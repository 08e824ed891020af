// Pictures as the generator hands them around: RGB, top-down rows.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

struct Rgb {
    std::uint8_t r{};
    std::uint8_t g{};
    std::uint8_t b{};
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The one colour a transparent element leaves undrawn.
inline constexpr Rgb kTransparent = {0, 0, 0};

struct RgbImage {
    int width{};
    int height{};
    std::vector<Rgb> pixels;  // row by row from the top

    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// An 8-bit picture: palette entries and one palette index per pixel.
struct IndexedImage {
    int width{};
    int height{};
    std::vector<Rgb> palette;  // at most 256 entries
    std::vector<std::uint8_t> indices;
};

}  // namespace art
