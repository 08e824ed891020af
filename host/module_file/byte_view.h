// Bounds-checked little-endian reads from a part of a file. A read outside the
// part throws an Error that names the part, the offset and the part's size.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "module_file.h"

namespace module_file {

std::string hex(std::uint64_t value);  // "0x1a2b"

class ByteView {
  public:
    ByteView(std::span<const std::uint8_t> bytes, std::string what)
        : bytes_(bytes), what_(std::move(what)) {}

    std::uint64_t size() const { return bytes_.size(); }
    const std::string& what() const { return what_; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    std::uint8_t u8(std::uint64_t offset) const { return read(offset, 1)[0]; }
    std::uint16_t u16(std::uint64_t offset) const;
    std::uint32_t u32(std::uint64_t offset) const;
    std::uint64_t u64(std::uint64_t offset) const;

    // The part [offset, offset + length) of this one, named "<this name>: <what>".
    ByteView sub(std::uint64_t offset, std::uint64_t length, const std::string& what) const;
    // The same part under this one's name.
    ByteView sub(std::uint64_t offset, std::uint64_t length) const;
    // Likewise for `count` records of `record_size` bytes each.
    ByteView records(std::uint64_t offset, std::uint64_t count, std::uint64_t record_size,
                     const std::string& what) const;
    // A NUL-terminated string starting at `offset`, ending inside this part.
    std::string c_string(std::uint64_t offset) const;

    [[noreturn]] void fail(const std::string& problem) const;

  private:
    std::span<const std::uint8_t> read(std::uint64_t offset, std::uint64_t length) const;

    std::span<const std::uint8_t> bytes_;
    std::string what_;
};

}  // namespace module_file
