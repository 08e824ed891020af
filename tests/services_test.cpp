// The services table as modules see it: unknown slots are reported, not fatal,
// and the gauge routines all work on the module's first gauge.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "host.h"
#include "test_paths.h"

namespace {

using host::GaugeRoutine;

TEST(Services, UnknownSlotsAreRecordedNotFatal) {
    host::Host host;
    host.load_module(test::fixture("HostFixture"));
    host::Placement& shapes = host.place("HostFixture", "Shapes");
    host.click(shapes, {305, 5});
    EXPECT_EQ(host.errors(), (std::vector<std::string>{
                                 "module called unknown host service slot 0",
                                 "module called unknown host service slot 120",
                             }));
}

TEST(Services, PanelWindowToggleIsRecordedAndAnswered) {
    host::Host host;
    host.load_module(test::fixture("HostFixture"));
    host::Placement& shapes = host.place("HostFixture", "Shapes");
    host.click(shapes, {505, 5});
    EXPECT_EQ(host.panel_window_toggles(), std::vector<std::uint32_t>{75});
    EXPECT_EQ(host.key_events().back(), (host::KeyEvent{0x8000, 1}));
}

struct RoutineCase {
    GaugeRoutine routine;
    gauge::ServiceSlot slot;
    std::uintptr_t value;
};

constexpr RoutineCase kRoutines[] = {
    {GaugeRoutine::kQuery, gauge::kSlotElementListQuery, 0},
    {GaugeRoutine::kInstall, gauge::kSlotElementListInstall, 77},
    {GaugeRoutine::kInitialize, gauge::kSlotElementListInitialize, 0},
    {GaugeRoutine::kUpdate, gauge::kSlotElementListUpdate, 0},
    {GaugeRoutine::kGenerate, gauge::kSlotElementListGenerate, 5},
    {GaugeRoutine::kDraw, gauge::kSlotElementListPlot, 0},
    {GaugeRoutine::kKill, gauge::kSlotElementListKill, 0},
};

// Whichever gauge's header the host calls a routine through, the routine hands
// the root element of the module's first gauge to its service.
void expect_routines_act_on_first_root(const std::filesystem::path& file) {
    host::Host host;
    const host::LoadedModule& module = host.load_module(file);
    gauge::Element* first_root = host::root_of(*module.gauges().front());
    for (const gauge::GaugeHeader* header : module.gauges()) {
        host::Placement& placed = host.place(module.name(), header->name);
        for (const RoutineCase& routine : kRoutines) {
            host.clear_element_list_calls();
            host.call_routine(placed, routine.routine, routine.value);
            SCOPED_TRACE(std::string(header->name) + " slot " + std::to_string(routine.slot));
            ASSERT_EQ(host.element_list_calls().size(), 1u);
            const host::ElementListCall& call = host.element_list_calls()[0];
            EXPECT_EQ(call.slot, routine.slot);
            EXPECT_EQ(call.element, first_root);
            EXPECT_EQ(call.value, routine.value);
        }
    }
    EXPECT_TRUE(host.errors().empty());
}

TEST(Services, RoutinesOfEveryRadiosGaugeActOnTheFirstRoot) {
    expect_routines_act_on_first_root(test::kModuleFolder / host::module_file_name("Radios"));
}

TEST(Services, RoutinesOfEveryFixtureGaugeActOnTheFirstRoot) {
    expect_routines_act_on_first_root(test::fixture("HostFixture"));
}

TEST(Services, LookupVarWritesTheHostValueAndLeavesTokenZero) {
    host::Host host;
    host.variables().set_bits(23, 0x7FF0000000000001ull);  // a signalling NaN pattern
    gauge::ModuleVar named{.token = 23};
    gauge::ModuleVar unnamed{.token = 0, .value = 42.0};
    host.refresh(named);
    host.refresh(unnamed);
    std::uint64_t bits = 0;
    std::memcpy(&bits, reinterpret_cast<const char*>(&named) + offsetof(gauge::ModuleVar, value),
                sizeof bits);
    EXPECT_EQ(bits, 0x7FF0000000000001ull);
    EXPECT_EQ(unnamed.value, 42.0);
}

}  // namespace
