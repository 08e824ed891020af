// Drawing a string element's text: one line centred in its box, through
// fontconfig and Pango so that a glyph missing from a face falls back to
// another face instead of vanishing.
#pragma once

#include <cstdint>
#include <string>

#include "image.h"

namespace render {

struct TextStyle {
    std::string font;  // the declared face name
    int weight = 400;
    std::uint32_t text_colour = 0;  // 0x00BBGGRR
    std::uint32_t background_colour = 0;
    std::uint32_t highlight_colour = 0;
};

// Characters first to last (0-based, both included) drawn in the highlight
// colour; none when first > last.
struct HighlightRange {
    int first = 0;
    int last = -1;
};

// The face we draw a declared face name with: "Quartz", a segment display face,
// becomes a fourteen-segment DSEG face (it shows letters as well as digits);
// "Courier New" becomes its metric twin Liberation Mono. Others are kept.
std::string substitute_font(const std::string& declared);

// Text as the gauges write it (bytes in the Windows Western code page) as
// UTF-8, one character per byte; control characters become blanks.
std::string text_as_utf8(const std::string& bytes);

// A picture of box_width x box_height: the background colour, the text centred
// on one line, shrunk to fit the box when it would not.
Image draw_text_box(const std::string& text, int box_width, int box_height, const TextStyle& style,
                    HighlightRange highlight);

}  // namespace render
