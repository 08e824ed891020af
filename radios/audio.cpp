// The audio panel lights one of its three marker lamps for the host's marker
// beacon and lights each selector button whose audio source the host has
// selected. A button click makes the host send the button's event; the gauge
// keeps no state and has no mouse functions.
#include "audio.h"

#include "bitmaps.h"
#include "mouse_rects.h"
#include "records.h"

namespace radios {
namespace {

using namespace gauge;

constexpr std::uint32_t kMarkerToken = 354;

// Marker 1, 2, 3 light the blue, amber, white lamp (images 0 to 2); a button
// whose source is selected (1) shows its lit image, one that is not (0) none of
// them, so the unlit button of the face shows. One callback per icon.
template <std::uint32_t Token>
double GAUGE_CALL lamp_image(Element* element) {
    return as<Icon>(element)->variable.value - 1.0;
}

// ---------------------------------------------------------------------------
// Declarations.

constexpr FailureEntry kFailures[] = {{20, 2, 0}, {21, 2, 0}, {0, 0, 0}};

constexpr GaugeHeader* kGauge = &audio.record;

template <std::uint32_t Token>
constexpr Icon800 lamp(std::uint32_t bitmap, std::int32_t x, std::int32_t y,
                       std::uint32_t image_count) {
    return radio_icon({.gauge = kGauge,
                       .bitmap = bitmap,
                       .x = x,
                       .y = y,
                       .image_count = image_count,
                       .image_flags = 0x7,
                       .token = Token,
                       .failures = kFailures,
                       .callback = lamp_image<Token>});
}

template <std::uint32_t Token>
constexpr Icon800 button(std::int32_t x) {
    return lamp<Token>(bitmap::kAudioButtonLit, x, 22, 1);
}

constinit Icon800 marker_lamps = lamp<kMarkerToken>(bitmap::kMarkerBlueLit, 22, 26, 3);
constinit Icon800 com1_button = button<874>(154);
constinit Icon800 com2_button = button<875>(197);
constinit Icon800 nav1_button = button<877>(241);
constinit Icon800 nav2_button = button<878>(285);
constinit Icon800 dme_button = button<879>(330);
constinit Icon800 adf_button = button<880>(420);
constinit Icon800 mkr_button = button<881>(375);

// ADF comes before MKR in the list although it lies further right.
constexpr Element* const face_children[] = {
    &marker_lamps.record.common, &com1_button.record.common, &com2_button.record.common,
    &nav1_button.record.common,  &nav2_button.record.common, &dme_button.record.common,
    &adf_button.record.common,   &mkr_button.record.common,  nullptr};
constinit StaticImage face = radio_face(kGauge, bitmap::kAudioFace, 0x1, face_children);
constexpr Element* const elements[] = {&face.common, nullptr};

// clang-format off
constexpr MouseRect mouse_rects[] = {
    mouse_parent(0, 0, 0, 0),
        mouse_parent(19, 18, 14, 18, 0xAB49),  // top lamp
        kMouseRectEndParent,
        mouse_parent(19, 37, 14, 18, 0xAB47),  // middle lamp
        kMouseRectEndParent,
        mouse_parent(19, 58, 14, 18, 0xAB48),  // bottom lamp
        kMouseRectEndParent,
        mouse_key_event(154, 22, 16, 24, kCursorHand, kMouseLeftClick, 0x1039F),  // COM 1
        mouse_key_event(197, 22, 16, 24, kCursorHand, kMouseLeftClick, 0x103A0),  // COM 2
        mouse_key_event(241, 22, 16, 24, kCursorHand, kMouseLeftClick, 0x10132),  // NAV 1
        mouse_key_event(285, 22, 16, 24, kCursorHand, kMouseLeftClick, 0x10133),  // NAV 2
        mouse_key_event(330, 21, 16, 24, kCursorHand, kMouseLeftClick, 0x10134),  // DME
        mouse_key_event(375, 22, 16, 24, kCursorHand, kMouseLeftClick, 0x103AD),  // MKR
        mouse_key_event(420, 22, 16, 24, kCursorHand, kMouseLeftClick, 0x10136),  // ADF
    kMouseRectEndParent,
    kMouseRectEnd,
};
// clang-format on

}  // namespace

GaugeHeader800 audio = radio_gauge("RadioAudio", elements, mouse_rects);

}  // namespace radios
