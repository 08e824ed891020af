#include "image.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace render {

void check(cairo_t* context, const char* what) {
    const cairo_status_t status = cairo_status(context);
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string(what) + ": " + cairo_status_to_string(status));
}

void check(cairo_surface_t* surface, const char* what) {
    const cairo_status_t status = cairo_surface_status(surface);
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string(what) + ": " + cairo_status_to_string(status));
}

Image::Image(int width, int height) {
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767)
        throw std::runtime_error("cannot make a picture of " + std::to_string(width) + " x " +
                                 std::to_string(height) + " pixels");
    surface_.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    check(surface_.get(), "making a picture");
}

Image::Image(SurfacePtr surface) : surface_(std::move(surface)) {
    check(surface_.get(), "making a picture");
}

int Image::width() const {
    return cairo_image_surface_get_width(surface_.get());
}

int Image::height() const {
    return cairo_image_surface_get_height(surface_.get());
}

ContextPtr Image::context() const {
    ContextPtr context(cairo_create(surface_.get()));
    check(context.get(), "drawing on a picture");
    return context;
}

Rgba Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return {};
    cairo_surface_flush(surface_.get());
    const unsigned char* row =
        cairo_image_surface_get_data(surface_.get()) +
        static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_.get());
    std::uint32_t argb = 0;
    std::memcpy(&argb, row + static_cast<std::ptrdiff_t>(x) * 4, 4);
    const unsigned a = argb >> 24;
    if (a == 0) return {};
    auto straight = [a](unsigned channel) {
        return static_cast<std::uint8_t>((channel * 255 + a / 2) / a);
    };
    return {straight((argb >> 16) & 0xFF), straight((argb >> 8) & 0xFF), straight(argb & 0xFF),
            static_cast<std::uint8_t>(a)};
}

void Image::set_pixel(int x, int y, Rgba colour) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    cairo_surface_flush(surface_.get());
    unsigned char* row =
        cairo_image_surface_get_data(surface_.get()) +
        static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_.get());
    auto premultiplied = [&](unsigned channel) { return (channel * colour.a + 127) / 255; };
    const std::uint32_t argb = static_cast<std::uint32_t>(colour.a) << 24 |
                               premultiplied(colour.r) << 16 | premultiplied(colour.g) << 8 |
                               premultiplied(colour.b);
    std::memcpy(row + static_cast<std::ptrdiff_t>(x) * 4, &argb, 4);
    cairo_surface_mark_dirty(surface_.get());
}

void Image::write_png(const std::filesystem::path& file) const {
    const cairo_status_t status = cairo_surface_write_to_png(surface_.get(), file.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string() + ": " +
                                 cairo_status_to_string(status));
}

}  // namespace render
