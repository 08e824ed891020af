// Turn: the turn coordinator, with its aircraft symbol, ball and flag.
#pragma once

#include "gauge.h"

namespace flight {

extern gauge::GaugeHeader turn_coordinator;

}  // namespace flight
