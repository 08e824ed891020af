// The Ostrel0 module: the flight instruments, in the order the panel
// configuration and the gauge routines rely on (the routines act on the first
// gauge, Vsi).
#include "altimeter.h"
#include "dials.h"
#include "gyro.h"
#include "module.h"
#include "services.h"
#include "turn_coordinator.h"

GAUGE_EXPORT gauge::LinkageRecord Linkage = {
    .module_id = gauge::kLinkageModuleId,
    .module_init = gauge::module_init,
    .module_deinit = gauge::module_deinit,
    .flags = 0,
    .status = 0,
    .version = 0,
    .gauges = {&flight::vsi, &flight::asi, &flight::rpm, &flight::altimeter,
               &flight::turn_coordinator, &flight::gyro, nullptr},
};
