// The shape the airspeed, vertical speed and tachometer dials share: a 302 x 302
// dial as the root static image, one needle as its only child, a tooltip over
// the whole gauge and no clickable area.
#pragma once

#include <cstdint>

#include "gauge.h"
#include "module.h"
#include "mouse_rects.h"

namespace flight {

struct DialValues {
    const char* name;
    gauge::GaugeHeader* header;  // the exported header the elements belong to
    std::uint32_t help_id;
    std::uint32_t dial_bitmap;
    const gauge::FailureEntry* dial_failures;
    std::uint32_t needle_bitmap;
    std::int32_t pivot_x, pivot_y;    // on the dial
    std::int32_t offset_x, offset_y;  // the pivot inside the needle bitmap
    std::uint32_t token;
    gauge::ElementCallback callback;
    const gauge::NonlinearityEntry* table;
    std::uint32_t table_entries;
    const gauge::FailureEntry* needle_failures;
};

inline constexpr std::uint32_t kDialWidthMm = 115;
inline constexpr std::uint32_t kNeedleMaxDegreesPerUpdate = 6;

// The root of every flight instrument: its dial or bezel at (0,0).
constexpr gauge::StaticImage instrument_face(std::uint32_t bitmap, gauge::GaugeHeader* header,
                                             gauge::Element* const* children,
                                             const gauge::FailureEntry* failures = nullptr) {
    return {.common = {.kind = gauge::kStaticImage,
                       .bitmap = bitmap,
                       .x = 0,
                       .y = 0,
                       .gauge = header,
                       .children = children,
                       .failures = failures,
                       .image_flags = 0x4001}};
}

// A version 700 header, 115 mm wide by default, with no gauge callback.
constexpr gauge::GaugeHeader instrument_header(const char* name, gauge::Element* const* elements,
                                               const gauge::MouseRect* mouse_rects) {
    return {
        .version = 700,
        .name = name,
        .elements = elements,
        .routines = gauge::module_routines,
        .default_width_mm = kDialWidthMm,
        .default_height_mm = 0,
        .mouse_rects = mouse_rects,
        .callback = nullptr,
    };
}

template <const DialValues& D>
struct DialGauge {
    static inline constinit gauge::Needle needle = {
        .common = {.kind = gauge::kNeedle,
                   .bitmap = D.needle_bitmap,
                   .x = D.pivot_x,
                   .y = D.pivot_y,
                   .offset_x = D.offset_x,
                   .offset_y = D.offset_y,
                   .gauge = D.header,
                   .failures = D.needle_failures,
                   .image_flags = 0x4003},
        .variable = {.token = D.token},
        .table = D.table,
        .table_entries = D.table_entries,
        .max_degrees_per_update = kNeedleMaxDegreesPerUpdate,
        .callback = D.callback};

    static constexpr gauge::Element* dial_children[] = {&needle.common, nullptr};

    static inline constinit gauge::StaticImage dial =
        instrument_face(D.dial_bitmap, D.header, dial_children, D.dial_failures);

    static constexpr gauge::Element* elements[] = {&dial.common, nullptr};

    static constexpr gauge::MouseRect mouse_rects[] = {
        gauge::mouse_parent(0, 0, 0, 0, D.help_id),
        gauge::kMouseRectEndParent,
        gauge::kMouseRectEnd,
    };

    static constexpr gauge::GaugeHeader header = instrument_header(D.name, elements, mouse_rects);
};

}  // namespace flight
