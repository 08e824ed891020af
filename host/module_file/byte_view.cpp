#include "byte_view.h"

#include <cstdio>

namespace module_file {

std::string hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

void ByteView::fail(const std::string& problem) const {
    throw Error(what_ + ": " + problem);
}

std::span<const std::uint8_t> ByteView::read(std::uint64_t offset, std::uint64_t length) const {
    if (offset > size() || length > size() - offset) {
        fail(std::to_string(length) + " bytes at offset " + hex(offset) +
             " run past its end (size " + hex(size()) + ")");
    }
    return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

std::uint16_t ByteView::u16(std::uint64_t offset) const {
    const auto b = read(offset, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t ByteView::u32(std::uint64_t offset) const {
    const auto b = read(offset, 4);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint64_t ByteView::u64(std::uint64_t offset) const {
    return u32(offset) | (static_cast<std::uint64_t>(u32(offset + 4)) << 32);
}

ByteView ByteView::sub(std::uint64_t offset, std::uint64_t length, const std::string& what) const {
    if (offset > size() || length > size() - offset) {
        fail(what + " (" + hex(length) + " bytes at offset " + hex(offset) +
             ") runs past the end (size " + hex(size()) + ")");
    }
    return {read(offset, length), what_ + ": " + what};
}

ByteView ByteView::sub(std::uint64_t offset, std::uint64_t length) const {
    return {read(offset, length), what_};
}

ByteView ByteView::records(std::uint64_t offset, std::uint64_t count, std::uint64_t record_size,
                           const std::string& what) const {
    if (record_size != 0 && count > size() / record_size) {
        fail(what + ": " + std::to_string(count) + " records of " + std::to_string(record_size) +
             " bytes run past the end (size " + hex(size()) + ")");
    }
    return sub(offset, count * record_size, what);
}

std::string ByteView::c_string(std::uint64_t offset) const {
    if (offset >= size()) fail("string at offset " + hex(offset) + " lies past its end");
    std::string text;
    for (std::uint64_t i = offset; i < size(); ++i) {
        const char c = static_cast<char>(bytes_[static_cast<std::size_t>(i)]);
        if (c == '\0') return text;
        text += c;
    }
    fail("string at offset " + hex(offset) + " has no terminating NUL");
}

}  // namespace module_file
