// Bitmaps of the radio-stack units after the COM/NAV radios: transponder, ADF
// receiver, autopilot, DME and audio panel.
#pragma once

#include <vector>

#include "module_art.h"

namespace art::radios {

std::vector<BitmapArt> transponder_art(const std::vector<GaugeInfo>& gauges);
std::vector<BitmapArt> adf_art(const std::vector<GaugeInfo>& gauges);
std::vector<BitmapArt> autopilot_art(const std::vector<GaugeInfo>& gauges);
std::vector<BitmapArt> dme_art(const std::vector<GaugeInfo>& gauges);
std::vector<BitmapArt> audio_art(const std::vector<GaugeInfo>& gauges);

}  // namespace art::radios
