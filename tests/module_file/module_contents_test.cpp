// What every built module file carries: its two exports, its version
// information and the bitmaps its declarations draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "built_modules.h"

namespace module_file_test {
namespace {

using module_file::Export;
using module_file::ModuleFile;
using module_file::read_module_file;

// The description each module's version information gives.
const std::map<std::string, std::string> kDescriptions = {
    {"Radios", "Flight Simulator 2002 Gauge"},  {"Ostrel0", "Flight Simulator 2002 Gauge"},
    {"Ostrel2", "Flight Simulator 2002 Gauge"}, {"Ostrel1", "Flight Simulator 2000 Gauge"},
    {"Ostrel3", "Flight Simulator 2000 Gauge"}, {"Ostrel4", "Flight Simulator 2000 Gauge"},
};

TEST(ModuleFile, ReadsEveryBuiltModuleInThisBuildsFormat) {
    const auto modules = built_modules();
    ASSERT_FALSE(modules.empty()) << "no module in " << module_dir();
    for (const auto& path : modules) {
        SCOPED_TRACE(path.string());
        EXPECT_EQ(read_module_file(path).format, native_format());
    }
}

TEST(ModuleFile, EveryModuleExportsExactlyImportTableAndLinkageAsData) {
    for (const auto& path : built_modules()) {
        SCOPED_TRACE(path.string());
        std::vector<Export> exports = read_module_file(path).exports;
        std::sort(exports.begin(), exports.end(),
                  [](const Export& a, const Export& b) { return a.name < b.name; });
        EXPECT_EQ(exports, (std::vector<Export>{{"ImportTable", true}, {"Linkage", true}}));
    }
}

TEST(ModuleFile, EveryModuleCarriesVersionOneAndItsDescription) {
    for (const auto& path : built_modules()) {
        SCOPED_TRACE(path.string());
        const ModuleFile module = read_module_file(path);
        ASSERT_TRUE(module.version.has_value());
        const auto& version = *module.version;
        const std::array<std::uint16_t, 4> one = {1, 0, 0, 0};
        EXPECT_EQ(version.file_version, one);
        EXPECT_EQ(version.product_version, one);
        EXPECT_EQ(version.string("FileVersion"), "1.0.0.0");
        EXPECT_EQ(version.string("ProductVersion"), "1.0.0.0");
        const auto description = kDescriptions.find(path.stem().string());
        ASSERT_NE(description, kDescriptions.end()) << "a module this test does not know";
        EXPECT_EQ(version.string("FileDescription"), description->second);
        if (module.format == module_file::Format::kPe32) {
            ASSERT_EQ(version.translations.size(), 1u);
            EXPECT_EQ(version.translations[0].first, 0x409);
            EXPECT_TRUE(version.translations[0].second == 1200 ||
                        version.translations[0].second == 1252);
        }
    }
}

struct ExpectedBitmap {
    std::uint32_t id;
    int width;
    int height;
    int bits_per_pixel;
};

TEST(ModuleFile, RadiosHasEveryUnitsBitmapsInUsEnglish) {
    const ExpectedBitmap expected[] = {
        {0x101, 603, 200, 8},  // COM/NAV: face of unit 1
        {0x111, 603, 200, 8},  // face of unit 2
        {0x103, 52, 80, 8},    // power knob off
        {0x104, 52, 80, 8},    // power knob on
        {0x120, 352, 90, 8},   // transponder: face
        {0x121, 11, 180, 8},   // digit strip
        {0x122, 11, 19, 8},    // its window
        {0x123, 25, 15, 8},    // reply lamp lit
        {0x125, 56, 56, 8},    // mode knob at OFF
        {0x129, 56, 56, 8},    // mode knob at TST
        {0x135, 500, 111, 8},  // ADF: face
        {0x137, 51, 52, 8},    // volume knob off
        {0x138, 51, 52, 8},    // volume knob on
        {0x150, 500, 130, 8},  // autopilot: face
        {0x151, 32, 20, 8},    // ALT lit
        {0x152, 34, 20, 8},    // AP lit
        {0x153, 33, 20, 8},    // APR lit
        {0x154, 34, 20, 8},    // HDG lit
        {0x155, 33, 20, 8},    // NAV lit
        {0x156, 32, 20, 8},    // REV lit
        {0x160, 495, 110, 8},  // DME: face
        {0x162, 17, 38, 8},    // lever at R1
        {0x163, 17, 38, 8},    // lever at R2
        {0x165, 70, 32, 8},    // slide at OFF
        {0x166, 70, 32, 8},    // slide on
        {0x170, 603, 126, 8},  // audio panel: face
        {0x172, 26, 81, 8},    // marker strip, blue lit
        {0x173, 26, 81, 8},    // amber lit
        {0x174, 26, 81, 8},    // white lit
        {0x176, 16, 24, 8},    // button lit
    };
    const ModuleFile radios = read_module_file(module_path("Radios"));
    for (const ExpectedBitmap& e : expected) {
        SCOPED_TRACE(e.id);
        const module_file::Bitmap* bitmap = radios.bitmap(e.id);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->width, e.width);
        EXPECT_EQ(bitmap->height, e.height);
        EXPECT_EQ(bitmap->bits_per_pixel, e.bits_per_pixel);
        EXPECT_EQ(bitmap->language, 1033u);
        EXPECT_EQ(bitmap->pixels.size(), static_cast<std::size_t>(e.width * e.height));
    }
}

// Icon states that deliberately show nothing: the module carries no image for
// them (the turn coordinator flag's second state).
const std::set<std::pair<std::string, std::uint32_t>> kStatesWithoutImage = {{"Ostrel0", 0x154}};

// The declarations name bitmaps by id; each must be in the file, and the
// pictures placed whole on the background must fit on it.
TEST(ModuleFile, EveryBitmapTheDeclarationsDrawIsInTheModule) {
    for (const auto& path : built_modules()) {
        SCOPED_TRACE(path.string());
        const ModuleFile module = read_module_file(path);
        const LoadedDeclarations declarations(path);
        for (gauge::GaugeHeader* const* g = declarations.linkage().gauges; *g != nullptr; ++g) {
            SCOPED_TRACE((*g)->name);
            const module_file::Bitmap* background = module.bitmap((*g)->elements[0]->bitmap);
            ASSERT_NE(background, nullptr);
            for (const gauge::Element* element : elements_of(**g)) {
                for (std::uint32_t id : bitmaps_drawn_by(*element)) {
                    SCOPED_TRACE(id);
                    const module_file::Bitmap* bitmap = module.bitmap(id);
                    if (kStatesWithoutImage.contains({path.stem().string(), id})) {
                        EXPECT_EQ(bitmap, nullptr) << "an image for a state declared without one";
                        continue;
                    }
                    ASSERT_NE(bitmap, nullptr);
                    if (element->kind != gauge::kStaticImage && element->kind != gauge::kIcon) {
                        continue;
                    }
                    EXPECT_GE(element->x, 0);
                    EXPECT_GE(element->y, 0);
                    EXPECT_LE(element->x + bitmap->width, background->width);
                    EXPECT_LE(element->y + bitmap->height, background->height);
                }
            }
        }
    }
}

}  // namespace
}  // namespace module_file_test
