#include "numbers.h"

#include <cstring>

namespace gauge {

std::uint32_t low_bits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return static_cast<std::uint32_t>(bits);
}

}  // namespace gauge
