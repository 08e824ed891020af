// The radio stack as the pilot sees it: panels/radios/panel.cfg placed with the
// built Radios module, blank until the units are switched on, then every
// display lit.
#include <gtest/gtest.h>

#include <functional>
#include <string>

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

// Where the panel puts the units: left edge and top in panel pixels.
constexpr int kComNavTops[] = {126, 326};
struct UnitPlace {
    int left, top;
};
constexpr UnitPlace kAudio{0, 0}, kAdf{51, 526}, kDme{54, 637}, kTransponder{125, 747},
    kAutopilot{51, 837};

panel::PanelConfig stack_config() {
    return panel::read_panel_config(std::filesystem::path(PANEL_DIR) / "radios" / "panel.cfg");
}

bool is_lit_green(const render::Rgba& pixel) {
    return pixel.g > 200 && pixel.r < 200 && pixel.b < 220;
}
bool is_lit_amber(const render::Rgba& pixel) {
    return pixel.r > 220 && pixel.g > 120 && pixel.g < 230 && pixel.b < 120;
}
bool is_lit_blue(const render::Rgba& pixel) {
    return pixel.b > 200 && pixel.r < 160;
}

TEST(RadiosPanel, DisplaysLightOnlyAfterThePowerKnobsAreClicked) {
    const panel::PanelConfig config = stack_config();
    ASSERT_TRUE(config.problems.empty()) << config.problems.front().text();
    host::Host host;
    render::GaugeRenderer renderer;
    render::PanelScene scene(host, config, GAUGE_MODULE_DIR, renderer);
    ASSERT_EQ(scene.gauges().size(), 7u);

    render::RenderOptions options;
    render::apply_state_text(
        "set \"COM 1 active frequency\" 0x2345\nset \"NAV 2 active frequency\" 0x1190\nupdate\n",
        "before", host, renderer, options);
    const render::Image before = scene.draw_all(options);
    ASSERT_EQ(before.width(), 603);
    ASSERT_EQ(before.height(), 967);
    for (const int top : kComNavTops)
        for (const int x : kDisplayX)
            EXPECT_EQ(lit_pixels(before, top, x), 0) << "unit at " << top << ", display " << x;

    render::apply_state_text("click Radios!RadioComNav1 68 150\nclick Radios!RadioComNav2 68 150\n",
                             "power on", host, renderer, options);
    const render::Image after = scene.draw_all(options);
    for (const int top : kComNavTops)
        for (const int x : kDisplayX)
            EXPECT_GT(lit_pixels(after, top, x), 100) << "unit at " << top << ", display " << x;
}

// A region of one unit that shows light of one kind when lit.
struct Probe {
    const char* what;
    UnitPlace unit;
    int x, y, width, height;  // in unit pixels
    std::function<bool(const render::Rgba&)> lit;
    bool dark_before = true;  // the autopilot has no power switch
};

const Probe kAdfWindow{"ADF window", kAdf, 160, 13, 96, 40, is_orange};
const Probe kDmeDistance{"DME distance", kDme, 160, 25, 144, 35, is_orange};
const Probe kAutopilotAltitude{
    "autopilot altitude", kAutopilot, 220, 10, 180, 36, is_orange, false};
const Probe kApButton{"autopilot AP button", kAutopilot, 20, 92, 34, 20, is_lit_green};
const Probe kReplyLamp{"transponder reply lamp", kTransponder, 79, 22, 25, 15, is_lit_amber};

const Probe kProbes[] = {
    kAdfWindow,
    {"DME speed", kDme, 10, 25, 126, 35, is_orange},
    kDmeDistance,
    {"autopilot lateral", kAutopilot, 118, 10, 60, 36, is_orange},
    kAutopilotAltitude,
    {"autopilot vertical speed", kAutopilot, 220, 42, 180, 36, is_orange, false},
    kApButton,
    {"autopilot APR button", kAutopilot, 234, 92, 33, 20, is_lit_green},
    kReplyLamp,
    {"outer marker lamp", kAudio, 22, 26, 26, 81, is_lit_blue},
    {"COM 1 audio button", kAudio, 154, 22, 16, 24, is_lit_green},
    {"marker audio button", kAudio, 375, 22, 16, 24, is_lit_green},
};

int lit_count(const render::Image& image, const Probe& probe) {
    return count_in(image, probe.unit.left + probe.x, probe.unit.top + probe.y, probe.width,
                    probe.height, probe.lit);
}

// The whole stack placed from panel.cfg, ready to draw.
class Stack : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(config.problems.empty()) << config.problems.front().text();
    }

    void apply(const std::string& state) {
        render::apply_state_text(state, "state", host, renderer, options);
    }
    void apply_approach() {
        render::apply_state_file(std::filesystem::path(PANEL_DIR) / "radios" / "approach.state",
                                 host, renderer, options);
    }
    render::Image draw() { return scene.draw_all(options); }

    const panel::PanelConfig config = stack_config();
    host::Host host;
    render::GaugeRenderer renderer;
    render::PanelScene scene{host, config, GAUGE_MODULE_DIR, renderer};
    render::RenderOptions options;
};

// The approach state switches every unit on: each display shows amber text and
// the lamps it sets are lit; before it, all but the autopilot's settings are dark.
TEST_F(Stack, ApproachStateLightsEveryUnit) {
    apply("update\n");
    const render::Image dark = draw();
    for (const Probe& probe : kProbes) {
        if (probe.dark_before) {
            EXPECT_EQ(lit_count(dark, probe), 0) << probe.what;
        }
    }

    apply_approach();
    const render::Image lit = draw();
    for (const Probe& probe : kProbes) EXPECT_GT(lit_count(lit, probe), 20) << probe.what;
    for (const int top : kComNavTops)
        for (const int x : kDisplayX) EXPECT_GT(lit_pixels(lit, top, x), 100) << top << ", " << x;
}

// Failure keys 20 and 21 hide the displays and mode lamps (action 3); the
// other keys in their lists (action 0) and keys in no list change nothing.
TEST_F(Stack, FailuresHideDisplaysAndLampsOnlyForTheirKeys) {
    struct Case {
        std::uint32_t key;
        const Probe& probe;
        bool stays_lit;
    };
    const Case cases[] = {
        {20, kAdfWindow, false}, {21, kDmeDistance, false},     {20, kAutopilotAltitude, false},
        {21, kApButton, false},  {5, kAdfWindow, true},         {13, kDmeDistance, true},
        {13, kAdfWindow, true},  {9, kAutopilotAltitude, true},
    };
    apply_approach();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.probe.what) + " with failure " + std::to_string(c.key));
        renderer.set_failure(c.key, true);
        const int lit = lit_count(draw(), c.probe);
        if (c.stays_lit)
            EXPECT_GT(lit, 20);
        else
            EXPECT_EQ(lit, 0);
        renderer.set_failure(c.key, false);
        EXPECT_GT(lit_count(draw(), c.probe), 20) << "after the failure ends";
    }
}

// Failure 21 freezes the reply lamp (action 1): it keeps the picture it had
// while its blink cycle goes dark, and follows the cycle again afterwards.
TEST_F(Stack, FailureFreezesTheReplyLamp) {
    apply_approach();
    ASSERT_GT(lit_count(draw(), kReplyLamp), 20);
    renderer.set_failure(21, true);
    apply("set \"time base\" 130\nupdate\n");  // 30 units into the cycle: dark
    EXPECT_GT(lit_count(draw(), kReplyLamp), 20);
    renderer.set_failure(21, false);
    EXPECT_EQ(lit_count(draw(), kReplyLamp), 0);
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
