// The transponder shows the host's four-digit code on four wheels; the host
// advances the digits itself from the knob areas. The mode knob (OFF, SBY, ON,
// ALT, TST) lives only here: it drives the reply light, which blinks in ON and
// ALT and is lit in TST, and TST springs back to ALT after a while. All timing
// counts in units of the host's time base (token 1).
#include "transponder.h"

#include "bitmaps.h"
#include "mouse_rects.h"
#include "numbers.h"
#include "records.h"
#include "services.h"

namespace radios {
namespace {

using namespace gauge;

constexpr std::uint32_t kCodeToken = 38;
constexpr std::uint32_t kTimeBaseToken = 1;

enum Mode : std::int8_t { kOff = 0, kStandby = 1, kOn = 2, kAlt = 3, kTest = 4 };
constexpr std::int8_t kLampLit = 0;
constexpr std::int8_t kLampDark = -1;
constexpr std::int32_t kNoStart = -1;

constexpr int kBlinkLitUpTo = 24;  // lit for differences 0 to 24, dark after
constexpr int kBlinkCycle = 80;    // a new cycle starts when the difference is 80
constexpr int kTestPeriod = 24;    // TST springs back to ALT at this difference

struct TransponderState {
    std::int8_t mode = kOff;
    std::int8_t lamp = kLampDark;
    std::int32_t blink_start = kNoStart;
    std::int32_t test_start = kNoStart;
};

TransponderState state;

double time_base() {
    ModuleVar time = {.token = kTimeBaseToken};
    lookup_var(time);
    return time.value;
}

// Time since a start, kept to its low 8 bits as a signed number: the timers
// wrap every 256 units, so a start far in the past still comes round again.
int difference_since(double now, std::int32_t start) {
    const auto units = static_cast<std::uint32_t>(truncate_to_int32(now - start));
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(units & 0xFFu));
}

// ---------------------------------------------------------------------------
// Element callbacks.

template <int Shift>
double GAUGE_CALL code_digit(Element* element) {
    return (low_bits(as<MovingImage>(element)->y_variable.value) >> Shift) & 15u;
}

double GAUGE_CALL reply_light(Element*) {
    if (state.mode == kTest) {
        state.lamp = kLampLit;
    } else if (state.mode == kOff || state.mode == kStandby) {
        state.blink_start = kNoStart;
        state.lamp = kLampDark;
    } else {
        const double now = time_base();
        if (state.blink_start == kNoStart) state.blink_start = truncate_to_int32(now);
        const int difference = difference_since(now, state.blink_start);
        if (difference == kBlinkCycle) state.blink_start = kNoStart;
        state.lamp = difference <= kBlinkLitUpTo ? kLampLit : kLampDark;
    }
    return state.lamp;
}

double GAUGE_CALL mode_knob(Element*) {
    if (state.mode < kTest) return state.mode;
    const double now = time_base();
    if (state.test_start == kNoStart) state.test_start = truncate_to_int32(now);
    if (difference_since(now, state.test_start) == kTestPeriod) {
        state.mode = kAlt;
        state.test_start = kNoStart;
        state.blink_start = kNoStart;
    }
    return state.mode;
}

// ---------------------------------------------------------------------------
// Mouse functions: the knob steps without wrapping.

std::int32_t GAUGE_CALL mode_step_down(MousePosition*, std::uint32_t) {
    if (state.mode > kOff) --state.mode;
    return 0;
}

std::int32_t GAUGE_CALL mode_step_up(MousePosition*, std::uint32_t) {
    if (state.mode < kTest) ++state.mode;
    return 0;
}

// ---------------------------------------------------------------------------
// Declarations.

constexpr FailureEntry kFailures[] = {{21, 1, 0}, {17, 0, 0}, {0, 0, 0}};

constexpr GaugeHeader* kGauge = &transponder.record;

// A code wheel: the digit strip behind its window, moved by the digit's value
// from 0 (top of the strip) to 9.
constexpr MovingImage code_wheel(std::int32_t x, Element* const* children,
                                 const FailureEntry* failures, ElementCallback digit) {
    return {.common = {.kind = kMovingImage,
                       .bitmap = bitmap::kDigitStrip,
                       .x = x,
                       .y = 14,
                       .gauge = kGauge,
                       .children = children,
                       .failures = failures,
                       .image_flags = 0x3},
            .x_variable = {},
            .x_min = 0,
            .x_max = 0,
            .y_variable = {.token = kCodeToken},
            .y_min = 0.0,
            .y_max = 9.0,
            .y_callback = digit};
}

constinit MovingImage digit1 = code_wheel(130, nullptr, kFailures, code_digit<12>);
constexpr Element* const digit1_list[] = {&digit1.common, nullptr};
constinit MovingImage digit2 = code_wheel(188, digit1_list, kFailures, code_digit<8>);
constexpr Element* const digit2_list[] = {&digit2.common, nullptr};
constinit MovingImage digit3 = code_wheel(246, digit2_list, kFailures, code_digit<4>);
constexpr Element* const digit3_list[] = {&digit3.common, nullptr};
constinit MovingImage digit4 = code_wheel(304, digit3_list, nullptr, code_digit<0>);

constinit Icon800 reply_lamp = radio_icon({.gauge = kGauge,
                                           .bitmap = bitmap::kReplyLamp,
                                           .x = 79,
                                           .y = 22,
                                           .image_count = 1,
                                           .image_flags = 0x7,
                                           .failures = kFailures,
                                           .callback = reply_light});

constinit Icon800 mode_selector = radio_icon({.gauge = kGauge,
                                              .bitmap = bitmap::kModeKnobOff,
                                              .x = 10,
                                              .y = 15,
                                              .image_count = bitmap::kModeKnobPositions,
                                              .image_flags = 0x3,
                                              .callback = mode_knob});

constexpr Element* const face_children[] = {&digit4.common, &reply_lamp.record.common,
                                            &mode_selector.record.common, nullptr};
constinit StaticImage face = radio_face(kGauge, bitmap::kTransponderFace, 0x3, face_children);
constexpr Element* const elements[] = {&face.common, nullptr};

// clang-format off
constexpr MouseRect mouse_rects[] = {
    mouse_parent(0, 0, 0, 0, 0xA70A),
        mouse_function(10, 15, 20, 50, kCursorDown, kMouseLeftClick, mode_step_down),
        mouse_function(30, 15, 30, 50, kCursorUp, kMouseLeftClick, mode_step_up),
        mouse_key_event(120, 30, 24, 24, kCursorUp, kMouseClickRepeat, 0x10073),
        mouse_key_event(178, 30, 24, 24, kCursorUp, kMouseClickRepeat, 0x10074),
        mouse_key_event(236, 30, 24, 24, kCursorUp, kMouseClickRepeat, 0x10075),
        mouse_key_event(294, 30, 24, 24, kCursorUp, kMouseClickRepeat, 0x10076),
    kMouseRectEndParent,
    kMouseRectEnd,
};
// clang-format on

}  // namespace

GaugeHeader800 transponder = radio_gauge("RadioTrans", elements, mouse_rects);

}  // namespace radios
