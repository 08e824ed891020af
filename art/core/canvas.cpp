#include "canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace art {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot create a drawing surface");
    }
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

RgbImage Canvas::flatten() {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    RgbImage image{width_, height_, {}};
    image.pixels.reserve(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            std::uint32_t argb;  // native-endian, premultiplied
            std::memcpy(&argb, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, 4);
            const std::uint32_t a = argb >> 24;
            if (a < 128) {
                image.pixels.push_back(kTransparent);
                continue;
            }
            auto unpremultiply = [a](std::uint32_t c) {
                return static_cast<std::uint8_t>(
                    std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
            };
            Rgb c = {unpremultiply((argb >> 16) & 0xFF), unpremultiply((argb >> 8) & 0xFF),
                     unpremultiply(argb & 0xFF)};
            if (c.r < kNearBlack.r && c.g < kNearBlack.g && c.b < kNearBlack.b) c = kNearBlack;
            image.pixels.push_back(c);
        }
    }
    return image;
}

}  // namespace art
