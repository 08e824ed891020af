// A panel configuration placed on a host: every gauge of every window placed,
// its modules loaded, and the windows drawn at their sizes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "gauge_renderer.h"
#include "host.h"
#include "panel_config.h"

namespace render {

struct PlacedGauge {
    const panel::Window* window;
    const panel::GaugeEntry* entry;
    host::Placement* placement;
    int width;  // in the window's units, which are the picture's pixels
    int height;
};

class PanelScene {
  public:
    // Loads the modules the configuration names (those not yet loaded) from
    // `module_folder` and places every gauge, as "Module!Gauge" the first time
    // a gauge appears and "Module!Gauge#2", "#3", ... after; a placement that
    // already has that name is used as it is. Throws
    // std::runtime_error naming the configuration line of a gauge that cannot
    // be found or placed.
    PanelScene(host::Host& host, const panel::PanelConfig& config,
               const std::filesystem::path& module_folder, GaugeRenderer& renderer);

    const std::vector<PlacedGauge>& gauges() const { return gauges_; }

    // Updates the window's gauges and draws them over its background, in the
    // order of their numbers.
    Image draw_window(const panel::Window& window, const RenderOptions& options = {});
    // Every window, one below the other.
    Image draw_all(const RenderOptions& options = {});

  private:
    std::pair<int, int> window_size(const panel::Window& window);

    host::Host& host_;
    const panel::PanelConfig& config_;
    GaugeRenderer& renderer_;
    std::vector<PlacedGauge> gauges_;
};

// Reads a background bitmap file (.bmp). Throws std::runtime_error naming the
// file when it is not a bitmap this host reads.
Image read_bmp_file(const std::filesystem::path& file);

}  // namespace render
