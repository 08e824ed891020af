// Pixel probes for the renderer tests: colours near a point, not golden images.
#pragma once

#include <functional>
#include <string>

#include "gauge_renderer.h"
#include "host.h"

namespace render_test {

struct FixtureHost {
    host::Host host;
    render::GaugeRenderer renderer;
    // Loads RenderFixture and places `gauge` (as `alias`, default the gauge name).
    host::Placement& place(const std::string& gauge, const std::string& alias = {});
    // Updates the placement and draws it at its own size.
    render::Image draw(host::Placement& placement, const render::RenderOptions& options = {});
};

bool is_grey(const render::Rgba& pixel);  // the fixture's mid grey background
bool is_white(const render::Rgba& pixel);
bool is_red(const render::Rgba& pixel);
bool is_green(const render::Rgba& pixel);
bool is_blue(const render::Rgba& pixel);
bool is_yellow(const render::Rgba& pixel);
bool is_orange(const render::Rgba& pixel);  // the fixture's text colour, roughly
bool is_black(const render::Rgba& pixel);

// True when some pixel within `radius` pixels of (x, y) passes `test`.
bool any_near(const render::Image& image, double x, double y, int radius,
              const std::function<bool(const render::Rgba&)>& test);
// Counts the pixels of the box that pass `test`.
int count_in(const render::Image& image, int x, int y, int width, int height,
             const std::function<bool(const render::Rgba&)>& test);

std::string describe(const render::Rgba& pixel);

}  // namespace render_test
