// Building a gauge's mouse rectangle list so that it reads like a table.
#pragma once

#include <cstdint>

#include "gauge.h"

namespace gauge {

// A parent: the origin of the entries up to its end-of-parent entry, and the
// area of its help id (the whole gauge for the outermost, 0 x 0 parent).
constexpr MouseRect mouse_parent(std::int32_t x, std::int32_t y, std::uint32_t width,
                                 std::uint32_t height, std::uint32_t help_id = 0) {
    return {kMouseParent, x, y, width, height, kCursorNone, help_id, 0, 0, nullptr, 0};
}

// A child whose events call a mouse function.
constexpr MouseRect mouse_function(std::int32_t x, std::int32_t y, std::uint32_t width,
                                   std::uint32_t height, std::int32_t cursor, std::uint32_t flags,
                                   MouseFunction function) {
    return {kMouseChild, x, y, width, height, cursor, 0, flags, 0, function, 0};
}

// A child whose events make the host send a key event.
constexpr MouseRect mouse_key_event(std::int32_t x, std::int32_t y, std::uint32_t width,
                                    std::uint32_t height, std::int32_t cursor, std::uint32_t flags,
                                    std::uint32_t key_event) {
    return {kMouseChild, x, y, width, height, cursor, 0, flags, key_event, nullptr, 0};
}

// A mouse function that puts one of the gauge's own state bytes at a fixed
// value: the two halves of a power knob or a two-way switch.
template <std::int8_t& State, std::int8_t Value>
std::int32_t GAUGE_CALL set_state(MousePosition*, std::uint32_t) {
    State = Value;
    return 0;
}

inline constexpr MouseRect kMouseRectEndParent = {.kind = kMouseEndParent};
inline constexpr MouseRect kMouseRectEnd = {.kind = kMouseEnd};

}  // namespace gauge
