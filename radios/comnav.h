// RadioComNav1 and RadioComNav2: COM and NAV radio units.
#pragma once

#include "gauge.h"

namespace radios {

extern gauge::GaugeHeader800 comnav1;
extern gauge::GaugeHeader800 comnav2;

}  // namespace radios
