#include "key_events.h"

namespace host {
namespace {

// What an event does: for now, events that make their value a whole-number
// variable. Add a kind when a gauge needs another effect.
struct EventEffect {
    std::uint32_t id;
    std::uint32_t token;  // the variable that takes the event's value
};

constexpr EventEffect kEffects[] = {
    {0x100AB, 23},   // COM 1 set active frequency
    {0x100AC, 24},   // NAV 1 set active frequency
    {0x1038A, 870},  // COM 2 set active frequency
    {0x100AD, 27},   // NAV 2 set active frequency
};

}  // namespace

bool carry_out(const KeyEvent& event, HostVariables& variables) {
    for (const EventEffect& effect : kEffects) {
        if (effect.id != event.id) continue;
        variables.set_whole(effect.token, event.value);
        return true;
    }
    return false;
}

}  // namespace host
