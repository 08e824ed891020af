// Appending little-endian integers to a byte buffer, as Windows files lay them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace art {

inline void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

inline void put_text(std::vector<std::uint8_t>& out, std::string_view text) {
    for (char c : text) out.push_back(static_cast<std::uint8_t>(c));
}

}  // namespace art
