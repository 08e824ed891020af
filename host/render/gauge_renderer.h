// Draws placed gauges from the element states of their last host update:
// elements in drawing order, image flags, failures, needles with their
// tables and turning limits, strings, sliders, icons, moving images, sprites.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "bitmaps.h"
#include "image.h"
#include "placement.h"

namespace render {

struct RenderOptions {
    // The host's keyboard selection: strings highlight the characters their
    // highlight list gives for it. 0: none.
    std::int32_t selection_id = 0;
    // Needles jump to their values at once instead of turning by at most their
    // degrees per update (one update per drawing).
    bool settle_needles = true;
};

// Failure actions the renderer applies while a failure key is active.
enum FailureAction : std::uint32_t {
    kFailureNone = 0,
    kFailureFreeze = 1,  // the element keeps showing its value from before
    kFailureZero = 2,    // the element shows the value 0
    kFailureHide = 3,    // the element is not drawn
};

class GaugeRenderer {
  public:
    // The gauge at its own pixel size: that of its background bitmap.
    Image draw(const host::Placement& placement, const RenderOptions& options = {});
    // The same, scaled to width x height.
    Image draw_scaled(const host::Placement& placement, int width, int height,
                      const RenderOptions& options = {});
    // Width and height of the gauge's background bitmap.
    std::pair<int, int> gauge_size(const host::Placement& placement);

    void set_failure(std::uint32_t key, bool active);
    const std::set<std::uint32_t>& active_failures() const { return failures_; }

    BitmapLibrary& bitmaps() { return bitmaps_; }

  private:
    // What the renderer remembers of an element between drawings.
    struct Memory {
        bool drawn_before = false;
        double needle_angle = 0;  // unwrapped, as last drawn
        std::array<double, 3> values{};
        std::string text;
        std::int32_t image = -1;
        bool frozen = false;  // values, text and image hold the frozen picture
    };
    struct Shown {
        std::array<double, 3> values{};
        std::string text;
        std::int32_t image = -1;
    };

    Shown shown_state(const host::ElementState& state, Memory& memory, FailureAction action);
    FailureAction failure_action(const gauge::Element& element) const;
    void draw_element(cairo_t* cr, const host::Placement& placement,
                      const host::ElementState& state, const RenderOptions& options);

    void draw_static(cairo_t* cr, const host::LoadedModule& module, const gauge::Element& element);
    void draw_needle(cairo_t* cr, const host::LoadedModule& module, const gauge::Element& element,
                     double value, Memory& memory, const RenderOptions& options);
    void draw_string(cairo_t* cr, const gauge::Element& element, const std::string& text,
                     const RenderOptions& options);
    void draw_slider(cairo_t* cr, const host::LoadedModule& module, const gauge::Element& element,
                     const Shown& shown);
    void draw_icon(cairo_t* cr, const host::LoadedModule& module, const gauge::Element& element,
                   std::int32_t image);
    void draw_moving(cairo_t* cr, const host::LoadedModule& module, const gauge::Element& element,
                     const Shown& shown);
    void draw_sprite(cairo_t* cr, const host::LoadedModule& module, const gauge::Element& element,
                     const Shown& shown);

    BitmapLibrary bitmaps_;
    std::set<std::uint32_t> failures_;
    std::map<std::pair<std::string, int>, Memory> memory_;  // by alias, element number
};

}  // namespace render
