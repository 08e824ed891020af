// Small text helpers for reading configuration lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace panel {

std::string trim(const std::string& text);
std::string lower(std::string text);
// The line without a comment: from ';' or '//' to the end.
std::string strip_comment(const std::string& line);
// Fields between separators, each trimmed.
std::vector<std::string> split(const std::string& text, char separator);

// Whole decimal numbers with nothing around them but blanks.
std::optional<int> parse_int(const std::string& text);
std::optional<std::uint32_t> parse_unsigned32(const std::string& text);
std::optional<std::vector<int>> parse_int_list(const std::string& text);

// The NN of PREFIXNN (prefix compared without case), NN one or more digits.
std::optional<int> numbered(const std::string& name, const std::string& prefix);
// "00", "07", "12", "123".
std::string two_digits(int number);

}  // namespace panel
