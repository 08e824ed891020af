// Needles drawn through the host from the fixture's tables: the tip lands on
// the table point for each value and on the interpolated direction between
// them, across a clockwise wrap through twelve o'clock and the one-pixel full
// turn; tableless needles and the turning limit per placed element.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>

#include "fixture_layout.h"
#include "render_probes.h"

namespace {

using namespace render_fixture;
using namespace render_test;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Degrees clockwise from twelve of a table point about the pivot.
double point_angle(int x, int y) {
    const double degrees = std::atan2(x - kPivot, -(y - kPivot)) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

// The wrap table's points: ten o'clock, twelve, two, four.
const double kTen = point_angle(39, 65);
const double kTwo = point_angle(161, 65);
const double kFour = point_angle(161, 135);

// The tip at `degrees` is white within two pixels of radius 68, and the dial
// 25 degrees either side at radius 50 is not covered by the needle.
void expect_needle_at(const render::Image& image, double degrees, const std::string& what) {
    auto point = [](double angle, double radius) {
        const double r = angle * std::numbers::pi / 180.0;
        return std::pair{kPivot + radius * std::sin(r), kPivot - radius * std::cos(r)};
    };
    const auto [tip_x, tip_y] = point(degrees, kTableRadius - 2);
    EXPECT_TRUE(any_near(image, tip_x, tip_y, 2, is_white))
        << what << ": no needle tip near (" << tip_x << ", " << tip_y << ") at " << degrees
        << " degrees";
    for (const double aside : {-25.0, 25.0}) {
        const auto [x, y] = point(degrees + aside, 50);
        EXPECT_FALSE(any_near(image, x, y, 1, is_white))
            << what << ": needle found " << aside << " degrees from " << degrees;
    }
}

struct NeedleCase {
    const char* gauge;
    std::uint32_t token;
    double value;
    double degrees;  // expected, clockwise from twelve

    friend void PrintTo(const NeedleCase& c, std::ostream* out) {
        *out << c.gauge << " value " << c.value << " -> " << c.degrees << " degrees";
    }
};

class NeedleTables : public testing::TestWithParam<NeedleCase> {};

TEST_P(NeedleTables, TipPointsWhereTheTableSays) {
    const NeedleCase& c = GetParam();
    FixtureHost fixture;
    host::Placement& placement = fixture.place(c.gauge);
    fixture.host.variables().set_number(c.token, c.value);
    expect_needle_at(fixture.draw(placement), c.degrees,
                     std::string(c.gauge) + " value " + std::to_string(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Render, NeedleTables,
    testing::Values(
        // Table points, through the wrap at twelve.
        NeedleCase{"WrapNeedle", kWrapToken, 0, kTen}, NeedleCase{"WrapNeedle", kWrapToken, 10, 0},
        NeedleCase{"WrapNeedle", kWrapToken, 20, kTwo},
        NeedleCase{"WrapNeedle", kWrapToken, 30, kFour},
        // Between points: halfway in angle, also across the wrap.
        NeedleCase{"WrapNeedle", kWrapToken, 5, (kTen + 360) / 2},
        NeedleCase{"WrapNeedle", kWrapToken, 25, (kTwo + kFour) / 2},
        NeedleCase{"WrapNeedle", kWrapToken, 17.5, 0.75 * kTwo},
        // Beyond the table along its end segments.
        NeedleCase{"WrapNeedle", kWrapToken, 40, 2 * kFour - kTwo},
        NeedleCase{"WrapNeedle", kWrapToken, -10, 2 * kTen - 360},
        // Values with no place on the dial settle on a table end.
        NeedleCase{"WrapNeedle", kWrapToken, kNaN, kTen},
        NeedleCase{"WrapNeedle", kWrapToken, kInf, kFour},
        NeedleCase{"WrapNeedle", kWrapToken, -kInf, kTen},
        // Two points one pixel apart: a full turn from 0 to 1000.
        NeedleCase{"TurnNeedle", kTurnToken, 0, 0}, NeedleCase{"TurnNeedle", kTurnToken, 250, 90},
        NeedleCase{"TurnNeedle", kTurnToken, 500, 180},
        NeedleCase{"TurnNeedle", kTurnToken, 750, 270},
        NeedleCase{"TurnNeedle", kTurnToken, 1000, 0},
        NeedleCase{"TurnNeedle", kTurnToken, 1250, 90},
        NeedleCase{"TurnNeedle", kTurnToken, -250, 270},
        // Without a table the value is degrees clockwise from the bitmap as
        // drawn, which points right.
        NeedleCase{"FreeNeedle", kFreeToken, 0, 90}, NeedleCase{"FreeNeedle", kFreeToken, 90, 180},
        NeedleCase{"FreeNeedle", kFreeToken, -90, 0},
        NeedleCase{"FreeNeedle", kFreeToken, 720 + 45, 135},
        NeedleCase{"FreeNeedle", kFreeToken, kNaN, 90}),
    [](const testing::TestParamInfo<NeedleCase>& info) {
        return std::string(info.param.gauge) + "_" + std::to_string(info.index);
    });

TEST(NeedleTurningLimit, MovesAtMostItsDegreesPerUpdatePerPlacement) {
    FixtureHost fixture;
    host::Placement& first = fixture.place("FreeNeedle", "first");
    render::RenderOptions stepping;
    stepping.settle_needles = false;
    fixture.host.variables().set_number(kFreeToken, 0);
    expect_needle_at(fixture.draw(first, stepping), 90, "first drawing: at once");

    fixture.host.variables().set_number(kFreeToken, 90);
    expect_needle_at(fixture.draw(first, stepping), 96, "one update: 6 degrees");
    expect_needle_at(fixture.draw(first, stepping), 102, "two updates: 12 degrees");

    // Another placement of the same gauge keeps its own angle.
    host::Placement& second = fixture.place("FreeNeedle", "second");
    expect_needle_at(fixture.draw(second, stepping), 180, "second placement");
    expect_needle_at(fixture.draw(first, {}), 180, "settled");
}

}  // namespace
