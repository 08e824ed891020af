// Three round dials, one host variable and one needle each. The callbacks keep
// the needle on the graduated arc: the limits are the needle table's ends.
#include "dials.h"

#include <iterator>

#include "bitmaps.h"
#include "dial_gauge.h"
#include "numbers.h"
#include "tachometer.h"

namespace flight {
namespace {

using namespace gauge;

// Token 65 arrives in the host's unit; the dial is graduated in feet per minute.
constexpr double kFeetPerMinutePerUnit = 0.769;

double GAUGE_CALL vertical_speed_needle(Element* element) {
    const double feet_per_minute = as<Needle>(element)->variable.value * kFeetPerMinutePerUnit;
    return limit_reading(feet_per_minute, -2000, 2000);
}

double GAUGE_CALL airspeed_needle(Element* element) {
    return limit_reading(as<Needle>(element)->variable.value, 0, 180);
}

// 0 at nine o'clock, climb clockwise above it, descent below; both ends meet at
// three o'clock.
constexpr NonlinearityEntry kVerticalSpeedTable[] = {
    {268, 166, -2000, 0}, {226, 245, -1500, 0}, {126, 270, -1000, 0},
    {50, 220, -500, 0},   {28, 152, 0, 0},      {53, 83, 500, 0},
    {131, 31, 1000, 0},   {228, 58, 1500, 0},   {269, 136, 2000, 0},
};

// Knots, 0 at twelve o'clock.
constexpr NonlinearityEntry kAirspeedTable[] = {
    {152, 52, 0, 0},   {206, 44, 40, 0},  {261, 98, 60, 0}, {268, 192, 80, 0}, {173, 272, 100, 0},
    {66, 241, 120, 0}, {27, 154, 140, 0}, {46, 80, 160, 0}, {74, 50, 180, 0},
};

// Key 3 is shared by the three pressure instruments; 19 and 6 are the vertical
// speed and airspeed indicators' own.
constexpr FailureEntry kVsiDialFailures[] = {{19, 1, 0}, {3, 2, 0}, {0, 0, 0}};
constexpr FailureEntry kAsiNeedleFailures[] = {{6, 1, 0}, {3, 1, 0}, {0, 0, 0}};

constexpr DialValues kVsi = {
    .name = "Vsi",
    .header = &vsi,
    .help_id = 0xAB76,
    .dial_bitmap = bitmap::kVsiDial,
    .dial_failures = kVsiDialFailures,
    .needle_bitmap = bitmap::kVsiNeedle,
    .pivot_x = 155,
    .pivot_y = 151,
    .offset_x = 32,
    .offset_y = 9,
    .token = 65,
    .callback = vertical_speed_needle,
    .table = kVerticalSpeedTable,
    .table_entries = std::size(kVerticalSpeedTable),
    .needle_failures = nullptr,
};

constexpr DialValues kAsi = {
    .name = "Asi",
    .header = &asi,
    .help_id = 0xAB02,
    .dial_bitmap = bitmap::kAsiDial,
    .dial_failures = nullptr,
    .needle_bitmap = bitmap::kAsiNeedle,
    .pivot_x = 150,
    .pivot_y = 150,
    .offset_x = 14,
    .offset_y = 10,
    .token = 61,
    .callback = airspeed_needle,
    .table = kAirspeedTable,
    .table_entries = std::size(kAirspeedTable),
    .needle_failures = kAsiNeedleFailures,
};

constexpr DialValues kRpm = {
    .name = "Rpm",
    .header = &rpm,
    .help_id = 0xAB58,
    .dial_bitmap = bitmap::kRpmDial,
    .dial_failures = nullptr,
    .needle_bitmap = bitmap::kRpmNeedle,
    .pivot_x = 150,
    .pivot_y = 150,
    .offset_x = 14,
    .offset_y = 10,
    .token = 390,
    .callback = tachometer_needle,
    .table = kTachometerTable,
    .table_entries = std::size(kTachometerTable),
    .needle_failures = nullptr,
};

}  // namespace

GaugeHeader vsi = DialGauge<kVsi>::header;
GaugeHeader asi = DialGauge<kAsi>::header;
GaugeHeader rpm = DialGauge<kRpm>::header;

}  // namespace flight
