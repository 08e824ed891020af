// The host services table and the module's binding to it.
//
// The host writes the address of its table into `ImportTable` at load. A slot is
// named by the byte offset of its entry in a 32-bit table, so slot S is entry S/4.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gauge.h"

namespace gauge {

using AnyService = void(GAUGE_CALL*)();

inline constexpr std::size_t kServiceSlots = 64;

struct HostServices {
    AnyService slots[kServiceSlots];
};

inline constexpr std::size_t slot_index(std::size_t byte_offset) {
    return byte_offset / 4;
}

// The services the modules call, by slot, with their signatures.
enum ServiceSlot : std::size_t {
    kSlotElementListQuery = 96,
    kSlotElementListInstall = 100,
    kSlotElementListInitialize = 104,
    kSlotElementListUpdate = 108,
    kSlotElementListGenerate = 112,
    kSlotElementListPlot = 116,
    kSlotElementListErase = 120,  // never called by this system
    kSlotElementListKill = 124,
    kSlotPanelWindowToggle = 140,
    kSlotTriggerKeyEvent = 144,
    kSlotLookupVar = 160,
};

using ElementListService = void(GAUGE_CALL*)(Element* element);
using ElementListServiceWithValue = void(GAUGE_CALL*)(Element* element, std::uintptr_t value);
using PanelWindowToggleService = std::int32_t(GAUGE_CALL*)(std::uint32_t window_id);
using TriggerKeyEventService = std::int32_t(GAUGE_CALL*)(std::uint32_t event_id,
                                                         std::uint32_t value);
using LookupVarService = void(GAUGE_CALL*)(ModuleVar* variable);

// Calls a module makes. Each does nothing (and returns 0) while no host table is
// installed, so a module used outside a host never jumps through a null pointer.
void lookup_var(ModuleVar& variable);
void trigger_key_event(std::uint32_t event_id, std::uint32_t value);
std::int32_t panel_window_toggle(std::uint32_t window_id);
void element_list_service(ServiceSlot slot, Element* element);
void element_list_service(ServiceSlot slot, Element* element, std::uintptr_t value);

}  // namespace gauge

extern "C" GAUGE_EXPORT gauge::ImportTableRecord ImportTable;
extern "C" GAUGE_EXPORT gauge::LinkageRecord Linkage;
