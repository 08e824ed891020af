// Conversions every callback uses on host values, defined for every double.
#pragma once

#include <cstdint>

namespace gauge {

// Truncates toward zero to a 32-bit integer. C++'s own conversion is undefined
// for NaN, infinities and values outside the 32-bit range, and host variables can
// hold anything: NaN gives 0, values beyond the range give the nearest end.
constexpr std::int32_t truncate_to_int32(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

// A needle's reading kept within its table's range [lowest, highest], limits
// inclusive: values equal to a limit come back unchanged. NaN is no reading at
// all and reads as 0 (limited like any value): a NaN handed back to the host
// would leave the needle's position to chance.
constexpr double limit_reading(double value, double lowest, double highest) {
    if (!(value == value)) value = 0;
    if (value > highest) return highest;
    if (value < lowest) return lowest;
    return value;
}

// The low 32 bits of a module variable's value, the way whole-number host
// variables (frequencies, codes, enumerations) are delivered.
std::uint32_t low_bits(double value);

}  // namespace gauge
