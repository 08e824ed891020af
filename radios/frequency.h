// COM and NAV frequencies: four BCD digits d3 d2 . d1 d0 in the low 16 bits for
// 1 d3 d2 . d1 d0 MHz (0x2345 is 123.45 MHz).
#pragma once

#include <cstdint>

namespace radios {

struct Band {
    int bottom;  // MHz number: whole MHz minus 100
    int top;
};

inline constexpr Band kComBand = {18, 35};  // 118 to 135 MHz
inline constexpr Band kNavBand = {8, 17};   // 108 to 117 MHz

// The whole-MHz step of a frequency within its band, wrapping at both ends.
std::uint32_t step_mhz(std::uint32_t frequency, Band band, bool up);

// The 25 kHz channel step of a frequency's fraction, wrapping .97 and .00.
// A fraction off the channel pattern (last digit not 0, 2, 5 or 7) stays.
std::uint32_t step_khz(std::uint32_t frequency, bool up);

}  // namespace radios
