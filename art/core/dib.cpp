#include "dib.h"

#include <cstddef>

#include "little_endian.h"

namespace art {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr double kPixelsPerMetre = 2835;  // 72 dots per inch

std::size_t row_stride(int width, int bits) {
    return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
}

void put_info_header(std::vector<std::uint8_t>& out, int width, int height, int bits,
                     std::uint32_t colours) {
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));  // positive: rows bottom-up
    put16(out, 1);                                   // planes
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0);  // BI_RGB
    put32(out, static_cast<std::uint32_t>(row_stride(width, bits) * height));
    put32(out, static_cast<std::uint32_t>(kPixelsPerMetre));
    put32(out, static_cast<std::uint32_t>(kPixelsPerMetre));
    put32(out, colours);
    put32(out, 0);  // all colours important
}

}  // namespace

std::vector<std::uint8_t> encode_dib(const IndexedImage& image) {
    std::vector<std::uint8_t> out;
    put_info_header(out, image.width, image.height, 8,
                    static_cast<std::uint32_t>(image.palette.size()));
    for (const Rgb& c : image.palette) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    const std::size_t stride = row_stride(image.width, 8);
    for (int y = image.height - 1; y >= 0; --y) {
        const auto row = image.indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        out.insert(out.end(), row, row + image.width);
        out.resize(out.size() + stride - static_cast<std::size_t>(image.width), 0);
    }
    return out;
}

std::vector<std::uint8_t> encode_dib(const RgbImage& image) {
    std::vector<std::uint8_t> out;
    put_info_header(out, image.width, image.height, 24, 0);
    const std::size_t stride = row_stride(image.width, 24);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb& c = image.at(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.resize(out.size() + stride - static_cast<std::size_t>(image.width) * 3, 0);
    }
    return out;
}

std::vector<std::uint8_t> bmp_file(const std::vector<std::uint8_t>& dib) {
    // The pixels start after the info header and the palette it announces.
    const std::uint32_t colours =
        dib[32] | (dib[33] << 8) | (dib[34] << 16) | (static_cast<std::uint32_t>(dib[35]) << 24);
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(kFileHeaderSize + dib.size()));
    put32(out, 0);
    put32(out, kFileHeaderSize + kInfoHeaderSize + colours * 4);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

}  // namespace art
