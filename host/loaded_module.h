// A gauge module loaded from its file, with its two exported records checked.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dynamic_library.h"
#include "gauge.h"
#include "services.h"

namespace host {

class LoadedModule {
  public:
    // Loads the file, checks ImportTable and Linkage and writes `services` into
    // ImportTable. Module init is the caller's to call. Throws ModuleError.
    LoadedModule(const std::filesystem::path& file, gauge::HostServices* services);

    // The module's name: its file name without the extension ("Radios").
    const std::string& name() const { return name_; }
    const std::filesystem::path& file() const { return library_.file(); }
    gauge::LinkageRecord& linkage() const { return *linkage_; }

    // The gauge headers of Linkage, in order.
    const std::vector<gauge::GaugeHeader*>& gauges() const { return gauges_; }
    gauge::GaugeHeader* find_gauge(std::string_view gauge_name) const;

  private:
    DynamicLibrary library_;
    std::string name_;
    gauge::LinkageRecord* linkage_ = nullptr;
    std::vector<gauge::GaugeHeader*> gauges_;
};

// The root element of a gauge: the one entry of its element list.
gauge::Element* root_of(const gauge::GaugeHeader& gauge);

}  // namespace host
