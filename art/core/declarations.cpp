#include "declarations.h"

#include <stdexcept>

namespace art {
namespace {

using namespace gauge;

// Far more than any gauge declares; a list past it has lost its terminator.
constexpr int kMaxDepth = 16;
constexpr std::size_t kMaxEntries = 4096;

void read_element(const Element* element, int depth, std::vector<ElementInfo>& out) {
    if (depth > kMaxDepth || out.size() > kMaxEntries) {
        throw std::runtime_error("element tree nests without end");
    }
    ElementInfo info;
    info.kind = element->kind;
    info.bitmap = element->bitmap;
    info.x = element->x;
    info.y = element->y;
    info.image_flags = element->image_flags;
    info.record = element;
    info.depth = depth;
    if (element->kind == kString) {
        const auto* text = reinterpret_cast<const String*>(element);
        info.string_box = {element->x, element->y, static_cast<int>(text->box_width),
                           static_cast<int>(text->box_height)};
        info.first_token = text->variables[0].token;
    } else if (element->kind == kIcon) {
        info.image_count = reinterpret_cast<const Icon*>(element)->icon_count;
    }
    out.push_back(info);
    if (element->children == nullptr) return;
    for (Element* const* child = element->children; *child != nullptr; ++child) {
        read_element(*child, depth + 1, out);
    }
}

std::vector<AreaInfo> read_areas(const MouseRect* rects, const std::string& gauge) {
    std::vector<AreaInfo> areas;
    if (rects == nullptr) return areas;
    std::vector<std::pair<int, int>> origins = {{0, 0}};
    for (std::size_t i = 0; i < kMaxEntries; ++i) {
        const MouseRect& rect = rects[i];
        if (rect.kind == kMouseEnd) return areas;
        if (rect.kind == kMouseEndParent) {
            if (origins.size() > 1) origins.pop_back();
            continue;
        }
        const auto [ox, oy] = origins.back();
        AreaInfo area{
            rect.kind == kMouseParent,
            {ox + rect.x, oy + rect.y, static_cast<int>(rect.width), static_cast<int>(rect.height)},
            rect.cursor,
            rect.help_id,
            rect.flags,
            rect.key_event,
            rect.function != nullptr};
        if (area.parent) origins.emplace_back(area.box.x, area.box.y);
        areas.push_back(area);
    }
    throw std::runtime_error(gauge + ": mouse rectangle list has no end entry");
}

}  // namespace

std::vector<GaugeInfo> read_declarations(const LinkageRecord& linkage) {
    std::vector<GaugeInfo> gauges;
    for (GaugeHeader* const* header = linkage.gauges; *header != nullptr; ++header) {
        const GaugeHeader& record = **header;
        GaugeInfo info;
        info.name = record.name != nullptr ? record.name : "";
        if (record.elements == nullptr || record.elements[0] == nullptr) {
            throw std::runtime_error(info.name + ": gauge has no root element");
        }
        info.root_bitmap = record.elements[0]->bitmap;
        read_element(record.elements[0], 0, info.elements);
        info.areas = read_areas(record.mouse_rects, info.name);
        gauges.push_back(std::move(info));
    }
    return gauges;
}

std::set<std::uint32_t> bitmaps_used(const std::vector<GaugeInfo>& gauges) {
    std::set<std::uint32_t> used;
    for (const GaugeInfo& gauge : gauges) {
        for (const ElementInfo& element : gauge.elements) {
            switch (element.kind) {
                case kString:
                    break;
                case kIcon:
                    for (std::uint32_t i = 0; i < element.image_count; ++i) {
                        used.insert(element.bitmap + i);
                    }
                    break;
                case kMovingImage:
                case kSprite:
                    used.insert(element.bitmap);
                    used.insert(element.bitmap + 1);
                    break;
                default:
                    used.insert(element.bitmap);
            }
        }
    }
    return used;
}

}  // namespace art
