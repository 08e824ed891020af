// The COM/NAV artwork fits the declarations: opaque dark windows under the
// displays, transparency only outside the bezel, the power knob under its
// click areas, arrows on the transfer buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "built_modules.h"

namespace module_file_test {
namespace {

using module_file::Bitmap;
using module_file::ModuleFile;
using module_file::Rgb;

constexpr Rgb kTransparent = {0, 0, 0};
constexpr int kBezelCorner = 12;   // the rounded corners lie inside squares this big
constexpr int kDarkest = 40;       // a display window's brightest channel stays below
constexpr int kArrowBright = 180;  // an arrow's pixels are at least this bright

struct Rect {
    int left, top, right, bottom;  // right and bottom exclusive
    bool contains(const Rect& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
};

class ComNavArtwork : public ::testing::Test {
  protected:
    void SetUp() override {
        for (gauge::GaugeHeader* const* g = declarations_.linkage().gauges; *g != nullptr; ++g) {
            const std::string_view name = (*g)->name;
            if (name == "RadioComNav1" || name == "RadioComNav2") units_.push_back(*g);
        }
        ASSERT_EQ(units_.size(), 2u);
    }

    const Bitmap& bitmap(std::uint32_t id) const {
        const Bitmap* found = radios_.bitmap(id);
        if (found == nullptr)
            throw std::runtime_error("Radios has no bitmap " + std::to_string(id));
        return *found;
    }
    const Bitmap& face(const gauge::GaugeHeader* unit) const {
        return bitmap(unit->elements[0]->bitmap);
    }

    ModuleFile radios_ = module_file::read_module_file(module_path("Radios"));
    LoadedDeclarations declarations_{module_path("Radios")};
    std::vector<const gauge::GaugeHeader*> units_;
};

TEST_F(ComNavArtwork, DisplayWindowsAreOpaqueAndDark) {
    for (const gauge::GaugeHeader* unit : units_) {
        const Bitmap& background = face(unit);
        for (const gauge::Element* element : elements_of(*unit)) {
            if (element->kind != gauge::kString) continue;
            SCOPED_TRACE(std::string(unit->name) + " display at x " + std::to_string(element->x));
            expect_dark_window_under(background, reinterpret_cast<const gauge::String&>(*element),
                                     kDarkest);
        }
    }
}

TEST_F(ComNavArtwork, FaceIsTransparentOnlyOutsideItsRoundedBezel) {
    for (const gauge::GaugeHeader* unit : units_) {
        SCOPED_TRACE(unit->name);
        const Bitmap& background = face(unit);
        const int w = background.width;
        const int h = background.height;
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
            EXPECT_EQ(background.at(x, y), kTransparent) << "corner " << x << ", " << y;
        }
        for (int y = 0; y < h; ++y) {
            const bool corner_row = y < kBezelCorner || y >= h - kBezelCorner;
            for (int x = 0; x < w; ++x) {
                const bool corner_column = x < kBezelCorner || x >= w - kBezelCorner;
                if (corner_row && corner_column) continue;
                ASSERT_NE(background.at(x, y), kTransparent) << "at " << x << ", " << y;
            }
        }
    }
}

// The smallest rectangle around the opaque pixels of an image placed at (x, y).
Rect opaque_bounds(const Bitmap& image, int x, int y) {
    Rect bounds{image.width, image.height, -1, -1};
    for (int py = 0; py < image.height; ++py) {
        for (int px = 0; px < image.width; ++px) {
            if (image.at(px, py) == kTransparent) continue;
            bounds = {std::min(bounds.left, px), std::min(bounds.top, py),
                      std::max(bounds.right, px + 1), std::max(bounds.bottom, py + 1)};
        }
    }
    return {bounds.left + x, bounds.top + y, bounds.right + x, bounds.bottom + y};
}

TEST_F(ComNavArtwork, PowerKnobImagesLieUnderTheirClickAreas) {
    for (const gauge::GaugeHeader* unit : units_) {
        SCOPED_TRACE(unit->name);
        for (const gauge::Element* element : elements_of(*unit)) {
            if (element->kind != gauge::kIcon) continue;
            const std::vector<std::uint32_t> images = bitmaps_drawn_by(*element);
            ASSERT_EQ(images.size(), 2u);
            const Bitmap& off = bitmap(images[0]);
            const Bitmap& on = bitmap(images[1]);
            EXPECT_NE(off.pixels, on.pixels) << "off and on look the same";

            // The click areas over the knob's picture, together.
            const Rect picture{element->x, element->y, element->x + off.width,
                               element->y + off.height};
            Rect clickable{picture.right, picture.bottom, picture.left, picture.top};
            for (const Area& a : child_areas(*unit)) {
                if (a.x >= picture.right || a.x + a.width <= picture.left ||
                    a.y >= picture.bottom || a.y + a.height <= picture.top) {
                    continue;
                }
                clickable = {std::min(clickable.left, a.x), std::min(clickable.top, a.y),
                             std::max(clickable.right, a.x + a.width),
                             std::max(clickable.bottom, a.y + a.height)};
            }
            for (const Bitmap* image : {&off, &on}) {
                SCOPED_TRACE(image->id);
                EXPECT_EQ(image->at(0, 0), kTransparent);
                const Rect knob = opaque_bounds(*image, element->x, element->y);
                ASSERT_LT(knob.left, knob.right) << "the knob image is empty";
                EXPECT_TRUE(clickable.contains(knob))
                    << "knob " << knob.left << "," << knob.top << " - " << knob.right << ","
                    << knob.bottom << " outside the click areas " << clickable.left << ","
                    << clickable.top << " - " << clickable.right << "," << clickable.bottom;
            }
        }
    }
}

TEST_F(ComNavArtwork, TransferButtonsShowAnArrow) {
    for (const gauge::GaugeHeader* unit : units_) {
        SCOPED_TRACE(unit->name);
        const Bitmap& background = face(unit);
        int buttons = 0;
        for (const Area& a : child_areas(*unit)) {
            if (a.rect->cursor != gauge::kCursorHand) continue;
            ++buttons;
            int bright = 0;
            for (int y = a.y; y < a.y + a.height; ++y) {
                for (int x = a.x; x < a.x + a.width; ++x) {
                    const Rgb& c = background.at(x, y);
                    if (std::min({c.r, c.g, c.b}) >= kArrowBright) ++bright;
                }
            }
            EXPECT_GT(bright, a.width) << "no arrow on the button at " << a.x << ", " << a.y;
        }
        EXPECT_EQ(buttons, 2);
    }
}

}  // namespace
}  // namespace module_file_test
