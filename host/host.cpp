#include "host.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <stdexcept>

#include "numbers.h"
#include "services_table.h"

namespace host {

using namespace gauge;

Host::Host() = default;

Host::~Host() {
    while (!modules_.empty()) unload_module(modules_.begin()->first);
}

// ---------------------------------------------------------------------------
// Modules and placements.

LoadedModule& Host::load_module(const std::filesystem::path& file) {
    auto module = std::make_unique<LoadedModule>(file, services_table());
    const std::string name = module->name();
    if (modules_.contains(name)) throw std::runtime_error("module " + name + " is already loaded");
    LoadedModule& loaded = *modules_.emplace(name, std::move(module)).first->second;
    if (ModuleRoutine init = loaded.linkage().module_init) {
        ActiveHostScope scope(*this);
        init();
    }
    return loaded;
}

LoadedModule& Host::load_module_named(const std::string& name,
                                      const std::filesystem::path& folder) {
    return load_module(folder / module_file_name(name));
}

void Host::unload_module(const std::string& name) {
    const auto found = modules_.find(name);
    if (found == modules_.end()) return;
    remove_placements_of(*found->second);
    if (ModuleRoutine deinit = found->second->linkage().module_deinit) {
        ActiveHostScope scope(*this);
        deinit();
    }
    modules_.erase(found);
}

LoadedModule* Host::module(const std::string& name) {
    const auto found = modules_.find(name);
    return found == modules_.end() ? nullptr : found->second.get();
}

void Host::remove_placements_of(const LoadedModule& module) {
    if (held_ && &held_->placement->module() == &module) held_.reset();
    std::erase_if(placements_,
                  [&](const auto& placement) { return &placement->module() == &module; });
}

Placement& Host::place(const std::string& module_name, const std::string& gauge_name,
                       std::string alias, PlacementOptions options) {
    LoadedModule* loaded = module(module_name);
    if (loaded == nullptr) throw std::runtime_error("module " + module_name + " is not loaded");
    GaugeHeader* header = loaded->find_gauge(gauge_name);
    if (header == nullptr) {
        std::string names;
        for (const GaugeHeader* gauge : loaded->gauges())
            names += std::string(names.empty() ? "" : ", ") + gauge->name;
        throw std::runtime_error("module " + module_name + " has no gauge '" + gauge_name +
                                 "' (it has: " + names + ")");
    }
    if (alias.empty()) alias = module_name + "!" + gauge_name;
    if (placement(alias) != nullptr)
        throw std::runtime_error("a gauge is already placed as '" + alias + "'");
    placements_.push_back(std::make_unique<Placement>(alias, *loaded, *header, options));
    return *placements_.back();
}

Placement* Host::placement(const std::string& alias) {
    for (const auto& placed : placements_)
        if (placed->alias() == alias) return placed.get();
    return nullptr;
}

std::vector<Placement*> Host::placements() {
    std::vector<Placement*> all;
    for (const auto& placed : placements_) all.push_back(placed.get());
    return all;
}

// ---------------------------------------------------------------------------
// Updates and services.

void Host::send_service(Placement& placement, std::int32_t service_id, std::uint32_t extra) {
    if (service_id == kServiceFirstValues) placement.first_values_sent = true;
    GaugeCallback callback = placement.gauge().callback;
    if (callback == nullptr) return;
    ActiveHostScope scope(*this);
    callback(&placement.gauge(), service_id, extra);
}

void Host::send_first_values_if_due(Placement& placement) {
    if (placement.options().send_first_values && !placement.first_values_sent)
        send_service(placement, kServiceFirstValues);
}

void Host::call_routine(Placement& placement, GaugeRoutine routine, std::uintptr_t value) {
    const GaugeRoutines& routines = placement.gauge().routines;
    ActiveHostScope scope(*this);
    auto call = [](auto function, auto... arguments) {
        if (function != nullptr) function(arguments...);
    };
    switch (routine) {
        case GaugeRoutine::kQuery:
            call(routines.query);
            break;
        case GaugeRoutine::kInstall:
            call(routines.install, value);
            break;
        case GaugeRoutine::kInitialize:
            call(routines.initialize);
            break;
        case GaugeRoutine::kUpdate:
            call(routines.update);
            break;
        case GaugeRoutine::kGenerate:
            call(routines.generate, value);
            break;
        case GaugeRoutine::kDraw:
            call(routines.draw);
            break;
        case GaugeRoutine::kKill:
            call(routines.kill);
            break;
    }
}

void Host::update(Placement& placement) {
    send_first_values_if_due(placement);
    send_service(placement, kServiceBeforeDraw);
    ActiveHostScope scope(*this);
    for (ElementState& state : placement.elements()) update_element(placement, state);
}

void Host::update_all() {
    for (Placement* placed : placements()) update(*placed);
}

void Host::refresh(ModuleVar& variable) {
    if (variable.token == kTokenNone) return;
    // Copied as bytes: any bit pattern, signalling NaNs included, arrives intact.
    const std::uint64_t bits = variables_.bits(variable.token);
    std::memcpy(reinterpret_cast<char*>(&variable) + offsetof(ModuleVar, value), &bits,
                sizeof bits);
}

double Host::value_of(ElementState& state, ModuleVar& variable, ElementCallback callback) {
    refresh(variable);
    return callback != nullptr ? callback(state.element) : variable.value;
}

void Host::update_element(Placement& placement, ElementState& state) {
    Element* element = state.element;
    state.hidden = (element->image_flags & kImageHidden) != 0;
    auto& values = state.values;
    switch (element->kind) {
        case kStaticImage:
            state.value_count = 0;
            break;
        case kNeedle: {
            auto* needle = as<Needle>(element);
            values[0] = value_of(state, needle->variable, needle->callback);
            state.value_count = 1;
            break;
        }
        case kString: {
            auto* string = as<String>(element);
            for (ModuleVar& variable : string->variables) refresh(variable);
            state.buffer->reset();
            string->text = state.buffer->text();
            values[0] = string->callback != nullptr ? string->callback(element)
                                                    : string->variables[0].value;
            state.value_count = 1;
            state.text = state.buffer->contents();
            if (state.buffer->overrun()) {
                record_error(placement.alias() + " element " + std::to_string(state.number) +
                             ": text callback wrote past its buffer of " +
                             std::to_string(string->max_chars) + " characters and NUL");
            }
            break;
        }
        case kSlider: {
            auto* slider = as<Slider>(element);
            values[0] = value_of(state, slider->x_variable, nullptr);
            values[1] = value_of(state, slider->y_variable, nullptr);
            state.value_count = 2;
            break;
        }
        case kIcon: {
            auto* icon = as<Icon>(element);
            values[0] = value_of(state, icon->variable, icon->callback);
            state.value_count = 1;
            state.image = truncate_to_int32(values[0]);
            break;
        }
        case kMovingImage: {
            auto* moving = as<MovingImage>(element);
            values[0] = value_of(state, moving->x_variable, moving->x_callback);
            values[1] = value_of(state, moving->y_variable, moving->y_callback);
            state.value_count = 2;
            break;
        }
        case kSprite: {
            auto* sprite = as<Sprite>(element);
            values[0] = value_of(state, sprite->x_variable, nullptr);
            values[1] = value_of(state, sprite->y_variable, nullptr);
            values[2] = value_of(state, sprite->rotation_variable, nullptr);
            state.value_count = 3;
            break;
        }
        default:
            break;  // kinds are checked when the gauge is placed
    }
}

// ---------------------------------------------------------------------------
// Mouse and time.

void Host::act(Placement&, const MouseArea& area, Point point, std::uint32_t flags) {
    if (MouseFunction function = area.rect->function) {
        MousePosition position{area.relative(point).x, area.relative(point).y};
        ActiveHostScope scope(*this);
        function(&position, flags);
    } else if (area.rect->key_event != 0 && (flags & kMouseLeftClick) != 0) {
        send_key_event({area.rect->key_event, 0});
    }
}

bool Host::press(Placement& placement, Point point) {
    release();
    send_first_values_if_due(placement);
    const MouseArea* area = placement.mouse().target(point, kMouseLeftClick);
    if (area == nullptr) return false;
    act(placement, *area, point, kMouseLeftClick);
    held_ = Held{&placement, area, point, time_ms_ + kRepeatDelayMs};
    return true;
}

void Host::move(Point point) {
    if (!held_) return;
    held_->point = point;
    if ((held_->area->rect->flags & kMouseMove) != 0)
        act(*held_->placement, *held_->area, point, kMouseMove);
}

void Host::release() {
    held_.reset();
}

bool Host::click(Placement& placement, Point point) {
    const bool taken = press(placement, point);
    release();
    return taken;
}

void Host::advance_time_ms(std::int64_t milliseconds) {
    if (milliseconds < 0) throw std::invalid_argument("host time cannot go back");
    const std::int64_t end = time_ms_ + milliseconds;
    auto step_to = [&](std::int64_t when) {
        variables_.advance_time_base(static_cast<double>(when - time_ms_) / 1000.0);
        time_ms_ = when;
    };
    while (held_ && (held_->area->rect->flags & kMouseRepeat) != 0 &&
           held_->next_repeat_ms <= end) {
        step_to(held_->next_repeat_ms);
        held_->next_repeat_ms += kRepeatIntervalMs;
        act(*held_->placement, *held_->area, held_->point, kMouseLeftClick);
    }
    step_to(end);
}

// ---------------------------------------------------------------------------
// Logs.

void Host::send_key_event(const KeyEvent& event) {
    key_events_.push_back(event);
    carry_out(event, variables_);
}

std::int32_t Host::toggle_panel_window(std::uint32_t window_id) {
    window_toggles_.push_back(window_id);
    return 1;
}

void Host::record_element_list_call(const ElementListCall& call) {
    element_list_calls_.push_back(call);
}

void Host::record_error(std::string message) {
    errors_.push_back(std::move(message));
}

}  // namespace host
