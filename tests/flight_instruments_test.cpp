// The flight instruments end to end: the Ostrel0 module loaded through the host,
// driven by host variables and clicks as the simulator would drive it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "host.h"
#include "test_paths.h"

namespace {

using host::KeyEvent;
using host::Point;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Tokens the instruments read.
enum Token : std::uint32_t {
    kAirspeed = 61,
    kVerticalSpeed = 65,
    kBall = 69,
    kTurnRate = 70,
    kAltitude = 74,
    kBarometric = 76,
    kGyroHeading = 84,
    kHeadingMarker = 107,
    kTurnFlag = 279,
    kEngineSpeed = 390,
};

// Elements in drawing order, per gauge.
constexpr int kDialNeedle = 2;
enum AltimeterElement { kTenThousands = 2, kWindow, kThousands, kHundreds };
enum TurnElement { kFlag = 2, kBallSlider, kSymbol };
enum GyroElement { kCard = 2, kMarker };

class FlightInstruments : public testing::Test {
  protected:
    FlightInstruments() { host.load_module_named("Ostrel0", test::kModuleFolder); }

    host::Placement& place(const std::string& gauge) {
        if (host::Placement* placed = host.placement(gauge)) return *placed;
        return host.place("Ostrel0", gauge, gauge);
    }

    // Sets the variable, updates the gauge and returns the element's value.
    double shown(const std::string& gauge, int element, std::uint32_t token, double value) {
        host.variables().set_number(token, value);
        host::Placement& placed = place(gauge);
        host.update(placed);
        return placed.element(element).values[0];
    }

    void TearDown() override { EXPECT_TRUE(host.errors().empty()) << host.errors().front(); }

    host::Host host;
};

TEST_F(FlightInstruments, LinkageListsTheSixGaugesInOrderAsVersion700) {
    const host::LoadedModule* module = host.module("Ostrel0");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->linkage().version, 0u);
    std::vector<std::string> names;
    for (const gauge::GaugeHeader* gauge : module->gauges()) {
        names.push_back(gauge->name);
        EXPECT_EQ(gauge->version, 700u) << gauge->name;
        EXPECT_EQ(gauge->default_width_mm, 115u) << gauge->name;
        EXPECT_EQ(gauge->default_height_mm, 0u) << gauge->name;
        // Read by value: the packed header's pointer fields are not aligned.
        const bool has_callback = gauge->callback != nullptr;
        EXPECT_FALSE(has_callback) << gauge->name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Vsi", "Asi", "Rpm", "Altimetro", "Turn", "Gyro"}));
}

TEST_F(FlightInstruments, EveryGaugesRoutinesActOnTheVerticalSpeedDial) {
    const gauge::Element* vsi_root = place("Vsi").elements().front().element;
    for (const char* gauge : {"Asi", "Altimetro", "Gyro"}) {
        host.clear_element_list_calls();
        host.call_routine(place(gauge), host::GaugeRoutine::kUpdate);
        ASSERT_EQ(host.element_list_calls().size(), 1u) << gauge;
        EXPECT_EQ(host.element_list_calls()[0].element, vsi_root) << gauge;
    }
}

// Every needle keeps to its table's range; limits are inclusive, NaN reads as
// 0, and values beyond any integer range still give the nearest limit.
TEST_F(FlightInstruments, NeedlesConvertAndLimitTheirVariables) {
    struct Case {
        const char* gauge;
        int element;
        std::uint32_t token;
        double value;
        double expected;
    };
    const Case cases[] = {
        // Vertical speed: the host's unit times 0.769, within -2000 to 2000.
        {"Vsi", kDialNeedle, kVerticalSpeed, 1300, 1300 * 0.769},
        {"Vsi", kDialNeedle, kVerticalSpeed, 2601, 2000},
        {"Vsi", kDialNeedle, kVerticalSpeed, -2601, -2000},
        {"Vsi", kDialNeedle, kVerticalSpeed, 2600, 2600 * 0.769},
        {"Vsi", kDialNeedle, kVerticalSpeed, 0, 0},
        {"Vsi", kDialNeedle, kVerticalSpeed, kNaN, 0},
        {"Vsi", kDialNeedle, kVerticalSpeed, kInf, 2000},
        {"Vsi", kDialNeedle, kVerticalSpeed, -1e300, -2000},
        // Airspeed: 0 to 180 knots.
        {"Asi", kDialNeedle, kAirspeed, -5, 0},
        {"Asi", kDialNeedle, kAirspeed, 0, 0},
        {"Asi", kDialNeedle, kAirspeed, 110, 110},
        {"Asi", kDialNeedle, kAirspeed, 180, 180},
        {"Asi", kDialNeedle, kAirspeed, 250, 180},
        {"Asi", kDialNeedle, kAirspeed, 1e19, 180},
        {"Asi", kDialNeedle, kAirspeed, kNaN, 0},
        {"Asi", kDialNeedle, kAirspeed, -kInf, 0},
        // Tachometer: 0 to 3000 revolutions per minute.
        {"Rpm", kDialNeedle, kEngineSpeed, 3500, 3000},
        {"Rpm", kDialNeedle, kEngineSpeed, 3000, 3000},
        {"Rpm", kDialNeedle, kEngineSpeed, -10, 0},
        {"Rpm", kDialNeedle, kEngineSpeed, 2400, 2400},
        {"Rpm", kDialNeedle, kEngineSpeed, kNaN, 0},
        {"Rpm", kDialNeedle, kEngineSpeed, kInf, 3000},
        // Turn rate: -900 to 900.
        {"Turn", kSymbol, kTurnRate, 1200, 900},
        {"Turn", kSymbol, kTurnRate, -1200, -900},
        {"Turn", kSymbol, kTurnRate, 900, 900},
        {"Turn", kSymbol, kTurnRate, -900, -900},
        {"Turn", kSymbol, kTurnRate, 546, 546},
        {"Turn", kSymbol, kTurnRate, kNaN, 0},
        {"Turn", kSymbol, kTurnRate, -kInf, -900},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gauge) + " at " + std::to_string(c.value));
        EXPECT_DOUBLE_EQ(shown(c.gauge, c.element, c.token, c.value), c.expected);
    }
    EXPECT_NEAR(shown("Vsi", kDialNeedle, kVerticalSpeed, 1300), 999.7, 1e-9);
}

// Truncation toward zero to 32 bits, then remainders that keep the altitude's
// sign; beyond 32 bits the altitude saturates.
TEST_F(FlightInstruments, AltimeterNeedlesReadHundredsThousandsAndTenThousands) {
    struct Case {
        double altitude;
        double hundreds, thousands, ten_thousands;
    };
    const Case cases[] = {
        {5432.7, 432, 543, 54},
        {12999.9, 999, 299, 129},
        {-50.4, -50, -5, 0},
        {4500, 500, 450, 45},
        {999.99, 999, 99, 9},
        {100000, 0, 0, 1000},
        {-12345.6, -345, -234, -123},
        {kNaN, 0, 0, 0},
        {1e12, 647, 364, 21474836},
        {kInf, 647, 364, 21474836},
        {-kInf, -648, -364, -21474836},
    };
    host::Placement& altimeter = place("Altimetro");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.altitude);
        host.variables().set_number(kAltitude, c.altitude);
        host.update(altimeter);
        EXPECT_EQ(altimeter.element(kHundreds).values[0], c.hundreds);
        EXPECT_EQ(altimeter.element(kThousands).values[0], c.thousands);
        EXPECT_EQ(altimeter.element(kTenThousands).values[0], c.ten_thousands);
    }
}

// "%2d.%02d" of the whole part and truncated hundredths, cut at the window's
// five characters; the setting itself comes back unchanged.
TEST_F(FlightInstruments, BarometricWindowShowsTruncatedHundredthsWithinFiveCharacters) {
    struct Case {
        double setting;
        const char* text;
    };
    const Case cases[] = {
        {29.92, "29.92"},  {30, "30.00"},    {9.5, " 9.50"},   {29.99, "29.98"}, {29.95, "29.94"},
        {30.02, "30.01"},  {29.98, "29.98"}, {0, " 0.00"},     {99.99, "99.98"}, {100, "100.0"},
        {123.45, "123.4"}, {-1.5, "-1.-5"},  {-0.25, " 0.-2"}, {kNaN, " 0.00"},  {kInf, "21474"},
        {-kInf, "-2147"},  {1e300, "21474"}, {4e9, "21474"},
    };
    host::Placement& altimeter = place("Altimetro");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        host.variables().set_number(kBarometric, c.setting);
        host.update(altimeter);
        EXPECT_EQ(altimeter.element(kWindow).text, c.text);
        const double returned = altimeter.element(kWindow).values[0];
        if (std::isnan(c.setting))
            EXPECT_TRUE(std::isnan(returned));
        else
            EXPECT_EQ(returned, c.setting);
    }
}

TEST_F(FlightInstruments, HeadingMarkerStandsAtTheSelectedHeadingFromTheCards) {
    struct Case {
        double card, selected, marker;
    };
    const Case cases[] = {
        {90, 120, 30}, {350, 10, -340}, {0, 0, 0}, {10, 350, 340}, {-720, 720, 1440},
    };
    host::Placement& gyro = place("Gyro");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.card) + " / " + std::to_string(c.selected));
        host.variables().set_number(kGyroHeading, c.card);
        host.variables().set_number(kHeadingMarker, c.selected);
        host.update(gyro);
        EXPECT_EQ(gyro.element(kMarker).values[0], c.marker);
        EXPECT_EQ(gyro.element(kCard).values[2], c.card);  // the card turns by the heading
    }
    // The marker asks the host for the card heading itself: a change of token 84
    // alone moves it.
    host.variables().set_number(kHeadingMarker, 350);
    host.variables().set_number(kGyroHeading, 90);
    host.update(gyro);
    host.variables().set_number(kGyroHeading, 100);
    host.update(gyro);
    EXPECT_EQ(gyro.element(kMarker).values[0], 350 - 100);
}

TEST_F(FlightInstruments, TurnCoordinatorFlagAndBallFollowTheirVariables) {
    host::Placement& turn = place("Turn");
    struct Case {
        double flag;
        std::int32_t image;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{kNaN, 0}, Case{-1, -1}}) {
        SCOPED_TRACE(c.flag);
        host.variables().set_number(kTurnFlag, c.flag);
        host.update(turn);
        EXPECT_EQ(turn.element(kFlag).image, c.image);
    }
    // Both axes of the ball come from the one variable.
    host.variables().set_number(kBall, -64);
    host.update(turn);
    EXPECT_EQ(turn.element(kBallSlider).values[0], -64);
    EXPECT_EQ(turn.element(kBallSlider).values[1], -64);
}

// Each knob half sends its event on a click and repeats it while held; the host
// carries the events out on the variables the gauges read.
TEST_F(FlightInstruments, KnobsSendTheirEventsAndRepeatWhileHeld) {
    struct Case {
        const char* gauge;
        Point point;
        std::uint32_t event;
    };
    const Case cases[] = {
        {"Altimetro", {10, 270}, 0x1015C}, {"Altimetro", {60, 300}, 0x1015B},
        {"Gyro", {5, 260}, 0x10156},       {"Gyro", {40, 310}, 0x10155},
        {"Gyro", {265, 260}, 0x10158},     {"Gyro", {299, 300}, 0x10157},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gauge) + " event " + std::to_string(c.event));
        host.clear_key_events();
        host::Placement& placed = place(c.gauge);
        ASSERT_TRUE(host.click(placed, c.point));
        EXPECT_EQ(host.key_events(), (std::vector<KeyEvent>{{c.event, 0}}));

        host.clear_key_events();
        ASSERT_TRUE(host.press(placed, c.point));
        host.advance_time_ms(host::kRepeatDelayMs + 2 * host::kRepeatIntervalMs);
        host.release();
        EXPECT_EQ(host.key_events(), (std::vector<KeyEvent>(4, {c.event, 0})));
    }
    // Nowhere else takes a click: the dials, the altimeter's face, between the
    // gyro's knobs.
    for (const char* gauge : {"Vsi", "Asi", "Rpm", "Turn"})
        EXPECT_FALSE(host.click(place(gauge), {150, 150})) << gauge;
    EXPECT_FALSE(host.click(place("Altimetro"), {150, 150}));
    EXPECT_FALSE(host.click(place("Altimetro"), {80, 270}));
    EXPECT_FALSE(host.click(place("Gyro"), {150, 290}));
}

TEST_F(FlightInstruments, KnobEventsStepTheSettingsTheGaugesShow) {
    struct Case {
        const char* gauge;
        Point point;
        std::uint32_t token;
        double before, after;
    };
    const Case cases[] = {
        {"Altimetro", {60, 270}, kBarometric, 29.92, 29.93},
        {"Altimetro", {10, 270}, kBarometric, 29.92, 29.91},
        {"Altimetro", {60, 270}, kBarometric, 31.0, 31.0},
        {"Altimetro", {10, 270}, kBarometric, 28.0, 28.0},
        {"Gyro", {40, 280}, kGyroHeading, 359, 0},
        {"Gyro", {10, 280}, kGyroHeading, 0, 359},
        {"Gyro", {300, 280}, kHeadingMarker, 90, 91},
        {"Gyro", {270, 280}, kHeadingMarker, 0, 359},
        {"Gyro", {270, 280}, kHeadingMarker, kNaN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gauge) + " from " + std::to_string(c.before));
        host.variables().set_number(c.token, c.before);
        ASSERT_TRUE(host.click(place(c.gauge), c.point));
        EXPECT_EQ(host.variables().number(c.token), c.after);
    }
    // Held for ten repeats the setting moves by eleven hundredths, on the grid.
    host.variables().set_number(kBarometric, 29.92);
    host::Placement& altimeter = place("Altimetro");
    ASSERT_TRUE(host.press(altimeter, {60, 270}));
    host.advance_time_ms(host::kRepeatDelayMs + 9 * host::kRepeatIntervalMs);
    host.release();
    EXPECT_EQ(host.variables().number(kBarometric), 30.03);
    host.update(altimeter);
    EXPECT_EQ(altimeter.element(kWindow).text, "30.03");
}

TEST_F(FlightInstruments, TooltipsCoverEachGaugeAndItsKnobs) {
    struct Case {
        const char* gauge;
        Point point;
        std::uint32_t help_id;
    };
    const Case cases[] = {
        {"Vsi", {10, 10}, 0xAB76},        {"Asi", {290, 290}, 0xAB02},
        {"Rpm", {150, 150}, 0xAB58},      {"Altimetro", {150, 150}, 0xAB07},
        {"Altimetro", {30, 280}, 0xAB08}, {"Turn", {200, 40}, 0xAB71},
        {"Gyro", {150, 150}, 0xAB34},     {"Gyro", {30, 280}, 0xAB35},
        {"Gyro", {280, 280}, 0xAB33},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gauge);
        EXPECT_EQ(place(c.gauge).mouse().help_at(c.point), c.help_id);
    }
}

}  // namespace
