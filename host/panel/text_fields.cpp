#include "text_fields.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace panel {
namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

template <typename Number>
std::optional<Number> parse_number(const std::string& text) {
    const std::string field = trim(text);
    Number value{};
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (field.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::string trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string strip_comment(const std::string& line) {
    const std::size_t semicolon = line.find(';');
    const std::size_t slashes = line.find("//");
    return line.substr(0, std::min(semicolon, slashes));
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        fields.push_back(trim(text.substr(start, at - start)));
        if (at == std::string::npos) return fields;
        start = at + 1;
    }
}

std::optional<int> parse_int(const std::string& text) {
    return parse_number<int>(text);
}

std::optional<std::uint32_t> parse_unsigned32(const std::string& text) {
    const std::string field = trim(text);
    if (!field.empty() && field.front() == '-') return std::nullopt;
    return parse_number<std::uint32_t>(field);
}

std::optional<std::vector<int>> parse_int_list(const std::string& text) {
    std::vector<int> numbers;
    for (const std::string& field : split(text, ',')) {
        const auto number = parse_int(field);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

std::optional<int> numbered(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || lower(name.substr(0, prefix.size())) != prefix)
        return std::nullopt;
    const std::string digits = name.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; }))
        return std::nullopt;
    return parse_int(digits);
}

std::string two_digits(int number) {
    return (number >= 0 && number < 10 ? "0" : "") + std::to_string(number);
}

}  // namespace panel
