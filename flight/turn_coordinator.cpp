// The aircraft symbol banks with the turn rate, limited to the table's ends;
// the inclinometer ball slides from one variable along both axes; the flag
// shows its variable as an image index.
#include "turn_coordinator.h"

#include <iterator>

#include "bitmaps.h"
#include "dial_gauge.h"
#include "module.h"
#include "mouse_rects.h"
#include "numbers.h"

namespace flight {
namespace {

using namespace gauge;

constexpr std::uint32_t kFlagToken = 279;
constexpr std::uint32_t kBallToken = 69;
constexpr std::uint32_t kTurnRateToken = 70;

double GAUGE_CALL turn_needle(Element* element) {
    return limit_reading(as<Needle>(element)->variable.value, -900, 900);
}

// The host draws nothing for an index with no image: the second state (1) has
// none in this module.
double GAUGE_CALL flag_icon(Element* element) {
    return as<Icon>(element)->variable.value;
}

// Where the symbol's right wing tip lies. There is no entry for 0: between the
// two-minute marks the symbol passes through level. Negative values raise the
// right wing (a left turn).
constexpr NonlinearityEntry kTurnTable[] = {
    {205, 76, -900, 0},
    {237, 108, -546, 0},
    {240, 180, 546, 0},
    {213, 220, 900, 0},
};

// Key 18 is the turn coordinator's own.
constexpr FailureEntry kDialFailures[] = {{18, 0, 0}, {0, 0, 0}};
constexpr FailureEntry kSymbolFailures[] = {{18, 1, 0}, {20, 2, 0}, {0, 0, 0}};

// Drawing order: dial, flag, ball, aircraft symbol.
constinit Needle symbol = {.common = {.kind = kNeedle,
                                      .bitmap = bitmap::kAircraftSymbol,
                                      .x = 155,
                                      .y = 146,
                                      .offset_x = 90,
                                      .offset_y = 28,
                                      .gauge = &turn_coordinator,
                                      .failures = kSymbolFailures,
                                      .image_flags = 0x4083},
                           .variable = {.token = kTurnRateToken},
                           .table = kTurnTable,
                           .table_entries = std::size(kTurnTable),
                           .max_degrees_per_update = kNeedleMaxDegreesPerUpdate,
                           .callback = turn_needle};
constexpr Element* kBallChildren[] = {&symbol.common, nullptr};

// 0.5625 pixel right and 0.0625 pixel down per unit: a line falling slightly to
// the right.
constinit Slider ball = {.common = {.kind = kSlider,
                                    .bitmap = bitmap::kInclinometerBall,
                                    .x = 140,
                                    .y = 178,
                                    .gauge = &turn_coordinator,
                                    .children = kBallChildren,
                                    .image_flags = 0x4083},
                         .x_variable = {.token = kBallToken},
                         .x_scale = 0.5625,
                         .y_variable = {.token = kBallToken},
                         .y_scale = 0.0625};
constexpr Element* kFlagChildren[] = {&ball.common, nullptr};

constinit Icon flag = {.common = {.kind = kIcon,
                                  .bitmap = bitmap::kTurnFlag,
                                  .x = 210,
                                  .y = 110,
                                  .gauge = &turn_coordinator,
                                  .children = kFlagChildren,
                                  .image_flags = 0x4002},
                       .variable = {.token = kFlagToken},
                       .switch_type = 0,
                       .icon_count = 2,
                       .scroll_x = 0,
                       .scroll_y = 0,
                       .callback = flag_icon};
constexpr Element* kDialChildren[] = {&flag.common, nullptr};

constinit StaticImage dial =
    instrument_face(bitmap::kTurnDial, &turn_coordinator, kDialChildren, kDialFailures);
constexpr Element* kElements[] = {&dial.common, nullptr};

constexpr MouseRect kMouseRects[] = {
    mouse_parent(0, 0, 0, 0, 0xAB71),
    kMouseRectEndParent,
    kMouseRectEnd,
};

}  // namespace

GaugeHeader turn_coordinator = instrument_header("Turn", kElements, kMouseRects);

}  // namespace flight
