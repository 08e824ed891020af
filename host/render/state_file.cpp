#include "state_file.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "names.h"
#include "scenario_line.h"
#include "value_text.h"

namespace render {
namespace {

using Words = std::vector<std::string>;

std::int32_t whole_number(const std::string& word, const char* what) {
    std::int32_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || stop != end)
        throw std::runtime_error(std::string("bad ") + what + " '" + word + "'");
    return value;
}

void need(const Words& w, std::size_t count, const char* usage) {
    if (w.size() != count) throw std::runtime_error(std::string("usage: ") + usage);
}

void set_variable(host::Host& host, const Words& w) {
    need(w, 3, "set VAR VALUE");
    const auto token = host::parse_token(w[1]);
    if (!token) throw std::runtime_error("unknown host variable '" + w[1] + "'");
    if (host::token_kind(*token) == host::TokenKind::kWhole) {
        const auto whole = host::parse_unsigned(w[2]);
        if (!whole || *whole > UINT32_MAX)
            throw std::runtime_error(host::token_label(*token) +
                                     " holds 32-bit whole numbers, not '" + w[2] + "'");
        host.variables().set_whole(*token, static_cast<std::uint32_t>(*whole));
        return;
    }
    const auto number = host::parse_number(w[2]);
    if (!number) throw std::runtime_error("bad number '" + w[2] + "'");
    host.variables().set_number(*token, *number);
}

void run_line(const Words& w, host::Host& host, GaugeRenderer& renderer, RenderOptions& options) {
    const std::string& command = w[0];
    if (command == "set") {
        set_variable(host, w);
    } else if (command == "click") {
        need(w, 4, "click ALIAS X Y");
        host::Placement* placement = host.placement(w[1]);
        if (placement == nullptr) throw std::runtime_error("no gauge placed as '" + w[1] + "'");
        if (!host.click(*placement, {whole_number(w[2], "x"), whole_number(w[3], "y")}))
            throw std::runtime_error("no area of " + w[1] + " takes a click at " + w[2] + " " +
                                     w[3]);
    } else if (command == "update") {
        need(w, 1, "update");
        host.update_all();
    } else if (command == "selection") {
        need(w, 2, "selection ID");
        options.selection_id = whole_number(w[1], "selection id");
    } else if (command == "fail") {
        need(w, 2, "fail KEY");
        const std::int32_t key = whole_number(w[1], "failure key");
        if (key <= 0) throw std::runtime_error("failure keys are positive, not " + w[1]);
        renderer.set_failure(static_cast<std::uint32_t>(key), true);
    } else {
        throw std::runtime_error("unknown command '" + command +
                                 "' (set, click, update, selection, fail)");
    }
}

}  // namespace

void apply_state_text(const std::string& text, const std::string& label, host::Host& host,
                      GaugeRenderer& renderer, RenderOptions& options) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        try {
            std::string problem;
            const auto words = host::split_words(line, problem);
            if (!words) throw std::runtime_error(problem);
            if (!words->empty()) run_line(*words, host, renderer, options);
        } catch (const std::exception& error) {
            throw std::runtime_error(label + ":" + std::to_string(number) + ": " + error.what());
        }
    }
}

void apply_state_file(const std::filesystem::path& file, host::Host& host, GaugeRenderer& renderer,
                      RenderOptions& options) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read state file " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    apply_state_text(text.str(), file.string(), host, renderer, options);
}

}  // namespace render
