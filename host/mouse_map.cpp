#include "mouse_map.h"

#include <stdexcept>
#include <string>

namespace host {
namespace {

constexpr int kMaxEntries = 4096;

std::runtime_error malformed(int number, const std::string& problem) {
    return std::runtime_error("mouse rectangle " + std::to_string(number) + ": " + problem);
}

}  // namespace

bool MouseArea::contains(Point point) const {
    return point.x >= left && point.x < left + rect->width && point.y >= top &&
           point.y < top + rect->height;
}

Point MouseArea::relative(Point point) const {
    return {static_cast<std::int32_t>(point.x - left), static_cast<std::int32_t>(point.y - top)};
}

MouseMap::MouseMap(const gauge::MouseRect* list) {
    if (list == nullptr) return;
    struct Origin {
        std::int64_t left, top;
    };
    std::vector<Origin> parents;
    for (int index = 0;; ++index) {
        const int number = index + 1;
        if (index >= kMaxEntries) throw malformed(number, "list has no end entry");
        const gauge::MouseRect& rect = list[index];
        const Origin origin = parents.empty() ? Origin{0, 0} : parents.back();
        const std::int64_t left = origin.left + rect.x;
        const std::int64_t top = origin.top + rect.y;
        const int depth = static_cast<int>(parents.size());
        switch (rect.kind) {
            case gauge::kMouseEnd:
                if (!parents.empty()) throw malformed(number, "list ends inside a parent");
                return;
            case gauge::kMouseParent:
                areas_.push_back({&rect, number, depth, true, left, top});
                parents.push_back({left, top});
                break;
            case gauge::kMouseChild:
                areas_.push_back({&rect, number, depth, false, left, top});
                break;
            case gauge::kMouseEndParent:
                if (parents.empty()) throw malformed(number, "end of parent without a parent");
                parents.pop_back();
                break;
            default:
                throw malformed(number, "unknown kind " + std::to_string(rect.kind));
        }
    }
}

const MouseArea* MouseMap::target(Point point, std::uint32_t event) const {
    for (const MouseArea& area : areas_)
        if (!area.parent && (area.rect->flags & event) == event && area.contains(point))
            return &area;
    return nullptr;
}

const MouseArea* MouseMap::child_at(Point point) const {
    for (const MouseArea& area : areas_)
        if (!area.parent && area.contains(point)) return &area;
    return nullptr;
}

std::int32_t MouseMap::cursor_at(Point point) const {
    const MouseArea* child = child_at(point);
    return child != nullptr ? child->rect->cursor : gauge::kCursorNone;
}

std::uint32_t MouseMap::help_at(Point point) const {
    const MouseArea* best = nullptr;
    for (const MouseArea& area : areas_) {
        if (!area.parent || area.rect->help_id == 0) continue;
        const bool whole_gauge = area.depth == 0 && area.rect->width == 0 && area.rect->height == 0;
        if (!whole_gauge && !area.contains(point)) continue;
        if (best == nullptr || area.depth > best->depth) best = &area;
    }
    return best != nullptr ? best->rect->help_id : 0;
}

}  // namespace host
