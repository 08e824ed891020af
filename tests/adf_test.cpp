// RadioAdf through the host: the frequency window's five digits, the power knob
// and the digit areas.
#include <vector>

#include "radio_stack_fixture.h"

namespace {

using host::Point;

enum Element { kKnob = 2, kWindow };

constexpr std::uint32_t kMainDigits = 16;   // hundreds, tens, units
constexpr std::uint32_t kExtraDigits = 18;  // thousands, tenths

constexpr Point kPowerOff{360, 80}, kPowerOn{400, 80};
// Over the window's 16-pixel character cells, which start at x = 160.
constexpr Point kThousands{168, 30}, kHundreds{184, 30}, kTens{200, 30}, kUnits{216, 30},
    kTenths{248, 30};

class Adf : public test::RadioStack {
  protected:
    Adf() : RadioStack("RadioAdf") {}
};

struct FrequencyCase {
    const char* label;
    std::uint64_t main_bits;
    std::uint64_t extra_bits;
    const char* shown;
    double value;
};

class AdfFrequency : public Adf, public testing::WithParamInterface<FrequencyCase> {};

TEST_P(AdfFrequency, ShowsTheFiveDigitsWithinSixCharacters) {
    const FrequencyCase& c = GetParam();
    host.variables().set_bits(kMainDigits, c.main_bits);
    host.variables().set_bits(kExtraDigits, c.extra_bits);
    EXPECT_EQ(text(kWindow), "") << "blank while off";
    EXPECT_EQ(value(kWindow), c.value);
    click(kPowerOn);
    EXPECT_EQ(text(kWindow), c.shown);
    EXPECT_EQ(value(kWindow), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Adf, AdfFrequency,
    testing::Values(FrequencyCase{"LeadingZeroWritten", 0x0345, 0x0005, "0345.5", 0x0345},
                    FrequencyCase{"ThousandsFromTheSecondVariable", 0x0020, 0x0100, "1020.0", 0x20},
                    FrequencyCase{"OtherBitsIgnored", 0xF1234, 0xF0F3, "0234.3", 0xF1234},
                    FrequencyCase{"NonBcdCutAtSix", 0x0ABC, 0x0D0E, "131011", 0x0ABC},
                    FrequencyCase{"AllNonBcd", 0xFFFF, 0xFFFF, "151515", 0xFFFF},
                    FrequencyCase{"NaN", 0x7FF8000000000000, 0x7FF8000000000000, "0000.0", 0},
                    FrequencyCase{"Infinity", 0x7FF0000000000000, 0xFFF0000000000000, "0000.0", 0},
                    FrequencyCase{"BeyondThirtyTwoBits", 0x4415000000000385, 0x4415000000000102,
                                  "1385.2", 0x385}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Adf, KnobAreasSwitchPowerOnceEach) {
    set_whole(kMainDigits, 0x0345);
    EXPECT_EQ(image(kKnob), 0);
    click(kPowerOff);  // already off
    EXPECT_EQ(image(kKnob), 0);
    EXPECT_EQ(text(kWindow), "");
    click(kPowerOn, 2);
    EXPECT_EQ(image(kKnob), 1);
    EXPECT_EQ(text(kWindow), "0345.0");
    click(kPowerOff);
    EXPECT_EQ(image(kKnob), 0);
    EXPECT_EQ(text(kWindow), "");
    EXPECT_TRUE(host.key_events().empty());
}

TEST_F(Adf, DigitAreasSendTheirEventsWhateverThePower) {
    const std::vector<std::uint32_t> events = {0x10070, 0x10071, 0x10072, 0x10395};
    for (bool powered : {false, true}) {
        SCOPED_TRACE(powered);
        if (powered) click(kPowerOn);
        host.clear_key_events();
        for (Point digit : {kHundreds, kTens, kUnits, kTenths}) click(digit);
        EXPECT_EQ(event_ids(), events);
    }
    EXPECT_FALSE(host.click(*placed, kThousands)) << "the thousands digit has no area";
    // Held, a digit area repeats; the knob areas do not.
    host.clear_key_events();
    hold(kTens, 0.65);
    EXPECT_EQ(event_ids(), std::vector<std::uint32_t>(4, 0x10071));
}

TEST_F(Adf, HostAdvancesTheClickedDigitWrappingAfterNine) {
    struct Case {
        Point area;
        std::uint32_t main, extra;
        int clicks;
        const char* shown;
    };
    click(kPowerOn);
    for (const Case& c :
         {Case{kHundreds, 0x0345, 0x0000, 1, "0445.0"},
          Case{kHundreds, 0x0945, 0x0100, 1, "1045.0"}, Case{kTens, 0x0395, 0x0000, 2, "0315.0"},
          Case{kUnits, 0x0349, 0x0000, 1, "0340.0"}, Case{kTenths, 0x0345, 0x0108, 3, "1345.1"},
          Case{kUnits, 0x0340, 0x0000, 10, "0340.0"}}) {
        set_whole(kMainDigits, c.main);
        set_whole(kExtraDigits, c.extra);
        click(c.area, c.clicks);
        EXPECT_EQ(text(kWindow), c.shown) << std::hex << c.main << " " << c.extra;
    }
}

TEST_F(Adf, FrequencyAreaCarriesItsHelp) {
    EXPECT_EQ(placed->mouse().help_at({200, 50}), 0xA709u);
    EXPECT_EQ(placed->mouse().help_at({100, 50}), 0u);
    EXPECT_EQ(placed->mouse().cursor_at(kTenths), 5);
    EXPECT_EQ(placed->mouse().cursor_at(kHundreds), 1);
}

}  // namespace
