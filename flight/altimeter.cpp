// Three needles read the one altitude variable: hundreds, thousands and
// ten-thousands readings over one table that turns a needle once per 0 to 999.
// The barometric window shows the host's setting; the knob sends the host's
// commands that lower and raise it.
#include "altimeter.h"

#include <cstdint>
#include <iterator>

#include "bitmaps.h"
#include "dial_gauge.h"
#include "module.h"
#include "mouse_rects.h"
#include "numbers.h"
#include "text.h"

namespace flight {
namespace {

using namespace gauge;

constexpr std::uint32_t kAltitudeToken = 74;
constexpr std::uint32_t kBarometricToken = 76;
constexpr std::uint32_t kBarometricDown = 0x1015C;
constexpr std::uint32_t kBarometricUp = 0x1015B;

std::int32_t altitude_feet(Element* element) {
    return truncate_to_int32(as<Needle>(element)->variable.value);
}

// C++ division and remainder truncate toward zero and the remainder keeps the
// sign of the altitude, so below sea level the readings run negative.
double GAUGE_CALL hundreds_needle(Element* element) {
    return altitude_feet(element) % 1000;
}

double GAUGE_CALL thousands_needle(Element* element) {
    return altitude_feet(element) % 10000 / 10;
}

double GAUGE_CALL ten_thousands_needle(Element* element) {
    return altitude_feet(element) / 100;
}

// "%2d.%02d" of the whole part and the truncated hundredths. The text is cut at
// the window's five characters: a setting of 100 or more, or below zero, would
// otherwise print past the host's buffer.
double GAUGE_CALL barometric_window(Element* element) {
    String* window = as<String>(element);
    const double setting = window->variables[0].value;
    const std::int32_t whole = truncate_to_int32(setting);
    const std::int32_t hundredths = truncate_to_int32((setting - whole) * 100);
    write_text(window, "%2d.%02d", whole, hundredths);
    return setting;
}

// Turns a needle once per 0 to 999: both points straight above the pivot, the
// second one pixel to the left, so 999 comes round to 0.
constexpr NonlinearityEntry kAltitudeTable[] = {{156, 41, 0, 0}, {155, 41, 999, 0}};

// Key 7 is the altimeter's own; key 3 is shared with the other pressure
// instruments.
constexpr FailureEntry kAltimeterFailures[] = {{7, 1, 0}, {3, 1, 0}, {0, 0, 0}};

constexpr std::int32_t kPivotX = 156;
constexpr std::int32_t kPivotY = 154;

constexpr Needle altitude_needle(std::uint32_t bitmap, std::int32_t offset_x, std::int32_t offset_y,
                                 Element* const* children, ElementCallback callback) {
    return {.common = {.kind = kNeedle,
                       .bitmap = bitmap,
                       .x = kPivotX,
                       .y = kPivotY,
                       .offset_x = offset_x,
                       .offset_y = offset_y,
                       .gauge = &altimeter,
                       .children = children,
                       .failures = kAltimeterFailures,
                       .image_flags = 0x4003},
            .variable = {.token = kAltitudeToken},
            .table = kAltitudeTable,
            .table_entries = std::size(kAltitudeTable),
            .max_degrees_per_update = 0,  // each needle jumps, also from 999 to 0
            .callback = callback};
}

// Drawing order: dial, ten-thousands pointer, window, thousands, hundreds.
constinit Needle hundreds =
    altitude_needle(bitmap::kHundredsNeedle, 50, 7, nullptr, hundreds_needle);
constexpr Element* kThousandsChildren[] = {&hundreds.common, nullptr};

constinit Needle thousands =
    altitude_needle(bitmap::kThousandsNeedle, 15, 12, kThousandsChildren, thousands_needle);
constexpr Element* kWindowChildren[] = {&thousands.common, nullptr};

constinit String window = {.common = {.kind = kString,
                                      .bitmap = kNoBitmap,
                                      .x = 170,
                                      .y = 138,
                                      .gauge = &altimeter,
                                      .children = kWindowChildren,
                                      .failures = kAltimeterFailures,
                                      .image_flags = 0x7},
                           .variables = {{.token = kBarometricToken}},
                           .box_width = 100,
                           .box_height = 40,
                           .text_colour = 0x00DED5D5,
                           .background_colour = 0x00202020,
                           .highlight_colour = 0x005C5C5C,
                           .font = "Quartz",
                           .font_weight = 400,
                           .character_set = 1,
                           .text_format = 0x25,
                           .max_chars = 5,
                           .highlights = nullptr,
                           .callback = barometric_window};
constexpr Element* kPointerChildren[] = {&window.common, nullptr};

constinit Needle ten_thousands =
    altitude_needle(bitmap::kTenThousandsPointer, 67, 60, kPointerChildren, ten_thousands_needle);
constexpr Element* kDialChildren[] = {&ten_thousands.common, nullptr};

constinit StaticImage dial = instrument_face(bitmap::kAltimeterDial, &altimeter, kDialChildren);
constexpr Element* kElements[] = {&dial.common, nullptr};

// clang-format off
constexpr MouseRect kMouseRects[] = {
    mouse_parent(0, 0, 0, 0, 0xAB07),
        mouse_parent(6, 241, 64, 64, 0xAB08),
            mouse_key_event(0, 0, 32, 64, kCursorDown, kMouseClickRepeat, kBarometricDown),
            mouse_key_event(32, 0, 32, 64, kCursorUp, kMouseClickRepeat, kBarometricUp),
        kMouseRectEndParent,
    kMouseRectEndParent,
    kMouseRectEnd,
};
// clang-format on

}  // namespace

GaugeHeader altimeter = instrument_header("Altimetro", kElements, kMouseRects);

}  // namespace flight
