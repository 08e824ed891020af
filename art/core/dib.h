// Windows device-independent bitmaps: the bytes of a BITMAP resource and of a
// .bmp file.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace art {

// BITMAPINFOHEADER, palette and bottom-up rows padded to 4 bytes: exactly what
// a BITMAP resource holds.
std::vector<std::uint8_t> encode_dib(const IndexedImage& image);
std::vector<std::uint8_t> encode_dib(const RgbImage& image);  // 24 bits, no palette

// A .bmp file: BITMAPFILEHEADER followed by the DIB.
std::vector<std::uint8_t> bmp_file(const std::vector<std::uint8_t>& dib);

}  // namespace art
