// A cairo surface to paint one bitmap on.
#pragma once

#include <cairo.h>

#include "image.h"

namespace art {

// Starts fully transparent. Whatever the painters leave uncovered (alpha below
// one half) becomes pure black, the transparent colour; every covered pixel
// becomes opaque and never pure black.
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* context() { return cr_; }
    RgbImage flatten();

  private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// The darkest colour an opaque pixel may have.
inline constexpr Rgb kNearBlack = {8, 8, 8};

}  // namespace art
