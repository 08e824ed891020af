#include "module.h"

#include "services.h"

namespace gauge {
namespace {

// The root element of the first gauge in Linkage, or none.
Element* first_root() {
    const GaugeHeader* first = Linkage.gauges[0];
    if (first == nullptr || first->elements == nullptr) return nullptr;
    return first->elements[0];
}

}  // namespace

void GAUGE_CALL routine_query() {
    element_list_service(kSlotElementListQuery, first_root());
}
void GAUGE_CALL routine_install(std::uintptr_t value) {
    element_list_service(kSlotElementListInstall, first_root(), value);
}
void GAUGE_CALL routine_initialize() {
    element_list_service(kSlotElementListInitialize, first_root());
}
void GAUGE_CALL routine_update() {
    element_list_service(kSlotElementListUpdate, first_root());
}
void GAUGE_CALL routine_generate(std::uintptr_t value) {
    element_list_service(kSlotElementListGenerate, first_root(), value);
}
void GAUGE_CALL routine_draw() {
    element_list_service(kSlotElementListPlot, first_root());
}
void GAUGE_CALL routine_kill() {
    element_list_service(kSlotElementListKill, first_root());
}

void GAUGE_CALL module_init() {}
void GAUGE_CALL module_deinit() {}

}  // namespace gauge
