// Decoding BITMAP resource bytes: row order, bit depths and padding, and the
// errors on headers and pixel data that cannot be right.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "module_file.h"

namespace module_file_test {
namespace {

using module_file::Bitmap;
using module_file::decode_dib;
using module_file::Error;
using module_file::Rgb;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A DIB with a 40-byte header, the palette given (B, G, R, 0 each) and the
// stored rows as given, padding included.
std::vector<std::uint8_t> dib(std::int32_t width, std::int32_t height, int bits,
                              const std::vector<Rgb>& palette,
                              const std::vector<std::uint8_t>& rows) {
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(rows.size()));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(palette.size()));
    put32(out, 0);
    for (const Rgb& c : palette) out.insert(out.end(), {c.b, c.g, c.r, 0});
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

constexpr Rgb kRed = {255, 0, 0};
constexpr Rgb kGreen = {0, 255, 0};
constexpr Rgb kBlue = {0, 0, 255};
constexpr Rgb kBlack = {0, 0, 0};

struct DecodeCase {
    std::string name;
    std::vector<std::uint8_t> bytes;
    int width;
    int height;
    std::vector<Rgb> top_down;
};

TEST(DecodeDib, TurnsStoredRowsIntoTopDownPixels) {
    const std::vector<DecodeCase> cases = {
        // Rows are stored bottom-up: the first stored row is the bottom one.
        {"8-bit bottom-up",
         dib(2, 2, 8, {kRed, kGreen, kBlue}, {2, 2, 0, 0, 0, 1, 0, 0}),
         2,
         2,
         {kRed, kGreen, kBlue, kBlue}},
        // A negative height stores rows top-down.
        {"24-bit top-down", dib(1, -2, 24, {}, {0, 0, 255, 0, 0, 255, 0, 0}), 1, 2, {kRed, kGreen}},
        // Nine pixels of one bit take two bytes, padded to four.
        {"1-bit across a byte",
         dib(9, 1, 1, {kBlack, kBlue}, {0b10000001, 0b10000000, 0, 0}),
         9,
         1,
         {kBlue, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlue, kBlue}},
        {"4-bit nibbles high first",
         dib(3, 1, 4, {kBlack, kRed, kGreen}, {0x12, 0x00, 0, 0}),
         3,
         1,
         {kRed, kGreen, kBlack}},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Bitmap bitmap = decode_dib(c.bytes, 0x101, 1033);
        EXPECT_EQ(bitmap.width, c.width);
        EXPECT_EQ(bitmap.height, c.height);
        EXPECT_EQ(bitmap.pixels, c.top_down);
    }
}

struct BadDibCase {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::string complaint;
};

TEST(DecodeDib, RejectsMalformedBitmapsNamingTheProblem) {
    std::vector<std::uint8_t> old_header = dib(1, 1, 24, {}, {0, 0, 0, 0});
    old_header[0] = 12;  // the old BITMAPCOREHEADER
    std::vector<std::uint8_t> compressed = dib(1, 1, 8, {kRed}, {0, 0, 0, 0});
    compressed[16] = 1;  // run-length encoded
    std::vector<std::uint8_t> two_planes = dib(1, 1, 8, {kRed}, {0, 0, 0, 0});
    two_planes[12] = 2;
    const std::vector<BadDibCase> cases = {
        {"shorter than a header", {40, 0, 0, 0, 1, 0}, "past"},
        {"old header", old_header, "header of 12 bytes"},
        {"zero height", dib(1, 0, 8, {kRed}, {}), "size 1 x 0"},
        {"huge width", dib(0x7FFFFFFF, 1, 8, {kRed}, {}), "size 2147483647 x 1"},
        {"most negative height", dib(1, INT32_MIN, 8, {kRed}, {}), "size 1 x -2147483648"},
        {"unusual depth", dib(1, 1, 7, {kRed}, {0, 0, 0, 0}), "7 bits per pixel"},
        {"compressed", compressed, "compression 1"},
        {"two planes", two_planes, "2 planes"},
        {"palette too big", dib(1, 1, 1, {kRed, kRed, kRed}, {0, 0, 0, 0}), "3 palette colours"},
        {"rows cut short", dib(4, 4, 8, {kRed}, {0, 0, 0, 0}), "pixel rows"},
        {"index past the palette", dib(1, 1, 8, {kRed, kGreen}, {5, 0, 0, 0}),
         "uses colour 5 of a 2-colour palette"},
    };
    for (const BadDibCase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            decode_dib(c.bytes, 0x104, 1033);
            ADD_FAILURE() << "decoded without complaint";
        } catch (const Error& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("bitmap 0x104"), std::string::npos) << message;
            EXPECT_NE(message.find(c.complaint), std::string::npos) << message;
        }
    }
}

}  // namespace
}  // namespace module_file_test
