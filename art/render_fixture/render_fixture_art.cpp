// The bitmaps of RenderFixture, the renderer's test module: flat colours on
// whole pixels, 24-bit, so the tests can probe exact values. Unpainted pixels
// are pure black.
#include <cairo.h>

#include "fixture_layout.h"
#include "module_art.h"

namespace art {
namespace {

using namespace render_fixture;

void fill(cairo_t* cr, double x, double y, double width, double height, double r, double g,
          double b) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, r, g, b);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
}

BitmapArt bitmap(std::uint32_t id, int width, int height, std::function<void(cairo_t*)> paint) {
    return {id, width, height, 24, std::move(paint)};
}

// Pixels left unpainted become pure black, the colour the host leaves
// undrawn or shows a window's picture through.
void clear(cairo_t* cr, double x, double y, double width, double height) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A white frame two pixels wide round a black hole.
std::function<void(cairo_t*)> window(int size) {
    return [size](cairo_t* cr) {
        fill(cr, 0, 0, size, size, 1, 1, 1);
        clear(cr, 2, 2, size - 4, size - 4);
    };
}

}  // namespace

std::vector<BitmapArt> module_art(const std::vector<GaugeInfo>&) {
    return {
        bitmap(kBackground, kGaugeSize, kGaugeSize,
               [](cairo_t* cr) { fill(cr, 0, 0, kGaugeSize, kGaugeSize, 0.5, 0.5, 0.5); }),
        bitmap(kNeedleBitmap, kNeedleLength, kNeedleWidth,
               [](cairo_t* cr) { fill(cr, 0, 1, kNeedleLength, 3, 1, 1, 1); }),
        bitmap(kFramedSquare, 20, 20,
               [](cairo_t* cr) {
                   fill(cr, 0, 0, 20, 20, 1, 0, 0);
                   clear(cr, 5, 5, 10, 10);
               }),
        bitmap(kGreenSquare, 20, 20, [](cairo_t* cr) { fill(cr, 0, 0, 20, 20, 0, 1, 0); }),
        bitmap(kIconImages, 20, 20, [](cairo_t* cr) { fill(cr, 0, 0, 20, 20, 1, 0, 0); }),
        bitmap(kIconImages + 1, 20, 20, [](cairo_t* cr) { fill(cr, 0, 0, 20, 20, 0, 1, 0); }),
        bitmap(kIconImages + 2, 20, 20, [](cairo_t* cr) { fill(cr, 0, 0, 20, 20, 0, 0, 1); }),
        bitmap(kSliderBlock, 10, 10, [](cairo_t* cr) { fill(cr, 0, 0, 10, 10, 1, 1, 0); }),
        bitmap(kStrip, 60, 20,
               [](cairo_t* cr) {
                   fill(cr, 0, 0, 20, 20, 1, 0, 0);
                   fill(cr, 20, 0, 20, 20, 0, 1, 0);
                   fill(cr, 40, 0, 20, 20, 0, 0, 1);
               }),
        bitmap(kStripWindow, 20, 20, window(20)),
        bitmap(kTexture, 300, 300, [](cairo_t* cr) { fill(cr, 150, 140, 150, 20, 1, 0, 0); }),
        bitmap(kTextureWindow, 60, 60, window(60)),
    };
}

}  // namespace art
