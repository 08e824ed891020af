// The autopilot: face with the display window, the six mode buttons unlit and
// UP and DN; each mode button lit, for the lamps drawn over the face.
#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "bitmaps.h"
#include "stack_art.h"
#include "stack_parts.h"

namespace art::radios {
namespace {

using namespace ::radios::bitmap;

constexpr int kFaceWidth = 500;
constexpr int kFaceHeight = 130;
constexpr int kButtonHeight = 20;

struct ModeButton {
    std::uint32_t lit_bitmap;
    int width;
    const char* label;
};

constexpr ModeButton kButtons[] = {
    {kApLit, 34, "AP"},   {kHdgLit, 34, "HDG"}, {kNavLit, 33, "NAV"},
    {kAprLit, 33, "APR"}, {kRevLit, 32, "REV"}, {kAltLit, 32, "ALT"},
};

constexpr std::uint32_t kUpEvent = 0x10166;
constexpr std::uint32_t kDownEvent = 0x10167;

void paint_mode_button(cairo_t* cr, const Box& box, const char* label, bool lit) {
    draw_push_button(cr, box, label, 8, lit);
}

const AreaInfo& area_sending(const GaugeInfo& gauge, std::uint32_t event) {
    for (const AreaInfo& area : gauge.areas)
        if (area.key_event == event) return area;
    throw std::runtime_error("no area of " + gauge.name + " sends " + std::to_string(event));
}

void paint_face(cairo_t* cr, const GaugeInfo& gauge) {
    draw_unit_plate(cr, kFaceWidth, kFaceHeight);

    // One window round the four fields.
    int left = kFaceWidth, top = kFaceHeight, right = 0, bottom = 0;
    for (const ElementInfo* field : elements_of_kind(gauge, gauge::kString)) {
        const Box& box = field->string_box;
        left = std::min(left, box.x);
        top = std::min(top, box.y);
        right = std::max(right, box.right());
        bottom = std::max(bottom, box.bottom());
    }
    draw_display_window(cr, {left - 6, top - 2, right - left + 12, bottom - top + 4});
    draw_label(cr, "AUTOPILOT", (left - 6) / 2.0 + 2, (top + bottom) / 2.0, 8.5);

    for (const ModeButton& button : kButtons) {
        const ElementInfo& lamp = element_drawing(gauge, button.lit_bitmap);
        paint_mode_button(cr, box_at(lamp, button.width, kButtonHeight), button.label, false);
    }
    for (auto [event, label] : {std::pair{kUpEvent, "UP"}, std::pair{kDownEvent, "DN"}}) {
        const AreaInfo& area = area_sending(gauge, event);
        draw_push_button(cr, area.box, label, 8, false);
    }
}

}  // namespace

std::vector<BitmapArt> autopilot_art(const std::vector<GaugeInfo>& gauges) {
    const GaugeInfo& gauge = gauge_drawn_on(gauges, kAutopilotFace);
    std::vector<BitmapArt> art = {
        {kAutopilotFace, kFaceWidth, kFaceHeight, 8,
         [&gauge](cairo_t* cr) { paint_face(cr, gauge); }},
    };
    for (const ModeButton& button : kButtons) {
        art.push_back(
            {button.lit_bitmap, button.width, kButtonHeight, 8, [button](cairo_t* cr) {
                 paint_mode_button(cr, {0, 0, button.width, kButtonHeight}, button.label, true);
             }});
    }
    return art;
}

}  // namespace art::radios
