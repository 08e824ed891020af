#include "services.h"

GAUGE_EXPORT gauge::ImportTableRecord ImportTable = {{gauge::kImportTableId, nullptr},
                                                     {0, nullptr}};

namespace gauge {
namespace {

template <typename Service>
Service service(ServiceSlot slot) {
    HostServices* table = ImportTable.services_entry.services;
    if (table == nullptr) return nullptr;
    // The host stored a function of exactly this type in the slot.
    return reinterpret_cast<Service>(table->slots[slot_index(slot)]);
}

}  // namespace

void lookup_var(ModuleVar& variable) {
    if (auto call = service<LookupVarService>(kSlotLookupVar)) call(&variable);
}

void trigger_key_event(std::uint32_t event_id, std::uint32_t value) {
    if (auto call = service<TriggerKeyEventService>(kSlotTriggerKeyEvent)) call(event_id, value);
}

std::int32_t panel_window_toggle(std::uint32_t window_id) {
    if (auto call = service<PanelWindowToggleService>(kSlotPanelWindowToggle))
        return call(window_id);
    return 0;
}

void element_list_service(ServiceSlot slot, Element* element) {
    if (auto call = service<ElementListService>(slot)) call(element);
}

void element_list_service(ServiceSlot slot, Element* element, std::uintptr_t value) {
    if (auto call = service<ElementListServiceWithValue>(slot)) call(element, value);
}

}  // namespace gauge
