// Every bitmap of the Ostrel0 module.
#include "altimeter_art.h"
#include "dials_art.h"
#include "module_art.h"
#include "turn_gyro_art.h"

namespace art {

std::vector<BitmapArt> module_art(const std::vector<GaugeInfo>& gauges) {
    std::vector<BitmapArt> art;
    for (auto* painters : {flight::dials_art, flight::altimeter_art, flight::turn_coordinator_art,
                           flight::gyro_art}) {
        std::vector<BitmapArt> more = painters(gauges);
        art.insert(art.end(), more.begin(), more.end());
    }
    return art;
}

}  // namespace art
