#include "gauge_renderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "loaded_module.h"
#include "names.h"
#include "needle_angle.h"
#include "text_drawing.h"

namespace render {
namespace {

using namespace gauge;

// Lists and tables are read in the module's memory; a list that never ends is
// a fault of the module, and this bound keeps it from taking the host along.
constexpr int kMaxListEntries = 256;
constexpr std::uint32_t kMaxTableEntries = 64;
// Offsets beyond this many pixels put a picture far outside any gauge;
// clamping keeps cairo's fixed-point coordinates in range.
constexpr double kMaxOffset = 1.0e5;

double finite_or_zero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

double clamp_offset(double value) {
    return std::clamp(finite_or_zero(value), -kMaxOffset, kMaxOffset);
}

double radians(double degrees) {
    return std::fmod(degrees, 360.0) * std::numbers::pi / 180.0;
}

// Paints `picture` with its top-left corner at the current origin, through the
// current transformation. The source is padded (its edge pixels extend) and
// only its own rectangle is filled, so a turned or scaled bitmap gets no dark
// or faded fringe from sampling outside its pixels.
void paint_picture(cairo_t* cr, const Image& picture) {
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(picture.surface());
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
    cairo_rectangle(cr, 0, 0, picture.width(), picture.height());
    cairo_fill(cr);
}

void paint_picture_at(cairo_t* cr, const Image& picture, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    paint_picture(cr, picture);
    cairo_restore(cr);
}

// Pure black pixels of an opaque picture become transparent (image flag 0x1).
void drop_pure_black(Image& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgba pixel = image.pixel(x, y);
            if (pixel.a == 255 && pixel.r == 0 && pixel.g == 0 && pixel.b == 0)
                image.set_pixel(x, y, {});
        }
}

// The whole record of an element, read through its common part.
template <typename Record>
const Record& record(const Element& element) {
    return *reinterpret_cast<const Record*>(&element);
}

BitmapUse use_of(const Element& element) {
    return (element.image_flags & kImageTransparent) != 0 ? BitmapUse::kTransparent
                                                          : BitmapUse::kOpaque;
}

std::string where(const host::Placement& placement, const host::ElementState& state) {
    return placement.alias() + " element " + std::to_string(state.number);
}

}  // namespace

void GaugeRenderer::set_failure(std::uint32_t key, bool active) {
    if (active)
        failures_.insert(key);
    else
        failures_.erase(key);
}

FailureAction GaugeRenderer::failure_action(const Element& element) const {
    FailureAction strongest = kFailureNone;
    if (element.failures == nullptr || failures_.empty()) return strongest;
    for (int at = 0; at < kMaxListEntries && element.failures[at].key != 0; ++at) {
        const FailureEntry& entry = element.failures[at];
        if (failures_.contains(entry.key) && entry.action <= kFailureHide)
            strongest = std::max(strongest, static_cast<FailureAction>(entry.action));
    }
    return strongest;
}

std::pair<int, int> GaugeRenderer::gauge_size(const host::Placement& placement) {
    const Element* root = placement.elements().front().element;
    const Image& background =
        bitmaps_.picture(placement.module(), root->bitmap, BitmapUse::kOpaque);
    return {background.width(), background.height()};
}

Image GaugeRenderer::draw(const host::Placement& placement, const RenderOptions& options) {
    const auto [width, height] = gauge_size(placement);
    Image image(width, height);
    ContextPtr context = image.context();
    for (const host::ElementState& state : placement.elements()) {
        try {
            draw_element(context.get(), placement, state, options);
        } catch (const std::exception& error) {
            throw std::runtime_error(where(placement, state) + ": " + error.what());
        }
    }
    check(context.get(), "drawing a gauge");
    return image;
}

Image GaugeRenderer::draw_scaled(const host::Placement& placement, int width, int height,
                                 const RenderOptions& options) {
    const Image own = draw(placement, options);
    Image image(width, height);
    ContextPtr context = image.context();
    cairo_scale(context.get(), static_cast<double>(width) / own.width(),
                static_cast<double>(height) / own.height());
    paint_picture(context.get(), own);
    check(context.get(), "scaling a gauge");
    return image;
}

GaugeRenderer::Shown GaugeRenderer::shown_state(const host::ElementState& state, Memory& memory,
                                                FailureAction action) {
    Shown shown{state.values, state.text, state.image};
    if (action == kFailureFreeze) {
        if (!memory.frozen && !memory.drawn_before) {
            memory.values = shown.values;
            memory.text = shown.text;
            memory.image = shown.image;
        }
        memory.frozen = true;
        return {memory.values, memory.text, memory.image};
    }
    memory.frozen = false;
    if (action == kFailureZero) {
        shown.values = {};
        shown.image = 0;
    }
    memory.values = shown.values;
    memory.text = shown.text;
    memory.image = shown.image;
    return shown;
}

void GaugeRenderer::draw_element(cairo_t* cr, const host::Placement& placement,
                                 const host::ElementState& state, const RenderOptions& options) {
    const Element& element = *state.element;
    Memory& memory = memory_[{placement.alias(), state.number}];
    const FailureAction action = failure_action(element);
    const Shown shown = shown_state(state, memory, action);
    const bool drawn = !state.hidden && action != kFailureHide;
    const host::LoadedModule& module = placement.module();
    if (drawn) {
        switch (element.kind) {
            case kStaticImage:
                draw_static(cr, module, element);
                break;
            case kNeedle:
                draw_needle(cr, module, element, shown.values[0], memory, options);
                break;
            case kString:
                draw_string(cr, element, shown.text, options);
                break;
            case kSlider:
                draw_slider(cr, module, element, shown);
                break;
            case kIcon:
                draw_icon(cr, module, element, shown.image);
                break;
            case kMovingImage:
                draw_moving(cr, module, element, shown);
                break;
            case kSprite:
                draw_sprite(cr, module, element, shown);
                break;
            default:
                throw std::runtime_error("unknown element kind " + std::to_string(element.kind));
        }
    }
    memory.drawn_before = true;
}

void GaugeRenderer::draw_static(cairo_t* cr, const host::LoadedModule& module,
                                const Element& element) {
    paint_picture_at(cr, bitmaps_.picture(module, element.bitmap, use_of(element)), element.x,
                     element.y);
}

void GaugeRenderer::draw_needle(cairo_t* cr, const host::LoadedModule& module,
                                const Element& element, double value, Memory& memory,
                                const RenderOptions& options) {
    const auto& needle = record<Needle>(element);
    // The bitmap is drawn pointing right, which is 90 degrees clockwise from twelve.
    double target = 0;
    if (needle.table != nullptr && needle.table_entries > 0) {
        if (needle.table_entries > kMaxTableEntries)
            throw std::runtime_error("needle table of " + std::to_string(needle.table_entries) +
                                     " entries is too long");
        const NeedleTable table({needle.table, needle.table_entries}, element.x, element.y);
        target = table.angle(value) - 90.0;
    } else {
        target = finite_or_zero(value);
    }
    const bool limited = !options.settle_needles && memory.drawn_before;
    const double angle =
        limited ? step_toward(memory.needle_angle, target, needle.max_degrees_per_update) : target;
    memory.needle_angle = angle;

    const Image& picture = bitmaps_.picture(module, element.bitmap, use_of(element));
    cairo_save(cr);
    cairo_translate(cr, element.x, element.y);
    cairo_rotate(cr, radians(angle));
    cairo_translate(cr, -element.offset_x, -element.offset_y);
    paint_picture(cr, picture);
    cairo_restore(cr);
}

void GaugeRenderer::draw_string(cairo_t* cr, const Element& element, const std::string& text,
                                const RenderOptions& options) {
    const auto& string = record<String>(element);
    constexpr std::uint32_t kMaxBox = 4096;
    if (string.box_width == 0 || string.box_height == 0) return;
    if (string.box_width > kMaxBox || string.box_height > kMaxBox)
        throw std::runtime_error("string box of " + std::to_string(string.box_width) + " x " +
                                 std::to_string(string.box_height) + " pixels is too large");
    TextStyle style;
    style.font =
        std::string(string.font, std::find(string.font, string.font + sizeof string.font, '\0'));
    style.weight = static_cast<int>(std::min<std::uint32_t>(string.font_weight, 1000));
    style.text_colour = string.text_colour;
    style.background_colour = string.background_colour;
    style.highlight_colour = string.highlight_colour;
    HighlightRange highlight;
    if (options.selection_id != 0 && string.highlights != nullptr) {
        for (int at = 0; at < kMaxListEntries && string.highlights[at].selection_id != 0; ++at)
            if (string.highlights[at].selection_id == options.selection_id)
                highlight = {string.highlights[at].first, string.highlights[at].last};
    }
    Image box = draw_text_box(text, static_cast<int>(string.box_width),
                              static_cast<int>(string.box_height), style, highlight);
    if ((element.image_flags & kImageTransparent) != 0) drop_pure_black(box);
    paint_picture_at(cr, box, element.x, element.y);
}

void GaugeRenderer::draw_slider(cairo_t* cr, const host::LoadedModule& module,
                                const Element& element, const Shown& shown) {
    const auto& slider = record<Slider>(element);
    const double dx = clamp_offset(shown.values[0] * slider.x_scale);
    const double dy = clamp_offset(shown.values[1] * slider.y_scale);
    paint_picture_at(cr, bitmaps_.picture(module, element.bitmap, use_of(element)), element.x + dx,
                     element.y + dy);
}

void GaugeRenderer::draw_icon(cairo_t* cr, const host::LoadedModule& module, const Element& element,
                              std::int32_t image) {
    const auto& icon = record<Icon>(element);
    if (image < 0 || static_cast<std::uint32_t>(image) >= icon.icon_count) return;
    // A state whose image the module does not carry shows nothing, like -1.
    const std::uint32_t id = element.bitmap + static_cast<std::uint32_t>(image);
    if (!bitmaps_.carries(module, id)) return;
    paint_picture_at(cr, bitmaps_.picture(module, id, use_of(element)), element.x, element.y);
}

namespace {

// Where along its travel an axis of a moving image stands: 0 at the minimum,
// 1 at the maximum, kept within the travel.
double travel_fraction(double value, double minimum, double maximum) {
    if (!(minimum != maximum) || !std::isfinite(minimum) || !std::isfinite(maximum)) return 0;
    const double fraction = (finite_or_zero(value) - minimum) / (maximum - minimum);
    return std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
}

}  // namespace

// Both kinds draw their picture inside a window bitmap: the picture shows
// through the window's black and near-black pixels, the window's other pixels
// cover it.
template <typename DrawPicture>
static Image through_window(BitmapLibrary& bitmaps, const host::LoadedModule& module,
                            std::uint32_t window_id, DrawPicture&& draw_picture) {
    const Image& hole = bitmaps.picture(module, window_id, BitmapUse::kWindowHole);
    Image composed(hole.width(), hole.height());
    ContextPtr context = composed.context();
    cairo_t* cr = context.get();
    cairo_save(cr);
    draw_picture(cr);
    cairo_restore(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_set_source_surface(cr, hole.surface(), 0, 0);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_source_surface(
        cr, bitmaps.picture(module, window_id, BitmapUse::kWindowFrame).surface(), 0, 0);
    cairo_paint(cr);
    check(cr, "drawing through a window");
    return composed;
}

void GaugeRenderer::draw_moving(cairo_t* cr, const host::LoadedModule& module,
                                const Element& element, const Shown& shown) {
    const auto& moving = record<MovingImage>(element);
    const Image& picture = bitmaps_.picture(module, element.bitmap, use_of(element));
    const Image composed = through_window(bitmaps_, module, element.bitmap + 1, [&](cairo_t* c) {
        const double fx = travel_fraction(shown.values[0], moving.x_min, moving.x_max);
        const double fy = travel_fraction(shown.values[1], moving.y_min, moving.y_max);
        const Image& window = bitmaps_.picture(module, element.bitmap + 1, BitmapUse::kWindowHole);
        // At the minimum the picture's left (top) edge meets the window's; at
        // the maximum its right (bottom) edge does.
        cairo_translate(c, -fx * (picture.width() - window.width()),
                        -fy * (picture.height() - window.height()));
        paint_picture(c, picture);
    });
    paint_picture_at(cr, composed, element.x, element.y);
}

void GaugeRenderer::draw_sprite(cairo_t* cr, const host::LoadedModule& module,
                                const Element& element, const Shown& shown) {
    const auto& sprite = record<Sprite>(element);
    const Image& texture = bitmaps_.picture(module, element.bitmap, use_of(element));
    const double scale_x = sprite.texture_scale_x;
    const double scale_y = sprite.texture_scale_y;
    const bool scalable = std::isfinite(scale_x) && std::isfinite(scale_y) &&
                          std::abs(scale_x) > 1e-6 && std::abs(scale_y) > 1e-6 &&
                          std::abs(scale_x) < 1e3 && std::abs(scale_y) < 1e3;
    const Image composed = through_window(bitmaps_, module, element.bitmap + 1, [&](cairo_t* c) {
        if (!scalable) return;
        const Image& window = bitmaps_.picture(module, element.bitmap + 1, BitmapUse::kWindowHole);
        // The texture's offset point sits at the window's centre, moved by the x
        // and y values; the texture turns counterclockwise about it.
        cairo_translate(c, window.width() / 2.0 + clamp_offset(shown.values[0] * sprite.x_scale),
                        window.height() / 2.0 + clamp_offset(shown.values[1] * sprite.y_scale));
        cairo_rotate(c, -radians(finite_or_zero(shown.values[2] * sprite.rotation_scale)));
        cairo_scale(c, scale_x, scale_y);
        cairo_translate(c, -element.offset_x, -element.offset_y);
        paint_picture(c, texture);
    });
    paint_picture_at(cr, composed, element.x, element.y);
}

}  // namespace render
