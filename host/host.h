// The host: plays the simulator's part for gauge modules. It loads modules,
// places gauges, keeps the host variables, updates elements, routes the mouse,
// carries out key events and keeps logs that tests and programs read.
//
// Single-threaded: the services reach the host through one process-wide
// pointer that the host sets around each call into a module (services_table.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "key_events.h"
#include "loaded_module.h"
#include "placement.h"
#include "variables.h"

namespace host {

struct ElementListCall {
    gauge::ServiceSlot slot;
    gauge::Element* element;
    std::uintptr_t value;  // install and generate only
};

enum class GaugeRoutine { kQuery, kInstall, kInitialize, kUpdate, kGenerate, kDraw, kKill };

// Repeat of a held button: first after this delay, then at this interval.
inline constexpr std::int64_t kRepeatDelayMs = 400;
inline constexpr std::int64_t kRepeatIntervalMs = 100;

class Host {
  public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // --- Modules ---------------------------------------------------------
    // Loads the module file and calls its module init. Throws ModuleError.
    LoadedModule& load_module(const std::filesystem::path& file);
    // Loads NAME.so / NAME.gau from `folder`.
    LoadedModule& load_module_named(const std::string& name, const std::filesystem::path& folder);
    // Removes the module's placements, calls module deinit, unloads the file.
    void unload_module(const std::string& name);
    LoadedModule* module(const std::string& name);

    // --- Placements ------------------------------------------------------
    // Places gauge `gauge_name` of a loaded module; the alias names the
    // placement (default "MODULE!GAUGE"). Throws std::runtime_error.
    Placement& place(const std::string& module_name, const std::string& gauge_name,
                     std::string alias = {}, PlacementOptions options = {});
    Placement* placement(const std::string& alias);
    std::vector<Placement*> placements();

    // Sends service id 4 if still due, service id 6, then gives every element
    // its value, text, image and hidden state.
    void update(Placement& placement);
    void update_all();
    // Calls the gauge callback, if the gauge has one, with this service id.
    void send_service(Placement& placement, std::int32_t service_id, std::uint32_t extra = 0);
    // Calls one gauge routine through the placement's header.
    void call_routine(Placement& placement, GaugeRoutine routine, std::uintptr_t value = 0);

    // --- Mouse -----------------------------------------------------------
    // Left button press at gauge pixel `point`. Returns false when no child
    // there takes a click.
    bool press(Placement& placement, Point point);
    // Pointer movement; drags the held rectangle when it takes movement.
    void move(Point point);
    void release();
    // press and release at once.
    bool click(Placement& placement, Point point);
    bool holding() const { return held_.has_value(); }

    // --- Time ------------------------------------------------------------
    // Moves host time on: the time base grows and a held repeat rectangle
    // repeats its click. Throws std::invalid_argument for negative times.
    void advance_time_ms(std::int64_t milliseconds);
    std::int64_t time_ms() const { return time_ms_; }

    // --- Variables and events ----------------------------------------------
    HostVariables& variables() { return variables_; }
    // Writes the variable's current host value into a module variable (token 0:
    // left alone).
    void refresh(gauge::ModuleVar& variable);
    // Logs the event and carries it out.
    void send_key_event(const KeyEvent& event);
    const std::vector<KeyEvent>& key_events() const { return key_events_; }
    void clear_key_events() { key_events_.clear(); }

    std::int32_t toggle_panel_window(std::uint32_t window_id);
    const std::vector<std::uint32_t>& panel_window_toggles() const { return window_toggles_; }

    void record_element_list_call(const ElementListCall& call);
    const std::vector<ElementListCall>& element_list_calls() const { return element_list_calls_; }
    void clear_element_list_calls() { element_list_calls_.clear(); }

    // Faults of the modules the host caught: unknown service slot, text overrun.
    void record_error(std::string message);
    const std::vector<std::string>& errors() const { return errors_; }
    void clear_errors() { errors_.clear(); }

  private:
    struct Held {
        Placement* placement;
        const MouseArea* area;
        Point point;
        std::int64_t next_repeat_ms;
    };

    void send_first_values_if_due(Placement& placement);
    void update_element(Placement& placement, ElementState& state);
    double value_of(ElementState& state, gauge::ModuleVar& variable,
                    gauge::ElementCallback callback);
    void act(Placement& placement, const MouseArea& area, Point point, std::uint32_t flags);
    void remove_placements_of(const LoadedModule& module);

    HostVariables variables_;
    std::map<std::string, std::unique_ptr<LoadedModule>> modules_;
    std::vector<std::unique_ptr<Placement>> placements_;
    std::optional<Held> held_;
    std::int64_t time_ms_ = 0;
    std::vector<KeyEvent> key_events_;
    std::vector<std::uint32_t> window_toggles_;
    std::vector<ElementListCall> element_list_calls_;
    std::vector<std::string> errors_;
};

}  // namespace host
