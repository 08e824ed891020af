// The audio panel: face with the marker lamps (white A, blue O, amber M), the
// two rows of selector buttons and the microphone selector; the lamp strip with
// each marker lamp lit; a lit selector button.
#include <algorithm>
#include <vector>

#include "bitmaps.h"
#include "stack_art.h"
#include "stack_parts.h"

namespace art::radios {
namespace {

using namespace ::radios::bitmap;

constexpr int kFaceWidth = 603;
constexpr int kFaceHeight = 126;
constexpr int kStripWidth = 26;
constexpr int kStripHeight = 81;
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 24;
constexpr double kMarkerRadius = 8;

// The lamps from the top of the strip: white, blue, amber. Marker images 0, 1,
// 2 light blue, amber, white.
constexpr Colour kStripColours[3] = {kLampWhite, kLampBlue, kLampAmber};
constexpr const char* kStripLetters[3] = {"A", "O", "M"};
constexpr int kLitLampOfImage[3] = {1, 2, 0};

double lamp_centre_y(int lamp) {
    return kStripHeight / 6.0 + lamp * kStripHeight / 3.0;
}

void paint_strip(cairo_t* cr, double x, double y, int lit_lamp) {
    for (int lamp = 0; lamp < 3; ++lamp) {
        draw_lamp(cr, x + kStripWidth / 2.0, y + lamp_centre_y(lamp), kMarkerRadius,
                  kStripColours[lamp], lamp == lit_lamp);
    }
}

// A selector button: a grey cap with an indicator window that glows when the
// source is selected.
void paint_button(cairo_t* cr, double x, double y, bool lit) {
    draw_push_button(cr, {static_cast<int>(x), static_cast<int>(y), kButtonWidth, kButtonHeight},
                     "", 1, false);
    // Over the cap's own indicator strip, a larger window for the small button.
    rounded_rectangle(cr, x + 3, y + 2, kButtonWidth - 6, 9, 1.5);
    if (lit) {
        cairo_pattern_t* glow = cairo_pattern_create_linear(0, y + 2, 0, y + 11);
        cairo_pattern_add_color_stop_rgb(glow, 0, 0.85, 1.0, 0.85);
        cairo_pattern_add_color_stop_rgb(glow, 1, kLampGreen.r, kLampGreen.g, kLampGreen.b);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    } else {
        cairo_set_source_rgb(cr, 0.06, 0.09, 0.06);
        cairo_fill(cr);
    }
}

struct Caption {
    double x;  // left edge of the button it names
    const char* text;
};

void paint_face(cairo_t* cr, const GaugeInfo& gauge) {
    draw_unit_plate(cr, kFaceWidth, kFaceHeight);

    const ElementInfo& strip = element_drawing(gauge, kMarkerBlueLit);
    rounded_rectangle(cr, strip.x - 4, strip.y - 2, kStripWidth + 8, kStripHeight + 4, 5);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
    cairo_fill(cr);
    paint_strip(cr, strip.x, strip.y, -1);
    for (int lamp = 0; lamp < 3; ++lamp) {
        draw_label(cr, kStripLetters[lamp], strip.x + kStripWidth + 14,
                   strip.y + lamp_centre_y(lamp), 9);
    }
    draw_label(cr, "MKR", strip.x + kStripWidth / 2.0, strip.y + kStripHeight + 10, 7);

    // The upper row: the selector buttons of the elements, with TEL before
    // and AUTO after them; the lower row below, the same buttons again.
    std::vector<double> columns;
    double top = 0;
    for (const ElementInfo* icon : elements_of_kind(gauge, gauge::kIcon)) {
        if (icon->bitmap != kAudioButtonLit) continue;
        columns.push_back(icon->x);
        top = icon->y;
    }
    std::sort(columns.begin(), columns.end());
    const double pitch = (columns.back() - columns.front()) / (columns.size() - 1.0);
    columns.insert(columns.begin(), columns.front() - pitch);
    columns.push_back(columns.back() + pitch);
    const double lower = top + kButtonHeight + 20;
    for (double x : columns) {
        paint_button(cr, x, top, false);
        paint_button(cr, x, lower, false);
    }
    const double caption_y = top + kButtonHeight + 10;
    const double half = kButtonWidth / 2.0;
    const double first = columns[0];
    draw_label(cr, "TEL", first + half, caption_y, 7);
    for (int pair = 0; pair < 2; ++pair) {
        const double a = columns[1 + 2 * pair] + half, b = columns[2 + 2 * pair] + half;
        draw_label(cr, "1", a, caption_y, 7);
        draw_label(cr, pair == 0 ? "COM" : "NAV", (a + b) / 2, caption_y, 7);
        draw_label(cr, "2", b, caption_y, 7);
    }
    const char* singles[] = {"DME", "MKR", "ADF", "AUTO"};
    for (int i = 0; i < 4; ++i) draw_label(cr, singles[i], columns[5 + i] + half, caption_y, 7);
    draw_label(cr, "PHONE", first - 26, top + kButtonHeight / 2.0, 6.5);
    draw_label(cr, "SPKR", first - 26, lower + kButtonHeight / 2.0, 6.5);
    draw_label(cr, "AUDIO PANEL", (columns.front() + columns.back() + kButtonWidth) / 2.0,
               kFaceHeight - 14, 8);

    // The microphone selector at the right.
    const double knob_cx = (columns.back() + kButtonWidth + kFaceWidth) / 2.0;
    draw_label(cr, "MIC", knob_cx, 22, 8);
    draw_label(cr, "1", knob_cx - 28, 44, 7);
    draw_label(cr, "2", knob_cx + 28, 44, 7);
    draw_pointer_knob(cr, knob_cx, 66, 22, -40);
}

}  // namespace

std::vector<BitmapArt> audio_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& gauge = gauge_drawn_on(gauges, kAudioFace);
    std::vector<BitmapArt> art = {
        {kAudioFace, kFaceWidth, kFaceHeight, 8, [&gauge](cairo_t* cr) { paint_face(cr, gauge); }},
        {kAudioButtonLit, kButtonWidth, kButtonHeight, 8,
         [](cairo_t* cr) { paint_button(cr, 0, 0, true); }},
    };
    for (int image = 0; image < 3; ++image) {
        art.push_back({kMarkerBlueLit + static_cast<std::uint32_t>(image), kStripWidth,
                       kStripHeight, 8,
                       [image](cairo_t* cr) { paint_strip(cr, 0, 0, kLitLampOfImage[image]); }});
    }
    return art;
}

}  // namespace art::radios
