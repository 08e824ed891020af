// gaugehost render: pictures of gauges and panel windows.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tools {

// gaugehost render PANEL_CFG|Module!Gauge --out FILE.png [--modules DIR]
//                  [--state FILE] [--window NUMBER|TITLE] [--width PIXELS]
// Returns the program's exit status; problems go to standard error.
int render_command(const std::vector<std::string>& arguments,
                   const std::filesystem::path& default_module_folder);

extern const char* const kRenderUsage;

}  // namespace tools
