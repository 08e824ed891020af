// Scenarios: plain text files of host commands and expectations, one per line.
//
//   # comment (also after a command)
//   load Radios                              module by name, from the module folder
//   place Radios!RadioComNav1 [as com1] [no-first-values]
//   set VAR VALUE                            VAR: token number or name ("COM 1 active frequency")
//                                            VALUE: 8784, 0x2250, 1.5, nan, inf, -inf, bits
//                                            0x7FF8...
//   advance SECONDS                          host time (time base, repeats of a held button)
//   update [ALIAS]                           all placements when no alias is given
//   service ALIAS ID                         calls the gauge callback with a service id
//   click ALIAS X Y | press ALIAS X Y | move X Y | release | hold ALIAS X Y SECONDS
//   clear events
//   expect text ALIAS ELEMENT "TEXT"         elements by number in drawing order, root = 1
//   expect value ALIAS ELEMENT [x|y|rotation] VALUE
//   expect image ALIAS ELEMENT INDEX
//   expect hidden ALIAS ELEMENT yes|no
//   expect event EVENT VALUE                 the next key event not yet expected
//   expect events none                       no key event left unexpected
//   expect var VAR VALUE
//   expect cursor ALIAS X Y CURSOR
//   expect help ALIAS X Y HELP               help id number or name, 0 for none
//   expect error "TEXT"                      the next host error contains TEXT
//   expect errors none
//   show ALIAS | show events | print "TEXT"
//   render ...                               where the program adds it (ScenarioCommand)
//
// Element states are those of the last update. Host errors not expected by the
// end of the file count as failures.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace host {

class Host;

// A command the runner does not know itself, added by the program (gaugehost
// adds "render" where the renderer is built). It gets the host, the line's
// words and the scenario file; it throws to stop the scenario.
using ScenarioCommand = std::function<void(Host& host, const std::vector<std::string>& words,
                                           const std::filesystem::path& scenario_file)>;

struct ScenarioOptions {
    std::filesystem::path module_folder;
    bool verbose = false;  // echo each command before running it
    std::map<std::string, ScenarioCommand> extra_commands{};
};

// Runs one scenario. What it shows and every failure ("FILE:LINE: ... expected
// X, got Y") go to `out`. Returns the number of failed expectations and errors;
// a malformed line or a command that cannot run stops the scenario.
int run_scenario_file(const std::filesystem::path& file, const ScenarioOptions& options,
                      std::ostream& out);
int run_scenario_text(const std::string& text, const std::string& file_label,
                      const ScenarioOptions& options, std::ostream& out);

}  // namespace host
