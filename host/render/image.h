// A picture the renderer draws into: a cairo ARGB32 image surface owned by the
// object. Cairo keeps premultiplied alpha; pixel() gives it back straight.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <memory>

namespace render {

struct Rgba {
    std::uint8_t r{};
    std::uint8_t g{};
    std::uint8_t b{};
    std::uint8_t a{};
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;

class Image {
  public:
    // A fully transparent picture. Throws std::runtime_error for sizes cairo
    // cannot hold.
    Image(int width, int height);
    explicit Image(SurfacePtr surface);

    int width() const;
    int height() const;
    cairo_surface_t* surface() const { return surface_.get(); }
    ContextPtr context() const;

    // Straight (not premultiplied) colour; transparent outside the picture.
    Rgba pixel(int x, int y) const;
    void set_pixel(int x, int y, Rgba colour);

    // Throws std::runtime_error naming the file when it cannot be written.
    void write_png(const std::filesystem::path& file) const;

  private:
    SurfacePtr surface_;
};

// Checks a cairo context or surface and throws with `what` on failure.
void check(cairo_t* context, const char* what);
void check(cairo_surface_t* surface, const char* what);

}  // namespace render
