// RenderFixture: small gauges with one thing each for the renderer to get
// right: needle tables (a clockwise wrap, the one-pixel full turn), a
// tableless needle with a turning limit, and one element of every other kind
// with flags, a hide bit, failures and highlights (fixture_layout.h).
#include <cstring>

#include "fixture_layout.h"
#include "gauge.h"
#include "module.h"
#include "services.h"

namespace {

using namespace gauge;
using namespace render_fixture;

// --- Needles ---------------------------------------------------------------

// Four points 60 degrees apart from 300 (ten o'clock) through twelve to 120.
constexpr NonlinearityEntry kWrapTable[] = {
    {39, 65, 0.0, 0}, {100, 30, 10.0, 0}, {161, 65, 20.0, 0}, {161, 135, 30.0, 0}};
// One pixel apart: one full turn from value 0 to value 1000.
constexpr NonlinearityEntry kTurnTable[] = {{100, 30, 0.0, 0}, {101, 30, 1000.0, 0}};

constexpr Element needle_common() {
    return {.kind = kNeedle,
            .bitmap = kNeedleBitmap,
            .x = kPivot,
            .y = kPivot,
            .offset_x = kNeedlePivotX,
            .offset_y = kNeedlePivotY,
            .image_flags = kImageTransparent};
}

Needle wrap_needle = {.common = needle_common(),
                      .variable = {.token = kWrapToken},
                      .table = kWrapTable,
                      .table_entries = 4};
Needle turn_needle = {.common = needle_common(),
                      .variable = {.token = kTurnToken},
                      .table = kTurnTable,
                      .table_entries = 2};
Needle free_needle = {
    .common = needle_common(), .variable = {.token = kFreeToken}, .max_degrees_per_update = 6};

Element* const wrap_children[] = {element_of(wrap_needle), nullptr};
Element* const turn_children[] = {element_of(turn_needle), nullptr};
Element* const free_children[] = {element_of(free_needle), nullptr};

StaticImage wrap_face = {
    .common = {.kind = kStaticImage, .bitmap = kBackground, .children = wrap_children}};
StaticImage turn_face = {
    .common = {.kind = kStaticImage, .bitmap = kBackground, .children = turn_children}};
StaticImage free_face = {
    .common = {.kind = kStaticImage, .bitmap = kBackground, .children = free_children}};

// --- Elements ----------------------------------------------------------------

constexpr FailureEntry kStringFailures[] = {{kStringFailure, 3, 0}, {9, 0, 0}, {0, 0, 0}};
constexpr FailureEntry kIconFailures[] = {{kIconFailure, 2, 0}, {0, 0, 0}};
constexpr FailureEntry kSliderFailures[] = {{kSliderFailure, 1, 0}, {0, 0, 0}};
// Selection 1: "123", selection 2: "45" of "123.45".
constexpr HighlightEntry kHighlights[] = {{1, 0, 2}, {2, 4, 5}, {0, 0, 0}};

double GAUGE_CALL frequency_text(Element* element) {
    auto* string = as<String>(element);
    std::memcpy(string->text, "123.45", 7);
    return 0;
}

double GAUGE_CALL short_text(Element* element) {
    auto* string = as<String>(element);
    std::memcpy(string->text, "88", 3);
    return 0;
}

StaticImage transparent_square = {.common = {.kind = kStaticImage,
                                             .bitmap = kFramedSquare,
                                             .x = kTransparentX,
                                             .y = kTransparentY,
                                             .image_flags = kImageTransparent}};
StaticImage opaque_square = {
    .common = {.kind = kStaticImage, .bitmap = kFramedSquare, .x = kOpaqueX, .y = kOpaqueY}};
StaticImage green_child = {
    .common = {.kind = kStaticImage, .bitmap = kGreenSquare, .x = kChildX, .y = kChildY}};
Element* const hidden_children[] = {element_of(green_child), nullptr};
StaticImage hidden_square = {.common = {.kind = kStaticImage,
                                        .bitmap = kFramedSquare,
                                        .x = kHiddenX,
                                        .y = kHiddenY,
                                        .children = hidden_children,
                                        .image_flags = kImageTransparent}};
Icon icon = {.common = {.kind = kIcon,
                        .bitmap = kIconImages,
                        .x = kIconX,
                        .y = kIconY,
                        .failures = kIconFailures},
             .variable = {.token = kIconToken},
             .icon_count = 3};
Slider slider = {.common = {.kind = kSlider,
                            .bitmap = kSliderBlock,
                            .x = kSliderX,
                            .y = kSliderY,
                            .failures = kSliderFailures},
                 .x_variable = {.token = kSliderToken},
                 .x_scale = 2.0};
MovingImage moving = {
    .common = {.kind = kMovingImage, .bitmap = kStrip, .x = kMovingX, .y = kMovingY},
    .x_variable = {.token = kMovingToken},
    .x_min = 0,
    .x_max = 100};
Sprite sprite = {.common = {.kind = kSprite,
                            .bitmap = kTexture,
                            .x = kSpriteX,
                            .y = kSpriteY,
                            .offset_x = 150,
                            .offset_y = 150,
                            .image_flags = kImageTransparent},
                 .rotation_variable = {.token = kRotationToken},
                 .rotation_scale = 1.0,
                 .texture_scale_x = 0.95f,
                 .texture_scale_y = 0.95f};
String frequency = {.common = {.kind = kString,
                               .bitmap = kNoBitmap,
                               .x = kStringX,
                               .y = kStringY,
                               .failures = kStringFailures,
                               .image_flags = kImageTransparent},
                    .box_width = kStringWidth,
                    .box_height = kStringHeight,
                    .text_colour = kTextColour,
                    .background_colour = 0,
                    .highlight_colour = kHighlightColour,
                    .font = "Quartz",
                    .font_weight = 400,
                    .character_set = 1,
                    .text_format = 0x25,
                    .max_chars = 6,
                    .highlights = kHighlights,
                    .callback = frequency_text};
String opaque_text = {
    .common = {.kind = kString, .bitmap = kNoBitmap, .x = kOpaqueStringX, .y = kOpaqueStringY},
    .box_width = kOpaqueStringWidth,
    .box_height = kOpaqueStringHeight,
    .text_colour = kTextColour,
    .background_colour = kOpaqueBackground,
    .highlight_colour = kHighlightColour,
    .font = "Courier New",
    .font_weight = 400,
    .character_set = 1,
    .text_format = 0x25,
    .max_chars = 2,
    .callback = short_text};

Element* const element_children[] = {element_of(transparent_square),
                                     element_of(opaque_square),
                                     element_of(hidden_square),
                                     element_of(icon),
                                     element_of(slider),
                                     element_of(moving),
                                     element_of(sprite),
                                     element_of(frequency),
                                     element_of(opaque_text),
                                     nullptr};
StaticImage elements_face = {
    .common = {.kind = kStaticImage, .bitmap = kBackground, .children = element_children}};

// Service id 6, before every drawing: token 210 at 1 hides the square (its
// green child keeps its own flags).
ModuleVar hide_variable = {.token = kHideToken};
void GAUGE_CALL hide_square(GaugeHeader*, std::int32_t service_id, std::uint32_t) {
    if (service_id != kServiceBeforeDraw) return;
    lookup_var(hide_variable);
    if (hide_variable.value == 1.0)
        hidden_square.common.image_flags |= kImageHidden;
    else
        hidden_square.common.image_flags &= ~kImageHidden;
}

constexpr MouseRect kNoAreas[] = {
    {.kind = kMouseParent, .cursor = kCursorNone}, {.kind = kMouseEndParent}, {.kind = kMouseEnd}};

Element* const wrap_list[] = {element_of(wrap_face), nullptr};
Element* const turn_list[] = {element_of(turn_face), nullptr};
Element* const free_list[] = {element_of(free_face), nullptr};
Element* const elements_list[] = {element_of(elements_face), nullptr};

GaugeHeader header(const char* name, Element* const* list, GaugeCallback callback = nullptr) {
    return {.version = 700,
            .name = name,
            .elements = list,
            .routines = module_routines,
            .default_width_mm = 100,
            .mouse_rects = kNoAreas,
            .callback = callback};
}

GaugeHeader wrap_gauge = header("WrapNeedle", wrap_list);
GaugeHeader turn_gauge = header("TurnNeedle", turn_list);
GaugeHeader free_gauge = header("FreeNeedle", free_list);
GaugeHeader elements_gauge = header("Elements", elements_list, hide_square);

}  // namespace

GAUGE_EXPORT gauge::LinkageRecord Linkage = {
    .module_id = gauge::kLinkageModuleId,
    .module_init = gauge::module_init,
    .module_deinit = gauge::module_deinit,
    .gauges = {&wrap_gauge, &turn_gauge, &free_gauge, &elements_gauge, nullptr},
};
