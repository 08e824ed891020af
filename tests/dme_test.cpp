// RadioDME through the host: distance and speed texts of either receiver, the
// slide switch and the R1/R2 lever.
#include "radio_stack_fixture.h"

namespace {

using host::Point;

enum Element { kSwitch = 2, kSelector, kDistanceField, kSpeedField };

constexpr std::uint32_t kDistance1 = 31, kSpeed1 = 32, kDistance2 = 35, kSpeed2 = 36;

constexpr Point kPowerOff{300, 90}, kPowerOn{325, 90}, kLever{390, 60};

class Dme : public test::RadioStack {
  protected:
    Dme() : RadioStack("RadioDME") {}
};

struct DistanceCase {
    const char* label;
    double distance;
    const char* shown;
};

class DmeDistance : public Dme, public testing::WithParamInterface<DistanceCase> {};

TEST_P(DmeDistance, ShowsWholeMilesAndCutTenthsWithinEightCharacters) {
    const DistanceCase& c = GetParam();
    click(kPowerOn);
    set(kDistance1, c.distance);
    set(kDistance2, 55.5);
    EXPECT_EQ(text(kDistanceField), c.shown);
    EXPECT_TRUE(test::same_number(value(kDistanceField), c.distance));
    // The same on receiver 2, while the value stays receiver 1's.
    click(kLever);
    set(kDistance1, 7);
    set(kDistance2, c.distance);
    EXPECT_EQ(text(kDistanceField), c.shown);
    EXPECT_EQ(value(kDistanceField), 7);
}

INSTANTIATE_TEST_SUITE_P(Dme, DmeDistance,
                         testing::Values(DistanceCase{"TenthCutNotRounded", 12.37, " 12.3 NM"},
                                         DistanceCase{"Zero", 0.0, "  0.0 NM"},
                                         DistanceCase{"NegativeZero", -0.0, "  0.0 NM"},
                                         DistanceCase{"ThreeDigits", 123.99, "123.9 NM"},
                                         DistanceCase{"LargestShown", 999.99, "999.9 NM"},
                                         DistanceCase{"NoDistance", -1.0, "---.- NM"},
                                         DistanceCase{"ThousandAndMore", 1000.0, "---.- NM"},
                                         DistanceCase{"Negative", -5.5, "---.- NM"},
                                         DistanceCase{"SmallNegative", -0.05, "---.- NM"},
                                         DistanceCase{"NaN", test::kNaN, "---.- NM"},
                                         DistanceCase{"Infinity", test::kInfinity, "---.- NM"},
                                         DistanceCase{"MinusInfinity", -test::kInfinity,
                                                      "---.- NM"},
                                         DistanceCase{"Huge", 1e300, "---.- NM"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Dme, NoDistanceOnTheOtherReceiverChangesNothing) {
    click(kPowerOn);
    set(kDistance1, 12.5);
    set(kDistance2, -1.0);
    EXPECT_EQ(text(kDistanceField), " 12.5 NM");
    click(kLever);
    EXPECT_EQ(text(kDistanceField), "---.- NM");
    set(kDistance1, -1.0);
    set(kDistance2, 3.2);
    EXPECT_EQ(text(kDistanceField), "  3.2 NM");
}

struct SpeedCase {
    const char* label;
    double speed;
    const char* shown;
    double value;  // truncated, low 16 bits
};

class DmeSpeed : public Dme, public testing::WithParamInterface<SpeedCase> {};

TEST_P(DmeSpeed, ShowsKnotsBelow650OrDashes) {
    const SpeedCase& c = GetParam();
    click(kPowerOn);
    set(kSpeed1, c.speed);
    set(kSpeed2, 100);
    EXPECT_EQ(text(kSpeedField), c.shown);
    EXPECT_EQ(value(kSpeedField), c.value);
    click(kLever);
    set(kSpeed1, 200.5);
    set(kSpeed2, c.speed);
    EXPECT_EQ(text(kSpeedField), c.shown);
    EXPECT_EQ(value(kSpeedField), 200);
}

INSTANTIATE_TEST_SUITE_P(Dme, DmeSpeed,
                         testing::Values(SpeedCase{"ZeroDashes", 0, "---- KT", 0},
                                         SpeedCase{"One", 1, "   1 KT", 1},
                                         SpeedCase{"Truncated", 649.9, " 649 KT", 649},
                                         SpeedCase{"SixHundredFiftyDashes", 650.0, "---- KT", 650},
                                         SpeedCase{"SmallNegativeDashes", -3, "---- KT", 65533},
                                         SpeedCase{"Low16Bits", 65536 + 120.7, " 120 KT", 120},
                                         SpeedCase{"NaN", test::kNaN, "---- KT", 0},
                                         SpeedCase{"Infinity", test::kInfinity, "---- KT", 65535},
                                         SpeedCase{"MinusInfinity", -test::kInfinity, "---- KT", 0},
                                         SpeedCase{"Huge", 1e300, "---- KT", 65535}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Dme, PowerOffBlanksBothFieldsButTheLeverStillWorks) {
    set(kDistance1, 12.5);
    set(kSpeed1, 120);
    EXPECT_EQ(text(kDistanceField), "");
    EXPECT_EQ(text(kSpeedField), "");
    EXPECT_EQ(value(kDistanceField), 12.5);
    EXPECT_EQ(value(kSpeedField), 120);
    EXPECT_EQ(image(kSwitch), 0);
    EXPECT_EQ(image(kSelector), 0);
    click(kLever);
    EXPECT_EQ(image(kSelector), 1);
    EXPECT_EQ(text(kDistanceField), "");
    click(kPowerOn);
    EXPECT_EQ(image(kSwitch), 1);
    EXPECT_EQ(image(kSelector), 1) << "switching on keeps the receiver";
    click(kPowerOff);
    EXPECT_EQ(image(kSwitch), 0);
    EXPECT_EQ(image(kSelector), 1) << "switching off keeps the receiver";
    click(kLever);
    EXPECT_EQ(image(kSelector), 0);
    EXPECT_TRUE(host.key_events().empty());
}

TEST_F(Dme, AreasCarryTheirHelpAndCursors) {
    EXPECT_EQ(placed->mouse().help_at({50, 50}), 0xA704u);
    EXPECT_EQ(placed->mouse().help_at(kLever), 0xA708u);
    EXPECT_EQ(placed->mouse().cursor_at(kPowerOff), 2);
    EXPECT_EQ(placed->mouse().cursor_at(kPowerOn), 1);
    EXPECT_EQ(placed->mouse().cursor_at(kLever), 5);
}

}  // namespace
