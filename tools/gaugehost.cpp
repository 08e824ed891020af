// gaugehost: loads gauge modules without the simulator.
//
//   gaugehost inspect MODULE_FILE
//   gaugehost run [--modules DIR] [--verbose] SCENARIO_FILE...
//   gaugehost render PANEL_CFG|Module!Gauge --out FILE.png ...   (native build)
//
// The module folder defaults to ../gauges beside the program, where the build
// puts the modules.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "host.h"
#include "module_description.h"
#include "program_folder.h"
#include "scenario.h"
#include "services_table.h"
#ifdef GAUGEHOST_RENDER
#include "render_command.h"
#endif

namespace {

int usage() {
    std::cerr << "usage: gaugehost inspect MODULE_FILE\n"
                 "       gaugehost run [--modules DIR] [--verbose] SCENARIO_FILE...\n";
#ifdef GAUGEHOST_RENDER
    std::cerr << tools::kRenderUsage;
#endif
    return 2;
}

int inspect(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return usage();
    // Module init runs (as the simulator would before reading Linkage); nothing else does.
    host::Host host;
    const host::LoadedModule& module = host.load_module(arguments[0]);
    host::describe_module(module, std::cout);
    return 0;
}

int run(const std::vector<std::string>& arguments) {
    host::ScenarioOptions options{tools::program_folder() / ".." / "gauges"};
    std::vector<std::string> files;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        if (arguments[at] == "--modules") {
            if (at + 1 >= arguments.size()) return usage();
            options.module_folder = arguments[++at];
        } else if (arguments[at] == "--verbose") {
            options.verbose = true;
        } else {
            files.push_back(arguments[at]);
        }
    }
    if (files.empty()) return usage();
#ifdef GAUGEHOST_RENDER
    tools::add_render_command(options);
#endif
    int failures = 0;
    for (const std::string& file : files)
        failures += host::run_scenario_file(file, options, std::cout);
    if (failures > 0) std::cout << failures << " failure(s)\n";
    return failures > 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    try {
        if (command == "inspect") return inspect(arguments);
        if (command == "run") return run(arguments);
#ifdef GAUGEHOST_RENDER
        if (command == "render")
            return tools::render_command(arguments, tools::program_folder() / ".." / "gauges");
#endif
    } catch (const std::exception& error) {
        std::cerr << "gaugehost: " << error.what() << "\n";
        return 1;
    }
    return usage();
}
