// RadioAudio: the audio panel, marker lamps and audio selector buttons.
#pragma once

#include "gauge.h"

namespace radios {

extern gauge::GaugeHeader800 audio;

}  // namespace radios
