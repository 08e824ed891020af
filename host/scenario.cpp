#include "scenario.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "host.h"
#include "names.h"
#include "scenario_line.h"
#include "value_text.h"

namespace host {
namespace {

using Words = std::vector<std::string>;

// A line that is malformed or cannot run; it stops the scenario.
class LineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::int32_t parse_int(const std::string& word, const char* what) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        throw LineError(std::string("bad ") + what + " '" + word + "'");
    return value;
}

std::uint32_t parse_u32(const std::string& word, const char* what) {
    const auto value = parse_unsigned(word);
    if (!value || *value > UINT32_MAX)
        throw LineError(std::string("bad ") + what + " '" + word + "'");
    return static_cast<std::uint32_t>(*value);
}

// A host variable's value as a scenario writes it: raw bits, and whether it
// compares as a double (NaN equals any NaN) or bit for bit.
struct VariableValue {
    std::uint64_t bits;
    bool as_number;
};

class Runner {
  public:
    Runner(std::string label, const ScenarioOptions& options, std::ostream& out)
        : label_(std::move(label)), options_(options), out_(out) {}

    int run(std::istream& in) {
        std::string text;
        while (std::getline(in, text)) {
            ++line_;
            try {
                std::string problem;
                const auto words = split_words(text, problem);
                if (!words) throw LineError(problem);
                if (words->empty()) continue;
                if (options_.verbose) out_ << "> " << text << "\n";
                execute(*words);
            } catch (const std::exception& error) {
                out_ << label_ << ":" << line_ << ": error: " << error.what() << "\n";
                return failures_ + 1;
            }
        }
        report_unexpected_errors();
        return failures_;
    }

  private:
    // --- Commands ----------------------------------------------------------
    void execute(const Words& w) {
        const std::string& command = w[0];
        if (command == "load") {
            need(w, 2, "load MODULE");
            host_.load_module_named(w[1], options_.module_folder);
        } else if (command == "unload") {
            need(w, 2, "unload MODULE");
            host_.unload_module(w[1]);
        } else if (command == "place") {
            place(w);
        } else if (command == "set") {
            need_at_least(w, 3, "set VAR VALUE");
            const std::uint32_t token = variable(w[1]);
            host_.variables().set_bits(token, value_of(token, w, 2).bits);
        } else if (command == "advance") {
            need(w, 2, "advance SECONDS");
            host_.advance_time_ms(milliseconds(w[1]));
        } else if (command == "update") {
            if (w.size() == 1) {
                host_.update_all();
            } else {
                need(w, 2, "update [ALIAS]");
                host_.update(placement(w[1]));
            }
        } else if (command == "service") {
            need(w, 3, "service ALIAS ID");
            host_.send_service(placement(w[1]), parse_int(w[2], "service id"));
        } else if (command == "click" || command == "press") {
            need(w, 4, command + " ALIAS X Y");
            const Point point = point_of(w, 2);
            const bool taken = command == "click" ? host_.click(placement(w[1]), point)
                                                  : host_.press(placement(w[1]), point);
            if (!taken)
                out_ << label_ << ":" << line_ << ": note: no rectangle takes a click there\n";
        } else if (command == "move") {
            need(w, 3, "move X Y");
            host_.move(point_of(w, 1));
        } else if (command == "release") {
            need(w, 1, "release");
            host_.release();
        } else if (command == "hold") {
            need(w, 5, "hold ALIAS X Y SECONDS");
            host_.press(placement(w[1]), point_of(w, 2));
            host_.advance_time_ms(milliseconds(w[4]));
            host_.release();
        } else if (command == "clear") {
            need(w, 2, "clear events");
            if (w[1] != "events") throw LineError("usage: clear events");
            host_.clear_key_events();
            checked_events_ = shown_events_ = 0;
        } else if (command == "expect") {
            need_at_least(w, 2, "expect WHAT ...");
            expect(w);
        } else if (command == "show") {
            need(w, 2, "show ALIAS|events");
            if (w[1] == "events")
                show_events();
            else
                show(placement(w[1]));
        } else if (command == "print") {
            need(w, 2, "print \"TEXT\"");
            out_ << w[1] << "\n";
        } else if (const auto extra = options_.extra_commands.find(command);
                   extra != options_.extra_commands.end()) {
            extra->second(host_, w, label_);
        } else {
            throw LineError("unknown command '" + command + "'");
        }
    }

    void place(const Words& w) {
        if (w.size() < 2) throw LineError("usage: place MODULE!GAUGE [as ALIAS] [no-first-values]");
        const std::size_t bang = w[1].find('!');
        if (bang == std::string::npos) throw LineError("expected MODULE!GAUGE, got '" + w[1] + "'");
        std::string alias;
        PlacementOptions options;
        for (std::size_t at = 2; at < w.size(); ++at) {
            if (w[at] == "as" && at + 1 < w.size()) {
                alias = w[++at];
            } else if (w[at] == "no-first-values") {
                options.send_first_values = false;
            } else {
                throw LineError("unknown placement option '" + w[at] + "'");
            }
        }
        host_.place(w[1].substr(0, bang), w[1].substr(bang + 1), alias, options);
    }

    // --- Expectations ------------------------------------------------------
    void expect(const Words& w) {
        const std::string& what = w[1];
        if (what == "text") {
            need(w, 5, "expect text ALIAS ELEMENT \"TEXT\"");
            const ElementState& state = element_of_kind(w, gauge::kString);
            check("text of " + w[2] + " element " + w[3], quoted(w[4]), quoted(state.text));
        } else if (what == "value") {
            expect_value(w);
        } else if (what == "image") {
            need(w, 5, "expect image ALIAS ELEMENT INDEX");
            const ElementState& state = element_of_kind(w, gauge::kIcon);
            check("image of " + w[2] + " element " + w[3],
                  std::to_string(parse_int(w[4], "image index")), std::to_string(state.image));
        } else if (what == "hidden") {
            need(w, 5, "expect hidden ALIAS ELEMENT yes|no");
            if (w[4] != "yes" && w[4] != "no") throw LineError("expected yes or no, got " + w[4]);
            const ElementState& state = placement(w[2]).element(parse_int(w[3], "element"));
            check("hidden of " + w[2] + " element " + w[3], w[4], state.hidden ? "yes" : "no");
        } else if (what == "event") {
            need(w, 4, "expect event EVENT VALUE");
            expect_event(w);
        } else if (what == "events") {
            need(w, 3, "expect events none");
            if (w[2] != "none") throw LineError("usage: expect events none");
            const auto& events = host_.key_events();
            check("key events", "none",
                  checked_events_ >= events.size() ? "none" : event_text(events[checked_events_]));
            checked_events_ = events.size();
        } else if (what == "var") {
            need_at_least(w, 4, "expect var VAR VALUE");
            expect_variable(w);
        } else if (what == "cursor") {
            need(w, 6, "expect cursor ALIAS X Y CURSOR");
            check("cursor of " + w[2] + " at " + w[3] + "," + w[4],
                  std::to_string(parse_int(w[5], "cursor")),
                  std::to_string(placement(w[2]).mouse().cursor_at(point_of(w, 3))));
        } else if (what == "help") {
            need(w, 6, "expect help ALIAS X Y HELP");
            const auto help = parse_help_id(w[5]);
            if (!help) throw LineError("unknown help id '" + w[5] + "'");
            const std::uint32_t actual = placement(w[2]).mouse().help_at(point_of(w, 3));
            check("help of " + w[2] + " at " + w[3] + "," + w[4], help_id_label(*help),
                  help_id_label(actual));
        } else if (what == "error") {
            need(w, 3, "expect error \"TEXT\"");
            const auto& errors = host_.errors();
            const std::string actual =
                checked_errors_ < errors.size() ? errors[checked_errors_] : "no more errors";
            if (actual.find(w[2]) == std::string::npos)
                fail("host error", "one containing " + quoted(w[2]), quoted(actual));
            checked_errors_ = std::min(checked_errors_ + 1, errors.size());
        } else if (what == "errors") {
            need(w, 3, "expect errors none");
            if (w[2] != "none") throw LineError("usage: expect errors none");
            report_unexpected_errors();
        } else {
            throw LineError("unknown expectation '" + what + "'");
        }
    }

    void expect_value(const Words& w) {
        if (w.size() != 5 && w.size() != 6)
            throw LineError("usage: expect value ALIAS ELEMENT [x|y|rotation] VALUE");
        const ElementState& state = placement(w[2]).element(parse_int(w[3], "element"));
        int index = 0;
        if (w.size() == 6) {
            const std::string& axis = w[4];
            index = axis == "x" ? 0 : axis == "y" ? 1 : axis == "rotation" ? 2 : -1;
            if (index < 0) throw LineError("unknown value '" + axis + "'");
        }
        if (index >= state.value_count)
            throw LineError(std::string("element ") + w[3] + " (" +
                            element_kind_name(state.element->kind) + ") has " +
                            std::to_string(state.value_count) + " values");
        const auto expected = parse_number(w.back());
        if (!expected) throw LineError("bad value '" + w.back() + "'");
        const double actual = state.values[static_cast<std::size_t>(index)];
        if (!same_number(*expected, actual))
            fail("value of " + w[2] + " element " + w[3], format_number(*expected),
                 format_number(actual));
    }

    void expect_event(const Words& w) {
        const auto id = parse_key_event(w[2]);
        if (!id) throw LineError("unknown key event '" + w[2] + "'");
        const KeyEvent expected{*id, parse_u32(w[3], "event value")};
        const auto& events = host_.key_events();
        const std::string actual = checked_events_ < events.size()
                                       ? event_text(events[checked_events_])
                                       : std::string("no more events");
        check("key event", event_text(expected), actual);
        if (checked_events_ < events.size()) ++checked_events_;
    }

    void expect_variable(const Words& w) {
        const std::uint32_t token = variable(w[2]);
        const VariableValue expected = value_of(token, w, 3);
        const std::uint64_t actual = host_.variables().bits(token);
        const bool same = expected.as_number ? same_number(std::bit_cast<double>(expected.bits),
                                                           std::bit_cast<double>(actual))
                                             : expected.bits == actual;
        if (!same)
            fail("variable " + token_label(token), variable_text(token, expected),
                 variable_text(token, {actual, expected.as_number}));
    }

    void check(const std::string& what, const std::string& expected, const std::string& actual) {
        if (expected != actual) fail(what, expected, actual);
    }

    void fail(const std::string& what, const std::string& expected, const std::string& actual) {
        ++failures_;
        out_ << label_ << ":" << line_ << ": " << what << ": expected " << expected << ", got "
             << actual << "\n";
    }

    void report_unexpected_errors() {
        const auto& errors = host_.errors();
        for (; checked_errors_ < errors.size(); ++checked_errors_)
            fail("host error", "none", quoted(errors[checked_errors_]));
    }

    // --- Output ------------------------------------------------------------
    void show(Placement& placed) {
        out_ << "[" << placed.alias() << "] " << placed.module().name() << "!"
             << placed.gauge().name << "\n";
        for (const ElementState& state : placed.elements()) {
            out_ << std::string(static_cast<std::size_t>(2 + 2 * state.depth), ' ') << state.number
                 << " " << element_kind_name(state.element->kind);
            if (state.element->kind == gauge::kString) out_ << ": " << quoted(state.text);
            if (state.element->kind == gauge::kIcon)
                out_ << ": image " << (state.image < 0 ? "none" : std::to_string(state.image));
            if (state.value_count > 0) {
                out_ << " (value";
                for (int index = 0; index < state.value_count; ++index)
                    out_ << " " << format_number(state.values[static_cast<std::size_t>(index)]);
                out_ << ")";
            }
            if (state.hidden) out_ << " hidden";
            out_ << "\n";
        }
    }

    void show_events() {
        const auto& events = host_.key_events();
        if (shown_events_ >= events.size()) out_ << "  (no new key events)\n";
        for (; shown_events_ < events.size(); ++shown_events_)
            out_ << "  sent " << event_text(events[shown_events_]) << "\n";
    }

    static std::string event_text(const KeyEvent& event) {
        return key_event_label(event.id) + " value " + hex(event.value) + " (" +
               std::to_string(event.value) + ")";
    }

    static std::string variable_text(std::uint32_t token, const VariableValue& value) {
        if (value.as_number) return format_number(std::bit_cast<double>(value.bits));
        if (token_kind(token) == TokenKind::kWhole && value.bits <= UINT32_MAX)
            return hex(value.bits) + " (" + std::to_string(value.bits) + ")";
        return "bits " + hex(value.bits);
    }

    // --- Words -------------------------------------------------------------
    static void need(const Words& w, std::size_t count, const std::string& usage) {
        if (w.size() != count) throw LineError("usage: " + usage);
    }
    static void need_at_least(const Words& w, std::size_t count, const std::string& usage) {
        if (w.size() < count) throw LineError("usage: " + usage);
    }

    Placement& placement(const std::string& alias) {
        Placement* placed = host_.placement(alias);
        if (placed == nullptr) throw LineError("no gauge placed as '" + alias + "'");
        return *placed;
    }

    const ElementState& element_of_kind(const Words& w, std::uint32_t kind) {
        const ElementState& state = placement(w[2]).element(parse_int(w[3], "element"));
        if (state.element->kind != kind)
            throw LineError("element " + w[3] + " of " + w[2] + " is of kind " +
                            element_kind_name(state.element->kind) + ", not " +
                            element_kind_name(kind));
        return state;
    }

    static Point point_of(const Words& w, std::size_t at) {
        return {parse_int(w[at], "x"), parse_int(w[at + 1], "y")};
    }

    static std::int64_t milliseconds(const std::string& word) {
        const auto seconds = parse_number(word);
        if (!seconds || !std::isfinite(*seconds) || *seconds < 0 || *seconds > 1e6)
            throw LineError("bad time in seconds '" + word + "'");
        return std::llround(*seconds * 1000.0);
    }

    static std::uint32_t variable(const std::string& word) {
        const auto token = parse_token(word);
        if (!token) throw LineError("unknown host variable '" + word + "'");
        return *token;
    }

    // VALUE at w[at], or "bits HEX" at w[at], w[at + 1].
    static VariableValue value_of(std::uint32_t token, const Words& w, std::size_t at) {
        if (w[at] == "bits") {
            if (w.size() != at + 2) throw LineError("usage: ... bits 0xHEX");
            const auto bits = parse_unsigned(w[at + 1]);
            if (!bits) throw LineError("bad bits '" + w[at + 1] + "'");
            return {*bits, false};
        }
        if (w.size() != at + 1) throw LineError("one value expected after the variable");
        if (token_kind(token) == TokenKind::kWhole) {
            const auto whole = parse_unsigned(w[at]);
            if (!whole || *whole > UINT32_MAX)
                throw LineError(token_label(token) + " holds 32-bit whole numbers, not '" + w[at] +
                                "' (use bits for other patterns)");
            return {*whole, false};
        }
        const auto number = parse_number(w[at]);
        if (!number) throw LineError("bad number '" + w[at] + "'");
        return {std::bit_cast<std::uint64_t>(*number), true};
    }

    std::string label_;
    ScenarioOptions options_;
    std::ostream& out_;
    Host host_;
    int line_ = 0;
    int failures_ = 0;
    std::size_t checked_events_ = 0;
    std::size_t shown_events_ = 0;
    std::size_t checked_errors_ = 0;
};

}  // namespace

int run_scenario_text(const std::string& text, const std::string& file_label,
                      const ScenarioOptions& options, std::ostream& out) {
    std::istringstream in(text);
    return Runner(file_label, options, out).run(in);
}

int run_scenario_file(const std::filesystem::path& file, const ScenarioOptions& options,
                      std::ostream& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        out << file.string() << ": error: cannot read the scenario file\n";
        return 1;
    }
    return Runner(file.string(), options, out).run(in);
}

}  // namespace host
