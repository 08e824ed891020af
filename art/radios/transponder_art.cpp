// The transponder: face with the mode captions round the knob, the IDENT reply
// lamp and the code window; the digit strip and its window; the lit lamp; the
// mode knob in its five positions.
#include <cmath>
#include <numbers>
#include <string>

#include "bitmaps.h"
#include "stack_art.h"
#include "stack_parts.h"

namespace art::radios {
namespace {

using namespace ::radios::bitmap;

constexpr int kFaceWidth = 352;
constexpr int kFaceHeight = 90;
constexpr int kKnobSize = 56;
constexpr double kKnobRadius = 15;
constexpr int kStripWidth = 11;
constexpr int kDigitPitch = 18;  // the strip holds 0 to 9 from the top
constexpr int kWindowWidth = 11;
constexpr int kWindowHeight = 19;
constexpr int kLampWidth = 25;
constexpr int kLampHeight = 15;

// Knob positions OFF, SBY, ON, ALT, TST, clockwise from straight up.
constexpr double kPositionDegrees[kModeKnobPositions] = {-110, -55, 0, 55, 110};
constexpr const char* kPositionNames[kModeKnobPositions] = {"OFF", "SBY", "ON", "ALT", "TST"};

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

void paint_reply_lamp(cairo_t* cr, const Box& box, bool lit) {
    rounded_rectangle(cr, box.x + 0.5, box.y + 0.5, box.width - 1, box.height - 1, 4);
    cairo_set_source_rgb(cr, 0.55, 0.56, 0.57);
    cairo_fill(cr);
    rounded_rectangle(cr, box.x + 2, box.y + 2, box.width - 4, box.height - 4, 3);
    cairo_pattern_t* lens = cairo_pattern_create_radial(
        box.centre_x(), box.centre_y(), 1, box.centre_x(), box.centre_y(), box.width * 0.6);
    if (lit) {
        cairo_pattern_add_color_stop_rgb(lens, 0, 1.0, 0.95, 0.75);
        cairo_pattern_add_color_stop_rgb(lens, 0.5, kLampAmber.r, kLampAmber.g, kLampAmber.b);
        cairo_pattern_add_color_stop_rgb(lens, 1, 0.80, 0.45, 0.05);
    } else {
        cairo_pattern_add_color_stop_rgb(lens, 0, 0.32, 0.22, 0.08);
        cairo_pattern_add_color_stop_rgb(lens, 1, 0.14, 0.10, 0.05);
    }
    cairo_set_source(cr, lens);
    cairo_fill(cr);
    cairo_pattern_destroy(lens);
    draw_label(cr, "R", box.centre_x(), box.centre_y(), 8,
               lit ? Colour{0.55, 0.25, 0.0} : Colour{0.40, 0.30, 0.18});
}

void paint_face(cairo_t* cr, const GaugeInfo& gauge) {
    draw_unit_plate(cr, kFaceWidth, kFaceHeight);

    // Captions and ticks round the mode knob.
    const ElementInfo& knob = element_drawing(gauge, kModeKnobOff);
    const double cx = knob.x + kKnobSize / 2.0, cy = knob.y + kKnobSize / 2.0;
    for (int i = 0; i < kModeKnobPositions; ++i) {
        const double a = radians(kPositionDegrees[i]);
        draw_label(cr, kPositionNames[i], cx + 24.5 * std::sin(a), cy - 24.5 * std::cos(a), 6.5);
        cairo_move_to(cr, cx + (kKnobRadius + 1) * std::sin(a),
                      cy - (kKnobRadius + 1) * std::cos(a));
        cairo_line_to(cr, cx + (kKnobRadius + 4) * std::sin(a),
                      cy - (kKnobRadius + 4) * std::cos(a));
    }
    set_colour(cr, kWhite);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);

    const ElementInfo& lamp = element_drawing(gauge, kReplyLamp);
    paint_reply_lamp(cr, box_at(lamp, kLampWidth, kLampHeight), false);
    draw_label(cr, "IDENT", lamp.x + kLampWidth / 2.0, lamp.y + kLampHeight + 9, 7);

    // The code window round the four wheels, a knob below each wheel.
    int left = kFaceWidth, right = 0;
    std::vector<const ElementInfo*> wheels = elements_of_kind(gauge, gauge::kMovingImage);
    for (const ElementInfo* wheel : wheels) {
        left = std::min(left, wheel->x);
        right = std::max(right, wheel->x + kWindowWidth);
    }
    draw_display_window(cr, {left - 16, 9, right - left + 32, 29});
    for (const ElementInfo* wheel : wheels) {
        rounded_rectangle(cr, wheel->x - 3, wheel->y - 3, kWindowWidth + 6, kWindowHeight + 6, 2);
        cairo_set_source_rgb(cr, 0.30, 0.31, 0.32);
        cairo_fill(cr);
        cairo_rectangle(cr, wheel->x, wheel->y, kWindowWidth, kWindowHeight);
        set_colour(cr, kDisplayBlack);
        cairo_fill(cr);
        draw_pointer_knob(cr, wheel->x + kWindowWidth / 2.0, 54, 8, 0);
    }
    draw_label(cr, "ATC TRANSPONDER", (left + right) / 2.0, 77, 8);
}

void paint_strip(cairo_t* cr) {
    cairo_pattern_t* drum = cairo_pattern_create_linear(0, 0, kStripWidth, 0);
    cairo_pattern_add_color_stop_rgb(drum, 0, 0.07, 0.07, 0.08);
    cairo_pattern_add_color_stop_rgb(drum, 0.5, 0.17, 0.17, 0.18);
    cairo_pattern_add_color_stop_rgb(drum, 1, 0.07, 0.07, 0.08);
    cairo_rectangle(cr, 0, 0, kStripWidth, kDigitPitch * 10);
    cairo_set_source(cr, drum);
    cairo_fill(cr);
    cairo_pattern_destroy(drum);
    for (int digit = 0; digit < 10; ++digit) {
        draw_label(cr, std::to_string(digit), kStripWidth / 2.0,
                   digit * kDigitPitch + kDigitPitch / 2.0, 13);
    }
}

// Only the top and bottom rows cover the strip: the drum turning away.
void paint_window(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kWindowWidth, 1);
    cairo_rectangle(cr, 0, kWindowHeight - 1, kWindowWidth, 1);
    cairo_set_source_rgb(cr, 0.22, 0.22, 0.23);
    cairo_fill(cr);
}

void paint_mode_knob(cairo_t* cr, int position) {
    draw_pointer_knob(cr, kKnobSize / 2.0, kKnobSize / 2.0, kKnobRadius,
                      kPositionDegrees[position]);
}

}  // namespace

std::vector<BitmapArt> transponder_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& gauge = gauge_drawn_on(gauges, kTransponderFace);
    std::vector<BitmapArt> art = {
        {kTransponderFace, kFaceWidth, kFaceHeight, 8,
         [&gauge](cairo_t* cr) { paint_face(cr, gauge); }},
        {kDigitStrip, kStripWidth, kDigitPitch * 10, 8, paint_strip},
        {kDigitWindow, kWindowWidth, kWindowHeight, 8, paint_window},
        {kReplyLamp, kLampWidth, kLampHeight, 8,
         [](cairo_t* cr) {
             paint_reply_lamp(cr, {0, 0, kLampWidth, kLampHeight}, true);
         }},
    };
    for (int position = 0; position < kModeKnobPositions; ++position) {
        art.push_back({kModeKnobOff + static_cast<std::uint32_t>(position), kKnobSize, kKnobSize, 8,
                       [position](cairo_t* cr) { paint_mode_knob(cr, position); }});
    }
    return art;
}

}  // namespace art::radios
