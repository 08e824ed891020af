// The bitmap and version sections of a native module (store_format.h).
#include <algorithm>

#include "readers.h"
#include "store_format.h"

namespace module_file {
namespace {

void check_header(const ByteView& section, std::string_view magic) {
    const ByteView head = section.sub(0, magic.size() + 4);
    for (std::size_t i = 0; i < magic.size(); ++i) {
        if (head.u8(i) != static_cast<std::uint8_t>(magic[i])) {
            section.fail("does not start with \"" + std::string(magic) + "\"");
        }
    }
    const std::uint32_t version = head.u32(magic.size());
    if (version != module_store::kFormatVersion) {
        section.fail("format version " + std::to_string(version) + "; " +
                     std::to_string(module_store::kFormatVersion) + " expected");
    }
}

}  // namespace

void sort_bitmaps(const ByteView& where, std::vector<Bitmap>& bitmaps) {
    std::sort(bitmaps.begin(), bitmaps.end(),
              [](const Bitmap& a, const Bitmap& b) { return a.id < b.id; });
    for (std::size_t i = 1; i < bitmaps.size(); ++i) {
        if (bitmaps[i].id == bitmaps[i - 1].id) {
            where.fail("bitmap " + hex(bitmaps[i].id) + " is given twice");
        }
    }
}

std::vector<Bitmap> read_bitmap_store(const ByteView& section) {
    using namespace module_store;
    check_header(section, kBitmapMagic);
    const std::uint32_t count = section.u32(12);
    const ByteView entries =
        section.records(kBitmapHeaderSize, count, kBitmapEntrySize, "directory");
    std::vector<Bitmap> bitmaps;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t at = std::uint64_t{i} * kBitmapEntrySize;
        const std::uint32_t id = entries.u32(at);
        const ByteView data =
            section.sub(entries.u32(at + 8), entries.u32(at + 12), "bitmap " + hex(id));
        try {
            bitmaps.push_back(decode_dib(data.bytes(), id, entries.u32(at + 4)));
        } catch (const Error& error) {
            section.fail(error.what());
        }
    }
    sort_bitmaps(section, bitmaps);
    return bitmaps;
}

VersionInfo read_version_store(const ByteView& section) {
    using namespace module_store;
    check_header(section, kVersionMagic);
    VersionInfo version;
    for (std::size_t i = 0; i < 4; ++i) {
        version.file_version[i] = section.u16(12 + 2 * i);
        version.product_version[i] = section.u16(20 + 2 * i);
    }
    const std::uint32_t count = section.u32(28);
    std::uint64_t at = kVersionHeaderSize;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string key = section.c_string(at);
        at += key.size() + 1;
        std::string value = section.c_string(at);
        at += value.size() + 1;
        version.strings[std::move(key)] = std::move(value);
    }
    return version;
}

}  // namespace module_file
