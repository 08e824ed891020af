#include "altimeter_art.h"

#include <string>

#include "bitmaps.h"
#include "dial_art.h"

namespace art::flight {
namespace {

using namespace ::flight::bitmap;

constexpr int kDialSize = 302;

constexpr double kNumeralRadius = 94;
constexpr double kNumeralSize = 26;

bool overlaps(const Box& box, Point centre, double half) {
    return centre.x + half > box.x && centre.x - half < box.right() && centre.y + half > box.y &&
           centre.y - half < box.bottom();
}

// Numerals 0 to 9 clockwise with 0 at twelve o'clock, 50 graduations (one per
// 20 feet on the hundreds needle), a small 100 beside the 0. The barometric
// window is the string's own box; the face paints none, and a numeral the
// window would cover moves out along its radius until it clears it.
void paint_face(cairo_t* cr, const Scale& scale, const Box& window) {
    const double cx = scale.pivot_x(), cy = scale.pivot_y();
    draw_round_face(cr, kDialSize / 2.0, kDialSize / 2.0, 150);
    for (int i = 0; i < 50; ++i) {
        const bool numbered = i % 5 == 0;
        draw_tick(cr, cx, cy, scale.degrees(i * 20.0), numbered ? 112 : 122, 134,
                  numbered ? 3.4 : 1.8);
    }
    for (int digit = 0; digit <= 9; ++digit) {
        const double degrees = scale.degrees(digit * 100.0);
        double radius = kNumeralRadius;
        while (overlaps(window, polar(cx, cy, radius, degrees), kNumeralSize / 2 - 2) &&
               radius < kNumeralRadius + 12)
            radius += 1;
        draw_label(cr, std::to_string(digit), polar(cx, cy, radius, degrees), kNumeralSize);
    }
    draw_label(cr, "100", polar(cx, cy, 92, scale.degrees(45)), 10);
    draw_label(cr, "FEET", polar(cx, cy, 90, scale.degrees(-45 + 999)), 10);
    draw_label(cr, "ALT", {cx, cy - 42}, 13);
    cairo_arc(cr, cx, cy, 8, 0, 6.2832);
    cairo_set_source_rgb(cr, 0.30, 0.30, 0.31);
    cairo_fill(cr);
}

// The ten-thousands pointer: a thin shaft from x 66 to a wide triangle at the
// right edge.
void paint_ten_thousands(cairo_t* cr, const gauge::Needle& needle, int width) {
    const double y = needle.common.offset_y;
    cairo_rectangle(cr, 66, y - 1.5, width - 24 - 66, 3);
    set_colour(cr, kWhite);
    cairo_fill(cr);
    cairo_move_to(cr, width - 26, y - 12);
    cairo_line_to(cr, width - 1, y);
    cairo_line_to(cr, width - 26, y + 12);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// A hand whose shaft starts at `tail_x`, `width` wide, ending in a point at the
// bitmap's right edge.
void paint_hand(cairo_t* cr, const gauge::Needle& needle, double tail_x, int bitmap_width,
                double width) {
    draw_needle(cr, needle.common.offset_x, needle.common.offset_y, tail_x, bitmap_width - 1, width,
                0);
}

}  // namespace

std::vector<BitmapArt> altimeter_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& altimeter = gauge_named(gauges, "Altimetro");
    const gauge::Needle& hundreds = needle_drawing(altimeter, kHundredsNeedle);
    const gauge::Needle& thousands = needle_drawing(altimeter, kThousandsNeedle);
    const gauge::Needle& ten_thousands = needle_drawing(altimeter, kTenThousandsPointer);
    const Scale scale(hundreds);
    const Box window = element_of_kind(altimeter, gauge::kString).string_box;
    return {
        {kAltimeterDial, kDialSize, kDialSize, 8,
         [scale, window](cairo_t* cr) { paint_face(cr, scale, window); }},
        {kTenThousandsPointer, 187, 128, 8,
         [&ten_thousands](cairo_t* cr) { paint_ten_thousands(cr, ten_thousands, 187); }},
        {kThousandsNeedle, 104, 27, 8,
         [&thousands](cairo_t* cr) { paint_hand(cr, thousands, 52, 104, 13); }},
        {kHundredsNeedle, 174, 17, 8,
         [&hundreds](cairo_t* cr) { paint_hand(cr, hundreds, 65, 174, 6); }},
    };
}

}  // namespace art::flight
