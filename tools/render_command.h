// gaugehost render: pictures of gauges and panel windows, from the command line
// and as the scenario command "render".
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "scenario.h"

namespace tools {

// gaugehost render PANEL_CFG|Module!Gauge --out FILE.png [--modules DIR]
//                  [--state FILE] [--window NUMBER|TITLE] [--width PIXELS]
//                  [--selection ID] [--fail KEY]...
// Returns the program's exit status; problems go to standard error.
int render_command(const std::vector<std::string>& arguments,
                   const std::filesystem::path& default_module_folder);

// Adds the scenario command
//   render PANEL_CFG|Module!Gauge --out FILE.png [--window ...] [--width ...]
//          [--selection ID] [--fail KEY]...
// which draws the scenario's own placements (a panel's gauges are placed the
// first time). Files read are found beside the scenario file, the picture is
// written relative to the current folder. One renderer serves the whole run,
// so needles keep their angles and failures stay active between drawings.
void add_render_command(host::ScenarioOptions& options);

extern const char* const kRenderUsage;

}  // namespace tools
