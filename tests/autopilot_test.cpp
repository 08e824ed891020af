// RadioAP through the host: mode lamps, the four display fields and the
// buttons' events.
#include <vector>

#include "radio_stack_fixture.h"

namespace {

using host::Point;

enum Element {
    kApLamp = 2,
    kHdgLamp,
    kNavLamp,
    kAprLamp,
    kRevLamp,
    kAltLamp,
    kHeadingField,
    kLateralField,
    kAltitudeField,
    kVerticalSpeedField
};

constexpr std::uint32_t kAp = 103, kNav = 105, kHeading = 106, kAltHold = 108, kAltitude = 109,
                        kApproach = 112, kBackCourse = 113, kVerticalSpeed = 120;

class Autopilot : public test::RadioStack {
  protected:
    Autopilot() : RadioStack("RadioAP") {}
};

struct Lamp {
    int element;
    std::uint32_t token;
    Point button;
    std::uint32_t event;
    std::uint32_t help;
};

constexpr Lamp kLamps[] = {
    {kApLamp, kAp, {37, 100}, 0x1002C, 0xAB0E},
    {kHdgLamp, kHeading, {105, 100}, 0x10106, 0xAD87},
    {kNavLamp, kNav, {180, 100}, 0x100C1, 0xAD85},
    {kAprLamp, kApproach, {250, 100}, 0x100BC, 0xAD83},
    {kRevLamp, kBackCourse, {326, 100}, 0x100C0, 0xAD82},
    {kAltLamp, kAltHold, {404, 100}, 0x10107, 0xAD8C},
};

TEST_F(Autopilot, EachLampShowsItsOwnMode) {
    for (const Lamp& lamp : kLamps) EXPECT_EQ(image(lamp.element), -1) << lamp.element;
    for (const Lamp& lit : kLamps) {
        set(lit.token, 1);
        for (const Lamp& lamp : kLamps)
            EXPECT_EQ(image(lamp.element), &lamp == &lit ? 0 : -1)
                << "token " << lit.token << " on, lamp " << lamp.element;
        set(lit.token, 0);
    }
}

TEST_F(Autopilot, ButtonsSendTheirEventsOncePerClick) {
    for (const Lamp& lamp : kLamps) {
        SCOPED_TRACE(lamp.element);
        host.clear_key_events();
        hold(lamp.button, 1.0);
        EXPECT_EQ(event_ids(), std::vector<std::uint32_t>{lamp.event});
        EXPECT_EQ(placed->mouse().help_at(lamp.button), lamp.help);
        EXPECT_EQ(placed->mouse().cursor_at(lamp.button), 5);
    }
}

TEST_F(Autopilot, HostTogglesTheClickedMode) {
    for (const Lamp& lamp : kLamps) {
        SCOPED_TRACE(lamp.element);
        click(lamp.button);
        EXPECT_EQ(image(lamp.element), 0);
        EXPECT_EQ(host.variables().number(lamp.token), 1);
    }
    EXPECT_EQ(text(kHeadingField), "HDG");
    EXPECT_EQ(text(kLateralField), "NAV");
    for (const Lamp& lamp : kLamps) {
        click(lamp.button);
        EXPECT_EQ(image(lamp.element), -1) << lamp.element;
    }
}

TEST_F(Autopilot, HostStepsTheSettingsByAHundred) {
    struct Case {
        Point button;
        std::uint32_t token;
        double start;
        int clicks;
        int field;
        const char* shown;
    };
    for (const Case& c :
         {Case{{362, 30}, kAltitude, 2500, 3, kAltitudeField, "ALT 02800"},
          Case{{320, 30}, kAltitude, 2500, 2, kAltitudeField, "ALT 02300"},
          Case{{320, 30}, kAltitude, 50, 1, kAltitudeField, "ALT 00000"},
          Case{{362, 30}, kAltitude, 99900, 1, kAltitudeField, "ALT 99900"},
          Case{{460, 45}, kVerticalSpeed, 0, 5, kVerticalSpeedField, "VS  00500"},
          Case{{460, 85}, kVerticalSpeed, 0, 7, kVerticalSpeedField, "VS  -0700"},
          Case{{460, 85}, kVerticalSpeed, -9900, 1, kVerticalSpeedField, "VS  -9900"}}) {
        set(c.token, c.start);
        click(c.button, c.clicks);
        EXPECT_EQ(text(c.field), c.shown) << c.start << " x" << c.clicks;
    }
}

TEST_F(Autopilot, SettingButtonsRepeatWhileHeld) {
    struct Case {
        Point point;
        std::uint32_t event;
        std::int32_t cursor;
    };
    for (const Case& c : {Case{{320, 30}, 0x10165, 2}, Case{{362, 30}, 0x10164, 1},
                          Case{{460, 45}, 0x10166, 1}, Case{{460, 85}, 0x10167, 2}}) {
        host.clear_key_events();
        hold(c.point, 0.65);
        EXPECT_EQ(event_ids(), std::vector<std::uint32_t>(4, c.event)) << std::hex << c.event;
        EXPECT_EQ(placed->mouse().cursor_at(c.point), c.cursor);
    }
    EXPECT_EQ(placed->mouse().help_at({330, 40}), 0xAD8Du);
}

TEST_F(Autopilot, HeadingFieldFollowsHeadingMode) {
    EXPECT_EQ(text(kHeadingField), "   ");
    set(kHeading, 1);
    EXPECT_EQ(text(kHeadingField), "HDG");
    EXPECT_EQ(value(kHeadingField), 1);
    set(kHeading, test::kNaN);
    EXPECT_EQ(text(kHeadingField), "   ");
}

TEST_F(Autopilot, LateralFieldNamesNavBeforeApproachBeforeBackCourse) {
    struct Case {
        double nav, approach, back_course;
        const char* shown;
    };
    for (const Case& c : {Case{0, 0, 0, "  "}, Case{1, 0, 0, "NAV"}, Case{1, 1, 1, "NAV"},
                          Case{0, 1, 0, "APR"}, Case{0, 1, 1, "APR"}, Case{0, 0, 1, "BC "},
                          Case{-1, 0, 0, "  "}, Case{test::kNaN, test::kNaN, 1, "BC "}}) {
        set(kNav, c.nav);
        set(kApproach, c.approach);
        set(kBackCourse, c.back_course);
        EXPECT_EQ(text(kLateralField), c.shown)
            << c.nav << " " << c.approach << " " << c.back_course;
        EXPECT_TRUE(test::same_number(value(kLateralField), c.nav));
    }
}

struct SettingCase {
    const char* label;
    double setting;
    const char* altitude;
    const char* vertical_speed;
};

class AutopilotSetting : public Autopilot, public testing::WithParamInterface<SettingCase> {};

TEST_P(AutopilotSetting, IsTruncatedAndKeptWithinNineCharacters) {
    const SettingCase& c = GetParam();
    set(kAltitude, c.setting);
    set(kVerticalSpeed, c.setting);
    EXPECT_EQ(text(kAltitudeField), c.altitude);
    EXPECT_EQ(text(kVerticalSpeedField), c.vertical_speed);
    EXPECT_TRUE(test::same_number(value(kAltitudeField), c.setting));
    EXPECT_TRUE(test::same_number(value(kVerticalSpeedField), c.setting));
}

INSTANTIATE_TEST_SUITE_P(
    Autopilot, AutopilotSetting,
    testing::Values(SettingCase{"Zero", 0, "ALT 00000", "VS  00000"},
                    SettingCase{"TruncatedNotRounded", 2500.9, "ALT 02500", "VS  02500"},
                    SettingCase{"NegativeInsideTheWidth", -700, "ALT -0700", "VS  -0700"},
                    SettingCase{"NegativeTruncatedTowardZero", -500.9, "ALT -0500", "VS  -0500"},
                    SettingCase{"LargestShown", 99999.9, "ALT 99999", "VS  99999"},
                    SettingCase{"SmallestShown", -9999.9, "ALT -9999", "VS  -9999"},
                    SettingCase{"SixDigitsHeldAtTheLargest", 123456, "ALT 99999", "VS  99999"},
                    SettingCase{"FiveDigitsNegativeHeld", -10000, "ALT -9999", "VS  -9999"},
                    SettingCase{"Huge", 1e300, "ALT 99999", "VS  99999"},
                    SettingCase{"HugeNegative", -1e300, "ALT -9999", "VS  -9999"},
                    SettingCase{"Infinity", test::kInfinity, "ALT 99999", "VS  99999"},
                    SettingCase{"MinusInfinity", -test::kInfinity, "ALT -9999", "VS  -9999"},
                    SettingCase{"NaN", test::kNaN, "ALT 00000", "VS  00000"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
