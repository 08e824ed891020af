#include "services_table.h"

#include <string>
#include <utility>

#include "host.h"

namespace host {
namespace {

using namespace gauge;

Host* current_host = nullptr;

void element_list(ServiceSlot slot, Element* element, std::uintptr_t value) {
    if (current_host != nullptr) current_host->record_element_list_call({slot, element, value});
}

template <ServiceSlot Slot>
void GAUGE_CALL element_list_service(Element* element) {
    element_list(Slot, element, 0);
}

template <ServiceSlot Slot>
void GAUGE_CALL element_list_service_with_value(Element* element, std::uintptr_t value) {
    element_list(Slot, element, value);
}

std::int32_t GAUGE_CALL panel_window_toggle(std::uint32_t window_id) {
    if (current_host == nullptr) return 0;
    return current_host->toggle_panel_window(window_id);
}

std::int32_t GAUGE_CALL trigger_key_event(std::uint32_t event_id, std::uint32_t value) {
    if (current_host != nullptr) current_host->send_key_event({event_id, value});
    return 0;
}

void GAUGE_CALL lookup_var(ModuleVar* variable) {
    if (current_host == nullptr) return;
    if (variable == nullptr) {
        current_host->record_error("module called lookup_var without a variable");
        return;
    }
    current_host->refresh(*variable);
}

void unknown_slot_called(std::size_t slot) {
    if (current_host != nullptr)
        current_host->record_error("module called unknown host service slot " +
                                   std::to_string(slot));
}

// A stub cannot know how many arguments its caller pushed; under __stdcall a
// mismatch would unbalance the caller's stack. Slot 120 (element list erase,
// never used by the modules) takes the element like its neighbours; the other
// unknown slots take nothing.
template <std::size_t Index>
void GAUGE_CALL unknown_slot() {
    unknown_slot_called(Index * 4);
}

void GAUGE_CALL unknown_erase_slot(Element*) {
    unknown_slot_called(kSlotElementListErase);
}

template <typename Service>
AnyService any(Service service) {
    // Modules cast the slot back to exactly this type before calling it.
    return reinterpret_cast<AnyService>(service);
}

template <std::size_t... Index>
HostServices make_table(std::index_sequence<Index...>) {
    HostServices table{{unknown_slot<Index>...}};
    auto put = [&](ServiceSlot slot, AnyService service) {
        table.slots[slot_index(slot)] = service;
    };
    put(kSlotElementListQuery,
        any<ElementListService>(element_list_service<kSlotElementListQuery>));
    put(kSlotElementListInstall,
        any<ElementListServiceWithValue>(element_list_service_with_value<kSlotElementListInstall>));
    put(kSlotElementListInitialize,
        any<ElementListService>(element_list_service<kSlotElementListInitialize>));
    put(kSlotElementListUpdate,
        any<ElementListService>(element_list_service<kSlotElementListUpdate>));
    put(kSlotElementListGenerate, any<ElementListServiceWithValue>(
                                      element_list_service_with_value<kSlotElementListGenerate>));
    put(kSlotElementListPlot, any<ElementListService>(element_list_service<kSlotElementListPlot>));
    put(kSlotElementListErase, any<ElementListService>(unknown_erase_slot));
    put(kSlotElementListKill, any<ElementListService>(element_list_service<kSlotElementListKill>));
    put(kSlotPanelWindowToggle, any<PanelWindowToggleService>(panel_window_toggle));
    put(kSlotTriggerKeyEvent, any<TriggerKeyEventService>(trigger_key_event));
    put(kSlotLookupVar, any<LookupVarService>(lookup_var));
    return table;
}

HostServices table = make_table(std::make_index_sequence<kServiceSlots>());

}  // namespace

HostServices* services_table() {
    return &table;
}

Host* active_host() {
    return current_host;
}

ActiveHostScope::ActiveHostScope(Host& host) : previous_(current_host) {
    current_host = &host;
}

ActiveHostScope::~ActiveHostScope() {
    current_host = previous_;
}

}  // namespace host
