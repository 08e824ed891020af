// RadioAdf: the ADF receiver, frequency window and power knob.
#pragma once

#include "gauge.h"

namespace radios {

extern gauge::GaugeHeader800 adf;

}  // namespace radios
