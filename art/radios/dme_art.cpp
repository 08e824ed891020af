// The DME: face with the display window, the slide switch's OFF mark, the
// R1/R2 lever's marks and a knob; the slide at OFF and on; the lever up and down.
#include <algorithm>

#include "bitmaps.h"
#include "stack_art.h"
#include "stack_parts.h"

namespace art::radios {
namespace {

using namespace ::radios::bitmap;

constexpr int kFaceWidth = 495;
constexpr int kFaceHeight = 110;
constexpr int kSlideWidth = 70;
constexpr int kSlideHeight = 32;
constexpr int kLeverWidth = 17;
constexpr int kLeverHeight = 38;

void paint_face(cairo_t* cr, const GaugeInfo& gauge) {
    draw_unit_plate(cr, kFaceWidth, kFaceHeight);

    // One window over both fields, speed at the left, distance at the right.
    const auto fields = elements_of_kind(gauge, gauge::kString);
    int left = kFaceWidth, right = 0;
    for (const ElementInfo* field : fields) {
        left = std::min(left, field->string_box.x);
        right = std::max(right, field->string_box.right());
    }
    const Box& first = fields.front()->string_box;
    draw_display_window(cr, {left, first.y, right - left, first.height});
    for (const ElementInfo* field : fields) {
        const Box& box = field->string_box;
        draw_label(cr, box.x < first.x ? "GROUND SPEED" : "DISTANCE", box.centre_x(), box.y - 11,
                   7);
    }

    const ElementInfo& slide = element_drawing(gauge, kDmeSlideOff);
    draw_label(cr, "OFF", slide.x + 14, slide.y - 7, 7);
    draw_label(cr, "ON", slide.x + kSlideWidth - 14, slide.y - 7, 7);

    const ElementInfo& lever = element_drawing(gauge, kDmeLeverR1);
    rounded_rectangle(cr, lever.x + 4, lever.y - 2, kLeverWidth - 8, kLeverHeight + 4, 3);
    cairo_set_source_rgb(cr, 0.07, 0.07, 0.08);
    cairo_fill(cr);
    draw_label(cr, "R1", lever.x + kLeverWidth + 12, lever.y + 6, 7.5);
    draw_label(cr, "R2", lever.x + kLeverWidth + 12, lever.y + kLeverHeight - 6, 7.5);
    draw_label(cr, "NAV", lever.x + kLeverWidth / 2.0, lever.y - 12, 7);

    const double knob_cx = (lever.x + kLeverWidth + 24 + kFaceWidth) / 2.0;
    draw_label(cr, "DME", knob_cx, 20, 13);
    draw_pointer_knob(cr, knob_cx, 66, 21, 0);
}

void paint_slide(cairo_t* cr, bool on) {
    // The slot, then the slider at its end.
    rounded_rectangle(cr, 4, 11, kSlideWidth - 8, 10, 5);
    cairo_set_source_rgb(cr, 0.06, 0.06, 0.07);
    cairo_fill(cr);
    const double x = on ? kSlideWidth - 30 : 6;
    rounded_rectangle(cr, x, 5, 24, 22, 4);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 5, 0, 27);
    cairo_pattern_add_color_stop_rgb(shade, 0, 0.75, 0.76, 0.77);
    cairo_pattern_add_color_stop_rgb(shade, 1, 0.38, 0.39, 0.40);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_set_source_rgb(cr, 0.25, 0.25, 0.26);
    cairo_set_line_width(cr, 1.0);
    for (double ridge = x + 7; ridge < x + 18; ridge += 3.5) {
        cairo_move_to(cr, ridge, 9);
        cairo_line_to(cr, ridge, 23);
    }
    cairo_stroke(cr);
}

void paint_lever(cairo_t* cr, bool down) {
    // The toggle lever from its pivot in the middle to a round tip.
    const double pivot = kLeverHeight / 2.0;
    const double tip = down ? kLeverHeight - 7 : 7;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5);
    cairo_set_source_rgb(cr, 0.78, 0.79, 0.80);
    cairo_move_to(cr, kLeverWidth / 2.0, pivot);
    cairo_line_to(cr, kLeverWidth / 2.0, tip);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_arc(cr, kLeverWidth / 2.0, tip, 6, 0, 6.2832);
    cairo_set_source_rgb(cr, 0.88, 0.89, 0.90);
    cairo_fill(cr);
    cairo_arc(cr, kLeverWidth / 2.0, pivot, 4, 0, 6.2832);
    cairo_set_source_rgb(cr, 0.40, 0.41, 0.42);
    cairo_fill(cr);
}

}  // namespace

std::vector<BitmapArt> dme_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& gauge = gauge_drawn_on(gauges, kDmeFace);
    return {
        {kDmeFace, kFaceWidth, kFaceHeight, 8, [&gauge](cairo_t* cr) { paint_face(cr, gauge); }},
        {kDmeSlideOff, kSlideWidth, kSlideHeight, 8, [](cairo_t* cr) { paint_slide(cr, false); }},
        {kDmeSlideOn, kSlideWidth, kSlideHeight, 8, [](cairo_t* cr) { paint_slide(cr, true); }},
        {kDmeLeverR1, kLeverWidth, kLeverHeight, 8, [](cairo_t* cr) { paint_lever(cr, false); }},
        {kDmeLeverR2, kLeverWidth, kLeverHeight, 8, [](cairo_t* cr) { paint_lever(cr, true); }},
    };
}

}  // namespace art::radios
