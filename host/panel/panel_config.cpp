// A small reader of our own rather than an INI library: it must build for the
// 32-bit Windows host as well (Debian ships no MinGW builds of inih or the
// like), and it must report every bad line with its number and go on, where
// the common INI readers stop at the first error or give no line numbers.
#include "panel_config.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "text_fields.h"

namespace panel {

std::string Problem::text() const {
    return file + ":" + std::to_string(line) + ": " + message;
}

const Window* PanelConfig::window(int number) const {
    for (const Window& candidate : windows)
        if (candidate.number == number) return &candidate;
    return nullptr;
}

const Window* PanelConfig::find_window(const std::string& number_or_title) const {
    if (const auto number = parse_int(number_or_title)) return window(*number);
    for (const Window& candidate : windows)
        if (candidate.title == number_or_title) return &candidate;
    return nullptr;
}

namespace {

enum class SectionKind { kNone, kTitles, kWindow, kUnknown };

class Reader {
  public:
    Reader(const std::filesystem::path& file) { config_.file = file; }

    PanelConfig read(const std::string& text) {
        std::istringstream in(text);
        std::string raw;
        while (std::getline(in, raw)) {
            ++line_;
            const std::string content = trim(strip_comment(raw));
            if (content.empty()) continue;
            if (content.front() == '[')
                section(content);
            else
                entry(content);
        }
        finish();
        return std::move(config_);
    }

  private:
    void problem(std::string message, int line = -1) {
        config_.problems.push_back(
            {config_.file.string(), line < 0 ? line_ : line, std::move(message)});
    }

    void section(const std::string& content) {
        if (content.back() != ']') {
            problem("malformed section header '" + content + "': expected [NAME]");
            kind_ = SectionKind::kUnknown;
            return;
        }
        const std::string name = trim(content.substr(1, content.size() - 2));
        keys_seen_.clear();
        if (lower(name) == "window titles") {
            kind_ = SectionKind::kTitles;
        } else if (const auto number = numbered(name, "window")) {
            if (config_.window(*number) != nullptr) {
                problem("section [" + name + "] appears twice; its second part is skipped");
                kind_ = SectionKind::kUnknown;
                return;
            }
            kind_ = SectionKind::kWindow;
            config_.windows.push_back({});
            config_.windows.back().number = *number;
            config_.windows.back().line = line_;
        } else {
            problem("unknown section [" + name + "]; its lines are skipped");
            kind_ = SectionKind::kUnknown;
        }
    }

    void entry(const std::string& content) {
        if (kind_ == SectionKind::kUnknown) return;
        const auto equals = content.find('=');
        if (equals == std::string::npos) {
            problem("expected KEY=VALUE, got '" + content + "'");
            return;
        }
        const std::string key = trim(content.substr(0, equals));
        const std::string value = trim(content.substr(equals + 1));
        if (key.empty()) {
            problem("a value without a key: '" + content + "'");
            return;
        }
        if (kind_ == SectionKind::kNone) {
            problem("'" + key + "' is outside any section");
            return;
        }
        if (!keys_seen_.insert({lower(key), line_}).second) {
            problem("'" + key + "' appears twice in this section (first on line " +
                    std::to_string(keys_seen_[lower(key)]) + ")");
            return;
        }
        if (kind_ == SectionKind::kTitles)
            title(key, value);
        else
            window_key(config_.windows.back(), key, value);
    }

    void title(const std::string& key, const std::string& value) {
        const auto number = numbered(key, "window");
        if (!number) {
            problem("unknown key '" + key + "' in [Window Titles]: expected WindowNN=TITLE");
            return;
        }
        titles_[*number] = {value, line_};
    }

    void window_key(Window& window, const std::string& key, const std::string& value) {
        const std::string name = lower(key);
        if (name == "file") {
            if (value.empty()) problem("file= names no file");
            window.background_file = value;
        } else if (name == "size_mm") {
            const auto numbers = parse_int_list(value);
            if (!numbers || numbers->size() != 2 || (*numbers)[0] <= 0 || (*numbers)[1] <= 0)
                problem("size_mm= expects two positive whole numbers WIDTH,HEIGHT, got '" + value +
                        "'");
            else
                window.size = Size{(*numbers)[0], (*numbers)[1]};
        } else if (name == "position") {
            const auto position = parse_int(value);
            if (!position || *position < 0 || *position > 8)
                problem("position= expects 0 to 8, got '" + value + "'");
            else
                window.position = *position;
        } else if (name == "visible") {
            if (value != "0" && value != "1")
                problem("visible= expects 0 or 1, got '" + value + "'");
            else
                window.visible = value == "1";
        } else if (name == "ident") {
            const auto ident = parse_unsigned32(value);
            if (!ident)
                problem("ident= expects a whole number, got '" + value + "'");
            else
                window.ident = *ident;
        } else if (const auto number = numbered(key, "gauge")) {
            gauge(window, *number, value);
        } else {
            problem("unknown key '" + key + "' in [Window" + two_digits(window.number) + "]");
        }
    }

    void gauge(Window& window, int number, const std::string& value) {
        const std::vector<std::string> fields = split(value, ',');
        const std::string usage = "expected Module!Gauge, X, Y[, WIDTH[, HEIGHT]]";
        if (fields.size() < 3 || fields.size() > 5) {
            problem("gauge" + two_digits(number) + "= " + usage + ", got '" + value + "'");
            return;
        }
        const auto bang = fields[0].find('!');
        if (bang == std::string::npos || bang == 0 || bang + 1 == fields[0].size()) {
            problem("gauge" + two_digits(number) + "= names no Module!Gauge: '" + fields[0] + "'");
            return;
        }
        GaugeEntry entry;
        entry.number = number;
        entry.module = trim(fields[0].substr(0, bang));
        entry.gauge = trim(fields[0].substr(bang + 1));
        entry.line = line_;
        const auto x = parse_int(fields[1]);
        const auto y = parse_int(fields[2]);
        if (!x || !y) {
            problem("gauge" + two_digits(number) + "= position is not two whole numbers: '" +
                    fields[1] + "," + fields[2] + "'");
            return;
        }
        entry.x = *x;
        entry.y = *y;
        for (std::size_t at = 3; at < fields.size(); ++at) {
            const auto size = parse_int(fields[at]);
            if (!size || *size <= 0) {
                problem("gauge" + two_digits(number) + "= " + (at == 3 ? "width" : "height") +
                        " must be a positive whole number, got '" + fields[at] + "'");
                return;
            }
            (at == 3 ? entry.width : entry.height) = *size;
        }
        window.gauges.push_back(entry);
    }

    void finish() {
        for (const auto& [number, title] : titles_) {
            Window* window = nullptr;
            for (Window& candidate : config_.windows)
                if (candidate.number == number) window = &candidate;
            if (window == nullptr)
                problem("title for Window" + two_digits(number) + ", which has no section",
                        title.second);
            else
                window->title = title.first;
        }
        for (Window& window : config_.windows) {
            if (!window.size && window.background_file.empty())
                problem("[Window" + two_digits(window.number) +
                            "] has neither size_mm= nor file=, so it has no size",
                        window.line);
            // Two lines for one gauge number are caught as a repeated key.
            std::stable_sort(window.gauges.begin(), window.gauges.end(),
                             [](const auto& a, const auto& b) { return a.number < b.number; });
        }
        std::stable_sort(config_.windows.begin(), config_.windows.end(),
                         [](const auto& a, const auto& b) { return a.number < b.number; });
        std::stable_sort(config_.problems.begin(), config_.problems.end(),
                         [](const auto& a, const auto& b) { return a.line < b.line; });
    }

    PanelConfig config_;
    SectionKind kind_ = SectionKind::kNone;
    int line_ = 0;
    std::map<std::string, int> keys_seen_;               // lower-case key, line
    std::map<int, std::pair<std::string, int>> titles_;  // window, (title, line)
};

}  // namespace

PanelConfig parse_panel_config(const std::string& text, const std::filesystem::path& file) {
    return Reader(file).read(text);
}

PanelConfig read_panel_config(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read panel configuration " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    return parse_panel_config(text.str(), file);
}

}  // namespace panel
