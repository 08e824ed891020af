#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "bitmaps.h"
#include "dial_art.h"
#include "turn_gyro_art.h"

namespace art::flight {
namespace {

using namespace ::flight::bitmap;

constexpr int kBezelWidth = 300, kBezelHeight = 332;
constexpr int kCardSize = 256;
constexpr int kWindowSize = 270;

// The fixed aircraft outline, nose up, centred on (cx, cy).
void draw_aircraft_outline(cairo_t* cr, double cx, double cy) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_move_to(cr, 0, -34);
    cairo_line_to(cr, 3, -28);
    cairo_line_to(cr, 3, -8);
    cairo_line_to(cr, 30, -2);
    cairo_line_to(cr, 30, 4);
    cairo_line_to(cr, 3, 4);
    cairo_line_to(cr, 3, 22);
    cairo_line_to(cr, 12, 27);
    cairo_line_to(cr, 12, 31);
    cairo_line_to(cr, -12, 31);
    cairo_line_to(cr, -12, 27);
    cairo_line_to(cr, -3, 22);
    cairo_line_to(cr, -3, 4);
    cairo_line_to(cr, -30, 4);
    cairo_line_to(cr, -30, -2);
    cairo_line_to(cr, -3, -8);
    cairo_line_to(cr, -3, -28);
    cairo_close_path(cr);
    set_colour(cr, kWhite);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

struct Geometry {
    double card_cx, card_cy;  // where the card turns, in gauge pixels
    double card_radius;       // on the gauge
    std::vector<Box> knobs;   // the knob parents
};

// A black frame round the card, the lubber line at twelve, index marks every 45
// degrees outside the card, the aircraft outline and the two knobs.
void paint_bezel(cairo_t* cr, const Geometry& g) {
    draw_bezel(cr, kBezelWidth, kBezelHeight, 14);
    cairo_arc(cr, g.card_cx, g.card_cy, g.card_radius + 38, 0, 6.2832);
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.09);
    cairo_fill(cr);
    cairo_arc(cr, g.card_cx, g.card_cy, g.card_radius + 32, 0, 6.2832);
    set_colour(cr, kFaceBlack);
    cairo_fill(cr);
    for (int degrees = 45; degrees < 360; degrees += 45)
        draw_tick(cr, g.card_cx, g.card_cy, degrees, g.card_radius + 4, g.card_radius + 18, 4);
    // The lubber line: a white triangle over twelve o'clock.
    const Point tip = polar(g.card_cx, g.card_cy, g.card_radius + 2, 0);
    cairo_move_to(cr, tip.x, tip.y);
    cairo_line_to(cr, tip.x - 8, tip.y - 22);
    cairo_line_to(cr, tip.x + 8, tip.y - 22);
    cairo_close_path(cr);
    set_colour(cr, {0.95, 0.55, 0.10});
    cairo_fill(cr);
    draw_aircraft_outline(cr, g.card_cx, g.card_cy);
    for (const Box& knob : g.knobs) {
        const double radius = 22;
        const double cx = std::min(knob.centre_x(), kBezelWidth - radius - 3);
        const double cy = std::min(knob.centre_y(), kBezelHeight - radius - 3);
        draw_pointer_knob(cr, cx, cy, radius, 0);
    }
    draw_label(cr, "PUSH", {std::min(g.knobs.front().centre_x(), 40.0), 250}, 9);
    draw_label(cr, "HDG", {std::min(g.knobs.back().centre_x(), kBezelWidth - 28.0), 250}, 9);
}

// North at the top, turning about (centre, centre): graduations every 5
// degrees, N, E, S, W and numerals every 30 degrees, upright to the card.
void paint_card(cairo_t* cr, double centre, double radius) {
    cairo_arc(cr, centre, centre, radius, 0, 6.2832);
    set_colour(cr, kFaceBlack);
    cairo_fill(cr);
    for (int degrees = 0; degrees < 360; degrees += 5) {
        const bool ten = degrees % 10 == 0;
        draw_tick(cr, centre, centre, degrees, radius - (ten ? 16 : 9), radius - 1,
                  ten ? 2.6 : 1.6);
    }
    static const char* const kLabels[] = {"N", "3",  "6",  "E", "12", "15",
                                          "S", "21", "24", "W", "30", "33"};
    for (int i = 0; i < 12; ++i) {
        const double degrees = i * 30.0;
        cairo_save(cr);
        cairo_translate(cr, centre, centre);
        cairo_rotate(cr, degrees * 3.14159265358979 / 180.0);
        draw_label(cr, kLabels[i], {0, -(radius - 32)}, i % 3 == 0 ? 22 : 18);
        cairo_restore(cr);
    }
}

// Black, through which the card shows, with the same aircraft outline.
void paint_window(cairo_t* cr) {
    draw_aircraft_outline(cr, kWindowSize / 2.0, kWindowSize / 2.0);
}

// A white notch with a black slot, standing on the card's rim.
void paint_marker(cairo_t* cr) {
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 30, 1);
    cairo_line_to(cr, 30, 31);
    cairo_line_to(cr, 19, 31);
    cairo_line_to(cr, 19, 12);
    cairo_line_to(cr, 12, 12);
    cairo_line_to(cr, 12, 31);
    cairo_line_to(cr, 1, 31);
    cairo_close_path(cr);
    set_colour(cr, kWhite);
    cairo_fill(cr);
}

}  // namespace

std::vector<BitmapArt> gyro_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& gyro = gauge_named(gauges, "Gyro");
    const ElementInfo& card = element_of_kind(gyro, gauge::kSprite);
    const auto& sprite = *reinterpret_cast<const gauge::Sprite*>(card.record);
    // The card turns about its offset point, which the host puts at the middle
    // of the window; the card is painted round that point, as large as the
    // texture allows.
    const double centre = sprite.common.offset_x;
    const double texture_radius = kCardSize - centre - 1;
    Geometry geometry{card.x + kWindowSize / 2.0,
                      card.y + kWindowSize / 2.0,
                      texture_radius * sprite.texture_scale_x,
                      {}};
    for (const AreaInfo& area : gyro.areas)
        if (area.parent && area.box.width > 0) geometry.knobs.push_back(area.box);
    if (geometry.knobs.size() != 2) throw std::runtime_error("Gyro: expected two knob areas");
    return {
        {kGyroBezel, kBezelWidth, kBezelHeight, 8,
         [geometry](cairo_t* cr) { paint_bezel(cr, geometry); }},
        {kCompassCard, kCardSize, kCardSize, 8,
         [centre, texture_radius](cairo_t* cr) { paint_card(cr, centre, texture_radius); }},
        {kCompassWindow, kWindowSize, kWindowSize, 8, paint_window},
        {kHeadingMarker, 31, 32, 24, [](cairo_t* cr) { paint_marker(cr); }},
    };
}

}  // namespace art::flight
