#include "dial_art.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace art::flight {
namespace {

constexpr double kPi = std::numbers::pi;

// Cairo measures angles clockwise from three o'clock; the dials from twelve.
double cairo_radians(double degrees) {
    return (degrees - 90.0) * kPi / 180.0;
}

}  // namespace

const GaugeInfo& gauge_named(const std::vector<GaugeInfo>& gauges, std::string_view name) {
    for (const GaugeInfo& gauge : gauges)
        if (gauge.name == name) return gauge;
    throw std::runtime_error("Ostrel0 declares no gauge " + std::string(name));
}

const ElementInfo& element_of_kind(const GaugeInfo& gauge, std::uint32_t kind) {
    for (const ElementInfo& element : gauge.elements)
        if (element.kind == kind) return element;
    throw std::runtime_error(gauge.name + " has no element of kind " + std::to_string(kind));
}

const gauge::Needle& needle_drawing(const GaugeInfo& gauge, std::uint32_t bitmap) {
    for (const ElementInfo& element : gauge.elements)
        if (element.kind == gauge::kNeedle && element.bitmap == bitmap)
            return *reinterpret_cast<const gauge::Needle*>(element.record);
    throw std::runtime_error(gauge.name + " has no needle drawing bitmap " +
                             std::to_string(bitmap));
}

Scale::Scale(const gauge::Needle& needle)
    : table_({needle.table, needle.table_entries}, needle.common.x, needle.common.y),
      pivot_x_(needle.common.x),
      pivot_y_(needle.common.y) {}

Point polar(double cx, double cy, double radius, double degrees) {
    const double a = degrees * kPi / 180.0;
    return {cx + radius * std::sin(a), cy - radius * std::cos(a)};
}

void draw_round_face(cairo_t* cr, double cx, double cy, double radius) {
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_pattern_t* rim = cairo_pattern_create_linear(cx, cy - radius, cx, cy + radius);
    cairo_pattern_add_color_stop_rgb(rim, 0, 0.42, 0.43, 0.44);
    cairo_pattern_add_color_stop_rgb(rim, 1, 0.12, 0.12, 0.13);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, radius - 7, 0, 2 * kPi);
    set_colour(cr, kFaceBlack);
    cairo_fill(cr);
}

void draw_tick(cairo_t* cr, double cx, double cy, double degrees, double inner, double outer,
               double width, Colour colour) {
    const Point from = polar(cx, cy, inner, degrees);
    const Point to = polar(cx, cy, outer, degrees);
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x, to.y);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    set_colour(cr, colour);
    cairo_stroke(cr);
}

void draw_label(cairo_t* cr, std::string_view text, Point at, double size, Colour colour) {
    const std::string owned(text);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, owned.c_str(), &extents);
    cairo_move_to(cr, at.x - extents.width / 2 - extents.x_bearing,
                  at.y - extents.height / 2 - extents.y_bearing);
    set_colour(cr, colour);
    cairo_show_text(cr, owned.c_str());
}

void draw_arc_band(cairo_t* cr, double cx, double cy, double from_degrees, double to_degrees,
                   double inner, double outer, Colour colour) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, outer, cairo_radians(from_degrees), cairo_radians(to_degrees));
    cairo_arc_negative(cr, cx, cy, inner, cairo_radians(to_degrees), cairo_radians(from_degrees));
    cairo_close_path(cr);
    set_colour(cr, colour);
    cairo_fill(cr);
}

void draw_needle(cairo_t* cr, double pivot_x, double pivot_y, double tail_x, double tip_x,
                 double width, double hub_radius) {
    const double half = width / 2;
    const double point_length = std::min(width * 3, (tip_x - tail_x) / 3);
    cairo_move_to(cr, tail_x, pivot_y - half);
    cairo_line_to(cr, tip_x - point_length, pivot_y - half);
    cairo_line_to(cr, tip_x, pivot_y);
    cairo_line_to(cr, tip_x - point_length, pivot_y + half);
    cairo_line_to(cr, tail_x, pivot_y + half);
    cairo_close_path(cr);
    set_colour(cr, kWhite);
    cairo_fill(cr);
    if (hub_radius > 0) {
        cairo_arc(cr, pivot_x, pivot_y, hub_radius, 0, 2 * kPi);
        cairo_set_source_rgb(cr, 0.55, 0.55, 0.56);
        cairo_fill(cr);
    }
}

}  // namespace art::flight
