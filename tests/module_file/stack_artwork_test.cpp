// The artwork of the transponder, ADF, autopilot, DME and audio panel fits their
// declarations: opaque dark windows under the displays, lit images that look
// lit over the face, and a digit strip whose digits stop in the wheel's window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "built_modules.h"

namespace module_file_test {
namespace {

using module_file::Bitmap;
using module_file::ModuleFile;
using module_file::Rgb;

constexpr Rgb kTransparent = {0, 0, 0};
constexpr int kDarkest = 40;  // a display window's brightest channel stays below

class StackArtwork : public ::testing::Test {
  protected:
    const gauge::GaugeHeader& gauge(std::string_view name) const {
        for (gauge::GaugeHeader* const* g = declarations_.linkage().gauges; *g != nullptr; ++g)
            if (name == (*g)->name) return **g;
        throw std::runtime_error("Radios has no gauge " + std::string(name));
    }
    const Bitmap& bitmap(std::uint32_t id) const {
        const Bitmap* found = radios_.bitmap(id);
        if (found == nullptr)
            throw std::runtime_error("Radios has no bitmap " + std::to_string(id));
        return *found;
    }
    const Bitmap& face(const gauge::GaugeHeader& g) const { return bitmap(g.elements[0]->bitmap); }

    ModuleFile radios_ = module_file::read_module_file(module_path("Radios"));
    LoadedDeclarations declarations_{module_path("Radios")};
};

int brightness(const Rgb& c) {
    return c.r + c.g + c.b;
}

TEST_F(StackArtwork, DisplaysLieOnOpaqueDarkWindows) {
    for (const char* name : {"RadioAdf", "RadioAP", "RadioDME"}) {
        const gauge::GaugeHeader& g = gauge(name);
        const Bitmap& background = face(g);
        for (const gauge::Element* element : elements_of(g)) {
            if (element->kind != gauge::kString) continue;
            SCOPED_TRACE(std::string(name) + " display at x " + std::to_string(element->x));
            expect_dark_window_under(background, reinterpret_cast<const gauge::String&>(*element),
                                     kDarkest);
        }
    }
}

// Every image of a lamp or lit button, drawn where its icon stands, is clearly
// brighter than the unlit face beneath it; each lights something.
TEST_F(StackArtwork, LitImagesLookLitOverTheFace) {
    for (const char* name : {"RadioTrans", "RadioAP", "RadioAudio"}) {
        const gauge::GaugeHeader& g = gauge(name);
        const Bitmap& background = face(g);
        int lamps = 0;
        for (const gauge::Element* element : elements_of(g)) {
            // Lamps are the icons drawn like displays (image flag 0x4); knobs are not.
            if (element->kind != gauge::kIcon || (element->image_flags & 0x4) == 0) continue;
            for (std::uint32_t id : bitmaps_drawn_by(*element)) {
                SCOPED_TRACE(std::string(name) + " bitmap " + std::to_string(id));
                const Bitmap& lit = bitmap(id);
                long lit_sum = 0, face_sum = 0, brightest_gain = 0;
                for (int y = 0; y < lit.height; ++y) {
                    for (int x = 0; x < lit.width; ++x) {
                        const Rgb& p = lit.at(x, y);
                        if (p == kTransparent) continue;
                        const int under = brightness(background.at(element->x + x, element->y + y));
                        lit_sum += brightness(p);
                        face_sum += under;
                        brightest_gain = std::max<long>(brightest_gain, brightness(p) - under);
                    }
                }
                EXPECT_GT(lit_sum, face_sum + face_sum / 5) << "not brighter than the face";
                EXPECT_GT(brightest_gain, 300) << "nothing shines";
                ++lamps;
            }
        }
        EXPECT_GT(lamps, 0) << name;
    }
}

// The wheel moves the strip from its top (digit 0) to its bottom (digit 9);
// at each digit the window must show that digit whole, centred.
TEST_F(StackArtwork, DigitStripStopsEachDigitInTheWindow) {
    const Bitmap& strip = bitmap(0x121);
    const Bitmap& window = bitmap(0x122);
    const int travel = strip.height - window.height;
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        const int top = (travel * digit + 4) / 9;
        int first = -1, last = -1;
        for (int y = 0; y < window.height; ++y) {
            for (int x = 0; x < strip.width; ++x) {
                if (std::min({strip.at(x, top + y).r, strip.at(x, top + y).g,
                              strip.at(x, top + y).b}) < 180)
                    continue;
                if (first < 0) first = y;
                last = y;
            }
        }
        ASSERT_GE(first, 1) << "the digit is cut at the top or missing";
        EXPECT_LE(last, window.height - 2) << "the digit is cut at the bottom";
        EXPECT_NEAR((first + last) / 2.0, (window.height - 1) / 2.0, 2.0);
    }
}

}  // namespace
}  // namespace module_file_test
