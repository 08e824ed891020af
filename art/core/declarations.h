// What the painters need from a module's declaration records: where each
// element sits and which areas take clicks, in the pixels of the gauge.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "gauge.h"

namespace art {

struct Box {
    int x{};
    int y{};
    int width{};
    int height{};
    double centre_x() const { return x + width / 2.0; }
    double centre_y() const { return y + height / 2.0; }
    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

struct ElementInfo {
    std::uint32_t kind{};
    std::uint32_t bitmap{};
    int x{};
    int y{};
    std::uint32_t image_flags{};
    const gauge::Element* record{};
    int depth{};                    // 0 for the root
    Box string_box;                 // strings: the text box at (x, y)
    std::uint32_t first_token{};    // strings: token of variable 1, 0 for none
    std::uint32_t image_count = 1;  // icons: their count of images
};

struct AreaInfo {
    bool parent{};
    Box box;  // in gauge pixels, parent origins applied
    std::int32_t cursor{};
    std::uint32_t help_id{};
    std::uint32_t flags{};
    std::uint32_t key_event{};
    bool has_function{};
};

struct GaugeInfo {
    std::string name;
    std::uint32_t root_bitmap{};
    std::vector<ElementInfo> elements;  // the tree in drawing order, root first
    std::vector<AreaInfo> areas;        // in list order, end entries left out
};

// Reads every gauge listed in the linkage record. Throws on records that would
// loop or nest without end.
std::vector<GaugeInfo> read_declarations(const gauge::LinkageRecord& linkage);

// Every bitmap id the elements draw: icons R to R+N-1, moving images and
// sprites R and R+1, the others R.
std::set<std::uint32_t> bitmaps_used(const std::vector<GaugeInfo>& gauges);

}  // namespace art
