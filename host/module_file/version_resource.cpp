// VERSIONINFO resources: a tree of blocks, each
//   u16 length (of the whole block), u16 value length, u16 type (1 text, 0 binary),
//   UTF-16 key with NUL, padding to 4 bytes, value, padding, child blocks.
// The root "VS_VERSION_INFO" holds VS_FIXEDFILEINFO; its children are
// "StringFileInfo" (tables of key/value strings) and "VarFileInfo" (the
// "Translation" pairs of language and code page).
#include "readers.h"

namespace module_file {
namespace {

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::uint64_t kFixedInfoSize = 52;
constexpr int kMaxDepth = 8;

struct Block {
    std::string key;
    ByteView value;
    std::uint16_t value_length;  // in bytes for binary values, in characters for text
    std::vector<Block> children;
};

std::uint64_t align4(std::uint64_t offset) {
    return (offset + 3) & ~std::uint64_t{3};
}

void append_utf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 text from `offset` up to a NUL or `max_units` units; sets `end` past
// the NUL (or the last unit read).
std::string utf16(const ByteView& view, std::uint64_t offset, std::uint64_t max_units,
                  std::uint64_t& end) {
    std::string text;
    std::uint64_t at = offset;
    for (std::uint64_t n = 0; n < max_units; ++n) {
        std::uint32_t unit = view.u16(at);
        at += 2;
        if (unit == 0) break;
        if (unit >= 0xD800 && unit < 0xDC00 && n + 1 < max_units && at + 2 <= view.size()) {
            const std::uint32_t low = view.u16(at);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
                ++n;
            }
        }
        append_utf8(text, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
    end = at;
    return text;
}

Block read_block(const ByteView& area, int depth) {
    if (depth > kMaxDepth)
        area.fail("version blocks nest deeper than " + std::to_string(kMaxDepth));
    const std::uint16_t length = area.u16(0);
    if (length < 6 || length > area.size()) {
        area.fail("version block length " + std::to_string(length) + " does not fit in " +
                  std::to_string(area.size()) + " bytes");
    }
    const ByteView block = area.sub(0, length);
    const std::uint16_t value_length = block.u16(2);
    const std::uint16_t type = block.u16(4);
    std::uint64_t key_end = 0;
    Block result{utf16(block, 6, (length - 6) / 2, key_end), block, value_length, {}};
    const std::uint64_t value_start = align4(key_end);
    const std::uint64_t value_bytes = type == 1 ? std::uint64_t{value_length} * 2 : value_length;
    result.value = block.sub(
        std::min<std::uint64_t>(value_start, length),
        std::min<std::uint64_t>(value_bytes, length - std::min<std::uint64_t>(value_start, length)),
        "value of \"" + result.key + "\"");
    if (type != 1 && value_bytes > result.value.size()) {
        block.fail("value of \"" + result.key + "\" runs past its block");
    }
    std::uint64_t at = align4(value_start + value_bytes);
    while (at + 6 <= length) {
        const ByteView rest = block.sub(at, length - at, "\"" + result.key + "\"");
        Block child = read_block(rest, depth + 1);
        at = align4(at + rest.u16(0));
        result.children.push_back(std::move(child));
    }
    return result;
}

std::array<std::uint16_t, 4> version_parts(std::uint32_t most, std::uint32_t least) {
    return {static_cast<std::uint16_t>(most >> 16), static_cast<std::uint16_t>(most),
            static_cast<std::uint16_t>(least >> 16), static_cast<std::uint16_t>(least)};
}

}  // namespace

VersionInfo read_version_resource(const ByteView& resource) {
    const Block root = read_block(resource, 0);
    if (root.key != "VS_VERSION_INFO") {
        resource.fail("version resource key is \"" + root.key + "\", not \"VS_VERSION_INFO\"");
    }
    const ByteView& fixed = root.value;
    if (fixed.size() < kFixedInfoSize || fixed.u32(0) != kFixedInfoSignature) {
        resource.fail("version resource lacks its fixed file information");
    }
    VersionInfo version;
    version.file_version = version_parts(fixed.u32(8), fixed.u32(12));
    version.product_version = version_parts(fixed.u32(16), fixed.u32(20));
    for (const Block& info : root.children) {
        for (const Block& table : info.children) {
            if (info.key == "StringFileInfo") {
                for (const Block& entry : table.children) {
                    std::uint64_t end = 0;
                    version.strings[entry.key] = utf16(entry.value, 0, entry.value.size() / 2, end);
                }
            } else if (info.key == "VarFileInfo" && table.key == "Translation") {
                for (std::uint64_t at = 0; at + 4 <= table.value.size(); at += 4) {
                    version.translations.emplace_back(table.value.u16(at), table.value.u16(at + 2));
                }
            }
        }
    }
    return version;
}

}  // namespace module_file
