// Where the running program's file lies, to find the modules built beside it.
#pragma once

#include <filesystem>

namespace tools {

// The folder of the running executable; the current folder if unknown.
std::filesystem::path program_folder();

}  // namespace tools
