// Every other element kind of the fixture's "Elements" gauge, drawn through the
// host: transparency, the hide bit, icons, sliders, moving images, sprites,
// strings with their highlight, and failures.
#include <gtest/gtest.h>

#include "bitmaps.h"
#include "fixture_layout.h"
#include "render_probes.h"

namespace {

using namespace render_fixture;
using namespace render_test;
using render::Rgba;

class ElementsGauge : public testing::Test {
  protected:
    render::Image draw(const render::RenderOptions& options = {}) {
        return fixture.draw(placement, options);
    }
    void set(std::uint32_t token, double value) {
        fixture.host.variables().set_number(token, value);
    }

    FixtureHost fixture;
    host::Placement& placement = fixture.place("Elements");
};

TEST_F(ElementsGauge, PureBlackIsLeftUndrawnOnlyWithTheTransparencyFlag) {
    const render::Image image = draw();
    EXPECT_TRUE(is_red(image.pixel(kTransparentX + 1, kTransparentY + 1)));
    EXPECT_TRUE(is_grey(image.pixel(kTransparentX + 10, kTransparentY + 10)))
        << describe(image.pixel(kTransparentX + 10, kTransparentY + 10));
    EXPECT_TRUE(is_black(image.pixel(kOpaqueX + 10, kOpaqueY + 10)));
}

TEST_F(ElementsGauge, HideBitHidesTheElementButNotItsChild) {
    set(kHideToken, 1);
    render::Image image = draw();
    EXPECT_TRUE(is_grey(image.pixel(kHiddenX + 1, kHiddenY + 1)));
    EXPECT_TRUE(is_green(image.pixel(kChildX + 10, kChildY + 10)));
    set(kHideToken, 0);
    image = draw();
    EXPECT_TRUE(is_red(image.pixel(kHiddenX + 1, kHiddenY + 1)));
}

TEST_F(ElementsGauge, IconShowsItsImageOrNothing) {
    struct Case {
        double value;
        bool (*expected)(const Rgba&);
    };
    for (const Case& c : {Case{0, is_red}, Case{1, is_green}, Case{2, is_blue}, Case{-1, is_grey},
                          Case{3, is_grey}, Case{1e12, is_grey}}) {
        set(kIconToken, c.value);
        const Rgba pixel = draw().pixel(kIconX + 10, kIconY + 10);
        EXPECT_TRUE(c.expected(pixel)) << "value " << c.value << ": " << describe(pixel);
    }
}

TEST_F(ElementsGauge, SliderMovesByValueTimesScale) {
    set(kSliderToken, 5);  // scale 2: ten pixels right
    const render::Image image = draw();
    EXPECT_TRUE(is_yellow(image.pixel(kSliderX + 15, kSliderY + 5)));
    EXPECT_TRUE(is_grey(image.pixel(kSliderX + 5, kSliderY + 5)));
}

TEST_F(ElementsGauge, MovingImageTravelsBetweenItsEndsBehindItsWindow) {
    struct Case {
        double value;
        bool (*centre)(const Rgba&);
    };
    // The strip is red, green, blue; the window shows a third of it.
    for (const Case& c : {Case{0, is_red}, Case{50, is_green}, Case{100, is_blue},
                          Case{-50, is_red}, Case{250, is_blue}}) {
        set(kMovingToken, c.value);
        const render::Image image = draw();
        const Rgba centre = image.pixel(kMovingX + 10, kMovingY + 10);
        EXPECT_TRUE(c.centre(centre)) << "value " << c.value << ": " << describe(centre);
        // The window's frame covers the picture.
        EXPECT_TRUE(is_white(image.pixel(kMovingX + 1, kMovingY + 10))) << "value " << c.value;
    }
}

TEST_F(ElementsGauge, SpriteTurnsCounterclockwiseInsideItsWindow) {
    const int cx = kSpriteX + 30;
    const int cy = kSpriteY + 30;
    struct Case {
        double degrees;
        int dx;  // where the bar, drawn pointing right, must be
        int dy;
    };
    for (const Case& c : {Case{0, 20, 0}, Case{90, 0, -20}, Case{180, -20, 0}, Case{-90, 0, 20}}) {
        set(kRotationToken, c.degrees);
        const render::Image image = draw();
        EXPECT_TRUE(is_red(image.pixel(cx + c.dx, cy + c.dy)))
            << c.degrees << " degrees: " << describe(image.pixel(cx + c.dx, cy + c.dy));
        // A quarter turn clockwise of it the texture is transparent black.
        EXPECT_TRUE(is_grey(image.pixel(cx - c.dy, cy + c.dx))) << c.degrees << " degrees";
        EXPECT_TRUE(is_white(image.pixel(kSpriteX + 1, kSpriteY + 30)));
    }
}

TEST_F(ElementsGauge, StringIsDrawnInItsBoxInItsColours) {
    const render::Image image = draw();
    EXPECT_GT(count_in(image, kStringX, kStringY, kStringWidth, kStringHeight, is_orange), 50);
    // Black background with the transparency flag: the face shows round the text.
    EXPECT_TRUE(is_grey(image.pixel(kStringX + 1, kStringY + 1)));
    EXPECT_EQ(count_in(image, kStringX, kStringY + kStringHeight, kStringWidth, 10, is_orange), 0);
    EXPECT_EQ(count_in(image, kStringX, kStringY, kStringWidth, kStringHeight, is_white), 0);
    // Without the flag the background colour fills the box.
    const Rgba corner = image.pixel(kOpaqueStringX + 1, kOpaqueStringY + 1);
    EXPECT_EQ(corner, (Rgba{0, 0, 0x40, 255})) << describe(corner);
    EXPECT_GT(count_in(image, kOpaqueStringX, kOpaqueStringY, kOpaqueStringWidth,
                       kOpaqueStringHeight, is_orange),
              20);
}

TEST_F(ElementsGauge, SelectionHighlightsItsCharacters) {
    // "123.45": selection 1 covers "123" (the left part of the box), selection
    // 2 "45" (the right part); the middle, where "3" meets ".", is not probed.
    const int part = kStringWidth * 2 / 5;
    struct Case {
        std::int32_t selection;
        bool left_white;
        bool right_white;
    };
    for (const Case& c : {Case{1, true, false}, Case{2, false, true}, Case{3, false, false}}) {
        render::RenderOptions options;
        options.selection_id = c.selection;
        const render::Image image = draw(options);
        const int left = count_in(image, kStringX, kStringY, part, kStringHeight, is_white);
        const int right = count_in(image, kStringX + kStringWidth - part, kStringY, part,
                                   kStringHeight, is_white);
        EXPECT_EQ(left > 20, c.left_white) << "selection " << c.selection << ": " << left;
        EXPECT_EQ(right > 20, c.right_white) << "selection " << c.selection << ": " << right;
    }
}

TEST_F(ElementsGauge, FailuresHideZeroAndFreeze) {
    set(kIconToken, 2);
    set(kSliderToken, 5);
    draw();
    fixture.renderer.set_failure(kStringFailure, true);  // action 3
    fixture.renderer.set_failure(kIconFailure, true);    // action 2
    fixture.renderer.set_failure(kSliderFailure, true);  // action 1
    set(kSliderToken, 15);
    render::Image image = draw();
    EXPECT_EQ(count_in(image, kStringX, kStringY, kStringWidth, kStringHeight, is_orange), 0);
    EXPECT_TRUE(is_red(image.pixel(kIconX + 10, kIconY + 10))) << "icon value forced to 0";
    EXPECT_TRUE(is_yellow(image.pixel(kSliderX + 15, kSliderY + 5))) << "slider frozen at 5";
    EXPECT_TRUE(is_grey(image.pixel(kSliderX + 35, kSliderY + 5)));

    // A key in no element's list changes nothing; clearing the failures
    // brings the live values back.
    fixture.renderer.set_failure(kStringFailure, false);
    fixture.renderer.set_failure(kIconFailure, false);
    fixture.renderer.set_failure(kSliderFailure, false);
    fixture.renderer.set_failure(9, true);  // action 0 on the string
    image = draw();
    EXPECT_GT(count_in(image, kStringX, kStringY, kStringWidth, kStringHeight, is_orange), 50);
    EXPECT_TRUE(is_blue(image.pixel(kIconX + 10, kIconY + 10)));
    EXPECT_TRUE(is_yellow(image.pixel(kSliderX + 35, kSliderY + 5)));
}

TEST(WindowBitmaps, PictureShowsThroughBlackAndNearBlackOnly) {
    module_file::Bitmap window{.id = 1,
                               .language = 1033,
                               .width = 5,
                               .height = 1,
                               .bits_per_pixel = 24,
                               .pixels = {{0, 0, 0}, {1, 1, 1}, {1, 0, 1}, {2, 0, 0}, {8, 8, 8}}};
    const render::Image hole = render::picture_of(window, render::BitmapUse::kWindowHole);
    const render::Image frame = render::picture_of(window, render::BitmapUse::kWindowFrame);
    const bool expected_hole[] = {true, true, true, false, false};
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(hole.pixel(x, 0).a == 255, expected_hole[x]) << "pixel " << x;
        EXPECT_EQ(frame.pixel(x, 0).a == 0, expected_hole[x]) << "pixel " << x;
    }
}

TEST_F(ElementsGauge, ScaledDrawingKeepsThePicture) {
    fixture.host.update(placement);
    const render::Image image = fixture.renderer.draw_scaled(placement, 100, 100);
    ASSERT_EQ(image.width(), 100);
    EXPECT_TRUE(is_green(image.pixel((kChildX + 10) / 2, (kChildY + 10) / 2)));
    // No dark fringe at the scaled picture's edges.
    EXPECT_TRUE(is_grey(image.pixel(99, 99))) << describe(image.pixel(99, 99));
    EXPECT_TRUE(is_grey(image.pixel(0, 99))) << describe(image.pixel(0, 99));
}

}  // namespace
