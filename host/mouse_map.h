// A gauge's mouse rectangle list resolved to gauge pixels.
//
// Child boxes are relative to the enclosing parent, and parents nest; the map
// keeps every entry with its absolute box so that the routing questions (which
// child takes an event here, which cursor, which help id) are simple searches.
#pragma once

#include <cstdint>
#include <vector>

#include "gauge.h"

namespace host {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct MouseArea {
    const gauge::MouseRect* rect;
    int number;  // 1-based position in the declared list
    int depth;   // 0 for the outermost parent
    bool parent;
    std::int64_t left, top;  // absolute, gauge pixels

    bool contains(Point point) const;
    // The point relative to the area's top-left corner.
    Point relative(Point point) const;
};

class MouseMap {
  public:
    MouseMap() = default;
    // Throws std::runtime_error describing the entry when the list is malformed
    // (unknown kind, unbalanced parents, no end).
    explicit MouseMap(const gauge::MouseRect* list);

    const std::vector<MouseArea>& areas() const { return areas_; }

    // The first child in list order whose box holds the point and whose flags
    // include every bit of `event`; nullptr if none.
    const MouseArea* target(Point point, std::uint32_t event) const;
    // The first child whose box holds the point, whatever its flags.
    const MouseArea* child_at(Point point) const;
    // The cursor of the child under the point, or -1.
    std::int32_t cursor_at(Point point) const;
    // The help id of the innermost parent that holds the point and has one; the
    // outermost parent, 0 x 0, holds the whole gauge. 0 when none applies.
    std::uint32_t help_at(Point point) const;

  private:
    std::vector<MouseArea> areas_;
};

}  // namespace host
