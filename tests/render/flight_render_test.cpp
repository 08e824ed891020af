// The flight instruments as drawn: graduations where the needles' tables point,
// needles whose pictures turn about their pivots onto their readings, the ball,
// the flag, and the six-pack panel with its cruise state.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "needle_angle.h"
#include "panel_scene.h"
#include "render_probes.h"
#include "state_file.h"

namespace {

using render::Rgba;

bool is_bright(const Rgba& p) {
    return p.a > 200 && std::min({p.r, p.g, p.b}) > 170;
}
bool is_dark(const Rgba& p) {
    return p.a > 200 && std::max({p.r, p.g, p.b}) < 90;
}

struct Polar {
    double x, y;
};
Polar polar(const gauge::Element& pivot, double radius, double degrees) {
    const double a = degrees * 3.14159265358979323846 / 180.0;
    return {pivot.x + radius * std::sin(a), pivot.y - radius * std::cos(a)};
}

class FlightPictures : public testing::Test {
  protected:
    FlightPictures() { host.load_module_named("Ostrel0", GAUGE_MODULE_DIR); }

    host::Placement& place(const std::string& gauge) {
        if (host::Placement* placed = host.placement(gauge)) return *placed;
        return host.place("Ostrel0", gauge, gauge);
    }
    render::Image draw(const std::string& gauge, std::uint32_t token, double value) {
        host.variables().set_number(token, value);
        host::Placement& placed = place(gauge);
        host.update(placed);
        return renderer.draw(placed, {});
    }
    // The needle's table as angles about its pivot.
    render::NeedleTable table_of(const std::string& gauge, int element) {
        const auto& needle = *gauge::as<gauge::Needle>(place(gauge).element(element).element);
        return render::NeedleTable({needle.table, needle.table_entries}, needle.common.x,
                                   needle.common.y);
    }
    const gauge::Element& pivot_of(const std::string& gauge, int element) {
        return *place(gauge).element(element).element;
    }

    host::Host host;
    render::GaugeRenderer renderer;
};

// Each numbered reading of a needle's table has a white graduation on the dial
// under it, at a radius the dial's graduations cover.
TEST_F(FlightPictures, GraduationsSitWhereTheNeedleTablesPoint) {
    struct Case {
        const char* gauge;
        int needle;
        double radius;
        std::vector<double> values;
        double turn = 0;  // the mark for the needle's other end (the symbol's left wing)
    };
    const Case cases[] = {
        {"Vsi", 2, 118, {-2000, -1500, -1000, -500, 0, 500, 1000, 1500, 2000}},
        {"Asi", 2, 122, {0, 40, 60, 80, 100, 120, 140, 160, 180}},
        {"Rpm", 2, 120, {0, 500, 1000, 1500, 2000, 2500, 3000}},
        {"Altimetro", 5, 128, {0, 100, 200, 300, 400, 500, 600, 700, 800, 900}},
        {"Altimetro", 5, 130, {20, 40, 60, 80, 420, 440, 460, 480}},
        {"Turn", 4, 100, {-546, 0, 546}},
        {"Turn", 4, 100, {-546, 0, 546}, 180},
    };
    for (const Case& c : cases) {
        const render::Image dial = draw(c.gauge, 0, 0);
        const render::NeedleTable table = table_of(c.gauge, c.needle);
        for (double value : c.values) {
            SCOPED_TRACE(std::string(c.gauge) + " at " + std::to_string(value));
            const Polar at =
                polar(pivot_of(c.gauge, c.needle), c.radius, table.angle(value) + c.turn);
            EXPECT_TRUE(render_test::any_near(dial, at.x, at.y, 1, is_bright));
        }
    }
}

// The needle covers a probe on its reading's line that it leaves dark when it
// shows another reading: its picture turns about the pivot the record gives.
TEST_F(FlightPictures, NeedlesCoverTheirReadingsLine) {
    struct Case {
        const char* gauge;
        int needle;
        std::uint32_t token;
        double value, elsewhere;
        double reading;  // the needle's value for `value`
        double radius;
    };
    const Case cases[] = {
        {"Asi", 2, 61, 110, 40, 110, 70},
        {"Rpm", 2, 390, 2300, 800, 2300, 70},
        {"Vsi", 2, 65, 1000 / 0.769, -1000 / 0.769, 1000, 70},
        {"Vsi", 2, 65, 0, 2000, 0, 40},
        {"Altimetro", 5, 74, 4500, 1200, 500, 110},    // hundreds
        {"Altimetro", 4, 74, 4500, 1200, 450, 70},     // thousands
        {"Altimetro", 2, 74, 45000, 12000, 450, 115},  // ten-thousands
        {"Turn", 4, 70, 546, -546, 546, 70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gauge) + " at " + std::to_string(c.value));
        const Polar at = polar(pivot_of(c.gauge, c.needle), c.radius,
                               table_of(c.gauge, c.needle).angle(c.reading));
        const render::Image shown = draw(c.gauge, c.token, c.value);
        const render::Image other = draw(c.gauge, c.token, c.elsewhere);
        EXPECT_GE(render_test::count_in(shown, at.x - 2, at.y - 2, 5, 5, is_bright), 15);
        EXPECT_LE(render_test::count_in(other, at.x - 2, at.y - 2, 5, 5, is_bright), 8);
    }
}

TEST_F(FlightPictures, HeadingMarkerRidesTheCardRimAtTheSelectedHeading) {
    host.variables().set_number(84, 90);
    const gauge::Element& marker = pivot_of("Gyro", 3);
    for (double selected : {90.0, 180.0, 0.0}) {
        SCOPED_TRACE(selected);
        const render::Image picture = draw("Gyro", 107, selected);
        // The marker stands at the selected heading less the card's.
        const Polar on = polar(marker, 124, selected - 90);
        const Polar off = polar(marker, 124, selected - 90 + 180);
        EXPECT_GE(render_test::count_in(picture, on.x - 2, on.y - 2, 5, 5, is_bright), 15);
        EXPECT_LE(render_test::count_in(picture, off.x - 2, off.y - 2, 5, 5, is_bright), 8);
    }
}

TEST_F(FlightPictures, BallSlidesAlongTheTubeAndTheFlagHasOneImage) {
    // The ball at rest fills its picture's middle; 64 units take it 36 pixels
    // right and 4 down, -64 as far the other way.
    const gauge::Element& ball = pivot_of("Turn", 3);
    const double cx = ball.x + 13.5, cy = ball.y + 18.5;
    for (double units : {0.0, 64.0, -64.0}) {
        SCOPED_TRACE(units);
        const render::Image picture = draw("Turn", 69, units);
        EXPECT_TRUE(is_dark(picture.pixel(static_cast<int>(cx + units * 0.5625),
                                          static_cast<int>(cy + units * 0.0625))));
        const double away = units == 0 ? 36 : 0;
        EXPECT_FALSE(is_dark(picture.pixel(static_cast<int>(cx + away), static_cast<int>(cy))));
    }
    // The flag's edge is red in its first state; its second has no image and
    // leaves the face showing.
    const gauge::Element& flag = pivot_of("Turn", 2);
    auto reddish = [](const Rgba& p) { return p.a > 200 && p.r > p.g + 40; };
    EXPECT_TRUE(render_test::any_near(draw("Turn", 279, 0), flag.x + 1, flag.y + 15, 1, reddish));
    EXPECT_FALSE(render_test::any_near(draw("Turn", 279, 1), flag.x + 1, flag.y + 15, 1, reddish));
}

// The README's picture: the six-pack in cruise, every instrument at its reading.
TEST(FlightPanel, CruiseStateDrawsEveryInstrument) {
    const auto folder = std::filesystem::path(PANEL_DIR) / "flight";
    const panel::PanelConfig config = panel::read_panel_config(folder / "panel.cfg");
    ASSERT_TRUE(config.problems.empty()) << config.problems.front().text();
    host::Host host;
    render::GaugeRenderer renderer;
    render::PanelScene scene(host, config, GAUGE_MODULE_DIR, renderer);
    ASSERT_EQ(scene.gauges().size(), 6u);
    render::RenderOptions options;
    render::apply_state_file(folder / "cruise.state", host, renderer, options);
    const render::Image picture = scene.draw_all(options);
    EXPECT_EQ(host.placement("Ostrel0!Altimetro")->element(3).text, "29.92");
    EXPECT_EQ(host.placement("Ostrel0!Asi")->element(2).values[0], 110);
    EXPECT_EQ(host.placement("Ostrel0!Rpm")->element(2).values[0], 2300);
    EXPECT_EQ(host.placement("Ostrel0!Gyro")->element(3).values[0], 0);  // marker on 090
    EXPECT_GT(host.placement("Ostrel0!Turn")->element(4).values[0], 0);  // a right turn
    // No gauge overlaps another and all lie inside the window.
    for (const render::PlacedGauge& a : scene.gauges()) {
        EXPECT_LE(a.entry->x + a.width, picture.width()) << a.entry->gauge;
        EXPECT_LE(a.entry->y + a.height, picture.height()) << a.entry->gauge;
        for (const render::PlacedGauge& b : scene.gauges()) {
            if (&a == &b) continue;
            const bool apart =
                a.entry->x + a.width <= b.entry->x || b.entry->x + b.width <= a.entry->x ||
                a.entry->y + a.height <= b.entry->y || b.entry->y + b.height <= a.entry->y;
            EXPECT_TRUE(apart) << a.entry->gauge << " and " << b.entry->gauge;
        }
    }
}

}  // namespace
