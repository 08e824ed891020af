// The ADF receiver shows the host's five frequency digits (thousands, hundreds,
// tens, units, tenths) spread over two host variables; the digit areas make the
// host advance a digit. The power knob is the gauge's own and only decides
// whether the window shows text.
#include "adf.h"

#include "bitmaps.h"
#include "mouse_rects.h"
#include "numbers.h"
#include "records.h"
#include "text.h"

namespace radios {
namespace {

using namespace gauge;

std::int8_t power = 0;

// ---------------------------------------------------------------------------
// Element callbacks.

int digit(std::uint32_t value, int shift) {
    return static_cast<int>((value >> shift) & 0xFu);
}

// Token 16 holds hundreds, tens and units; token 18 thousands and tenths. A
// digit that is not BCD gives two characters, and the text is cut at the
// window's six.
double GAUGE_CALL frequency_text(Element* element) {
    String* window = as<String>(element);
    const std::uint32_t main_digits = low_bits(window->variables[0].value);
    const std::uint32_t extra_digits = low_bits(window->variables[1].value);
    if (power == 1) {
        write_text(window, "%d%d%d%d.%d", digit(extra_digits, 8), digit(main_digits, 8),
                   digit(main_digits, 4), digit(main_digits, 0), digit(extra_digits, 0));
    } else {
        clear_text(window);
    }
    return main_digits;
}

double GAUGE_CALL knob_image(Element*) {
    return power;
}

// ---------------------------------------------------------------------------
// Declarations.

constexpr FailureEntry kFailures[] = {{20, 3, 0}, {21, 3, 0}, {5, 0, 0}, {0, 0, 0}};
// Cells of 16 pixels: 0 thousands, 1 hundreds, 2 tens, 3 units, 4 point, 5 tenths.
constexpr HighlightEntry kHighlights[] = {{19, 0, 1}, {20, 2, 2}, {21, 3, 3}, {0, 0, 0}};

constexpr GaugeHeader* kGauge = &adf.record;

constinit Icon800 knob = radio_icon({.gauge = kGauge,
                                     .bitmap = bitmap::kAdfKnobOff,
                                     .x = 350,
                                     .y = 59,
                                     .image_count = 2,
                                     .image_flags = 0x1,
                                     .callback = knob_image});

constinit String800 window = radio_display({.gauge = kGauge,
                                            .x = 160,
                                            .y = 13,
                                            .width = 96,
                                            .height = 40,
                                            .max_chars = 6,
                                            .image_flags = 0x7,
                                            .tokens = {16, 18, 17},
                                            .failures = kFailures,
                                            .highlights = kHighlights,
                                            .callback = frequency_text});

constexpr Element* const face_children[] = {&knob.record.common, &window.record.common, nullptr};
constinit StaticImage face = radio_face(kGauge, bitmap::kAdfFace, 0x1, face_children);
constexpr Element* const elements[] = {&face.common, nullptr};

// clang-format off
constexpr MouseRect mouse_rects[] = {
    mouse_parent(0, 0, 0, 0),
        mouse_function(350, 59, 20, 50, kCursorDown, kMouseLeftClick, set_state<power, 0>),
        mouse_function(380, 59, 50, 50, kCursorUp, kMouseLeftClick, set_state<power, 1>),
        mouse_parent(160, 13, 200, 100, 0xA709),
            mouse_key_event(16, 0, 15, 44, kCursorUp, kMouseClickRepeat, 0x10070),
            mouse_key_event(32, 0, 15, 44, kCursorUp, kMouseClickRepeat, 0x10071),
            mouse_key_event(48, 0, 15, 44, kCursorUp, kMouseClickRepeat, 0x10072),
            mouse_key_event(80, 0, 15, 44, kCursorHand, kMouseClickRepeat, 0x10395),
        kMouseRectEndParent,
    kMouseRectEndParent,
    kMouseRectEnd,
};
// clang-format on

}  // namespace

GaugeHeader800 adf = radio_gauge("RadioAdf", elements, mouse_rects);

}  // namespace radios
