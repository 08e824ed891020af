// The engine tachometer's needle table and callback: 0 to 3000 revolutions per
// minute from about seven to about five o'clock. The tachometer needles of the
// navigation and combination modules use the same two.
#pragma once

#include "gauge.h"

namespace flight {

inline constexpr gauge::NonlinearityEntry kTachometerTable[] = {
    {114, 260, 0, 0},   {45, 192, 500, 0},   {56, 86, 1000, 0},   {147, 32, 1500, 0},
    {239, 78, 2000, 0}, {263, 179, 2500, 0}, {193, 258, 3000, 0},
};

// Engine speed (the needle's variable) limited to 0 to 3000.
double GAUGE_CALL tachometer_needle(gauge::Element* element);

}  // namespace flight
