// Key events: the commands a gauge sends to the simulated aircraft, and what
// this host makes of them.
#pragma once

#include <cstdint>

#include "variables.h"

namespace host {

struct KeyEvent {
    std::uint32_t id;
    std::uint32_t value;
    bool operator==(const KeyEvent&) const = default;
};

// What an event does to its variable.
enum class Effect {
    kSetValue,  // the variable takes the event's value
    kStep,      // adds `amount`, kept within [low, high] (clamped) or [low, high) (wrapped)
    kToggle,    // 0 becomes 1, anything else 0
    kBcdDigit,  // advances BCD digit `amount` (0 = lowest) by one, wrapping after `high` to 0
};

enum class Range { kClamp, kWrap };

struct EventEffect {
    std::uint32_t id;
    std::uint32_t token;
    Effect effect;
    double amount = 0;
    double low = 0;
    double high = 0;
    Range range = Range::kClamp;
};

// The host's effect for an event, or null when it has none.
const EventEffect* find_effect(std::uint32_t id);

// Carries the event out on the host variables. Returns false when this host has
// no effect for the event (it is still logged by the caller). Whole-number and
// number tokens (see names.h) are read and written as such; any bit pattern in
// the variable gives a defined result.
bool carry_out(const KeyEvent& event, HostVariables& variables);

}  // namespace host
