#include "render_command.h"

#include <iostream>
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
    "                 [--state FILE] [--window NUMBER|TITLE] [--width PIXELS]\n";

namespace {

struct RenderArguments {
    std::string subject;  // a panel.cfg file or Module!Gauge
    std::filesystem::path out;
    std::filesystem::path modules;
    std::optional<std::filesystem::path> state;
    std::optional<std::string> window;
    std::optional<int> width;
};

std::optional<RenderArguments> parse(const std::vector<std::string>& arguments,
                                     const std::filesystem::path& default_module_folder) {
    RenderArguments parsed;
    parsed.modules = default_module_folder;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& word = arguments[at];
        const bool has_value = at + 1 < arguments.size();
        if (word == "--out" && has_value) {
            parsed.out = arguments[++at];
        } else if (word == "--modules" && has_value) {
            parsed.modules = arguments[++at];
        } else if (word == "--state" && has_value) {
            parsed.state = arguments[++at];
        } else if (word == "--window" && has_value) {
            parsed.window = arguments[++at];
        } else if (word == "--width" && has_value) {
            parsed.width = panel::parse_int(arguments[++at]);
            if (!parsed.width || *parsed.width <= 0 || *parsed.width > 16384) return std::nullopt;
        } else if (word.starts_with("--") || !parsed.subject.empty()) {
            return std::nullopt;
        } else {
            parsed.subject = word;
        }
    }
    if (parsed.subject.empty() || parsed.out.empty()) return std::nullopt;
    return parsed;
}

// One gauge: placed as Module!Gauge, drawn at its own size or --width.
render::Image render_gauge(const RenderArguments& arguments, host::Host& host,
                           render::GaugeRenderer& renderer) {
    const auto bang = arguments.subject.find('!');
    const std::string module = arguments.subject.substr(0, bang);
    const std::string gauge = arguments.subject.substr(bang + 1);
    host.load_module_named(module, arguments.modules);
    host::Placement& placement = host.place(module, gauge);
    render::RenderOptions options;
    if (arguments.state) render::apply_state_file(*arguments.state, host, renderer, options);
    host.update(placement);
    if (!arguments.width) return renderer.draw(placement, options);
    const auto [width, height] = renderer.gauge_size(placement);
    const int scaled_height = std::max(1, *arguments.width * height / width);
    return renderer.draw_scaled(placement, *arguments.width, scaled_height, options);
}

render::Image render_panel(const RenderArguments& arguments, host::Host& host,
                           render::GaugeRenderer& renderer) {
    const panel::PanelConfig config = panel::read_panel_config(arguments.subject);
    for (const panel::Problem& problem : config.problems) std::cerr << problem.text() << "\n";
    if (!config.problems.empty())
        throw std::runtime_error(std::to_string(config.problems.size()) +
                                 " problem(s) in the panel configuration");
    render::PanelScene scene(host, config, arguments.modules, renderer);
    render::RenderOptions options;
    if (arguments.state) render::apply_state_file(*arguments.state, host, renderer, options);
    if (!arguments.window) return scene.draw_all(options);
    const panel::Window* window = config.find_window(*arguments.window);
    if (window == nullptr)
        throw std::runtime_error(config.file.string() + " has no window '" + *arguments.window +
                                 "'");
    return scene.draw_window(*window, options);
}

}  // namespace

int render_command(const std::vector<std::string>& arguments,
                   const std::filesystem::path& default_module_folder) {
    const auto parsed = parse(arguments, default_module_folder);
    if (!parsed) {
        std::cerr << "usage:\n" << kRenderUsage;
        return 2;
    }
    host::Host host;
    render::GaugeRenderer renderer;
    const bool one_gauge =
        parsed->subject.find('!') != std::string::npos && !std::filesystem::exists(parsed->subject);
    const render::Image picture =
        one_gauge ? render_gauge(*parsed, host, renderer) : render_panel(*parsed, host, renderer);
    picture.write_png(parsed->out);
    for (const std::string& error : host.errors()) std::cerr << "host: " << error << "\n";
    std::cout << "wrote " << parsed->out.string() << " (" << picture.width() << " x "
              << picture.height() << ")\n";
    return 0;
}

}  // namespace tools
