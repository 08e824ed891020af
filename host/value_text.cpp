#include "value_text.h"

#include <charconv>
#include <cmath>

#include "names.h"

namespace host {

std::string format_number(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::optional<double> parse_number(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) {
        const auto whole = parse_unsigned(text);
        if (!whole) return std::nullopt;
        return static_cast<double>(*whole);
    }
    if (text.starts_with('+')) text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool same_number(double expected, double actual) {
    if (std::isnan(expected) || std::isnan(actual))
        return std::isnan(expected) && std::isnan(actual);
    return expected == actual;
}

}  // namespace host
