// The ADF receiver: face with the frequency window, the row of painted push
// buttons, the volume knob's OFF and VOL marks and the tuning knob; the volume
// knob turned to OFF and turned on.
#include "bitmaps.h"
#include "stack_art.h"
#include "stack_parts.h"

namespace art::radios {
namespace {

using namespace ::radios::bitmap;

constexpr int kFaceWidth = 500;
constexpr int kFaceHeight = 111;
constexpr int kKnobWidth = 51;
constexpr int kKnobHeight = 52;
constexpr double kKnobRadius = 18;
constexpr double kKnobOffDegrees = -35;  // towards the OFF mark
constexpr double kKnobOnDegrees = 60;    // turned up past VOL

// Painted buttons without a function on this panel.
constexpr const char* kButtons[] = {"ADF", "BFO", "FRQ", "FLT/ET", "SET/RST"};

void paint_face(cairo_t* cr, const GaugeInfo& gauge) {
    draw_unit_plate(cr, kFaceWidth, kFaceHeight);
    const ElementInfo* window = elements_of_kind(gauge, gauge::kString).front();
    const Box& box = window->string_box;
    draw_display_window(cr, box);
    draw_label(cr, "ADF", 80, box.centre_y() - 6, 16);
    draw_label(cr, "RECEIVER", 80, box.centre_y() + 12, 7);
    draw_label(cr, "FRQ", box.right() + 22, box.centre_y(), 8, kSegmentAmber);

    const ElementInfo& knob = element_drawing(gauge, kAdfKnobOff);
    const double button_width = 52, gap = 8;
    double x = 30;
    for (const char* label : kButtons) {
        draw_push_button(cr, {static_cast<int>(x), 72, static_cast<int>(button_width), 20}, label,
                         7.5, false);
        x += button_width + gap;
    }
    const double knob_cx = knob.x + kKnobWidth / 2.0;
    draw_label(cr, "OFF", knob_cx - 16, knob.y - 4, 7);
    draw_label(cr, "VOL", knob_cx + 18, knob.y - 4, 7);

    // The large tuning knob at the right, clear of the volume knob.
    const double tuning_cx = (knob.x + kKnobWidth + kFaceWidth) / 2.0 + 2;
    draw_concentric_knob(cr, tuning_cx, kFaceHeight / 2.0, 30, 17);
}

void paint_volume_knob(cairo_t* cr, double degrees) {
    draw_pointer_knob(cr, kKnobWidth / 2.0, kKnobHeight / 2.0, kKnobRadius, degrees);
}

}  // namespace

std::vector<BitmapArt> adf_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& gauge = gauge_drawn_on(gauges, kAdfFace);
    return {
        {kAdfFace, kFaceWidth, kFaceHeight, 8, [&gauge](cairo_t* cr) { paint_face(cr, gauge); }},
        {kAdfKnobOff, kKnobWidth, kKnobHeight, 8,
         [](cairo_t* cr) { paint_volume_knob(cr, kKnobOffDegrees); }},
        {kAdfKnobOn, kKnobWidth, kKnobHeight, 8,
         [](cairo_t* cr) { paint_volume_knob(cr, kKnobOnDegrees); }},
    };
}

}  // namespace art::radios
