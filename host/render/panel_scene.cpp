#include "panel_scene.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "bitmaps.h"
#include "module_file.h"

namespace render {
namespace {

// Windows without a background bitmap: the panel's dark grey.
constexpr double kPanelGrey = 0.16;
constexpr int kGapBetweenWindows = 8;

std::string line_of(const panel::PanelConfig& config, int line) {
    return config.file.string() + ":" + std::to_string(line) + ": ";
}

}  // namespace

Image read_bmp_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read background bitmap " + file.string());
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    // A .bmp file is a 14-byte file header followed by what a resource holds.
    constexpr std::size_t kFileHeader = 14;
    if (bytes.size() < kFileHeader || bytes[0] != 'B' || bytes[1] != 'M')
        throw std::runtime_error(file.string() + " is not a bitmap file (no BM header)");
    try {
        const module_file::Bitmap bitmap =
            module_file::decode_dib(std::span(bytes).subspan(kFileHeader), 0, 0);
        return picture_of(bitmap, BitmapUse::kOpaque);
    } catch (const std::exception& error) {
        throw std::runtime_error(file.string() + ": " + error.what());
    }
}

PanelScene::PanelScene(host::Host& host, const panel::PanelConfig& config,
                       const std::filesystem::path& module_folder, GaugeRenderer& renderer)
    : host_(host), config_(config), renderer_(renderer) {
    std::map<std::string, int> times_placed;
    for (const panel::Window& window : config.windows) {
        for (const panel::GaugeEntry& entry : window.gauges) {
            try {
                if (host.module(entry.module) == nullptr)
                    host.load_module_named(entry.module, module_folder);
                const std::string name = entry.module + "!" + entry.gauge;
                const int count = ++times_placed[name];
                const std::string alias = count == 1 ? name : name + "#" + std::to_string(count);
                // A gauge already placed under that name (by a scenario, or an
                // earlier drawing of this panel) is drawn as it stands.
                host::Placement* placed = host.placement(alias);
                if (placed == nullptr)
                    placed = &host.place(entry.module, entry.gauge, alias);
                else if (placed->module().name() != entry.module ||
                         placed->gauge().name != entry.gauge)
                    throw std::runtime_error("'" + alias + "' is already placed as another gauge");
                host::Placement& placement = *placed;
                const auto [own_width, own_height] = renderer.gauge_size(placement);
                const int width =
                    entry.width.value_or(static_cast<int>(placement.gauge().default_width_mm));
                if (width <= 0) throw std::runtime_error("the gauge declares no default width");
                const int height = entry.height.value_or(std::max(
                    1, static_cast<int>(
                           std::lround(static_cast<double>(width) * own_height / own_width))));
                gauges_.push_back({&window, &entry, &placement, width, height});
            } catch (const std::exception& error) {
                throw std::runtime_error(line_of(config, entry.line) + error.what());
            }
        }
    }
}

std::pair<int, int> PanelScene::window_size(const panel::Window& window) {
    if (window.size) return {window.size->width, window.size->height};
    if (!window.background_file.empty()) {
        const Image background = read_bmp_file(config_.file.parent_path() / window.background_file);
        return {background.width(), background.height()};
    }
    throw std::runtime_error(line_of(config_, window.line) + "window has no size");
}

Image PanelScene::draw_window(const panel::Window& window, const RenderOptions& options) {
    const auto [width, height] = window_size(window);
    Image image(width, height);
    ContextPtr context = image.context();
    cairo_t* cr = context.get();
    cairo_set_source_rgb(cr, kPanelGrey, kPanelGrey, kPanelGrey);
    cairo_paint(cr);
    if (!window.background_file.empty()) {
        const Image background = read_bmp_file(config_.file.parent_path() / window.background_file);
        cairo_save(cr);
        cairo_scale(cr, static_cast<double>(width) / background.width(),
                    static_cast<double>(height) / background.height());
        cairo_set_source_surface(cr, background.surface(), 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    for (const PlacedGauge& gauge : gauges_) {
        if (gauge.window != &window) continue;
        host_.update(*gauge.placement);
        const Image picture =
            renderer_.draw_scaled(*gauge.placement, gauge.width, gauge.height, options);
        cairo_set_source_surface(cr, picture.surface(), gauge.entry->x, gauge.entry->y);
        cairo_paint(cr);
    }
    check(cr, "drawing a panel window");
    return image;
}

Image PanelScene::draw_all(const RenderOptions& options) {
    if (config_.windows.empty())
        throw std::runtime_error(config_.file.string() + ": the configuration has no windows");
    std::vector<Image> pictures;
    int width = 0;
    int height = 0;
    for (const panel::Window& window : config_.windows) {
        pictures.push_back(draw_window(window, options));
        width = std::max(width, pictures.back().width());
        height += pictures.back().height() + (pictures.size() > 1 ? kGapBetweenWindows : 0);
    }
    Image image(width, height);
    ContextPtr context = image.context();
    int top = 0;
    for (const Image& picture : pictures) {
        cairo_set_source_surface(context.get(), picture.surface(), 0, top);
        cairo_paint(context.get());
        top += picture.height() + kGapBetweenWindows;
    }
    check(context.get(), "drawing the panel");
    return image;
}

}  // namespace render
