// Every bitmap of the Radios module.
#include "comnav_art.h"
#include "module_art.h"
#include "stack_art.h"

namespace art {

std::vector<BitmapArt> module_art(const std::vector<GaugeInfo>& gauges) {
    std::vector<BitmapArt> all;
    for (auto painters : {radios::comnav_art, radios::transponder_art, radios::adf_art,
                          radios::autopilot_art, radios::dme_art, radios::audio_art}) {
        std::vector<BitmapArt> unit = painters(gauges);
        all.insert(all.end(), std::make_move_iterator(unit.begin()),
                   std::make_move_iterator(unit.end()));
    }
    return all;
}

}  // namespace art
