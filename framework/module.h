// The frame every module repeats: gauge routines, empty module init and deinit.
#pragma once

#include <cstdint>

#include "gauge.h"

namespace gauge {

// The seven routines every gauge header of a module names. Each hands the root
// element of the module's first gauge in Linkage to one host service, whichever
// gauge's header the host called it through.
void GAUGE_CALL routine_query();
void GAUGE_CALL routine_install(std::uintptr_t value);
void GAUGE_CALL routine_initialize();
void GAUGE_CALL routine_update();
void GAUGE_CALL routine_generate(std::uintptr_t value);
void GAUGE_CALL routine_draw();
void GAUGE_CALL routine_kill();

inline constexpr GaugeRoutines module_routines = {
    routine_query,    routine_install, routine_initialize, routine_update,
    routine_generate, routine_draw,    routine_kill,
};

void GAUGE_CALL module_init();
void GAUGE_CALL module_deinit();

}  // namespace gauge
