#include "dials_art.h"

#include <cmath>
#include <string>

#include "bitmaps.h"
#include "dial_art.h"

namespace art::flight {
namespace {

using namespace ::flight::bitmap;

constexpr int kDialSize = 302;
constexpr double kFaceRadius = 150;
constexpr double kFaceCentre = kDialSize / 2.0;

struct TickRadii {
    double outer, major_inner, minor_inner, numerals;
};

// Graduations every `minor` from `first` to `last`, long ones every `major`.
void draw_graduations(cairo_t* cr, const Scale& scale, double first, double last, double minor,
                      double major, const TickRadii& radii) {
    const int steps = static_cast<int>(std::lround((last - first) / minor));
    for (int i = 0; i <= steps; ++i) {
        const double value = first + i * minor;
        const bool is_major = std::fmod(std::abs(value), major) < 1e-9;
        draw_tick(cr, scale.pivot_x(), scale.pivot_y(), scale.degrees(value),
                  is_major ? radii.major_inner : radii.minor_inner, radii.outer,
                  is_major ? 3.2 : 1.8);
    }
}

void draw_numeral(cairo_t* cr, const Scale& scale, double value, const std::string& text,
                  double radius, double size) {
    draw_label(cr, text, polar(scale.pivot_x(), scale.pivot_y(), radius, scale.degrees(value)),
               size);
}

void draw_hub(cairo_t* cr, const Scale& scale) {
    cairo_arc(cr, scale.pivot_x(), scale.pivot_y(), 9, 0, 6.2832);
    cairo_set_source_rgb(cr, 0.30, 0.30, 0.31);
    cairo_fill(cr);
}

// 0 at nine o'clock, UP above and DOWN below, 5 to 20 (hundreds of feet per
// minute) on both halves.
void paint_vsi_dial(cairo_t* cr, const Scale& scale) {
    const double cx = scale.pivot_x(), cy = scale.pivot_y();
    draw_round_face(cr, kFaceCentre, kFaceCentre, kFaceRadius);
    const TickRadii radii{126, 104, 114, 84};
    draw_graduations(cr, scale, -2000, 2000, 100, 500, radii);
    for (int hundreds : {5, 10, 15, 20}) {
        for (int sign : {-1, 1})
            draw_numeral(cr, scale, sign * hundreds * 100.0, std::to_string(hundreds),
                         radii.numerals, 22);
    }
    draw_numeral(cr, scale, 0, "0", radii.numerals, 24);
    draw_label(cr, "UP", polar(cx, cy, 52, scale.degrees(300)), 15);
    draw_label(cr, "DOWN", polar(cx, cy, 50, scale.degrees(-300)), 15);
    draw_label(cr, "VERTICAL SPEED", {cx + 34, cy - 40}, 11);
    draw_label(cr, "100 FEET PER MINUTE", {cx + 34, cy + 42}, 9);
    draw_hub(cr, scale);
}

// Knots, 40 to 160 numbered; white arc (flaps), green (normal), yellow
// (caution) and a red line at the never-exceed speed.
void paint_asi_dial(cairo_t* cr, const Scale& scale) {
    const double cx = scale.pivot_x(), cy = scale.pivot_y();
    draw_round_face(cr, kFaceCentre, kFaceCentre, kFaceRadius);
    draw_arc_band(cr, cx, cy, scale.degrees(33), scale.degrees(85), 108, 115, kWhite);
    draw_arc_band(cr, cx, cy, scale.degrees(44), scale.degrees(129), 117, 128, kArcGreen);
    draw_arc_band(cr, cx, cy, scale.degrees(129), scale.degrees(163), 117, 128, kArcYellow);
    draw_tick(cr, cx, cy, scale.degrees(163), 106, 130, 4, kArcRed);
    const TickRadii radii{130, 108, 119, 88};
    draw_graduations(cr, scale, 40, 180, 5, 10, radii);
    draw_tick(cr, cx, cy, scale.degrees(0), radii.major_inner, radii.outer, 3.2);
    for (int knots = 40; knots <= 160; knots += 20)
        draw_numeral(cr, scale, knots, std::to_string(knots), radii.numerals, 20);
    draw_label(cr, "AIRSPEED", {cx, cy - 32}, 14);
    draw_label(cr, "KNOTS", {cx, cy + 34}, 12);
    draw_hub(cr, scale);
}

// Hundreds of revolutions per minute, 5 to 30 numbered, green arc, red line
// and an hour counter below the pivot.
void paint_rpm_dial(cairo_t* cr, const Scale& scale) {
    const double cx = scale.pivot_x(), cy = scale.pivot_y();
    draw_round_face(cr, kFaceCentre, kFaceCentre, kFaceRadius);
    draw_arc_band(cr, cx, cy, scale.degrees(2100), scale.degrees(2700), 117, 128, kArcGreen);
    draw_tick(cr, cx, cy, scale.degrees(2700), 106, 130, 4, kArcRed);
    const TickRadii radii{128, 106, 117, 86};
    draw_graduations(cr, scale, 0, 3000, 100, 500, radii);
    for (int hundreds = 5; hundreds <= 30; hundreds += 5)
        draw_numeral(cr, scale, hundreds * 100.0, std::to_string(hundreds), radii.numerals, 22);
    draw_label(cr, "RPM", {cx, cy - 38}, 16);
    draw_label(cr, "X 100", {cx, cy - 20}, 11);

    // The hour counter: a painted drum window with its digits.
    const double width = 74, height = 22, top = cy + 34;
    cairo_rectangle(cr, cx - width / 2 - 3, top - 3, width + 6, height + 6);
    cairo_set_source_rgb(cr, 0.35, 0.35, 0.36);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - width / 2, top, width, height);
    cairo_set_source_rgb(cr, 0.10, 0.10, 0.11);
    cairo_fill(cr);
    const char* digits = "01248";
    for (int i = 0; i < 5; ++i) {
        const double x = cx - width / 2 + width / 5 * (i + 0.5);
        if (i > 0) {
            draw_tick(cr, cx - width / 2 + width / 5 * i, top + height / 2, 0, -height / 2,
                      height / 2, 1, {0.35, 0.35, 0.36});
        }
        draw_label(cr, std::string(1, digits[i]), {x, top + height / 2}, 14,
                   i == 4 ? Colour{0.90, 0.20, 0.15} : kWhite);
    }
    draw_label(cr, "HOURS", {cx, top + height + 14}, 10);
    draw_hub(cr, scale);
}

// The needle pictures: a white shaft from `tail_x` to the tip at `tip_x`.
struct DialArt {
    const char* gauge;
    std::uint32_t dial;
    void (*paint_dial)(cairo_t*, const Scale&);
    std::uint32_t needle;
    int needle_width, needle_height;
    double tail_x, tip_x;
    bool hub_on_needle;  // the pivot lies on the needle's tail, not in the black left of it
};

constexpr DialArt kDials[] = {
    {"Vsi", kVsiDial, paint_vsi_dial, kVsiNeedle, 138, 21, 29, 136, true},
    {"Asi", kAsiDial, paint_asi_dial, kAsiNeedle, 142, 21, 30, 140, false},
    {"Rpm", kRpmDial, paint_rpm_dial, kRpmNeedle, 138, 21, 29, 136, false},
};

constexpr double kNeedleShaftWidth = 6;
constexpr double kNeedleHubRadius = 5;

}  // namespace

std::vector<BitmapArt> dials_art(const std::vector<GaugeInfo>& gauges) {
    std::vector<BitmapArt> art;
    for (const DialArt& dial : kDials) {
        const gauge::Needle& needle = needle_drawing(gauge_named(gauges, dial.gauge), dial.needle);
        const Scale scale(needle);
        art.push_back({dial.dial, kDialSize, kDialSize, 8,
                       [scale, &dial](cairo_t* cr) { dial.paint_dial(cr, scale); }});
        const double pivot_x = needle.common.offset_x, pivot_y = needle.common.offset_y;
        art.push_back({dial.needle, dial.needle_width, dial.needle_height, 8, [=](cairo_t* cr) {
                           draw_needle(cr, pivot_x, pivot_y, dial.tail_x, dial.tip_x,
                                       kNeedleShaftWidth,
                                       dial.hub_on_needle ? kNeedleHubRadius : 0);
                       }});
    }
    return art;
}

}  // namespace art::flight
