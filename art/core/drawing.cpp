#include "drawing.h"

#include <cmath>
#include <numbers>
#include <string>

namespace art {
namespace {

constexpr double kPi = std::numbers::pi;

double radians(double degrees) {
    return degrees * kPi / 180.0;
}

void knurled_disc(cairo_t* cr, double cx, double cy, double radius, int ridges, Colour base) {
    cairo_pattern_t* shade =
        cairo_pattern_create_radial(cx - radius / 3, cy - radius / 3, radius / 8, cx, cy, radius);
    cairo_pattern_add_color_stop_rgb(shade, 0, base.r + 0.25, base.g + 0.25, base.b + 0.25);
    cairo_pattern_add_color_stop_rgb(shade, 1, base.r, base.g, base.b);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);

    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgb(cr, base.r * 0.5, base.g * 0.5, base.b * 0.5);
    for (int i = 0; i < ridges; ++i) {
        const double a = 2 * kPi * i / ridges;
        cairo_move_to(cr, cx + std::cos(a) * radius * 0.86, cy + std::sin(a) * radius * 0.86);
        cairo_line_to(cr, cx + std::cos(a) * radius, cy + std::sin(a) * radius);
    }
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_set_source_rgb(cr, base.r * 0.4, base.g * 0.4, base.b * 0.4);
    cairo_stroke(cr);
}

}  // namespace

void set_colour(cairo_t* cr, Colour colour) {
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
}

void rounded_rectangle(cairo_t* cr, double x, double y, double width, double height,
                       double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + height - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void draw_bezel(cairo_t* cr, int width, int height, double corner_radius) {
    rounded_rectangle(cr, 0, 0, width, height, corner_radius);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(shade, 0, 0.30, 0.31, 0.32);
    cairo_pattern_add_color_stop_rgb(shade, 1, 0.14, 0.15, 0.16);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);

    rounded_rectangle(cr, 3, 3, width - 6, height - 6, corner_radius - 2);
    set_colour(cr, kPanelGrey);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgb(cr, 0.40, 0.41, 0.42);
    cairo_stroke(cr);
}

void draw_screw(cairo_t* cr, double cx, double cy, double radius) {
    knurled_disc(cr, cx, cy, radius, 0, {0.45, 0.46, 0.47});
    cairo_set_line_width(cr, 1.2);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
    cairo_move_to(cr, cx - radius * 0.7, cy - radius * 0.3);
    cairo_line_to(cr, cx + radius * 0.7, cy + radius * 0.3);
    cairo_stroke(cr);
}

void draw_display_window(cairo_t* cr, const Box& box) {
    rounded_rectangle(cr, box.x - 4, box.y - 4, box.width + 8, box.height + 8, 4);
    cairo_pattern_t* bevel = cairo_pattern_create_linear(0, box.y - 4, 0, box.bottom() + 4);
    cairo_pattern_add_color_stop_rgb(bevel, 0, 0.08, 0.08, 0.09);
    cairo_pattern_add_color_stop_rgb(bevel, 1, 0.45, 0.46, 0.47);
    cairo_set_source(cr, bevel);
    cairo_fill(cr);
    cairo_pattern_destroy(bevel);
    // Pixel-aligned so the whole box is the same opaque near-black.
    cairo_rectangle(cr, box.x, box.y, box.width, box.height);
    set_colour(cr, kDisplayBlack);
    cairo_fill(cr);
}

void draw_caption(cairo_t* cr, std::string_view text, double cx, double y, double size) {
    const std::string owned(text);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, owned.c_str(), &extents);
    cairo_move_to(cr, cx - extents.width / 2 - extents.x_bearing, y);
    set_colour(cr, kWhite);
    cairo_show_text(cr, owned.c_str());
}

void draw_transfer_button(cairo_t* cr, const Box& box) {
    rounded_rectangle(cr, box.x + 1, box.y + 1, box.width - 2, box.height - 2, 4);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, box.y, 0, box.bottom());
    cairo_pattern_add_color_stop_rgb(shade, 0, 0.36, 0.37, 0.38);
    cairo_pattern_add_color_stop_rgb(shade, 1, 0.17, 0.17, 0.18);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    cairo_set_source_rgb(cr, 0.55, 0.56, 0.57);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    const double cy = box.centre_y();
    const double left = box.x + box.width * 0.2;
    const double right = box.x + box.width * 0.8;
    const double head = box.height * 0.22;
    set_colour(cr, kWhite);
    cairo_set_line_width(cr, 2.0);
    cairo_move_to(cr, left + head, cy);
    cairo_line_to(cr, right - head, cy);
    cairo_stroke(cr);
    for (double tip : {left, right}) {
        const double back = tip == left ? head : -head;
        cairo_move_to(cr, tip, cy);
        cairo_line_to(cr, tip + back, cy - head * 0.8);
        cairo_line_to(cr, tip + back, cy + head * 0.8);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void draw_concentric_knob(cairo_t* cr, double cx, double cy, double outer_radius,
                          double inner_radius) {
    // Shadow, then the outer knob, then the inner one on top.
    cairo_arc(cr, cx + 2, cy + 3, outer_radius, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0.05, 0.05, 0.05, 0.6);
    cairo_fill(cr);
    knurled_disc(cr, cx, cy, outer_radius, 36, {0.16, 0.16, 0.17});
    knurled_disc(cr, cx, cy, inner_radius, 20, {0.22, 0.22, 0.23});
    cairo_arc(cr, cx, cy, inner_radius * 0.35, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.40, 0.40, 0.41);
    cairo_fill(cr);
}

void draw_pointer_knob(cairo_t* cr, double cx, double cy, double radius, double degrees) {
    cairo_arc(cr, cx + 1.5, cy + 2.5, radius, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0.05, 0.05, 0.05, 0.6);
    cairo_fill(cr);
    knurled_disc(cr, cx, cy, radius, 28, {0.17, 0.17, 0.18});
    const double a = radians(degrees - 90);
    set_colour(cr, kWhite);
    cairo_set_line_width(cr, 3.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx + std::cos(a) * radius * 0.25, cy + std::sin(a) * radius * 0.25);
    cairo_line_to(cr, cx + std::cos(a) * radius * 0.8, cy + std::sin(a) * radius * 0.8);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

}  // namespace art
