// Pieces the radio-stack painters share: finding what a gauge declares, the
// unit plate, push buttons and lamps, lit and unlit.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "declarations.h"
#include "drawing.h"

namespace art::radios {

// The gauge whose face is `face`; throws when no gauge of the module draws it.
const GaugeInfo& gauge_drawn_on(const std::vector<GaugeInfo>& gauges, std::uint32_t face);
std::vector<const ElementInfo*> elements_of_kind(const GaugeInfo& gauge, std::uint32_t kind);
// The element that draws `bitmap` first; throws when none does.
const ElementInfo& element_drawing(const GaugeInfo& gauge, std::uint32_t bitmap);
// The box of an icon's images, `width` x `height`, at the element's position.
Box box_at(const ElementInfo& element, int width, int height);

inline constexpr Colour kLampGreen = {0.35, 1.00, 0.45};
inline constexpr Colour kLampAmber = {1.00, 0.66, 0.12};
inline constexpr Colour kLampBlue = {0.30, 0.55, 1.00};
inline constexpr Colour kLampWhite = {1.00, 1.00, 0.95};
inline constexpr Colour kSegmentAmber = {0.82, 0.38, 0.0};  // the displays' text colour

// A radio unit's plate: the bevelled panel and a screw in each corner.
void draw_unit_plate(cairo_t* cr, int width, int height);

// Text of `colour` centred on (cx, cy), the middle of its capital letters.
void draw_label(cairo_t* cr, std::string_view text, double cx, double cy, double size,
                Colour colour = kWhite);

// A rectangular push button filling `box` with an indicator strip along its
// top. Unlit the strip is dark and the label white on grey; lit the strip
// shines in `glow` and its light spreads over the cap and the label.
void draw_push_button(cairo_t* cr, const Box& box, std::string_view label, double label_size,
                      bool lit, Colour glow = kLampGreen);

// A round lamp lens: dark and tinted when off, bright with a halo when lit.
void draw_lamp(cairo_t* cr, double cx, double cy, double radius, Colour colour, bool lit);

// A dark recessed window over `box` without the bevel of a display window.
void draw_recess(cairo_t* cr, const Box& box, double radius);

}  // namespace art::radios
