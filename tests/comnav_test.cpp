// The COM/NAV radio units end to end: the Radios module loaded through the host,
// driven by host variables, clicks and service calls.
#include <gtest/gtest.h>

#include <memory>

#include "host.h"
#include "test_paths.h"

namespace {

using host::Point;

// Elements in drawing order.
enum Element { kPowerKnob = 2, kComActive, kComStandby, kNavActive, kNavStandby };

// Click points in gauge pixels, the same on both units.
constexpr Point kPowerOff{40, 150}, kPowerOn{60, 150};
constexpr Point kComMhzDown{170, 30}, kComMhzUp{200, 30}, kComKhzDown{250, 30}, kComKhzUp{270, 30},
    kComTransfer{120, 100};
constexpr Point kNavMhzDown{470, 30}, kNavMhzUp{500, 30}, kNavKhzDown{550, 30}, kNavKhzUp{570, 30},
    kNavTransfer{430, 100};

struct Unit {
    const char* gauge;
    std::uint32_t com_token, nav_token;
    std::uint32_t com_event, nav_event;
};

constexpr Unit kUnits[] = {
    {"RadioComNav1", 23, 24, 0x100AB, 0x100AC},
    {"RadioComNav2", 870, 27, 0x1038A, 0x100AD},
};

// A host with Radios loaded fresh, so every test starts from the declared state.
class Radios : public testing::Test {
  protected:
    Radios() { host.load_module_named("Radios", test::kModuleFolder); }

    host::Placement& place(const Unit& unit, host::PlacementOptions options = {}) {
        return host.place("Radios", unit.gauge, unit.gauge, options);
    }

    // Sets both active frequencies and delivers them (service id 4).
    host::Placement& place_tuned(const Unit& unit, std::uint32_t com, std::uint32_t nav) {
        host::Placement& placed = place(unit);
        host.variables().set_whole(unit.com_token, com);
        host.variables().set_whole(unit.nav_token, nav);
        host.update(placed);
        return placed;
    }

    std::string text(host::Placement& placed, int element) {
        host.update(placed);
        return placed.element(element).text;
    }

    void click(host::Placement& placed, Point point, int times = 1) {
        for (int i = 0; i < times; ++i) ASSERT_TRUE(host.click(placed, point));
    }

    void TearDown() override { EXPECT_TRUE(host.errors().empty()) << host.errors().front(); }

    host::Host host;
};

TEST_F(Radios, DisplaysAreBlankUntilPowerOnThenShowAtOnce) {
    for (const Unit& unit : kUnits) {
        SCOPED_TRACE(unit.gauge);
        host::Placement& radio = place_tuned(unit, 0x2250, 0x1030);
        for (int element : {kComActive, kComStandby, kNavActive, kNavStandby})
            EXPECT_EQ(text(radio, element), "");
        EXPECT_EQ(radio.element(kPowerKnob).image, 0);
        // The values do not depend on power, only the texts do.
        EXPECT_EQ(radio.element(kComActive).values[0], 0x2250);
        EXPECT_EQ(radio.element(kNavStandby).values[0], 0x1030);

        click(radio, kPowerOn);
        EXPECT_EQ(text(radio, kComActive), "122.50");
        EXPECT_EQ(text(radio, kComStandby), "122.50");
        EXPECT_EQ(text(radio, kNavActive), "110.30");
        EXPECT_EQ(text(radio, kNavStandby), "110.30");
        EXPECT_EQ(radio.element(kPowerKnob).image, 1);

        click(radio, kPowerOff);
        EXPECT_EQ(text(radio, kComActive), "");
        EXPECT_EQ(radio.element(kPowerKnob).image, 0);
    }
}

TEST_F(Radios, TuningAndTransferWorkWhileOff) {
    const Unit& unit = kUnits[0];
    host::Placement& radio = place_tuned(unit, 0x2250, 0x1030);
    click(radio, kComMhzUp);
    click(radio, kComKhzUp);
    click(radio, kComTransfer);
    EXPECT_EQ(host.key_events(), (std::vector<host::KeyEvent>{{unit.com_event, 0x2352}}));
    EXPECT_EQ(text(radio, kComActive), "");
    click(radio, kPowerOn);
    EXPECT_EQ(text(radio, kComActive), "123.52");
    EXPECT_EQ(text(radio, kComStandby), "122.50");
}

TEST_F(Radios, TransferBeforeFirstValuesSendsZeroAndKeepsTheActive) {
    for (const Unit& unit : kUnits) {
        SCOPED_TRACE(unit.gauge);
        host::Placement& radio = place(unit, {.send_first_values = false});
        host.variables().set_whole(unit.com_token, 0x2250);
        host.variables().set_whole(unit.nav_token, 0x1030);
        click(radio, kComTransfer);
        click(radio, kNavTransfer);
        click(radio, kPowerOn);
        EXPECT_EQ(text(radio, kComStandby), "122.50");
        EXPECT_EQ(text(radio, kNavStandby), "110.30");
        EXPECT_EQ(text(radio, kComActive), "100.00");
        EXPECT_EQ(host.variables().whole(unit.com_token), 0u);
        EXPECT_EQ(host.variables().whole(unit.nav_token), 0u);
    }
    EXPECT_EQ(host.key_events(), (std::vector<host::KeyEvent>{{kUnits[0].com_event, 0},
                                                              {kUnits[0].nav_event, 0},
                                                              {kUnits[1].com_event, 0},
                                                              {kUnits[1].nav_event, 0}}));
}

TEST_F(Radios, FirstValuesAreCopiedOnlyOnce) {
    const Unit& unit = kUnits[1];
    host::Placement& radio = place_tuned(unit, 0x2250, 0x1030);
    host.variables().set_whole(unit.com_token, 0x3000);
    host.send_service(radio, 4);
    click(radio, kPowerOn);
    EXPECT_EQ(text(radio, kComStandby), "122.50");
    EXPECT_EQ(text(radio, kComActive), "130.00");
}

TEST_F(Radios, TransferSwapsThroughTheHost) {
    for (const Unit& unit : kUnits) {
        SCOPED_TRACE(unit.gauge);
        host::Placement& radio = place_tuned(unit, 0x2250, 0x1030);
        host.clear_key_events();
        click(radio, kPowerOn);
        click(radio, kComMhzDown);  // standby 121.50
        click(radio, kComTransfer);
        click(radio, kNavKhzDown);  // standby 110.27
        click(radio, kNavTransfer);
        EXPECT_EQ(host.key_events(), (std::vector<host::KeyEvent>{{unit.com_event, 0x2150},
                                                                  {unit.nav_event, 0x1027}}));
        EXPECT_EQ(text(radio, kComActive), "121.50");
        EXPECT_EQ(text(radio, kComStandby), "122.50");
        EXPECT_EQ(text(radio, kNavActive), "110.27");
        EXPECT_EQ(text(radio, kNavStandby), "110.30");
    }
}

struct TuneCase {
    const char* label;
    bool nav;
    std::uint32_t start;
    Point button;
    int clicks;
    const char* shown;
};

class Tuning : public Radios, public testing::WithParamInterface<TuneCase> {};

TEST_P(Tuning, StandbyStepsAsTheBandAndChannelsSay) {
    const TuneCase& c = GetParam();
    for (const Unit& unit : kUnits) {
        SCOPED_TRACE(unit.gauge);
        host::Placement& radio = place_tuned(unit, c.start, c.start);
        click(radio, kPowerOn);
        click(radio, c.button, c.clicks);
        EXPECT_EQ(text(radio, c.nav ? kNavStandby : kComStandby), c.shown);
        EXPECT_EQ(text(radio, c.nav ? kComStandby : kNavStandby), text(radio, kComActive))
            << "the other radio's standby moved";
    }
}

INSTANTIATE_TEST_SUITE_P(
    ComNav, Tuning,
    testing::Values(TuneCase{"ComKhzUpFrom00", false, 0x2200, kComKhzUp, 1, "122.02"},
                    TuneCase{"ComKhzUpSequence", false, 0x2200, kComKhzUp, 4, "122.10"},
                    TuneCase{"ComKhzUp97To00KeepsMhz", false, 0x2297, kComKhzUp, 1, "122.00"},
                    TuneCase{"ComKhzDown00To97KeepsMhz", false, 0x2200, kComKhzDown, 1, "122.97"},
                    TuneCase{"ComKhzDownSequence", false, 0x2210, kComKhzDown, 3, "122.02"},
                    TuneCase{"ComKhzFullCircle", false, 0x2250, kComKhzUp, 40, "122.50"},
                    TuneCase{"ComOffPatternUpStays", false, 0x2253, kComKhzUp, 3, "122.53"},
                    TuneCase{"ComOffPatternDownStays", false, 0x2299, kComKhzDown, 2, "122.99"},
                    TuneCase{"ComMhzUp", false, 0x2250, kComMhzUp, 1, "123.50"},
                    TuneCase{"ComMhz135To118KeepsFraction", false, 0x3597, kComMhzUp, 1, "118.97"},
                    TuneCase{"ComMhz118To135KeepsFraction", false, 0x1805, kComMhzDown, 1,
                             "135.05"},
                    TuneCase{"ComMhzOffPatternFractionKept", false, 0x2253, kComMhzUp, 1, "123.53"},
                    TuneCase{"ComMhzBelowBandGoesToTop", false, 0x0050, kComMhzDown, 1, "135.50"},
                    TuneCase{"NavKhzSameFractions", true, 0x1000, kNavKhzUp, 3, "110.07"},
                    TuneCase{"NavKhz97To00", true, 0x1097, kNavKhzUp, 1, "110.00"},
                    TuneCase{"NavKhz00To97", true, 0x1000, kNavKhzDown, 1, "110.97"},
                    TuneCase{"NavOffPatternStays", true, 0x0833, kNavKhzUp, 1, "108.33"},
                    TuneCase{"NavMhz117To108", true, 0x1705, kNavMhzUp, 1, "108.05"},
                    TuneCase{"NavMhz108To117", true, 0x0895, kNavMhzDown, 1, "117.95"},
                    TuneCase{"NavMhzFullBand", true, 0x1230, kNavMhzUp, 10, "112.30"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Radios, UnitsKeepTheirOwnState) {
    host::Placement& one = place_tuned(kUnits[0], 0x2250, 0x1030);
    host::Placement& two = place_tuned(kUnits[1], 0x2250, 0x1030);
    click(one, kPowerOn);
    click(one, kComMhzUp);
    click(one, kNavKhzUp);
    EXPECT_EQ(text(one, kComStandby), "123.50");
    EXPECT_EQ(text(two, kComStandby), "");
    click(two, kPowerOn);
    EXPECT_EQ(text(two, kComStandby), "122.50");
    EXPECT_EQ(text(two, kNavStandby), "110.30");
    click(one, kPowerOff);
    EXPECT_EQ(text(one, kComActive), "");
    EXPECT_EQ(text(two, kComActive), "122.50");
}

// Whatever the host puts into the active variables, the displays get defined
// texts of at most six characters and the host's guard bytes stay intact.
struct HostileCase {
    const char* label;
    std::uint64_t bits;
    const char* shown;
    double value;
};

class HostileFrequency : public Radios, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostileFrequency, GivesADefinedTextWithinSixCharacters) {
    const HostileCase& c = GetParam();
    host::Placement& radio = place(kUnits[0]);
    host.variables().set_bits(23, c.bits);
    host.variables().set_bits(24, c.bits);
    host.update(radio);
    click(radio, kPowerOn);
    for (int element : {kComActive, kComStandby, kNavActive, kNavStandby}) {
        EXPECT_EQ(text(radio, element), c.shown) << element;
        EXPECT_EQ(radio.element(element).values[0], c.value) << element;
    }
    click(radio, kComKhzUp);  // whatever the digits, stepping stays defined
    click(radio, kComMhzDown);
    click(radio, kComTransfer);
    EXPECT_LE(text(radio, kComActive).size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(
    ComNav, HostileFrequency,
    testing::Values(HostileCase{"NonBcdDigits", 0xFFFF, "11515.", 0xFFFF},
                    HostileCase{"MixedNonBcd", 0x1A2B, "1110.2", 0x1A2B},
                    HostileCase{"HighBitsIgnored", 0x12345678, "156.78", 0x12345678},
                    HostileCase{"QuietNaN", 0x7FF8000000000000, "100.00", 0},
                    HostileCase{"NaNWithPayload", 0xFFF8000000002250, "122.50", 0x2250},
                    HostileCase{"Infinity", 0x7FF0000000000000, "100.00", 0},
                    HostileCase{"MinusInfinity", 0xFFF0000000000000, "100.00", 0},
                    HostileCase{"Huge", 0x7E37E43C8800759C, "175.91", 0x8800759C},
                    HostileCase{"AllOnes", 0xFFFFFFFFFFFFFFFF, "11515.", 0xFFFFFFFF}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
