// Bitmaps of the COM/NAV radio units: the two faces and the power knob.
#pragma once

#include <vector>

#include "module_art.h"

namespace art::radios {

std::vector<BitmapArt> comnav_art(const std::vector<GaugeInfo>& gauges);

}  // namespace art::radios
