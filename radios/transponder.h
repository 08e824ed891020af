// RadioTrans: the transponder, code wheels, mode knob and reply light.
#pragma once

#include "gauge.h"

namespace radios {

extern gauge::GaugeHeader800 transponder;

}  // namespace radios
