#include "module_description.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "names.h"
#include "placement.h"
#include "value_text.h"

namespace host {
namespace {

using namespace gauge;

std::string variable_text(const ModuleVar& variable) {
    return variable.token == 0 ? "none" : token_label(variable.token);
}

std::string scaled(const char* axis, const ModuleVar& variable, double scale) {
    return std::string(axis) + " variable " + variable_text(variable) + " scale " +
           format_number(scale);
}

std::string yes_no(bool value) {
    return value ? "yes" : "no";
}

// 0x00BBGGRR with all six digits, as colours are read.
std::string colour(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(value));
    return text;
}

std::string mouse_flags_text(std::uint32_t flags) {
    std::string text = hex(flags);
    if (flags & kMouseLeftClick) text += " click";
    if (flags & kMouseRepeat) text += " repeat";
    if (flags & kMouseMove) text += " drag";
    return text;
}

class Describer {
  public:
    explicit Describer(std::ostream& out) : out_(out) {}

    void gauge(const LoadedModule& module, GaugeHeader& header) {
        out_ << "gauge " << header.name << ": version " << header.version << ", default width "
             << header.default_width_mm << " mm, height " << header.default_height_mm
             << " mm, gauge callback " << yes_no(header.callback != nullptr) << "\n";
        Placement layout("inspect", module, header, {});
        out_ << "  elements (drawing order):\n";
        for (const ElementState& state : layout.elements()) element(state);
        out_ << "  mouse rectangles:\n";
        for (const MouseArea& area : layout.mouse().areas()) mouse_area(area);
    }

  private:
    void line(int depth, const std::string& text) {
        out_ << std::string(static_cast<std::size_t>(4 + 2 * depth), ' ') << text << "\n";
    }

    void element(const ElementState& state) {
        const Element& element = *state.element;
        const int depth = state.depth;
        std::string head = std::to_string(state.number) + " " + element_kind_name(element.kind);
        if (element.kind != kString) head += ", bitmap " + hex(element.bitmap);
        head += ", at (" + std::to_string(element.x) + "," + std::to_string(element.y) + ")";
        if (element.offset_x != 0 || element.offset_y != 0)
            head += ", offset (" + std::to_string(element.offset_x) + "," +
                    std::to_string(element.offset_y) + ")";
        head += ", image flags " + hex(element.image_flags);
        if (element.special_flags != 0) head += ", special flags " + hex(element.special_flags);
        line(depth, head);
        details(const_cast<Element*>(&element), depth + 2);
        if (element.failures != nullptr) {
            std::string text = "failures:";
            for (const FailureEntry* entry = element.failures; entry->key != 0; ++entry)
                text += " key " + std::to_string(entry->key) + " action " +
                        std::to_string(entry->action) + ";";
            line(depth + 2, text);
        }
    }

    void details(Element* element, int depth) {
        switch (element->kind) {
            case kNeedle: {
                const Needle& needle = *as<Needle>(element);
                line(depth, "variable " + variable_text(needle.variable) + ", callback " +
                                yes_no(needle.callback != nullptr) + ", max degrees per update " +
                                std::to_string(needle.max_degrees_per_update));
                if (needle.table == nullptr) {
                    line(depth, "no nonlinearity table: the value is an angle in degrees");
                    break;
                }
                std::string text = "table:";
                for (std::uint32_t index = 0; index < needle.table_entries && index < 64; ++index) {
                    const NonlinearityEntry& entry = needle.table[index];
                    text += " " + format_number(entry.value) + "->(" + std::to_string(entry.x) +
                            "," + std::to_string(entry.y) + ")";
                }
                line(depth, text);
                break;
            }
            case kString: {
                const String& string = *as<String>(element);
                line(depth, "box " + std::to_string(string.box_width) + " x " +
                                std::to_string(string.box_height) + ", max chars " +
                                std::to_string(string.max_chars) + ", callback " +
                                yes_no(string.callback != nullptr));
                line(depth, "font \"" + std::string(string.font, strnlen(string.font, 32)) +
                                "\" weight " + std::to_string(string.font_weight) +
                                ", character set " + std::to_string(string.character_set) +
                                ", format " + hex(string.text_format));
                line(depth, "colours: text " + colour(string.text_colour) + ", background " +
                                colour(string.background_colour) + ", highlight " +
                                colour(string.highlight_colour));
                for (int index = 0; index < 3; ++index)
                    if (string.variables[index].token != 0)
                        line(depth, "variable " + std::to_string(index + 1) + ": " +
                                        variable_text(string.variables[index]));
                if (string.highlights != nullptr) {
                    std::string text = "highlights:";
                    for (const HighlightEntry* entry = string.highlights; entry->selection_id != 0;
                         ++entry)
                        text += " selection " + std::to_string(entry->selection_id) +
                                " characters " + std::to_string(entry->first) + "-" +
                                std::to_string(entry->last) + ";";
                    line(depth, text);
                }
                break;
            }
            case kSlider: {
                const Slider& slider = *as<Slider>(element);
                line(depth, scaled("x", slider.x_variable, slider.x_scale) + ", " +
                                scaled("y", slider.y_variable, slider.y_scale));
                break;
            }
            case kIcon: {
                const Icon& icon = *as<Icon>(element);
                line(depth, "variable " + variable_text(icon.variable) + ", images " +
                                std::to_string(icon.icon_count) + ", switch type " +
                                std::to_string(icon.switch_type) + ", callback " +
                                yes_no(icon.callback != nullptr));
                break;
            }
            case kMovingImage: {
                const MovingImage& moving = *as<MovingImage>(element);
                line(depth, "x variable " + variable_text(moving.x_variable) + " from " +
                                format_number(moving.x_min) + " to " + format_number(moving.x_max) +
                                ", callback " + yes_no(moving.x_callback != nullptr));
                line(depth, "y variable " + variable_text(moving.y_variable) + " from " +
                                format_number(moving.y_min) + " to " + format_number(moving.y_max) +
                                ", callback " + yes_no(moving.y_callback != nullptr));
                break;
            }
            case kSprite: {
                const Sprite& sprite = *as<Sprite>(element);
                line(depth, scaled("x", sprite.x_variable, sprite.x_scale) + ", " +
                                scaled("y", sprite.y_variable, sprite.y_scale));
                line(depth, scaled("rotation", sprite.rotation_variable, sprite.rotation_scale) +
                                ", texture scale " + format_number(sprite.texture_scale_x) + " x " +
                                format_number(sprite.texture_scale_y));
                break;
            }
            default:
                break;
        }
    }

    void mouse_area(const MouseArea& area) {
        const MouseRect& rect = *area.rect;
        std::string text = std::to_string(area.number) + (area.parent ? " parent" : " child") +
                           " (" + std::to_string(rect.x) + "," + std::to_string(rect.y) + ") " +
                           std::to_string(rect.width) + " x " + std::to_string(rect.height) +
                           ", at gauge (" + std::to_string(area.left) + "," +
                           std::to_string(area.top) + ")";
        if (area.parent) {
            if (rect.help_id != 0) text += ", help " + help_id_label(rect.help_id);
        } else {
            text += ", cursor " + std::to_string(rect.cursor) + ", flags " +
                    mouse_flags_text(rect.flags);
            if (rect.key_event != 0) text += ", key event " + key_event_label(rect.key_event);
            text += ", function " + yes_no(rect.function != nullptr);
        }
        line(area.depth, text);
    }

    std::ostream& out_;
};

}  // namespace

void describe_module(const LoadedModule& module, std::ostream& out) {
    out << "module " << module.name() << " (" << module.file().string() << "): Linkage version "
        << hex(module.linkage().version) << ", " << module.gauges().size() << " gauges\n";
    Describer describer(out);
    for (GaugeHeader* header : module.gauges()) describer.gauge(module, *header);
}

}  // namespace host
