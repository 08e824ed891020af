// The vertical speed, airspeed and tachometer dials and their needles.
#pragma once

#include <vector>

#include "module_art.h"

namespace art::flight {

std::vector<BitmapArt> dials_art(const std::vector<GaugeInfo>& gauges);

}  // namespace art::flight
