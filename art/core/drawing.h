// Parts of instrument artwork shared by the painters.
#pragma once

#include <cairo.h>

#include <string_view>

#include "declarations.h"

namespace art {

struct Colour {
    double r{}, g{}, b{};
};

inline constexpr Colour kWhite = {0.92, 0.92, 0.90};
inline constexpr Colour kPanelGrey = {0.20, 0.21, 0.22};
inline constexpr Colour kDisplayBlack = {8 / 255.0, 8 / 255.0, 8 / 255.0};

void set_colour(cairo_t* cr, Colour colour);
void rounded_rectangle(cairo_t* cr, double x, double y, double width, double height, double radius);

// A plate filling the whole surface with rounded corners (left transparent).
void draw_bezel(cairo_t* cr, int width, int height, double corner_radius);
void draw_screw(cairo_t* cr, double cx, double cy, double radius);

// A near-black display window over `box` in a bevelled frame just outside it.
void draw_display_window(cairo_t* cr, const Box& box);

// White text centred on (cx, baseline y).
void draw_caption(cairo_t* cr, std::string_view text, double cx, double y, double size);

// A square push button filling `box` with a double arrow (<->) on it.
void draw_transfer_button(cairo_t* cr, const Box& box);

// Two knobs on one axis: the large outer one and the small inner one, knurled.
void draw_concentric_knob(cairo_t* cr, double cx, double cy, double outer_radius,
                          double inner_radius);

// A round knob with a pointer at `degrees` clockwise from straight up.
void draw_pointer_knob(cairo_t* cr, double cx, double cy, double radius, double degrees);

}  // namespace art
