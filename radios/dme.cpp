// The DME shows the distance and ground speed of one of the host's two DME
// receivers, chosen by the R1/R2 lever; the slide switch blanks both fields.
// Switch and lever are the gauge's own. The callbacks return the receiver 1
// values whichever receiver is shown.
#include "dme.h"

#include <bit>

#include "bitmaps.h"
#include "mouse_rects.h"
#include "numbers.h"
#include "records.h"
#include "text.h"

namespace radios {
namespace {

using namespace gauge;

constexpr std::uint32_t kDistance1Token = 31;
constexpr std::uint32_t kSpeed1Token = 32;
constexpr std::uint32_t kDistance2Token = 35;
constexpr std::uint32_t kSpeed2Token = 36;
constexpr std::uint32_t kUnreadToken = 355;

constexpr std::uint64_t kNoDistanceBits = 0xBFF0000000000000;  // exactly -1.0
// "%3d.%1d NM" fills the eight characters for 0 to 999.9 NM; beyond that, and
// for negative distances, it would run past them and show a second minus sign
// in the tenths. No DME reaches that far, so those show the dashes too.
constexpr double kDistanceLimit = 1000.0;
constexpr std::int32_t kSpeedLimit = 650;

std::int8_t power = 0;
std::int8_t receiver = 0;  // 0: R1, 1: R2

bool is_no_distance(double distance) {
    return std::bit_cast<std::uint64_t>(distance) == kNoDistanceBits;
}

// ---------------------------------------------------------------------------
// Element callbacks.

double GAUGE_CALL distance_text(Element* element) {
    String* field = as<String>(element);
    const double receiver1 = field->variables[0].value;
    if (power == 0) {
        clear_text(field);
        return receiver1;
    }
    const double distance = receiver == 0 ? receiver1 : field->variables[1].value;
    if (is_no_distance(distance) || !(distance >= 0.0 && distance < kDistanceLimit)) {
        write_text(field, "%s", "---.- NM");
    } else {
        const std::int32_t whole = truncate_to_int32(distance);
        const std::int32_t tenths = truncate_to_int32((distance - whole) * 10.0);
        write_text(field, "%3d.%1d NM", static_cast<int>(whole), static_cast<int>(tenths));
    }
    return receiver1;
}

// Truncated knots, low 16 bits: a small negative speed becomes a large one.
std::uint32_t speed_of(double knots) {
    return static_cast<std::uint32_t>(truncate_to_int32(knots)) & 0xFFFFu;
}

double GAUGE_CALL speed_text(Element* element) {
    String* field = as<String>(element);
    const std::uint32_t receiver1 = speed_of(field->variables[0].value);
    const std::uint32_t receiver2 = speed_of(field->variables[1].value);
    if (power == 0) {
        clear_text(field);
        return receiver1;
    }
    const std::uint32_t speed = receiver == 0 ? receiver1 : receiver2;
    if (speed > 0 && speed < kSpeedLimit)
        write_text(field, "%4d KT", static_cast<int>(speed));
    else
        write_text(field, "%s", "---- KT");
    return receiver1;
}

double GAUGE_CALL switch_image(Element*) {
    return power;
}

double GAUGE_CALL selector_image(Element*) {
    return receiver;
}

// ---------------------------------------------------------------------------
// Mouse functions.

std::int32_t GAUGE_CALL toggle_receiver(MousePosition*, std::uint32_t) {
    receiver = static_cast<std::int8_t>(1 - receiver);
    return 0;
}

// ---------------------------------------------------------------------------
// Declarations.

constexpr FailureEntry kFailures[] = {{20, 3, 0}, {21, 3, 0}, {13, 0, 0}, {0, 0, 0}};

constexpr GaugeHeader* kGauge = &dme.record;

constinit String800 speed_field =
    radio_display({.gauge = kGauge,
                   .x = 10,
                   .y = 25,
                   .width = 126,
                   .height = 35,
                   .max_chars = 7,
                   .image_flags = 0x7,
                   .tokens = {kSpeed1Token, kSpeed2Token, kUnreadToken},
                   .failures = kFailures,
                   .callback = speed_text});
constexpr Element* const distance_children[] = {&speed_field.record.common, nullptr};

constinit String800 distance_field =
    radio_display({.gauge = kGauge,
                   .x = 160,
                   .y = 25,
                   .width = 144,
                   .height = 35,
                   .max_chars = 8,
                   .image_flags = 0x7,
                   .tokens = {kDistance1Token, kDistance2Token, kUnreadToken},
                   .failures = kFailures,
                   .callback = distance_text,
                   .children = distance_children});
constexpr Element* const selector_children[] = {&distance_field.record.common, nullptr};

constinit Icon800 power_switch = radio_icon({.gauge = kGauge,
                                             .bitmap = bitmap::kDmeSlideOff,
                                             .x = 285,
                                             .y = 78,
                                             .image_count = 2,
                                             .image_flags = 0x1,
                                             .callback = switch_image});

constinit Icon800 selector = radio_icon({.gauge = kGauge,
                                         .bitmap = bitmap::kDmeLeverR1,
                                         .x = 389,
                                         .y = 42,
                                         .image_count = 2,
                                         .image_flags = 0x1,
                                         .callback = selector_image,
                                         .children = selector_children});

constexpr Element* const face_children[] = {&power_switch.record.common, &selector.record.common,
                                            nullptr};
constinit StaticImage face = radio_face(kGauge, bitmap::kDmeFace, 0x1, face_children);
constexpr Element* const elements[] = {&face.common, nullptr};

// clang-format off
constexpr MouseRect mouse_rects[] = {
    mouse_parent(0, 0, 0, 0, 0xA704),
        mouse_function(290, 78, 20, 60, kCursorDown, kMouseLeftClick, set_state<power, 0>),
        mouse_function(315, 78, 20, 60, kCursorUp, kMouseLeftClick, set_state<power, 1>),
        mouse_parent(366, 30, 50, 60, 0xA708),
            mouse_function(0, 0, 50, 60, kCursorHand, kMouseLeftClick, toggle_receiver),
        kMouseRectEndParent,
    kMouseRectEndParent,
    kMouseRectEnd,
};
// clang-format on

}  // namespace

GaugeHeader800 dme = radio_gauge("RadioDME", elements, mouse_rects);

}  // namespace radios
