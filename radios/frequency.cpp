#include "frequency.h"

namespace radios {
namespace {

int digit(std::uint32_t frequency, int position) {
    return static_cast<int>((frequency >> (4 * position)) & 15u);
}

std::uint32_t compose(int d3, int d2, int d1, int d0) {
    return static_cast<std::uint32_t>((d3 << 12) | (d2 << 8) | (d1 << 4) | d0) & 0xFFFFu;
}

}  // namespace

std::uint32_t step_mhz(std::uint32_t frequency, Band band, bool up) {
    int mhz = 10 * digit(frequency, 3) + digit(frequency, 2);
    if (up) {
        mhz += 1;
        if (mhz > band.top) mhz = band.bottom;
    } else {
        mhz -= 1;
        if (mhz < band.bottom) mhz = band.top;
    }
    return compose(mhz / 10, mhz % 10, digit(frequency, 1), digit(frequency, 0));
}

std::uint32_t step_khz(std::uint32_t frequency, bool up) {
    const int d0 = digit(frequency, 0);
    int khz = 10 * digit(frequency, 1) + d0;
    const bool on_0_or_5 = d0 == 0 || d0 == 5;
    const bool on_2_or_7 = d0 == 2 || d0 == 7;
    if (up) {
        if (on_0_or_5) khz += 2;
        if (on_2_or_7) khz += 3;
        if (khz > 97) khz = 0;
    } else {
        if (on_0_or_5) khz -= 3;
        if (on_2_or_7) khz -= 2;
        if (khz < 0) khz = 97;
    }
    return compose(digit(frequency, 3), digit(frequency, 2), khz / 10, khz % 10);
}

}  // namespace radios
