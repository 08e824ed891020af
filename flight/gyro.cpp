// The compass card turns with the gyro heading (token 84) behind a fixed
// aircraft outline; the heading marker stands at the selected heading (token
// 107) measured from the card's, so it turns with the card. The knobs send the
// host's commands; the gauge sees their effect only through the two tokens.
#include "gyro.h"

#include <cstdint>

#include "bitmaps.h"
#include "dial_gauge.h"
#include "module.h"
#include "mouse_rects.h"
#include "services.h"

namespace flight {
namespace {

using namespace gauge;

constexpr std::uint32_t kCardToken = 84;
constexpr std::uint32_t kMarkerToken = 107;
constexpr std::uint32_t kLeftKnobDown = 0x10156;
constexpr std::uint32_t kLeftKnobUp = 0x10155;
constexpr std::uint32_t kRightKnobDown = 0x10158;
constexpr std::uint32_t kRightKnobUp = 0x10157;

// The marker callback's own view of the card heading, refreshed on each call.
constinit ModuleVar card_heading = {.token = kCardToken};

// Degrees clockwise from the marker image as drawn (twelve o'clock); not
// brought into any range, which the needle does not need.
double GAUGE_CALL heading_marker(Element* element) {
    lookup_var(card_heading);
    return as<Needle>(element)->variable.value - card_heading.value;
}

// The card and the marker share one list; keys 11 and 4 are the gyro's alone.
constexpr FailureEntry kGyroFailures[] = {{11, 1, 0}, {4, 1, 0}, {2, 1, 0}, {0, 0, 0}};

// Drawing order: bezel, card, marker. The marker's pivot lies 130 pixels below
// the top of its image, so it rides on the card's rim.
constinit Needle marker = {.common = {.kind = kNeedle,
                                      .bitmap = bitmap::kHeadingMarker,
                                      .x = 150,
                                      .y = 150,
                                      .offset_x = 15,
                                      .offset_y = 130,
                                      .gauge = &gyro,
                                      .failures = kGyroFailures,
                                      .image_flags = 0x4003},
                           .variable = {.token = kMarkerToken},
                           .table = nullptr,
                           .table_entries = 0,
                           .max_degrees_per_update = 0,
                           .callback = heading_marker};
constexpr Element* kCardChildren[] = {&marker.common, nullptr};

// Turned by token 84 times 1.0 degrees about the texture's centre; it does not
// slide.
constinit Sprite card = {.common = {.kind = kSprite,
                                    .bitmap = bitmap::kCompassCard,
                                    .x = 18,
                                    .y = 16,
                                    .offset_x = 150,
                                    .offset_y = 150,
                                    .gauge = &gyro,
                                    .children = kCardChildren,
                                    .failures = kGyroFailures,
                                    .image_flags = 0x4081},
                         .x_variable = {.token = 0},
                         .x_scale = 0,
                         .y_variable = {.token = 0},
                         .y_scale = 0,
                         .rotation_variable = {.token = kCardToken},
                         .rotation_scale = 1.0,
                         .texture_scale_x = 0.95f,
                         .texture_scale_y = 0.95f};
constexpr Element* kBezelChildren[] = {&card.common, nullptr};

constinit StaticImage bezel = instrument_face(bitmap::kGyroBezel, &gyro, kBezelChildren);
constexpr Element* kElements[] = {&bezel.common, nullptr};

// clang-format off
constexpr MouseRect kMouseRects[] = {
    mouse_parent(0, 0, 0, 0, 0xAB34),
        mouse_parent(0, 252, 64, 64, 0xAB35),
            mouse_key_event(0, 0, 32, 64, kCursorDown, kMouseClickRepeat, kLeftKnobDown),
            mouse_key_event(32, 0, 32, 64, kCursorUp, kMouseClickRepeat, kLeftKnobUp),
        kMouseRectEndParent,
        mouse_parent(260, 255, 64, 64, 0xAB33),
            mouse_key_event(0, 0, 32, 64, kCursorDown, kMouseClickRepeat, kRightKnobDown),
            mouse_key_event(32, 0, 32, 64, kCursorUp, kMouseClickRepeat, kRightKnobUp),
        kMouseRectEndParent,
    kMouseRectEndParent,
    kMouseRectEnd,
};
// clang-format on

}  // namespace

GaugeHeader gyro = instrument_header("Gyro", kElements, kMouseRects);

}  // namespace flight
