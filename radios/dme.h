// RadioDME: the DME indicator, distance and speed of either receiver.
#pragma once

#include "gauge.h"

namespace radios {

extern gauge::GaugeHeader800 dme;

}  // namespace radios
