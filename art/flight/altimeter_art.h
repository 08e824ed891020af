// The altimeter face and its three pointers.
#pragma once

#include <vector>

#include "module_art.h"

namespace art::flight {

std::vector<BitmapArt> altimeter_art(const std::vector<GaugeInfo>& gauges);

}  // namespace art::flight
