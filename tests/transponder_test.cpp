// RadioTrans through the host: the mode knob, the reply light's blink cycle and
// TST period on the host's time base, and the code wheels.
#include <vector>

#include "radio_stack_fixture.h"

namespace {

using host::Point;

enum Element { kDigit4 = 2, kDigit3, kDigit2, kDigit1, kReplyLight, kModeKnob };
enum Mode { kOff, kStandby, kOn, kAlt, kTest };
constexpr int kLit = 0, kDark = -1;

constexpr std::uint32_t kCodeToken = 38;
constexpr std::uint32_t kTimeToken = 1;

constexpr Point kModeDown{15, 40}, kModeUp{45, 40};
constexpr Point kDigitKnob[] = {{130, 40}, {188, 40}, {246, 40}, {306, 40}};
constexpr std::uint32_t kDigitEvent[] = {0x10073, 0x10074, 0x10075, 0x10076};

class Transponder : public test::RadioStack {
  protected:
    Transponder() : RadioStack("RadioTrans") {}

    void at_time(double units) { set(kTimeToken, units); }
    // Turns the knob from OFF to `mode`.
    void turn_to(int mode) { click(kModeUp, mode); }
    int lamp() { return image(kReplyLight); }
    int mode() { return image(kModeKnob); }
};

TEST_F(Transponder, ModeStepsOnePositionWithoutWrapping) {
    EXPECT_EQ(mode(), kOff);
    click(kModeDown);
    EXPECT_EQ(mode(), kOff) << "down at OFF";
    for (int expected : {kStandby, kOn, kAlt, kTest, kTest}) {
        click(kModeUp);
        EXPECT_EQ(mode(), expected);
    }
    for (int expected : {kAlt, kOn, kStandby, kOff, kOff}) {
        click(kModeDown);
        EXPECT_EQ(mode(), expected);
    }
}

// The lamp at each time base value in turn, after one cycle starting at 1000.
struct LampStep {
    double time;
    int lamp;
};

TEST_F(Transponder, ReplyLightBlinksInOnAndAlt) {
    at_time(1000.7);  // starts are truncated: the cycle starts at 1000
    turn_to(kOn);
    for (const LampStep& step : std::vector<LampStep>{{1000.7, kLit},
                                                      {1024.9, kLit},
                                                      {1025.0, kDark},
                                                      {1079.9, kDark},
                                                      {1080.0, kDark},  // restarts at the next call
                                                      {1081.0, kLit},
                                                      {1105.0, kLit},
                                                      {1106.0, kDark}}) {
        at_time(step.time);
        EXPECT_EQ(lamp(), step.lamp) << "at " << step.time;
    }
    // ALT continues the cycle under way (started at 1081).
    click(kModeUp);
    at_time(1110.0);
    EXPECT_EQ(lamp(), kDark);
    at_time(1161.0);  // difference 80
    EXPECT_EQ(lamp(), kDark);
    at_time(1162.0);
    EXPECT_EQ(lamp(), kLit);
}

TEST_F(Transponder, OffAndStandbyKeepTheLampDarkAndCancelTheCycle) {
    at_time(500);
    EXPECT_EQ(lamp(), kDark);
    turn_to(kStandby);
    EXPECT_EQ(lamp(), kDark);
    click(kModeUp);  // ON: cycle starts at 500
    EXPECT_EQ(lamp(), kLit);
    at_time(530);
    EXPECT_EQ(lamp(), kDark);
    click(kModeDown);  // SBY cancels the cycle
    EXPECT_EQ(lamp(), kDark);
    click(kModeUp);  // a fresh cycle, lit first
    EXPECT_EQ(lamp(), kLit);
}

TEST_F(Transponder, TestLightsTheLampAndSpringsBackToAltAfter24Units) {
    at_time(200);
    turn_to(kTest);
    for (double time : {200.0, 210.0, 223.9}) {
        at_time(time);
        EXPECT_EQ(lamp(), kLit) << time;
        EXPECT_EQ(mode(), kTest) << time;
    }
    at_time(224.0);
    EXPECT_EQ(lamp(), kLit);
    EXPECT_EQ(mode(), kAlt);
    // A fresh blink cycle from here.
    at_time(240.0);
    EXPECT_EQ(lamp(), kLit);
    at_time(265.0);
    EXPECT_EQ(lamp(), kDark);
}

TEST_F(Transponder, LeavingTestByHandKeepsTheOldStart) {
    at_time(100);
    turn_to(kTest);
    EXPECT_EQ(mode(), kTest);  // test start 100
    click(kModeDown);
    at_time(200);
    click(kModeUp);  // back in TST: the difference from 100 is 100, not 0
    EXPECT_EQ(mode(), kTest);
    at_time(224);
    EXPECT_EQ(mode(), kTest) << "24 units after entering again is not the timeout";
    // The 8-bit difference from 100 comes to 24 at 100 + 256 + 24.
    at_time(379);
    EXPECT_EQ(mode(), kTest);
    at_time(380);
    EXPECT_EQ(mode(), kAlt);
}

TEST_F(Transponder, BlinkDifferenceIsEightBitsSigned) {
    at_time(0);
    turn_to(kOn);
    EXPECT_EQ(lamp(), kLit);  // cycle starts at 0
    for (const LampStep& step :
         std::vector<LampStep>{{90, kDark},     // jumped past 80: no restart
                               {127, kDark},    // 127
                               {128, kLit},     // -128: negative differences light the lamp
                               {255, kLit},     // -1
                               {256, kLit},     // 0
                               {280, kLit},     // 24
                               {281, kDark},    // 25
                               {336, kDark},    // 80: the cycle ends
                               {337, kLit}}) {  // fresh cycle
        at_time(step.time);
        EXPECT_EQ(lamp(), step.lamp) << "at " << step.time;
    }
}

TEST_F(Transponder, WheelsShowEachDigitInEveryMode) {
    struct Case {
        std::uint32_t code;
        int digits[4];  // digit 1 (left) to digit 4
    };
    for (const Case& c : {Case{0x1200, {1, 2, 0, 0}}, Case{0x7777, {7, 7, 7, 7}},
                          Case{0x4721, {4, 7, 2, 1}}, Case{0xFFFF4A9C, {4, 10, 9, 12}}}) {
        set_whole(kCodeToken, c.code);
        for (int mode = kOff; mode <= kAlt; ++mode) {
            const int wheels[] = {kDigit1, kDigit2, kDigit3, kDigit4};
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(value(wheels[i], 1), c.digits[i])
                    << std::hex << c.code << " digit " << i + 1 << " mode " << mode;
            click(kModeUp);
        }
        click(kModeDown, 4);
    }
}

TEST_F(Transponder, KnobsMakeTheHostAdvanceTheirDigit) {
    for (int i = 0; i < 4; ++i) click(kDigitKnob[i]);
    EXPECT_EQ(event_ids(),
              std::vector<std::uint32_t>(std::begin(kDigitEvent), std::end(kDigitEvent)));
    // Held, a knob repeats: once at the press, then after 0.4 s every 0.1 s.
    host.clear_key_events();
    hold(kDigitKnob[2], 0.65);
    EXPECT_EQ(event_ids(), std::vector<std::uint32_t>(4, kDigitEvent[2]));
    // The mode knob acts once per click.
    host.clear_key_events();
    hold(kModeUp, 1.0);
    EXPECT_TRUE(host.key_events().empty());
    EXPECT_EQ(mode(), kStandby);
}

// The host advances the knob's digit of the code, 0 to 7 and round again, and
// the wheel follows.
TEST_F(Transponder, HostAdvancesTheKnobsDigitWrappingAfterSeven) {
    struct Case {
        std::uint32_t code;
        int knob;  // 0: digit 1 (left)
        int clicks;
        std::uint32_t after;
    };
    for (const Case& c :
         {Case{0x1200, 0, 1, 0x2200}, Case{0x7000, 0, 1, 0x0000}, Case{0x0007, 3, 1, 0x0000},
          Case{0x1234, 2, 5, 0x1204}, Case{0x4321, 1, 8, 0x4321}, Case{0x0090, 2, 1, 0x0000}}) {
        set_whole(kCodeToken, c.code);
        click(kDigitKnob[c.knob], c.clicks);
        EXPECT_EQ(host.variables().whole(kCodeToken), c.after)
            << std::hex << c.code << " knob " << c.knob;
        const int wheel = kDigit1 - c.knob;
        EXPECT_EQ(value(wheel, 1), (c.after >> (4 * (3 - c.knob))) & 15);
    }
}

// Whatever the host puts into the time base or the code, the callbacks give
// defined values.
TEST_F(Transponder, HostileValuesGiveDefinedResults) {
    for (double time : {test::kNaN, test::kInfinity, -test::kInfinity, 1e300, -1e300, 4.3e9}) {
        SCOPED_TRACE(time);
        at_time(time);
        for (int step = 0; step < 4; ++step) {
            click(kModeUp);
            const int shown = lamp();
            EXPECT_TRUE(shown == kLit || shown == kDark);
            EXPECT_GE(mode(), kOff);
            EXPECT_LE(mode(), kTest);
        }
        click(kModeDown, 4);
    }
    for (std::uint64_t bits :
         {0x7FF8000000000000ull, 0xFFF0000000000000ull, 0xFFFFFFFFFFFFFFFFull}) {
        host.variables().set_bits(kCodeToken, bits);
        const double digit = value(kDigit4, 1);
        EXPECT_TRUE(digit >= 0 && digit <= 15) << digit;
    }
}

}  // namespace
