// A listing of a module's gauges for people: element trees with everything
// they declare, and mouse rectangle lists with their nesting.
#pragma once

#include <ostream>

#include "loaded_module.h"

namespace host {

// Reads the declarations only; calls nothing in the module.
void describe_module(const LoadedModule& module, std::ostream& out);

}  // namespace host
