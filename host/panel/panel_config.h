// The simulator's panel configuration (panel.cfg): which gauges sit on which
// panel window, where and how large.
//
//   [Window Titles]
//   Window00=Radio stack
//
//   [Window00]
//   file=radios_background.bmp      optional background bitmap
//   size_mm=603,400                 the window's own units; gauge boxes use them
//   position=0                      0 to 8: a screen corner, edge or the centre
//   visible=1
//   ident=10000
//   gauge00=Radios!RadioComNav1, 0, 0, 603
//   gauge01=Radios!RadioComNav2, 0, 200       width: the gauge's default width
//
// Comments start with ';' or '//'. Names of sections and keys are not case
// sensitive, as in the simulator. Every line the reader cannot use is reported
// with its file and line number; reading goes on so that one pass shows them all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace panel {

struct Problem {
    std::string file;
    int line = 0;  // 1-based; 0 for the file as a whole
    std::string message;

    // "FILE:LINE: MESSAGE"
    std::string text() const;
};

struct GaugeEntry {
    int number = 0;  // NN of gaugeNN
    std::string module;
    std::string gauge;
    int x = 0;
    int y = 0;
    std::optional<int> width;   // absent: the gauge's default width
    std::optional<int> height;  // absent: from the gauge's background aspect
    int line = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Window {
    int number = 0;  // NN of [WindowNN]
    std::string title;
    std::string background_file;  // file=, relative to the configuration's folder
    std::optional<Size> size;     // size_mm=
    int position = 0;
    bool visible = true;
    std::optional<std::uint32_t> ident;
    std::vector<GaugeEntry> gauges;  // in the order of their numbers
    int line = 0;                    // of the section header
};

struct PanelConfig {
    std::filesystem::path file;
    std::vector<Window> windows;  // in the order of their numbers
    std::vector<Problem> problems;

    const Window* window(int number) const;
    // By number or by title; null when none matches.
    const Window* find_window(const std::string& number_or_title) const;
};

// Reads the text of a configuration; `file` names it in problems and anchors
// relative background files.
PanelConfig parse_panel_config(const std::string& text, const std::filesystem::path& file);
// Throws std::runtime_error when the file cannot be read.
PanelConfig read_panel_config(const std::filesystem::path& file);

}  // namespace panel
