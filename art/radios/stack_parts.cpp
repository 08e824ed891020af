#include "stack_parts.h"

#include <algorithm>
#include <numbers>
#include <stdexcept>
#include <string>

namespace art::radios {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

Colour scaled(Colour colour, double factor) {
    return {std::min(1.0, colour.r * factor), std::min(1.0, colour.g * factor),
            std::min(1.0, colour.b * factor)};
}

Colour mixed(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::string hex_id(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", id);
    return text;
}

}  // namespace

const GaugeInfo& gauge_drawn_on(const std::vector<GaugeInfo>& gauges, std::uint32_t face) {
    auto found = std::find_if(gauges.begin(), gauges.end(),
                              [face](const GaugeInfo& g) { return g.root_bitmap == face; });
    if (found == gauges.end())
        throw std::runtime_error("no gauge of Radios draws the face " + hex_id(face));
    return *found;
}

std::vector<const ElementInfo*> elements_of_kind(const GaugeInfo& gauge, std::uint32_t kind) {
    std::vector<const ElementInfo*> found;
    for (const ElementInfo& element : gauge.elements)
        if (element.kind == kind) found.push_back(&element);
    return found;
}

const ElementInfo& element_drawing(const GaugeInfo& gauge, std::uint32_t bitmap) {
    for (const ElementInfo& element : gauge.elements)
        if (element.kind != gauge::kString && element.bitmap == bitmap) return element;
    throw std::runtime_error("no element of " + gauge.name + " draws bitmap " + hex_id(bitmap));
}

Box box_at(const ElementInfo& element, int width, int height) {
    return {element.x, element.y, width, height};
}

void draw_unit_plate(cairo_t* cr, int width, int height) {
    draw_bezel(cr, width, height, 8);
    const double inset = height < 100 ? 7 : 9;
    for (double x : {inset, width - inset})
        for (double y : {inset, height - inset}) draw_screw(cr, x, y, 3.5);
}

void draw_label(cairo_t* cr, std::string_view text, double cx, double cy, double size,
                Colour colour) {
    const std::string owned(text);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "H", &extents);
    const double cap_height = extents.height;
    cairo_text_extents(cr, owned.c_str(), &extents);
    cairo_move_to(cr, cx - extents.width / 2 - extents.x_bearing, cy + cap_height / 2);
    set_colour(cr, colour);
    cairo_show_text(cr, owned.c_str());
}

void draw_push_button(cairo_t* cr, const Box& box, std::string_view label, double label_size,
                      bool lit, Colour glow) {
    const double x = box.x + 0.5, y = box.y + 0.5;
    const double w = box.width - 1.0, h = box.height - 1.0;
    rounded_rectangle(cr, x, y, w, h, 3);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, y, 0, y + h);
    const Colour top = lit ? Colour{0.42, 0.43, 0.42} : Colour{0.30, 0.31, 0.32};
    const Colour bottom = lit ? Colour{0.26, 0.27, 0.26} : Colour{0.13, 0.13, 0.14};
    cairo_pattern_add_color_stop_rgb(shade, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    cairo_set_line_width(cr, 1.0);
    set_colour(cr, lit ? mixed(glow, kWhite, 0.3) : Colour{0.52, 0.53, 0.54});
    cairo_stroke(cr);

    // The indicator strip along the top edge: dark glass, or shining when lit.
    const double strip_height = std::max(2.0, h * 0.14);
    rounded_rectangle(cr, x + 4, y + 2, w - 8, strip_height, 1);
    set_colour(cr, lit ? mixed(glow, kWhite, 0.55) : Colour{0.08, 0.10, 0.08});
    cairo_fill(cr);
    if (lit) {
        // The light of the strip and the label spreading over the cap.
        cairo_pattern_t* halo =
            cairo_pattern_create_radial(box.centre_x(), y + strip_height, 1, box.centre_x(),
                                        y + strip_height, std::max(w, h) * 0.75);
        cairo_pattern_add_color_stop_rgba(halo, 0, glow.r, glow.g, glow.b, 0.60);
        cairo_pattern_add_color_stop_rgba(halo, 1, glow.r, glow.g, glow.b, 0.10);
        rounded_rectangle(cr, x + 1, y + 2 + strip_height, w - 2, h - 3 - strip_height, 2);
        cairo_set_source(cr, halo);
        cairo_fill(cr);
        cairo_pattern_destroy(halo);
    }
    draw_label(cr, label, box.centre_x(), box.centre_y() + strip_height / 2, label_size,
               lit ? mixed(glow, kWhite, 0.6) : Colour{0.86, 0.86, 0.84});
}

void draw_lamp(cairo_t* cr, double cx, double cy, double radius, Colour colour, bool lit) {
    // The bezel ring.
    cairo_arc(cr, cx, cy, radius + 1.5, 0, kTwoPi);
    cairo_set_source_rgb(cr, 0.55, 0.56, 0.57);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, radius, 0, kTwoPi);
    cairo_pattern_t* lens = cairo_pattern_create_radial(cx - radius * 0.3, cy - radius * 0.3,
                                                        radius * 0.1, cx, cy, radius);
    if (lit) {
        const Colour core = mixed(colour, kWhite, 0.75);
        cairo_pattern_add_color_stop_rgb(lens, 0, core.r, core.g, core.b);
        cairo_pattern_add_color_stop_rgb(lens, 0.6, colour.r, colour.g, colour.b);
        const Colour rim = scaled(colour, 0.75);
        cairo_pattern_add_color_stop_rgb(lens, 1, rim.r, rim.g, rim.b);
    } else {
        const Colour glass = scaled(colour, 0.30);
        const Colour shine = scaled(colour, 0.50);
        cairo_pattern_add_color_stop_rgb(lens, 0, shine.r, shine.g, shine.b);
        cairo_pattern_add_color_stop_rgb(lens, 1, glass.r * 0.6 + 0.03, glass.g * 0.6 + 0.03,
                                         glass.b * 0.6 + 0.03);
    }
    cairo_set_source(cr, lens);
    cairo_fill(cr);
    cairo_pattern_destroy(lens);
}

void draw_recess(cairo_t* cr, const Box& box, double radius) {
    rounded_rectangle(cr, box.x, box.y, box.width, box.height, radius);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, box.y, 0, box.bottom());
    cairo_pattern_add_color_stop_rgb(shade, 0, 0.05, 0.05, 0.06);
    cairo_pattern_add_color_stop_rgb(shade, 1, 0.12, 0.12, 0.13);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

}  // namespace art::radios
