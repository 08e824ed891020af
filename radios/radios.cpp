// The Radios module: the radio stack, in the order the panel configuration and
// the gauge routines rely on (the routines act on the first gauge).
#include "adf.h"
#include "audio.h"
#include "autopilot.h"
#include "comnav.h"
#include "dme.h"
#include "module.h"
#include "services.h"
#include "transponder.h"

GAUGE_EXPORT gauge::LinkageRecord Linkage = {
    .module_id = gauge::kLinkageModuleId,
    .module_init = gauge::module_init,
    .module_deinit = gauge::module_deinit,
    .flags = 0,
    .status = 0,
    .version = gauge::kLinkageVersionRadios,
    .gauges = {&radios::comnav1.record, &radios::comnav2.record, &radios::transponder.record,
               &radios::adf.record, &radios::autopilot.record, &radios::dme.record,
               &radios::audio.record, nullptr},
};
