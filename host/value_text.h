// Numbers as people read and write them in scenarios and listings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace host {

// The shortest text that reads back as the same double: "8784", "0.5", "nan",
// "inf", "-inf".
std::string format_number(double value);

// A double from decimal or scientific notation, "nan", "inf", "-inf", or an
// unsigned 0x hexadecimal integer. Nothing else may surround it.
std::optional<double> parse_number(std::string_view text);

// Equal as expectations mean it: NaN equals NaN.
bool same_number(double expected, double actual);

}  // namespace host
