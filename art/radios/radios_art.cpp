// Every bitmap of the Radios module.
#include "comnav_art.h"
#include "module_art.h"

namespace art {

std::vector<BitmapArt> module_art(const std::vector<GaugeInfo>& gauges) {
    return radios::comnav_art(gauges);
}

}  // namespace art
