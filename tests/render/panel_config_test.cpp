// Reading panel.cfg: a good file in full, and every kind of bad line reported
// with its file and line number while reading goes on.
#include "panel_config.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

TEST(PanelConfig, ReadsWindowsTitlesAndGauges) {
    const panel::PanelConfig config = panel::parse_panel_config(
        "// radios\n"
        "[Window Titles]\n"
        "Window00=Radio stack\n"
        "window01 = Spare ; comment\n"
        "\n"
        "[Window01]\n"
        "file=spare.bmp\n"
        "visible=0\n"
        "[WINDOW00]\r\n"
        "size_mm=603,400\r\n"
        "position=7\n"
        "visible=1\n"
        "ident=10000\n"
        "gauge01=Radios!RadioComNav2, 0, 200\n"
        "gauge00=Radios!RadioComNav1,0,0,603,190\n"
        "Gauge02= Ostrel0!Engine primer , -5 , 7 , 80\n",
        "panel.cfg");
    ASSERT_TRUE(config.problems.empty()) << config.problems.front().text();
    ASSERT_EQ(config.windows.size(), 2u);
    const panel::Window& radios = config.windows[0];
    EXPECT_EQ(radios.number, 0);
    EXPECT_EQ(radios.title, "Radio stack");
    ASSERT_TRUE(radios.size.has_value());
    EXPECT_EQ(radios.size->width, 603);
    EXPECT_EQ(radios.size->height, 400);
    EXPECT_EQ(radios.position, 7);
    EXPECT_TRUE(radios.visible);
    EXPECT_EQ(radios.ident, 10000u);
    ASSERT_EQ(radios.gauges.size(), 3u);
    EXPECT_EQ(radios.gauges[0].gauge, "RadioComNav1");
    EXPECT_EQ(radios.gauges[0].width, 603);
    EXPECT_EQ(radios.gauges[0].height, 190);
    EXPECT_EQ(radios.gauges[1].module, "Radios");
    EXPECT_EQ(radios.gauges[1].y, 200);
    EXPECT_FALSE(radios.gauges[1].width.has_value());
    EXPECT_EQ(radios.gauges[2].gauge, "Engine primer");
    EXPECT_EQ(radios.gauges[2].x, -5);
    EXPECT_EQ(radios.gauges[2].line, 16);
    const panel::Window& spare = config.windows[1];
    EXPECT_EQ(spare.title, "Spare");
    EXPECT_EQ(spare.background_file, "spare.bmp");
    EXPECT_FALSE(spare.visible);
    EXPECT_EQ(config.find_window("Spare"), &spare);
    EXPECT_EQ(config.find_window("0"), &radios);
    EXPECT_EQ(config.find_window("7"), nullptr);
}

struct BadLine {
    const char* line;  // put on line 3, after "[Window00]" and "size_mm=10,10"
    const char* message;
    int reported_line = 3;

    friend void PrintTo(const BadLine& bad, std::ostream* out) { *out << '"' << bad.line << '"'; }
};

class PanelConfigBadLines : public testing::TestWithParam<BadLine> {};

TEST_P(PanelConfigBadLines, ReportedWithFileAndLine) {
    const BadLine& bad = GetParam();
    const panel::PanelConfig config = panel::parse_panel_config(
        std::string("[Window00]\nsize_mm=10,10\n") + bad.line + "\ngauge09=A!B,1,2\n", "p.cfg");
    ASSERT_EQ(config.problems.size(), 1u) << bad.line;
    EXPECT_EQ(config.problems[0].line, bad.reported_line);
    EXPECT_EQ(config.problems[0].file, "p.cfg");
    EXPECT_NE(config.problems[0].text().find(bad.message), std::string::npos)
        << config.problems[0].text();
    // Reading went on past the bad line (a bad section header skips its section).
    ASSERT_EQ(config.windows.size(), 1u);
    if (bad.line[0] != '[') {
        ASSERT_FALSE(config.windows[0].gauges.empty());
        EXPECT_EQ(config.windows[0].gauges.back().number, 9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parse, PanelConfigBadLines,
    testing::Values(BadLine{"just words", "expected KEY=VALUE"},
                    BadLine{"=value", "a value without a key"},
                    BadLine{"colour=red", "unknown key 'colour'"},
                    BadLine{"position=9", "position= expects 0 to 8"},
                    BadLine{"visible=yes", "visible= expects 0 or 1"},
                    BadLine{"ident=-4", "ident= expects a whole number"},
                    BadLine{"file=", "file= names no file"},
                    BadLine{"gauge00=Radios!RadioComNav1, 0", "expected Module!Gauge, X, Y"},
                    BadLine{"gauge00=Radios!RadioComNav1,0,0,1,2,3", "expected Module!Gauge"},
                    BadLine{"gauge00=RadioComNav1, 0, 0", "names no Module!Gauge"},
                    BadLine{"gauge00=Radios!, 0, 0", "names no Module!Gauge"},
                    BadLine{"gauge00=Radios!RadioComNav1, x, 0", "position is not two whole"},
                    BadLine{"gauge00=Radios!RadioComNav1, 0, 0, 0", "width must be a positive"},
                    BadLine{"gauge00=Radios!RadioComNav1, 0, 0, 5, -1",
                            "height must be a positive"},
                    // The later of two lines for one gauge is the one reported.
                    BadLine{"gauge09=A!B, 3, 3",
                            "'gauge09' appears twice in this section (first on line 3)", 4},
                    BadLine{"SIZE_MM=20,20", "appears twice in this section (first on line 2)"},
                    BadLine{"[Views]", "unknown section [Views]"},
                    BadLine{"[Window00", "malformed section header"}));

TEST(PanelConfig, ProblemsAcrossSections) {
    const panel::PanelConfig config = panel::parse_panel_config(
        "stray=1\n"
        "[Window Titles]\n"
        "Window03=Nowhere\n"
        "Title=x\n"
        "[Window00]\n"
        "[Window00]\n"
        "[Window01]\n"
        "size_mm=10\n"
        "[Window02]\n"
        "size_mm=0,5\n",
        "p.cfg");
    std::vector<std::pair<int, std::string>> expected = {
        {1, "'stray' is outside any section"},
        {3, "title for Window03, which has no section"},
        {4, "unknown key 'Title' in [Window Titles]"},
        {5, "[Window00] has neither size_mm= nor file="},
        {6, "section [Window00] appears twice"},
        {7, "[Window01] has neither size_mm= nor file="},
        {8, "size_mm= expects two positive whole numbers"},
        {9, "[Window02] has neither size_mm= nor file="},
        {10, "size_mm= expects two positive whole numbers"}};
    ASSERT_EQ(config.problems.size(), expected.size());
    for (std::size_t at = 0; at < expected.size(); ++at) {
        EXPECT_EQ(config.problems[at].line, expected[at].first);
        EXPECT_NE(config.problems[at].message.find(expected[at].second), std::string::npos)
            << config.problems[at].text();
    }
}

TEST(PanelConfig, UnreadableFileThrows) {
    EXPECT_THROW(panel::read_panel_config("/nonexistent/panel.cfg"), std::runtime_error);
}

}  // namespace
