// The autopilot panel shows the host's autopilot modes as lit buttons and its
// altitude and vertical speed settings in the display window; every button
// sends the host's own autopilot event. All logic is the host's: the gauge keeps
// no state.
#include "autopilot.h"

#include <algorithm>

#include "bitmaps.h"
#include "mouse_rects.h"
#include "numbers.h"
#include "records.h"
#include "text.h"

namespace radios {
namespace {

using namespace gauge;

constexpr std::uint32_t kApToken = 103;
constexpr std::uint32_t kNavToken = 105;
constexpr std::uint32_t kHeadingToken = 106;
constexpr std::uint32_t kAltHoldToken = 108;
constexpr std::uint32_t kAltitudeToken = 109;
constexpr std::uint32_t kApproachToken = 112;
constexpr std::uint32_t kBackCourseToken = 113;
constexpr std::uint32_t kVerticalSpeedToken = 120;

// The settings are written as "ALT %05d" and "VS  %05d" into nine characters:
// five digits, or a minus sign and four. A setting beyond that is shown at the
// nearest number the field holds, so the text never runs past the buffer and a
// cut-off digit never makes 100000 look like 10000.
constexpr std::int32_t kLargestSetting = 99999;
constexpr std::int32_t kSmallestSetting = -9999;

std::int32_t setting_shown(double value) {
    return std::clamp(truncate_to_int32(value), kSmallestSetting, kLargestSetting);
}

// ---------------------------------------------------------------------------
// Element callbacks.

// A mode that is on (1) shows the lit button, one that is off (0) none of the
// icon's images, so the unlit button of the face shows. One per lamp.
template <std::uint32_t Token>
double GAUGE_CALL mode_lamp(Element* element) {
    return as<Icon>(element)->variable.value - 1.0;
}

double GAUGE_CALL heading_text(Element* element) {
    String* field = as<String>(element);
    const double heading = field->variables[0].value;
    write_text(field, "%s", heading > 0.0 ? "HDG" : "   ");
    return heading;
}

// NAV before APR before BC: the first mode that is on names the lateral mode.
double GAUGE_CALL lateral_text(Element* element) {
    String* field = as<String>(element);
    const double nav = field->variables[0].value;
    const char* label = "  ";
    if (nav > 0.0)
        label = "NAV";
    else if (field->variables[1].value > 0.0)
        label = "APR";
    else if (field->variables[2].value > 0.0)
        label = "BC ";
    write_text(field, "%s", label);
    return nav;
}

double GAUGE_CALL altitude_text(Element* element) {
    String* field = as<String>(element);
    const double altitude = field->variables[0].value;
    write_text(field, "ALT %05d", static_cast<int>(setting_shown(altitude)));
    return altitude;
}

double GAUGE_CALL vertical_speed_text(Element* element) {
    String* field = as<String>(element);
    const double vertical_speed = field->variables[0].value;
    write_text(field, "VS  %05d", static_cast<int>(setting_shown(vertical_speed)));
    return vertical_speed;
}

// ---------------------------------------------------------------------------
// Declarations.

constexpr FailureEntry kFailures[] = {{20, 3, 0}, {21, 3, 0}, {0, 0, 0}};

constexpr GaugeHeader* kGauge = &autopilot.record;

template <std::uint32_t Token>
constexpr Icon800 lamp(std::uint32_t bitmap, std::int32_t x) {
    return radio_icon({.gauge = kGauge,
                       .bitmap = bitmap,
                       .x = x,
                       .y = 92,
                       .image_count = 1,
                       .image_flags = 0x7,
                       .token = Token,
                       .failures = kFailures,
                       .callback = mode_lamp<Token>});
}

constinit Icon800 ap_lamp = lamp<kApToken>(bitmap::kApLit, 20);
constinit Icon800 hdg_lamp = lamp<kHeadingToken>(bitmap::kHdgLit, 88);
constinit Icon800 nav_lamp = lamp<kNavToken>(bitmap::kNavLit, 164);
constinit Icon800 apr_lamp = lamp<kApproachToken>(bitmap::kAprLit, 234);
constinit Icon800 rev_lamp = lamp<kBackCourseToken>(bitmap::kRevLit, 310);
constinit Icon800 alt_lamp = lamp<kAltHoldToken>(bitmap::kAltLit, 388);

// The heading and lateral fields hold three characters, the settings nine.
constexpr DisplayLayout field(std::int32_t x, std::int32_t y, std::uint32_t width,
                              std::uint32_t max_chars, std::uint32_t special_flags,
                              ElementCallback callback) {
    return {.gauge = kGauge,
            .x = x,
            .y = y,
            .width = width,
            .height = 36,
            .max_chars = max_chars,
            .image_flags = 0x6,
            .special_flags = special_flags,
            .failures = kFailures,
            .callback = callback};
}

constexpr DisplayLayout with_tokens(DisplayLayout layout, std::uint32_t first,
                                    std::uint32_t second = 0, std::uint32_t third = 0) {
    layout.tokens[0] = first;
    layout.tokens[1] = second;
    layout.tokens[2] = third;
    return layout;
}

constinit String800 heading_field =
    radio_display(with_tokens(field(118, 42, 60, 3, 0x2, heading_text), kHeadingToken));
constinit String800 lateral_field = radio_display(with_tokens(
    field(118, 10, 60, 3, 0, lateral_text), kNavToken, kApproachToken, kBackCourseToken));
constinit String800 altitude_field =
    radio_display(with_tokens(field(220, 10, 180, 9, 0x1, altitude_text), kAltitudeToken));
constinit String800 vertical_speed_field =
    radio_display(with_tokens(field(220, 42, 180, 9, 0, vertical_speed_text), kVerticalSpeedToken));

constexpr Element* const face_children[] = {&ap_lamp.record.common,
                                            &hdg_lamp.record.common,
                                            &nav_lamp.record.common,
                                            &apr_lamp.record.common,
                                            &rev_lamp.record.common,
                                            &alt_lamp.record.common,
                                            &heading_field.record.common,
                                            &lateral_field.record.common,
                                            &altitude_field.record.common,
                                            &vertical_speed_field.record.common,
                                            nullptr};
constinit StaticImage face = radio_face(kGauge, bitmap::kAutopilotFace, 0x1, face_children);
constexpr Element* const elements[] = {&face.common, nullptr};

// clang-format off
constexpr MouseRect mouse_rects[] = {
    mouse_parent(0, 0, 0, 0),
        mouse_parent(164, 92, 35, 21, 0xAD85),  // NAV
            mouse_key_event(0, 0, 34, 20, kCursorHand, kMouseLeftClick, 0x100C1),
        kMouseRectEndParent,
        mouse_parent(234, 92, 35, 21, 0xAD83),  // APR
            mouse_key_event(0, 0, 34, 20, kCursorHand, kMouseLeftClick, 0x100BC),
        kMouseRectEndParent,
        mouse_parent(310, 92, 35, 21, 0xAD82),  // REV
            mouse_key_event(0, 0, 34, 20, kCursorHand, kMouseLeftClick, 0x100C0),
        kMouseRectEndParent,
        mouse_parent(20, 92, 35, 21, 0xAB0E),  // AP
            mouse_key_event(0, 0, 34, 20, kCursorHand, kMouseLeftClick, 0x1002C),
        kMouseRectEndParent,
        mouse_parent(388, 92, 35, 21, 0xAD8C),  // ALT
            mouse_key_event(0, 0, 34, 20, kCursorHand, kMouseLeftClick, 0x10107),
        kMouseRectEndParent,
        mouse_parent(88, 92, 35, 21, 0xAD87),  // HDG
            mouse_key_event(0, 0, 34, 20, kCursorHand, kMouseLeftClick, 0x10106),
        kMouseRectEndParent,
        mouse_parent(310, 20, 100, 40, 0xAD8D),  // altitude setting
            mouse_key_event(0, 0, 40, 25, kCursorDown, kMouseClickRepeat, 0x10165),
            mouse_key_event(42, 0, 40, 25, kCursorUp, kMouseClickRepeat, 0x10164),
        kMouseRectEndParent,
        mouse_key_event(446, 35, 35, 23, kCursorUp, kMouseClickRepeat, 0x10166),    // UP
        mouse_key_event(446, 73, 35, 23, kCursorDown, kMouseClickRepeat, 0x10167),  // DN
    kMouseRectEndParent,
    kMouseRectEnd,
};
// clang-format on

}  // namespace

GaugeHeader800 autopilot = radio_gauge("RadioAP", elements, mouse_rects);

}  // namespace radios
