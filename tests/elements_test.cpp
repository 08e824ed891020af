// What the host makes of each element kind at an update, and of the gauge
// callback's service ids.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fixture_host.h"

namespace {

using test::FixtureHost;
using test::kReportService;

// Numbers of the Shapes elements in drawing order.
enum Shape {
    kRoot = 1,
    kNeedle,
    kString,
    kIconVariable,
    kIconNone,
    kMoving,
    kSlider,
    kSprite,
    kTokenZeroNeedle,
    kHiddenParent,
    kShownChild,
};

TEST_F(FixtureHost, ElementsAreNumberedInDrawingOrder) {
    ASSERT_EQ(shapes->elements().size(), 11u);
    EXPECT_EQ(shapes->element(kRoot).depth, 0);
    EXPECT_EQ(shapes->element(kNeedle).depth, 1);
    EXPECT_EQ(shapes->element(kShownChild).depth, 2);
    EXPECT_EQ(shapes->element(kShownChild).element->kind, gauge::kIcon);
    EXPECT_THROW(shapes->element(12), std::out_of_range);
    EXPECT_THROW(shapes->element(0), std::out_of_range);
}

TEST_F(FixtureHost, ValuesComeFromCallbacksOrVariables) {
    host.variables().set_number(100, 33.5);
    host.variables().set_number(102, 2);
    host.variables().set_number(103, -4);
    host.variables().set_number(104, 7);
    host.variables().set_number(105, 8);
    host.variables().set_number(106, 90);
    host.variables().set_number(0, 1234);  // token 0 names no variable
    host.update(*shapes);
    EXPECT_EQ(shapes->element(kRoot).value_count, 0);
    EXPECT_EQ(shapes->element(kNeedle).values[0], 33.5);
    EXPECT_EQ(shapes->element(kString).values[0], 5.0);
    EXPECT_EQ(shapes->element(kString).text, "abc");
    EXPECT_EQ(shapes->element(kIconVariable).image, 2);
    EXPECT_EQ(shapes->element(kIconNone).image, -1);
    EXPECT_EQ(shapes->element(kMoving).values[0], 12.5);
    EXPECT_EQ(shapes->element(kMoving).values[1], -4);
    EXPECT_EQ(shapes->element(kSlider).values[0], 7);
    EXPECT_EQ(shapes->element(kSlider).values[1], 8);
    EXPECT_EQ(shapes->element(kSprite).values[2], 90);
    EXPECT_EQ(shapes->element(kTokenZeroNeedle).values[0], 42.0);
    EXPECT_TRUE(host.errors().empty());
}

// Any value in an icon's variable gives a defined image index.
TEST_F(FixtureHost, IconImageOfAnyValueIsDefined) {
    struct Case {
        double value;
        std::int32_t image;
    };
    const Case cases[] = {
        {1.9, 1},
        {-1, -1},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), INT32_MAX},
        {-1e300, INT32_MIN},
    };
    for (const Case& c : cases) {
        host.variables().set_number(102, c.value);
        host.update(*shapes);
        EXPECT_EQ(shapes->element(kIconVariable).image, c.image) << c.value;
    }
}

TEST_F(FixtureHost, HideBitHidesTheElementButNotItsChildren) {
    host.update(*shapes);
    EXPECT_TRUE(shapes->element(kHiddenParent).hidden);
    EXPECT_FALSE(shapes->element(kShownChild).hidden);
    EXPECT_FALSE(shapes->element(kRoot).hidden);
}

TEST_F(FixtureHost, TextOverrunIsCaughtAndReported) {
    host.variables().set_number(101, 1);  // the callback writes seven characters into three
    host.update(*shapes);
    ASSERT_EQ(host.errors().size(), 1u);
    EXPECT_NE(host.errors()[0].find("element 3: text callback wrote past its buffer of 3"),
              std::string::npos)
        << host.errors()[0];
    EXPECT_EQ(shapes->element(kString).text, "ABC");  // cut at the maximum characters

    host.clear_errors();
    host.variables().set_number(101, 0);
    host.update(*shapes);
    EXPECT_TRUE(host.errors().empty());
    EXPECT_EQ(shapes->element(kString).text, "abc");
}

TEST_F(FixtureHost, EachPlacementWritesIntoItsOwnBuffer) {
    host::Placement& other = host.place("HostFixture", "Shapes", "other");
    host.update(*shapes);
    host.update(other);
    auto* record = gauge::as<gauge::String>(shapes->element(kString).element);
    EXPECT_EQ(record->text, other.element(kString).buffer->text());
    EXPECT_NE(record->text, shapes->element(kString).buffer->text());
}

TEST_F(FixtureHost, FirstValuesServiceOnceThenBeforeDrawEveryUpdate) {
    host.update(*shapes);
    host.update(*shapes);
    const std::vector<host::KeyEvent> expected = {
        {kReportService, 4}, {kReportService, 6}, {kReportService, 6}};
    EXPECT_EQ(host.key_events(), expected);
}

TEST_F(FixtureHost, FirstValuesServiceComesBeforeTheFirstClick) {
    host.click(*shapes, {15, 15});
    ASSERT_FALSE(host.key_events().empty());
    EXPECT_EQ(host.key_events()[0], (host::KeyEvent{kReportService, 4}));
    host.clear_key_events();
    host.update(*shapes);
    EXPECT_EQ(host.key_events()[0], (host::KeyEvent{kReportService, 6}));
}

TEST(Placement, FirstValuesCanBeLeftToExplicitServiceCalls) {
    host::Host host;
    host.load_module(test::fixture("HostFixture"));
    host::Placement& shapes =
        host.place("HostFixture", "Shapes", "manual", {.send_first_values = false});
    host.update(shapes);
    host.send_service(shapes, 4);
    EXPECT_EQ(host.key_events(),
              (std::vector<host::KeyEvent>{{test::kReportService, 6}, {test::kReportService, 4}}));
}

TEST_F(FixtureHost, TimeBaseGrowsEighteenUnitsPerSecond) {
    host.advance_time_ms(500);
    EXPECT_DOUBLE_EQ(host.variables().number(host::kTokenTimeBase), 9.0);
    host.advance_time_ms(2000);
    EXPECT_DOUBLE_EQ(host.variables().number(host::kTokenTimeBase), 45.0);
    EXPECT_THROW(host.advance_time_ms(-1), std::invalid_argument);
}

}  // namespace
