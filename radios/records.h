// Builders for the records the radio-stack gauges share, so a gauge's
// declarations read like its tables: the amber-on-black displays and icons.
#pragma once

#include <cstdint>

#include "gauge.h"
#include "module.h"

namespace radios {

// A display of the stack: amber segment digits on black, highlighted in white,
// one line centred in its box.
struct DisplayLayout {
    gauge::GaugeHeader* gauge{};
    std::int32_t x{};
    std::int32_t y{};
    std::uint32_t width{};
    std::uint32_t height{};
    std::uint32_t max_chars{};
    std::uint32_t image_flags{};
    std::uint32_t special_flags{};
    std::uint32_t tokens[3]{};
    const gauge::FailureEntry* failures{};
    const gauge::HighlightEntry* highlights{};
    gauge::ElementCallback callback{};
    gauge::Element* const* children{};
};

constexpr gauge::String800 radio_display(const DisplayLayout& layout) {
    gauge::String800 display = {.record = {.common = {.kind = gauge::kString,
                                                      .bitmap = gauge::kNoBitmap,
                                                      .x = layout.x,
                                                      .y = layout.y,
                                                      .gauge = layout.gauge,
                                                      .children = layout.children,
                                                      .failures = layout.failures,
                                                      .image_flags = layout.image_flags,
                                                      .special_flags = layout.special_flags},
                                           .box_width = layout.width,
                                           .box_height = layout.height,
                                           .text_colour = 0x0060D0,
                                           .background_colour = 0x000000,
                                           .highlight_colour = 0xFFFFFF,
                                           .font = "Quartz",
                                           .font_weight = 400,
                                           .character_set = 1,
                                           .text_format = 0x25,
                                           .max_chars = layout.max_chars,
                                           .highlights = layout.highlights,
                                           .callback = layout.callback}};
    for (int i = 0; i < 3; ++i) display.record.variables[i].token = layout.tokens[i];
    return display;
}

// An icon of switch type 0 without scrolling, as every icon of the stack is.
struct IconLayout {
    gauge::GaugeHeader* gauge{};
    std::uint32_t bitmap{};
    std::int32_t x{};
    std::int32_t y{};
    std::uint32_t image_count{};
    std::uint32_t image_flags{};
    std::uint32_t token{};
    const gauge::FailureEntry* failures{};
    gauge::ElementCallback callback{};
    gauge::Element* const* children{};
};

constexpr gauge::Icon800 radio_icon(const IconLayout& layout) {
    return {.record = {.common = {.kind = gauge::kIcon,
                                  .bitmap = layout.bitmap,
                                  .x = layout.x,
                                  .y = layout.y,
                                  .gauge = layout.gauge,
                                  .children = layout.children,
                                  .failures = layout.failures,
                                  .image_flags = layout.image_flags},
                       .variable = {.token = layout.token},
                       .switch_type = 0,
                       .icon_count = layout.image_count,
                       .callback = layout.callback}};
}

// A face: the static image at (0, 0) that every other element hangs under.
constexpr gauge::StaticImage radio_face(gauge::GaugeHeader* gauge, std::uint32_t bitmap,
                                        std::uint32_t image_flags,
                                        gauge::Element* const* children) {
    return {.common = {.kind = gauge::kStaticImage,
                       .bitmap = bitmap,
                       .x = 0,
                       .y = 0,
                       .gauge = gauge,
                       .children = children,
                       .image_flags = image_flags}};
}

// A gauge of the stack: version 800, 200 mm wide by default, the module's
// gauge routines.
constexpr gauge::GaugeHeader800 radio_gauge(const char* name, gauge::Element* const* elements,
                                            const gauge::MouseRect* mouse_rects,
                                            gauge::GaugeCallback callback = nullptr) {
    return {.record = {.version = 800,
                       .name = name,
                       .elements = elements,
                       .routines = gauge::module_routines,
                       .default_width_mm = 200,
                       .default_height_mm = 0,
                       .mouse_rects = mouse_rects,
                       .callback = callback}};
}

}  // namespace radios
