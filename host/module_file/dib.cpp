// Device-independent bitmaps as BITMAP resources hold them: BITMAPINFOHEADER
// (or a later, longer header), an optional palette, then the rows, bottom-up
// unless the height is negative, each padded to 4 bytes.
#include <cstdlib>

#include "byte_view.h"
#include "module_file.h"

namespace module_file {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int64_t kMaxSide = 16384;  // far beyond any gauge picture
constexpr std::uint32_t kUncompressed = 0;

std::vector<Rgb> read_palette(const ByteView& dib, std::uint32_t header_size,
                              std::uint32_t colours) {
    const ByteView table = dib.records(header_size, colours, 4, "palette");
    std::vector<Rgb> palette;
    palette.reserve(colours);
    for (std::uint32_t i = 0; i < colours; ++i) {
        palette.push_back({table.u8(i * 4 + 2), table.u8(i * 4 + 1), table.u8(i * 4)});
    }
    return palette;
}

}  // namespace

Bitmap decode_dib(std::span<const std::uint8_t> bytes, std::uint32_t id, std::uint32_t language) {
    const ByteView dib(bytes, "bitmap " + hex(id));
    const std::uint32_t header_size = dib.u32(0);
    if (header_size < kInfoHeaderSize) {
        dib.fail("header of " + std::to_string(header_size) + " bytes; " +
                 std::to_string(kInfoHeaderSize) + " or more expected");
    }
    const std::int64_t width = static_cast<std::int32_t>(dib.u32(4));
    const std::int64_t signed_height = static_cast<std::int32_t>(dib.u32(8));
    const std::int64_t height = std::abs(signed_height);
    const std::uint16_t planes = dib.u16(12);
    const std::uint16_t bits = dib.u16(14);
    const std::uint32_t compression = dib.u32(16);
    std::uint32_t colours = dib.u32(32);

    if (width <= 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
        dib.fail("size " + std::to_string(width) + " x " + std::to_string(signed_height) +
                 " is not between 1 and " + std::to_string(kMaxSide));
    }
    if (planes != 1) dib.fail(std::to_string(planes) + " planes; 1 expected");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        dib.fail(std::to_string(bits) + " bits per pixel is not 1, 4, 8, 24 or 32");
    }
    if (compression != kUncompressed) {
        dib.fail("compression " + std::to_string(compression) + "; only uncompressed is read");
    }
    const std::uint32_t full_palette = bits <= 8 ? 1u << bits : 0;
    if (bits <= 8 && colours == 0) colours = full_palette;
    if (bits <= 8 && colours > full_palette) {
        dib.fail(std::to_string(colours) + " palette colours for " + std::to_string(bits) +
                 " bits per pixel");
    }
    const std::vector<Rgb> palette = read_palette(dib, header_size, colours);

    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    const ByteView rows = dib.records(header_size + std::uint64_t{colours} * 4,
                                      static_cast<std::uint64_t>(height), stride, "pixel rows");

    Bitmap bitmap{id, language, static_cast<int>(width), static_cast<int>(height), bits, {}};
    bitmap.pixels.reserve(static_cast<std::size_t>(width * height));
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t stored_row = signed_height > 0 ? height - 1 - y : y;
        const std::uint64_t row = static_cast<std::uint64_t>(stored_row) * stride;
        for (std::int64_t x = 0; x < width; ++x) {
            const std::uint64_t ux = static_cast<std::uint64_t>(x);
            if (bits >= 24) {
                const std::uint64_t at = row + ux * (bits / 8);
                bitmap.pixels.push_back({rows.u8(at + 2), rows.u8(at + 1), rows.u8(at)});
                continue;
            }
            const std::uint64_t bit = ux * bits;
            const std::uint8_t byte = rows.u8(row + bit / 8);
            const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
            const std::uint32_t index = (byte >> shift) & ((1u << bits) - 1);
            if (index >= palette.size()) {
                dib.fail("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                         ") uses colour " + std::to_string(index) + " of a " +
                         std::to_string(palette.size()) + "-colour palette");
            }
            bitmap.pixels.push_back(palette[index]);
        }
    }
    return bitmap;
}

}  // namespace module_file
