#include "scenario_line.h"

namespace host {

std::optional<std::vector<std::string>> split_words(const std::string& line, std::string& problem) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++at;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            std::string word;
            ++at;
            while (at < line.size() && line[at] != '"') {
                if (line[at] == '\\' && at + 1 < line.size()) ++at;
                word += line[at++];
            }
            if (at >= line.size()) {
                problem = "unterminated quoted text";
                return std::nullopt;
            }
            ++at;
            words.push_back(word);
        } else {
            const std::size_t end = line.find_first_of(" \t\r#\"", at);
            words.push_back(line.substr(at, end == std::string::npos ? end : end - at));
            at = end == std::string::npos ? line.size() : end;
        }
    }
    return words;
}

}  // namespace host
