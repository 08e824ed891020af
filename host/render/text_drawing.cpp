#include "text_drawing.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>

namespace render {
namespace {

struct GObjectDeleter {
    void operator()(void* object) const { g_object_unref(object); }
};
struct FontDescriptionDeleter {
    void operator()(PangoFontDescription* description) const {
        pango_font_description_free(description);
    }
};
struct AttrListDeleter {
    void operator()(PangoAttrList* list) const { pango_attr_list_unref(list); }
};

void set_source_bgr(cairo_t* context, std::uint32_t bgr) {
    cairo_set_source_rgb(context, (bgr & 0xFF) / 255.0, ((bgr >> 8) & 0xFF) / 255.0,
                         ((bgr >> 16) & 0xFF) / 255.0);
}

PangoAttribute* foreground(std::uint32_t bgr, guint start, guint end) {
    auto scale = [](std::uint32_t channel) { return static_cast<guint16>(channel * 257); };
    PangoAttribute* attribute = pango_attr_foreground_new(
        scale(bgr & 0xFF), scale((bgr >> 8) & 0xFF), scale((bgr >> 16) & 0xFF));
    attribute->start_index = start;
    attribute->end_index = end;
    return attribute;
}

// Byte offset in UTF-8 text of character `index` (clamped to the text).
guint byte_offset(const std::string& utf8, int index) {
    const glong length = g_utf8_strlen(utf8.c_str(), -1);
    const glong clamped = std::clamp<glong>(index, 0, length);
    return static_cast<guint>(g_utf8_offset_to_pointer(utf8.c_str(), clamped) - utf8.c_str());
}

}  // namespace

std::string substitute_font(const std::string& declared) {
    if (declared == "Quartz") return "DSEG14 Classic";
    if (declared == "Courier New") return "Liberation Mono";
    return declared.empty() ? "Sans" : declared;
}

std::string text_as_utf8(const std::string& bytes) {
    std::string utf8;
    for (const unsigned char c : bytes) {
        if (c < 0x20 || c == 0x7F) {
            utf8 += ' ';
        } else if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            // Latin-1 stands in for the Western code page: the same letters
            // where it matters, and always valid UTF-8.
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

Image draw_text_box(const std::string& text, int box_width, int box_height, const TextStyle& style,
                    HighlightRange highlight) {
    Image image(box_width, box_height);
    ContextPtr context = image.context();
    cairo_t* cr = context.get();
    set_source_bgr(cr, style.background_colour);
    cairo_paint(cr);

    const std::string utf8 = text_as_utf8(text);
    if (utf8.empty()) return image;

    std::unique_ptr<PangoLayout, GObjectDeleter> layout(pango_cairo_create_layout(cr));
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    pango_layout_set_text(layout.get(), utf8.c_str(), static_cast<int>(utf8.size()));

    std::unique_ptr<PangoFontDescription, FontDescriptionDeleter> font(
        pango_font_description_new());
    pango_font_description_set_family(font.get(), substitute_font(style.font).c_str());
    pango_font_description_set_weight(
        font.get(), static_cast<PangoWeight>(std::clamp(style.weight, 100, 1000)));
    // The text fills about two thirds of the box height, less when it would be
    // too wide for the box.
    double size = box_height * 0.62;
    for (int attempt = 0; attempt < 2; ++attempt) {
        pango_font_description_set_absolute_size(font.get(), size * PANGO_SCALE);
        pango_layout_set_font_description(layout.get(), font.get());
        PangoRectangle logical;
        pango_layout_get_pixel_extents(layout.get(), nullptr, &logical);
        const double room = box_width * 0.94;
        if (logical.width <= room || logical.width <= 0) break;
        size *= room / logical.width;
    }

    std::unique_ptr<PangoAttrList, AttrListDeleter> attributes(pango_attr_list_new());
    pango_attr_list_insert(attributes.get(), foreground(style.text_colour, 0, G_MAXUINT));
    if (highlight.first <= highlight.last && highlight.last >= 0)
        pango_attr_list_insert(
            attributes.get(), foreground(style.highlight_colour, byte_offset(utf8, highlight.first),
                                         byte_offset(utf8, highlight.last + 1)));
    pango_layout_set_attributes(layout.get(), attributes.get());

    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    // Horizontally by the advance widths, vertically by the ink, so digit
    // faces with tall line spacing still sit in the middle of the box.
    const double left = (box_width - logical.width) / 2.0 - logical.x;
    const double top = ink.height > 0 ? (box_height - ink.height) / 2.0 - ink.y
                                      : (box_height - logical.height) / 2.0 - logical.y;
    cairo_move_to(cr, left, top);
    pango_cairo_show_layout(cr, layout.get());
    check(cr, "drawing a text");
    return image;
}

}  // namespace render
