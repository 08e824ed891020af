// The turn coordinator and the directional gyro.
#pragma once

#include <vector>

#include "module_art.h"

namespace art::flight {

std::vector<BitmapArt> turn_coordinator_art(const std::vector<GaugeInfo>& gauges);
std::vector<BitmapArt> gyro_art(const std::vector<GaugeInfo>& gauges);

}  // namespace art::flight
