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

// Carries the event out on the host variables. Returns false when this host has
// no effect for the event (it is still logged by the caller).
bool carry_out(const KeyEvent& event, HostVariables& variables);

}  // namespace host
