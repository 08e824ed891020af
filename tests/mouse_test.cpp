// Mouse routing over the fixture's nested rectangle list:
//   1 parent (0,0) 0x0, help 0xA1 (the whole gauge)
//     2 child (10,10) 20x20 click, function
//     3 parent (100,100) 50x50, help 0xA2
//       4 child (0,0) 10x10 click + repeat, function            at gauge (100,100)
//       5 parent (20,20) 0x0, no help
//         6 child (5,5) 10x10 click + drag, function            at gauge (125,125)
//     9 child (200,0) 20x20 click, key event 0x4000
//     10 child (10,10) 20x20 click, key event 0x4001 (under 2, which comes first)
//     11 child (300,0): calls unknown slots
//     12 child (400,0) 10x10 movement only, function
//     13 child (500,0): toggles a panel window
#include <gtest/gtest.h>

#include "fixture_host.h"

namespace {

using gauge::kMouseLeftClick;
using gauge::kMouseMove;
using host::KeyEvent;
using host::Point;
using test::FixtureHost;
using test::kReportMouse;
using test::kReportPosition;
using test::position_report;

class Mouse : public FixtureHost {
  protected:
    Mouse() {
        host.update(*shapes);  // first values delivered
        host.clear_key_events();
    }

    // The reports of mouse functions only.
    const std::vector<KeyEvent>& events() const { return host.key_events(); }
};

struct ClickCase {
    const char* label;
    Point point;
    std::vector<KeyEvent> events;
};

TEST_F(Mouse, ClickReachesTheFirstChildUnderThePoint) {
    const ClickCase cases[] = {
        {"top-left corner of 2",
         {10, 10},
         {{kReportMouse + 2, kMouseLeftClick}, {kReportPosition, position_report(0, 0)}}},
        {"inside 2, over 10 too",
         {29, 21},
         {{kReportMouse + 2, kMouseLeftClick}, {kReportPosition, position_report(19, 11)}}},
        {"nested in parent 3",
         {103, 104},
         {{kReportMouse + 4, kMouseLeftClick}, {kReportPosition, position_report(3, 4)}}},
        {"two parents deep",
         {125, 134},
         {{kReportMouse + 6, kMouseLeftClick}, {kReportPosition, position_report(0, 9)}}},
        {"key event child", {219, 19}, {{0x4000, 0}}},
        {"right of 2", {30, 10}, {}},
        {"below 6", {125, 135}, {}},
        {"movement-only child", {405, 5}, {}},
        {"negative point", {-5, -5}, {}},
    };
    for (const ClickCase& c : cases) {
        host.clear_key_events();
        EXPECT_EQ(host.click(*shapes, c.point), !c.events.empty()) << c.label;
        EXPECT_EQ(events(), c.events) << c.label;
    }
}

TEST_F(Mouse, CursorAndHelpAtPoints) {
    struct Case {
        Point point;
        std::int32_t cursor;
        std::uint32_t help;
    };
    const Case cases[] = {
        {{15, 15}, gauge::kCursorHand, 0xA1},    // child 2 first in list order
        {{500, 500}, gauge::kCursorNone, 0xA1},  // the 0x0 outermost parent covers all
        {{100, 100}, gauge::kCursorUp, 0xA2},   {{149, 149}, gauge::kCursorNone, 0xA2},
        {{150, 150}, gauge::kCursorNone, 0xA1},  // just outside parent 3
        {{130, 130}, gauge::kCursorDown, 0xA2},  // nested 0x0 parent without help
        {{405, 5}, gauge::kCursorDown, 0xA1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shapes->mouse().cursor_at(c.point), c.cursor) << c.point.x << "," << c.point.y;
        EXPECT_EQ(shapes->mouse().help_at(c.point), c.help) << c.point.x << "," << c.point.y;
    }
}

// The button repeats after 400 ms, then every 100 ms, as long as it is held.
TEST_F(Mouse, RepeatCountFollowsHeldTime) {
    struct Case {
        std::int64_t held_ms;
        std::size_t clicks;
    };
    const Case cases[] = {{0, 1}, {399, 1}, {400, 2}, {499, 2}, {500, 3}, {1000, 8}};
    for (const Case& c : cases) {
        host.clear_key_events();
        host.press(*shapes, {101, 101});
        host.advance_time_ms(c.held_ms);
        host.release();
        host.advance_time_ms(1000);  // released: no more repeats
        const auto clicks = std::count(events().begin(), events().end(),
                                       KeyEvent{kReportMouse + 4, kMouseLeftClick});
        EXPECT_EQ(static_cast<std::size_t>(clicks), c.clicks) << c.held_ms << " ms";
    }
}

TEST_F(Mouse, RepeatsAdvanceTheTimeBaseInStep) {
    host.press(*shapes, {101, 101});
    host.advance_time_ms(450);
    host.release();
    EXPECT_DOUBLE_EQ(host.variables().number(host::kTokenTimeBase), 450 * 18 / 1000.0);
}

TEST_F(Mouse, ClickWithoutRepeatDoesNotRepeat) {
    host.press(*shapes, {15, 15});
    host.advance_time_ms(2000);
    host.release();
    EXPECT_EQ(events().size(), 2u);  // one click report and its position
}

TEST_F(Mouse, DragCallsAgainWithoutTheClickBit) {
    host.press(*shapes, {126, 126});
    host.move({130, 140});  // outside the rectangle: still its drag, relative to it
    host.move({120, 120});
    host.release();
    host.move({126, 126});  // no button held: nothing
    const std::vector<KeyEvent> expected = {
        {kReportMouse + 6, kMouseLeftClick}, {kReportPosition, position_report(1, 1)},
        {kReportMouse + 6, kMouseMove},      {kReportPosition, position_report(5, 15)},
        {kReportMouse + 6, kMouseMove},      {kReportPosition, position_report(-5, -5)},
    };
    EXPECT_EQ(events(), expected);
}

TEST_F(Mouse, MovesOverAClickOnlyRectangleSendNothing) {
    host.press(*shapes, {15, 15});
    host.clear_key_events();
    host.move({20, 20});
    host.release();
    EXPECT_TRUE(events().empty());
}

TEST(MouseMap, MalformedListsAreRefused) {
    using gauge::MouseRect;
    const MouseRect unbalanced[] = {{.kind = gauge::kMouseParent}, {.kind = gauge::kMouseEnd}};
    const MouseRect stray_end[] = {{.kind = gauge::kMouseEndParent}, {.kind = gauge::kMouseEnd}};
    const MouseRect unknown[] = {{.kind = 9}, {.kind = gauge::kMouseEnd}};
    EXPECT_THROW(host::MouseMap{unbalanced}, std::runtime_error);
    EXPECT_THROW(host::MouseMap{stray_end}, std::runtime_error);
    EXPECT_THROW(host::MouseMap{unknown}, std::runtime_error);
}

}  // namespace
