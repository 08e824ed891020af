// RadioAP: the autopilot panel, mode buttons and setting displays.
#pragma once

#include "gauge.h"

namespace radios {

extern gauge::GaugeHeader800 autopilot;

}  // namespace radios
