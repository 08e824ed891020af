// RadioAudio through the host: marker lamps and the selector buttons, each with
// its own token and event.
#include <vector>

#include "radio_stack_fixture.h"

namespace {

using host::Point;

enum Element { kMarkers = 2 };

constexpr std::uint32_t kMarker = 354;

class Audio : public test::RadioStack {
  protected:
    Audio() : RadioStack("RadioAudio") {}
};

TEST_F(Audio, MarkerValueLightsOneLamp) {
    struct Case {
        double marker;
        int image;  // 0 middle blue, 1 bottom amber, 2 top white
    };
    for (const Case& c : {Case{0, -1}, Case{1, 0}, Case{2, 1}, Case{3, 2}}) {
        set(kMarker, c.marker);
        EXPECT_EQ(image(kMarkers), c.image) << c.marker;
    }
}

// In list order: ADF before MKR, although ADF lies further right.
struct Button {
    const char* name;
    int element;
    std::uint32_t token;
    Point point;
    std::uint32_t event;
};

constexpr Button kButtons[] = {
    {"COM 1", 3, 874, {162, 30}, 0x1039F}, {"COM 2", 4, 875, {205, 30}, 0x103A0},
    {"NAV 1", 5, 877, {249, 30}, 0x10132}, {"NAV 2", 6, 878, {293, 30}, 0x10133},
    {"DME", 7, 879, {338, 30}, 0x10134},   {"ADF", 8, 880, {428, 30}, 0x10136},
    {"MKR", 9, 881, {383, 30}, 0x103AD},
};

TEST_F(Audio, EachButtonLampFollowsItsOwnToken) {
    for (const Button& button : kButtons) EXPECT_EQ(image(button.element), -1) << button.name;
    for (const Button& lit : kButtons) {
        set(lit.token, 1);
        for (const Button& button : kButtons)
            EXPECT_EQ(image(button.element), &button == &lit ? 0 : -1)
                << lit.name << " selected, lamp of " << button.name;
        set(lit.token, 0);
    }
}

TEST_F(Audio, EachButtonSendsItsEventOncePerClick) {
    for (const Button& button : kButtons) {
        SCOPED_TRACE(button.name);
        host.clear_key_events();
        hold(button.point, 1.0);
        EXPECT_EQ(event_ids(), std::vector<std::uint32_t>{button.event});
        EXPECT_EQ(placed->mouse().cursor_at(button.point), 5);
    }
    // The DME area starts a pixel above the other buttons.
    EXPECT_TRUE(host.click(*placed, {338, 21}));
    EXPECT_FALSE(host.click(*placed, {162, 21}));
}

TEST_F(Audio, HostTogglesTheClickedSource) {
    for (const Button& button : kButtons) {
        SCOPED_TRACE(button.name);
        click(button.point);
        EXPECT_EQ(host.variables().number(button.token), 1);
        EXPECT_EQ(image(button.element), 0);
        click(button.point);
        EXPECT_EQ(image(button.element), -1);
    }
}

TEST_F(Audio, MarkerLampsOnlyCarryHelp) {
    struct Case {
        Point point;
        std::uint32_t help;
    };
    for (const Case& c : {Case{{25, 25}, 0xAB49}, Case{{25, 45}, 0xAB47}, Case{{25, 65}, 0xAB48}}) {
        EXPECT_EQ(placed->mouse().help_at(c.point), c.help);
        EXPECT_FALSE(host.click(*placed, c.point));
    }
    EXPECT_TRUE(host.key_events().empty());
}

}  // namespace
