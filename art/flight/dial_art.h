// Round instrument artwork: black faces, graduations and numerals placed where
// a needle's table points, coloured arcs and white needles.
#pragma once

#include <cairo.h>

#include <string_view>

#include "declarations.h"
#include "drawing.h"
#include "gauge.h"
#include "needle_angle.h"

namespace art::flight {

inline constexpr Colour kFaceBlack = {0.035, 0.035, 0.04};
inline constexpr Colour kArcGreen = {0.10, 0.72, 0.22};
inline constexpr Colour kArcYellow = {0.95, 0.80, 0.10};
inline constexpr Colour kArcRed = {0.88, 0.12, 0.10};

// The needle element that draws `bitmap` in `gauge`; throws when there is none.
const gauge::Needle& needle_drawing(const GaugeInfo& gauge, std::uint32_t bitmap);
const GaugeInfo& gauge_named(const std::vector<GaugeInfo>& gauges, std::string_view name);
// The first element of `kind` in `gauge`; throws when there is none.
const ElementInfo& element_of_kind(const GaugeInfo& gauge, std::uint32_t kind);

// Where a needle points for a value, as the needle's own table says.
class Scale {
  public:
    explicit Scale(const gauge::Needle& needle);
    double degrees(double value) const { return table_.angle(value); }
    double pivot_x() const { return pivot_x_; }
    double pivot_y() const { return pivot_y_; }

  private:
    render::NeedleTable table_;
    double pivot_x_;
    double pivot_y_;
};

// A point `radius` pixels from (cx, cy) at `degrees` clockwise from twelve.
struct Point {
    double x, y;
};
Point polar(double cx, double cy, double radius, double degrees);

// A bezel ring and a black face round (cx, cy), filling out to `radius`.
void draw_round_face(cairo_t* cr, double cx, double cy, double radius);
// A radial line from `inner` to `outer` at `degrees`.
void draw_tick(cairo_t* cr, double cx, double cy, double degrees, double inner, double outer,
               double width, Colour colour = kWhite);
// Text centred on `at`, upright.
void draw_label(cairo_t* cr, std::string_view text, Point at, double size, Colour colour = kWhite);
// A band from `inner` to `outer` radius between two angles (clockwise).
void draw_arc_band(cairo_t* cr, double cx, double cy, double from_degrees, double to_degrees,
                   double inner, double outer, Colour colour);

// A white needle pointing right along its bitmap's middle row through `pivot_y`:
// a shaft from `tail_x` to a point at `tip_x`, `width` pixels wide, and a hub
// round the pivot when `hub_radius` is not 0.
void draw_needle(cairo_t* cr, double pivot_x, double pivot_y, double tail_x, double tip_x,
                 double width, double hub_radius);

}  // namespace art::flight
