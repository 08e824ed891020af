// The error raised when a file cannot serve as a gauge module.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace host {

// Names the file and what is wrong with it, e.g.
// "gauges/Radios.so: export 'Linkage' missing".
class ModuleError : public std::runtime_error {
  public:
    ModuleError(const std::filesystem::path& file, const std::string& problem)
        : std::runtime_error(file.string() + ": " + problem) {}
};

}  // namespace host
