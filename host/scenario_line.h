// Splitting a scenario line into words.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

// Words separated by blanks; "double quoted" words may hold blanks and \" or
// \\; '#' outside quotes starts a comment. Returns nullopt with `problem` set
// when a quote is left open.
std::optional<std::vector<std::string>> split_words(const std::string& line, std::string& problem);

}  // namespace host
