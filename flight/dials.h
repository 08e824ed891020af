// Vsi, Asi and Rpm: the vertical speed, airspeed and engine speed dials.
#pragma once

#include "gauge.h"

namespace flight {

extern gauge::GaugeHeader vsi;
extern gauge::GaugeHeader asi;
extern gauge::GaugeHeader rpm;

}  // namespace flight
