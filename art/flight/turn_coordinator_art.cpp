#include <cmath>

#include "bitmaps.h"
#include "dial_art.h"
#include "turn_gyro_art.h"

namespace art::flight {
namespace {

using namespace ::flight::bitmap;

constexpr int kDialSize = 302;
constexpr double kStandardRate = 546;  // the table's two-minute turn

struct Geometry {
    Scale scale;
    double wing_span;  // pivot to wing tip, from the symbol's picture
    ElementInfo ball;  // the slider at rest
    int ball_width, ball_height;
    double ball_dx, ball_dy;  // pixels per unit of the ball's variable
};

// The symbol's marks: level and the two-minute turns, each on both wings, and
// L and R beside the marks the lower wing reaches.
void paint_turn_marks(cairo_t* cr, const Geometry& g) {
    const double cx = g.scale.pivot_x(), cy = g.scale.pivot_y();
    const double inner = g.wing_span + 4, outer = g.wing_span + 24;
    for (double value : {-kStandardRate, 0.0, kStandardRate}) {
        const double right_wing = g.scale.degrees(value);
        for (double degrees : {right_wing, right_wing + 180})
            draw_tick(cr, cx, cy, degrees, inner, outer, 5);
    }
    // A left turn lowers the left wing: its tip meets the mark opposite the
    // raised right wing's.
    draw_label(cr, "L", polar(cx, cy, outer + 12, g.scale.degrees(-kStandardRate) + 180), 18);
    draw_label(cr, "R", polar(cx, cy, outer + 12, g.scale.degrees(kStandardRate)), 18);
}

// The glass tube along the ball's travel, with the two reference wires a ball
// at rest sits between.
void paint_tube(cairo_t* cr, const Geometry& g) {
    const double cx = g.ball.x + g.ball_width / 2.0;
    const double cy = g.ball.y + g.ball_height / 2.0;
    const double travel = 64 * g.ball_dx + g.ball_width / 2.0 + 4;
    const double slope = std::atan2(g.ball_dy, g.ball_dx);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, slope);
    rounded_rectangle(cr, -travel - 3, -g.ball_width / 2.0 - 5, 2 * travel + 6, g.ball_width + 10,
                      g.ball_width / 2.0 + 5);
    cairo_set_source_rgb(cr, 0.40, 0.40, 0.42);
    cairo_fill(cr);
    rounded_rectangle(cr, -travel, -g.ball_width / 2.0 - 2, 2 * travel, g.ball_width + 4,
                      g.ball_width / 2.0 + 2);
    cairo_pattern_t* glass =
        cairo_pattern_create_linear(0, -g.ball_width / 2.0, 0, g.ball_width / 2.0);
    cairo_pattern_add_color_stop_rgb(glass, 0, 0.95, 0.95, 0.90);
    cairo_pattern_add_color_stop_rgb(glass, 1, 0.70, 0.70, 0.66);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
    for (double x : {-g.ball_width / 2.0 - 2, g.ball_width / 2.0 + 2}) {
        cairo_rectangle(cr, x - 1.5, -g.ball_width / 2.0 - 2, 3, g.ball_width + 4);
        cairo_set_source_rgb(cr, 0.10, 0.10, 0.10);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void paint_face(cairo_t* cr, const Geometry& g) {
    const double cx = g.scale.pivot_x(), cy = g.scale.pivot_y();
    draw_round_face(cr, kDialSize / 2.0, kDialSize / 2.0, 150);
    paint_turn_marks(cr, g);
    draw_label(cr, "D.C.", {cx, 38}, 11);
    draw_label(cr, "ELEC.", {cx, 52}, 11);
    draw_label(cr, "TURN COORDINATOR", {cx, 84}, 12);
    draw_label(cr, "2 MIN.", {cx, 244}, 13);
    paint_tube(cr, g);
    draw_label(cr, "NO PITCH", {cx, 262}, 10);
    draw_label(cr, "INFORMATION", {cx, 275}, 10);
    cairo_arc(cr, cx, cy, 6, 0, 6.2832);
    cairo_set_source_rgb(cr, 0.30, 0.30, 0.31);
    cairo_fill(cr);
}

void paint_ball(cairo_t* cr, int width) {
    const double r = width / 2.0 - 1;
    cairo_arc(cr, width / 2.0, 37 / 2.0, r, 0, 6.2832);
    cairo_pattern_t* shade = cairo_pattern_create_radial(width / 2.0 - r / 3, 37 / 2.0 - r / 3, 1,
                                                         width / 2.0, 37 / 2.0, r);
    cairo_pattern_add_color_stop_rgb(shade, 0, 0.38, 0.38, 0.40);
    cairo_pattern_add_color_stop_rgb(shade, 1, 0.06, 0.06, 0.07);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

// A dark patch with faint red edges.
void paint_flag(cairo_t* cr, int width, int height) {
    rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, 3);
    cairo_set_source_rgb(cr, 0.42, 0.10, 0.09);
    cairo_fill(cr);
    rounded_rectangle(cr, 3, 3, width - 6, height - 6, 2);
    cairo_set_source_rgb(cr, 0.12, 0.11, 0.11);
    cairo_fill(cr);
}

// The aircraft seen from behind, wings level: wings through the pivot, a round
// fuselage and the tail fin above it.
void paint_symbol(cairo_t* cr, const gauge::Needle& needle, int width) {
    const double px = needle.common.offset_x, py = needle.common.offset_y;
    set_colour(cr, kWhite);
    cairo_rectangle(cr, 1, py - 3, width - 2, 6);
    cairo_fill(cr);
    cairo_arc(cr, px, py, 9, 0, 6.2832);
    cairo_fill(cr);
    cairo_rectangle(cr, px - 2, py - 24, 4, 18);
    cairo_fill(cr);
    cairo_rectangle(cr, px - 20, py - 10, 40, 3);
    cairo_fill(cr);
    cairo_arc(cr, px, py, 3.5, 0, 6.2832);
    cairo_set_source_rgb(cr, 0.30, 0.30, 0.31);
    cairo_fill(cr);
}

}  // namespace

std::vector<BitmapArt> turn_coordinator_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& turn = gauge_named(gauges, "Turn");
    const gauge::Needle& symbol = needle_drawing(turn, kAircraftSymbol);
    const ElementInfo& ball = element_of_kind(turn, gauge::kSlider);
    const auto& slider = *reinterpret_cast<const gauge::Slider*>(ball.record);
    constexpr int kSymbolWidth = 179, kBallWidth = 27, kBallHeight = 37;
    const Geometry geometry{Scale(symbol), kSymbolWidth - 1.0 - symbol.common.offset_x,
                            ball,          kBallWidth,
                            kBallHeight,   slider.x_scale,
                            slider.y_scale};
    return {
        {kTurnDial, kDialSize, kDialSize, 8, [geometry](cairo_t* cr) { paint_face(cr, geometry); }},
        {kInclinometerBall, kBallWidth, kBallHeight, 8,
         [](cairo_t* cr) { paint_ball(cr, kBallWidth); }},
        {kTurnFlag, 25, 31, 8, [](cairo_t* cr) { paint_flag(cr, 25, 31); }},
        // The flag's second state shows nothing: the module carries no picture.
        {kTurnFlagSecondState, 25, 31, 8, nullptr},
        {kAircraftSymbol, kSymbolWidth, 40, 8,
         [&symbol](cairo_t* cr) { paint_symbol(cr, symbol, kSymbolWidth); }},
    };
}

}  // namespace art::flight
