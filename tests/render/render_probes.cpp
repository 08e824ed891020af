#include "render_probes.h"

#include <cmath>
#include <cstdlib>

namespace render_test {

using render::Rgba;

host::Placement& FixtureHost::place(const std::string& gauge, const std::string& alias) {
    if (host.module("RenderFixture") == nullptr)
        host.load_module_named("RenderFixture", RENDER_FIXTURE_DIR);
    return host.place("RenderFixture", gauge, alias.empty() ? gauge : alias);
}

render::Image FixtureHost::draw(host::Placement& placement, const render::RenderOptions& options) {
    host.update(placement);
    return renderer.draw(placement, options);
}

namespace {
bool near(int channel, int expected) {
    return std::abs(channel - expected) <= 24;
}
bool colour(const Rgba& p, int r, int g, int b) {
    return p.a > 230 && near(p.r, r) && near(p.g, g) && near(p.b, b);
}
}  // namespace

bool is_grey(const Rgba& p) {
    return colour(p, 128, 128, 128);
}
bool is_white(const Rgba& p) {
    return colour(p, 255, 255, 255);
}
bool is_red(const Rgba& p) {
    return colour(p, 255, 0, 0);
}
bool is_green(const Rgba& p) {
    return colour(p, 0, 255, 0);
}
bool is_blue(const Rgba& p) {
    return colour(p, 0, 0, 255);
}
bool is_yellow(const Rgba& p) {
    return colour(p, 255, 255, 0);
}
bool is_black(const Rgba& p) {
    return colour(p, 0, 0, 0);
}
bool is_orange(const Rgba& p) {
    // Anti-aliased edges blend toward the background: judge the hue.
    return p.a > 200 && p.r > 120 && p.g > p.b + 20 && p.r > p.g + 40;
}

bool any_near(const render::Image& image, double x, double y, int radius,
              const std::function<bool(const Rgba&)>& test) {
    const int cx = static_cast<int>(std::lround(x));
    const int cy = static_cast<int>(std::lround(y));
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (test(image.pixel(cx + dx, cy + dy))) return true;
    return false;
}

int count_in(const render::Image& image, int x, int y, int width, int height,
             const std::function<bool(const Rgba&)>& test) {
    int count = 0;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            if (test(image.pixel(column, row))) ++count;
    return count;
}

std::string describe(const Rgba& p) {
    return "rgba(" + std::to_string(p.r) + "," + std::to_string(p.g) + "," + std::to_string(p.b) +
           "," + std::to_string(p.a) + ")";
}

}  // namespace render_test
