// Where the tests find the built modules, the fixture modules and the scenarios.
#pragma once

#include <filesystem>

#include "dynamic_library.h"

namespace test {

inline const std::filesystem::path kModuleFolder = GAUGE_MODULE_DIR;
inline const std::filesystem::path kFixtureFolder = GAUGE_FIXTURE_DIR;
inline const std::filesystem::path kScenarioFolder = GAUGE_SCENARIO_DIR;

inline std::filesystem::path fixture(const std::string& name) {
    return kFixtureFolder / host::module_file_name(name);
}

}  // namespace test
