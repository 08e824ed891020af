// Gyro: the directional gyro, its turning card, heading marker and two knobs.
#pragma once

#include "gauge.h"

namespace flight {

extern gauge::GaugeHeader gyro;

}  // namespace flight
