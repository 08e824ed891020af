// Altimetro: the three-pointer altimeter with its barometric window and knob.
#pragma once

#include "gauge.h"

namespace flight {

extern gauge::GaugeHeader altimeter;

}  // namespace flight
