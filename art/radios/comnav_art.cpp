#include "comnav_art.h"

#include <algorithm>
#include <string>

#include "bitmaps.h"
#include "drawing.h"
#include "stack_parts.h"

namespace art::radios {
namespace {

using namespace ::radios::bitmap;

constexpr int kFaceWidth = 603;
constexpr int kFaceHeight = 200;
constexpr int kKnobWidth = 52;
constexpr int kKnobHeight = 80;
constexpr double kCornerRadius = 10;

// The power knob's disc inside its bitmap; its lower part stays transparent so
// the OFF and ON marks of the face show below it.
constexpr double kKnobCentreX = kKnobWidth / 2.0;
constexpr double kKnobCentreY = 30;
constexpr double kKnobRadius = 20;
constexpr double kKnobOffDegrees = -135;  // down to the left, at OFF
constexpr double kKnobOnDegrees = 135;    // down to the right, at ON

// The displays come in pairs, COM then NAV; a display fed by a host variable
// shows the active frequency (USE), the others the standby one (STBY).
void paint_displays(cairo_t* cr, const GaugeInfo& gauge) {
    const auto displays = elements_of_kind(gauge, gauge::kString);
    for (std::size_t i = 0; i < displays.size(); ++i) {
        const Box& box = displays[i]->string_box;
        draw_display_window(cr, box);
        draw_caption(cr, displays[i]->first_token != 0 ? "USE" : "STBY", box.centre_x(), box.y - 7,
                     9);
        if (i % 2 == 0) {
            draw_caption(cr, i == 0 ? "COM" : "NAV", box.centre_x(), box.bottom() + 22, 12);
        }
    }
}

// The lowest display edge inside an area: its knob goes below it.
int displays_bottom_within(const GaugeInfo& gauge, const Box& area) {
    int bottom = area.y;
    for (const ElementInfo* display : elements_of_kind(gauge, gauge::kString)) {
        const Box& box = display->string_box;
        if (box.x < area.right() && area.x < box.right()) bottom = std::max(bottom, box.bottom());
    }
    return bottom;
}

// Tuning areas (parents with a help text) get a concentric knob below their
// display; buttons (hand cursor) get the transfer arrow.
void paint_controls(cairo_t* cr, const GaugeInfo& gauge) {
    for (const AreaInfo& area : gauge.areas) {
        if (area.parent && area.help_id != 0) {
            const double top = displays_bottom_within(gauge, area.box) + 4;
            const double radius =
                std::min((area.box.bottom() - top) / 2.0, area.box.width / 2.0) - 1;
            draw_concentric_knob(cr, area.box.centre_x(), top + radius, radius, radius * 0.55);
        } else if (!area.parent && area.cursor == gauge::kCursorHand) {
            draw_transfer_button(cr, area.box);
        }
    }
}

void paint_power_marks(cairo_t* cr, const GaugeInfo& gauge) {
    for (const ElementInfo* knob : elements_of_kind(gauge, gauge::kIcon)) {
        const double cx = knob->x + kKnobCentreX;
        const double cy = knob->y + kKnobCentreY;
        cairo_arc(cr, cx, cy, kKnobRadius + 3, 0, 6.2832);
        set_colour(cr, {0.10, 0.10, 0.11});
        cairo_fill(cr);
        draw_caption(cr, "OFF", knob->x + 13, knob->y + 66, 8);
        draw_caption(cr, "ON", knob->x + 41, knob->y + 66, 8);
    }
}

void paint_face(cairo_t* cr, const GaugeInfo& gauge, int unit) {
    draw_bezel(cr, kFaceWidth, kFaceHeight, kCornerRadius);
    for (double x : {14.0, kFaceWidth - 14.0}) {
        for (double y : {14.0, kFaceHeight - 14.0}) draw_screw(cr, x, y, 4.5);
    }
    paint_displays(cr, gauge);
    paint_controls(cr, gauge);
    paint_power_marks(cr, gauge);
    draw_caption(cr, "COM / NAV " + std::to_string(unit), kFaceWidth / 2.0, kFaceHeight - 16, 11);
}

void paint_power_knob(cairo_t* cr, double degrees) {
    draw_pointer_knob(cr, kKnobCentreX, kKnobCentreY, kKnobRadius, degrees);
}

}  // namespace

std::vector<BitmapArt> comnav_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& unit1 = gauge_drawn_on(gauges, kComNav1Face);
    const GaugeInfo& unit2 = gauge_drawn_on(gauges, kComNav2Face);
    return {
        {kComNav1Face, kFaceWidth, kFaceHeight, 8,
         [&unit1](cairo_t* cr) { paint_face(cr, unit1, 1); }},
        {kComNav2Face, kFaceWidth, kFaceHeight, 8,
         [&unit2](cairo_t* cr) { paint_face(cr, unit2, 2); }},
        {kPowerKnobOff, kKnobWidth, kKnobHeight, 8,
         [](cairo_t* cr) { paint_power_knob(cr, kKnobOffDegrees); }},
        {kPowerKnobOn, kKnobWidth, kKnobHeight, 8,
         [](cairo_t* cr) { paint_power_knob(cr, kKnobOnDegrees); }},
    };
}

}  // namespace art::radios
