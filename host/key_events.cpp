#include "key_events.h"

#include <cmath>

#include "names.h"
#include "numbers.h"

namespace host {
namespace {

// One table for every module's events, grouped by gauge.
constexpr EventEffect kEffects[] = {
    // COM/NAV radios: the transfer buttons set the active frequency.
    {0x100AB, 23, Effect::kSetValue},   // COM 1 set active frequency
    {0x100AC, 24, Effect::kSetValue},   // NAV 1 set active frequency
    {0x1038A, 870, Effect::kSetValue},  // COM 2 set active frequency
    {0x100AD, 27, Effect::kSetValue},   // NAV 2 set active frequency

    // Transponder: each knob advances its digit of the code; codes use 0 to 7.
    {0x10073, 38, Effect::kBcdDigit, 3, 0, 7},  // digit 1 (leftmost)
    {0x10074, 38, Effect::kBcdDigit, 2, 0, 7},
    {0x10075, 38, Effect::kBcdDigit, 1, 0, 7},
    {0x10076, 38, Effect::kBcdDigit, 0, 0, 7},  // digit 4

    // ADF receiver: hundreds, tens and units of token 16, tenths of token 18.
    {0x10070, 16, Effect::kBcdDigit, 2, 0, 9},
    {0x10071, 16, Effect::kBcdDigit, 1, 0, 9},
    {0x10072, 16, Effect::kBcdDigit, 0, 0, 9},
    {0x10395, 18, Effect::kBcdDigit, 0, 0, 9},

    // Autopilot: the mode buttons toggle their modes; the settings step by 100
    // within what the display shows.
    {0x1002C, 103, Effect::kToggle},                   // autopilot
    {0x10106, 106, Effect::kToggle},                   // heading hold
    {0x100C1, 105, Effect::kToggle},                   // NAV hold
    {0x100BC, 112, Effect::kToggle},                   // approach hold
    {0x100C0, 113, Effect::kToggle},                   // back course
    {0x10107, 108, Effect::kToggle},                   // altitude hold
    {0x10164, 109, Effect::kStep, 100, 0, 99900},      // altitude up, feet
    {0x10165, 109, Effect::kStep, -100, 0, 99900},     // altitude down
    {0x10166, 120, Effect::kStep, 100, -9900, 9900},   // vertical speed up, feet per minute
    {0x10167, 120, Effect::kStep, -100, -9900, 9900},  // vertical speed down

    // Audio panel: each button toggles its source.
    {0x1039F, 874, Effect::kToggle},  // COM 1
    {0x103A0, 875, Effect::kToggle},  // COM 2
    {0x10132, 877, Effect::kToggle},  // NAV 1
    {0x10133, 878, Effect::kToggle},  // NAV 2
    {0x10134, 879, Effect::kToggle},  // DME
    {0x10136, 880, Effect::kToggle},  // ADF
    {0x103AD, 881, Effect::kToggle},  // marker
    // Flight instruments: the altimeter's barometric knob in hundredths of an inch
    // of mercury over the range of a light aircraft's altimeter; the gyro's knobs
    // turn the card and the heading marker by a degree, all the way round.
    {0x1015C, 76, Effect::kStep, -0.01, 28.0, 31.0, Range::kClamp},  // barometric setting down
    {0x1015B, 76, Effect::kStep, 0.01, 28.0, 31.0, Range::kClamp},   // barometric setting up
    {0x10156, 84, Effect::kStep, -1, 0, 360, Range::kWrap},          // gyro heading down
    {0x10155, 84, Effect::kStep, 1, 0, 360, Range::kWrap},           // gyro heading up
    {0x10158, 107, Effect::kStep, -1, 0, 360, Range::kWrap},         // heading marker down
    {0x10157, 107, Effect::kStep, 1, 0, 360, Range::kWrap},          // heading marker up
};

// Keeps a stepped value in its range. NaN and infinities start again from the low end.
double in_range(double value, const EventEffect& effect) {
    if (!std::isfinite(value)) return effect.low;
    if (effect.range == Range::kClamp) return std::fmin(std::fmax(value, effect.low), effect.high);
    const double span = effect.high - effect.low;
    if (!(span > 0)) return effect.low;
    double offset = std::fmod(value - effect.low, span);
    if (offset < 0) offset += span;
    return effect.low + offset;
}

// Steps of hundredths must not drift: 29.92 + 0.01 is 29.93, not 29.930000000000003.
double on_step_grid(double value) {
    return std::round(value * 1e6) / 1e6;
}

std::uint32_t advance_bcd_digit(std::uint32_t value, const EventEffect& effect) {
    const int shift = 4 * static_cast<int>(effect.amount);
    const std::uint32_t digit = (value >> shift) & 0xF;
    const std::uint32_t next = digit >= static_cast<std::uint32_t>(effect.high) ? 0 : digit + 1;
    return (value & ~(0xFu << shift)) | (next << shift);
}

}  // namespace

const EventEffect* find_effect(std::uint32_t id) {
    for (const EventEffect& effect : kEffects)
        if (effect.id == id) return &effect;
    return nullptr;
}

bool carry_out(const KeyEvent& event, HostVariables& variables) {
    const EventEffect* effect = find_effect(event.id);
    if (effect == nullptr) return false;
    const std::uint32_t token = effect->token;
    const bool whole = token_kind(token) == TokenKind::kWhole;
    switch (effect->effect) {
        case Effect::kSetValue:
            if (whole)
                variables.set_whole(token, event.value);
            else
                variables.set_number(token, event.value);
            break;
        case Effect::kStep: {
            if (whole) {
                const double value = static_cast<std::int32_t>(variables.whole(token));
                const double next = in_range(value + effect->amount, *effect);
                variables.set_whole(token,
                                    static_cast<std::uint32_t>(gauge::truncate_to_int32(next)));
            } else {
                variables.set_number(
                    token,
                    on_step_grid(in_range(variables.number(token) + effect->amount, *effect)));
            }
            break;
        }
        case Effect::kToggle:
            if (whole)
                variables.set_whole(token, variables.whole(token) == 0 ? 1 : 0);
            else
                variables.set_number(token, variables.number(token) == 0 ? 1 : 0);
            break;
        case Effect::kBcdDigit:
            variables.set_whole(token, advance_bcd_digit(variables.whole(token), *effect));
            break;
    }
    return true;
}

}  // namespace host
