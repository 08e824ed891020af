#include "render_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>

#include "gauge_renderer.h"
#include "host.h"
#include "panel_config.h"
#include "panel_scene.h"
#include "state_file.h"
#include "text_fields.h"

namespace tools {

const char* const kRenderUsage =
    "       gaugehost render PANEL_CFG|Module!Gauge --out FILE.png [--modules DIR]\n"
    "                 [--state FILE] [--window NUMBER|TITLE] [--width PIXELS]\n"
    "                 [--selection ID] [--fail KEY]...\n";

namespace {

struct RenderRequest {
    std::string subject;  // a panel.cfg file or Module!Gauge
    std::filesystem::path out;
    std::filesystem::path modules;
    std::optional<std::filesystem::path> state;
    std::optional<std::string> window;
    std::optional<int> width;
    std::optional<int> selection;
    std::vector<int> failures;
};

std::optional<int> positive(const std::string& word, int largest) {
    const auto number = panel::parse_int(word);
    if (!number || *number <= 0 || *number > largest) return std::nullopt;
    return number;
}

// The words after "render"; nullopt when they do not make a request.
std::optional<RenderRequest> parse(const std::vector<std::string>& words) {
    RenderRequest request;
    for (std::size_t at = 0; at < words.size(); ++at) {
        const std::string& word = words[at];
        const bool has_value = at + 1 < words.size();
        if (word == "--out" && has_value) {
            request.out = words[++at];
        } else if (word == "--modules" && has_value) {
            request.modules = words[++at];
        } else if (word == "--state" && has_value) {
            request.state = words[++at];
        } else if (word == "--window" && has_value) {
            request.window = words[++at];
        } else if (word == "--width" && has_value) {
            request.width = positive(words[++at], 16384);
            if (!request.width) return std::nullopt;
        } else if (word == "--selection" && has_value) {
            request.selection = panel::parse_int(words[++at]);
            if (!request.selection) return std::nullopt;
        } else if (word == "--fail" && has_value) {
            const auto key = positive(words[++at], 0x7FFFFFFF);
            if (!key) return std::nullopt;
            request.failures.push_back(*key);
        } else if (word.starts_with("--") || !request.subject.empty()) {
            return std::nullopt;
        } else {
            request.subject = word;
        }
    }
    if (request.subject.empty() || request.out.empty()) return std::nullopt;
    return request;
}

bool names_gauge(const std::string& subject) {
    return subject.find('!') != std::string::npos && !std::filesystem::exists(subject);
}

void apply_options(const RenderRequest& request, host::Host& host, render::GaugeRenderer& renderer,
                   render::RenderOptions& options) {
    if (request.state) render::apply_state_file(*request.state, host, renderer, options);
    if (request.selection) options.selection_id = *request.selection;
    for (const int key : request.failures)
        renderer.set_failure(static_cast<std::uint32_t>(key), true);
}

// One gauge, placed as Module!Gauge unless it already is, drawn at its own
// size or at --width.
render::Image render_gauge(const RenderRequest& request, host::Host& host,
                           render::GaugeRenderer& renderer) {
    const auto bang = request.subject.find('!');
    const std::string module = request.subject.substr(0, bang);
    const std::string gauge = request.subject.substr(bang + 1);
    host::Placement* placement = host.placement(request.subject);
    if (placement == nullptr) {
        if (host.module(module) == nullptr) host.load_module_named(module, request.modules);
        placement = &host.place(module, gauge);
    }
    render::RenderOptions options;
    apply_options(request, host, renderer, options);
    host.update(*placement);
    if (!request.width) return renderer.draw(*placement, options);
    const auto [width, height] = renderer.gauge_size(*placement);
    const int scaled_height = std::max(1, *request.width * height / width);
    return renderer.draw_scaled(*placement, *request.width, scaled_height, options);
}

render::Image render_panel(const RenderRequest& request, host::Host& host,
                           render::GaugeRenderer& renderer) {
    const panel::PanelConfig config = panel::read_panel_config(request.subject);
    if (!config.problems.empty()) {
        std::string problems;
        for (const panel::Problem& problem : config.problems) problems += "\n" + problem.text();
        throw std::runtime_error(std::to_string(config.problems.size()) +
                                 " problem(s) in the panel configuration:" + problems);
    }
    render::PanelScene scene(host, config, request.modules, renderer);
    render::RenderOptions options;
    apply_options(request, host, renderer, options);
    if (!request.window) return scene.draw_all(options);
    const panel::Window* window = config.find_window(*request.window);
    if (window == nullptr)
        throw std::runtime_error(config.file.string() + " has no window '" + *request.window + "'");
    return scene.draw_window(*window, options);
}

render::Image render_subject(const RenderRequest& request, host::Host& host,
                             render::GaugeRenderer& renderer) {
    return names_gauge(request.subject) ? render_gauge(request, host, renderer)
                                        : render_panel(request, host, renderer);
}

}  // namespace

int render_command(const std::vector<std::string>& arguments,
                   const std::filesystem::path& default_module_folder) {
    auto request = parse(arguments);
    if (!request) {
        std::cerr << "usage:\n" << kRenderUsage;
        return 2;
    }
    if (request->modules.empty()) request->modules = default_module_folder;
    host::Host host;
    render::GaugeRenderer renderer;
    const render::Image picture = render_subject(*request, host, renderer);
    picture.write_png(request->out);
    for (const std::string& error : host.errors()) std::cerr << "host: " << error << "\n";
    std::cout << "wrote " << request->out.string() << " (" << picture.width() << " x "
              << picture.height() << ")\n";
    return 0;
}

void add_render_command(host::ScenarioOptions& options) {
    auto renderer = std::make_shared<render::GaugeRenderer>();
    const std::filesystem::path modules = options.module_folder;
    options.extra_commands["render"] = [renderer, modules](
                                           host::Host& host, const std::vector<std::string>& words,
                                           const std::filesystem::path& scenario_file) {
        auto request = parse({words.begin() + 1, words.end()});
        if (!request || request->modules != std::filesystem::path())
            throw std::runtime_error(
                "usage: render PANEL_CFG|Module!Gauge --out FILE.png [--window NUMBER|TITLE] "
                "[--width PIXELS] [--selection ID] [--fail KEY]... [--state FILE]");
        request->modules = modules;
        const std::filesystem::path folder = scenario_file.parent_path();
        if (!names_gauge(request->subject)) request->subject = (folder / request->subject).string();
        if (request->state) request->state = folder / *request->state;
        render_subject(*request, host, *renderer).write_png(request->out);
    };
}

}  // namespace tools
