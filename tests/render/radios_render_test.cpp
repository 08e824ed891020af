// The radio panel as the pilot sees it: panels/radios/panel.cfg placed with the
// built Radios module, blank until the power knobs are clicked on, then every
// display lit.
#include <gtest/gtest.h>

#include "panel_scene.h"
#include "render_probes.h"
#include "state_file.h"

namespace {

using namespace render_test;

// The four display boxes of a unit, at (x, 20), 120 x 40 in unit pixels; the
// panel draws the units at their own size.
constexpr int kDisplayX[] = {20, 160, 325, 465};

int lit_pixels(const render::Image& image, int unit_top, int display_x) {
    return count_in(image, display_x, unit_top + 20, 120, 40, is_orange);
}

TEST(RadiosPanel, DisplaysLightOnlyAfterThePowerKnobsAreClicked) {
    const panel::PanelConfig config =
        panel::read_panel_config(std::filesystem::path(PANEL_DIR) / "radios" / "panel.cfg");
    ASSERT_TRUE(config.problems.empty()) << config.problems.front().text();
    host::Host host;
    render::GaugeRenderer renderer;
    render::PanelScene scene(host, config, GAUGE_MODULE_DIR, renderer);
    ASSERT_EQ(scene.gauges().size(), 2u);

    render::RenderOptions options;
    render::apply_state_text(
        "set \"COM 1 active frequency\" 0x2345\nset \"NAV 2 active frequency\" 0x1190\nupdate\n",
        "before", host, renderer, options);
    const render::Image before = scene.draw_all(options);
    ASSERT_EQ(before.width(), 603);
    ASSERT_EQ(before.height(), 400);
    for (const int top : {0, 200})
        for (const int x : kDisplayX)
            EXPECT_EQ(lit_pixels(before, top, x), 0) << "unit at " << top << ", display " << x;

    render::apply_state_text("click Radios!RadioComNav1 68 150\nclick Radios!RadioComNav2 68 150\n",
                             "power on", host, renderer, options);
    const render::Image after = scene.draw_all(options);
    for (const int top : {0, 200})
        for (const int x : kDisplayX)
            EXPECT_GT(lit_pixels(after, top, x), 100) << "unit at " << top << ", display " << x;
}

TEST(RadiosPanel, StateFileErrorsNameTheLine) {
    host::Host host;
    render::GaugeRenderer renderer;
    render::RenderOptions options;
    struct Case {
        const char* text;
        const char* message;
    };
    for (const Case& c :
         {Case{"set nonsense 1", "state:1: unknown host variable"},
          Case{"# fine\nset 23 -5", "state:2:"}, Case{"click Nowhere!Gauge 1 2", "no gauge placed"},
          Case{"selection x", "bad selection id"}, Case{"fail 0", "failure keys are positive"},
          Case{"paint 1", "unknown command 'paint'"}}) {
        try {
            render::apply_state_text(c.text, "state", host, renderer, options);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

}  // namespace
