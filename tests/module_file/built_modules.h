// The modules of this build, as the tests find them in the module folder, and
// their declaration records, read from the loaded module.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gauge.h"
#include "module_file.h"

namespace module_file_test {

std::filesystem::path module_dir();
std::filesystem::path module_path(const std::string& name);  // Radios -> .../Radios.so
std::vector<std::filesystem::path> built_modules();
module_file::Format native_format();
std::vector<std::uint8_t> file_bytes(const std::filesystem::path& path);

// A module loaded for reading its declarations (dlopen or LoadLibrary); no
// host services are installed and nothing in it is called.
class LoadedDeclarations {
  public:
    explicit LoadedDeclarations(const std::filesystem::path& path);
    ~LoadedDeclarations();
    LoadedDeclarations(const LoadedDeclarations&) = delete;
    LoadedDeclarations& operator=(const LoadedDeclarations&) = delete;

    const gauge::LinkageRecord& linkage() const { return *linkage_; }

  private:
    void* handle_{};
    const gauge::LinkageRecord* linkage_{};
};

// Every element of a gauge's tree, root first.
std::vector<const gauge::Element*> elements_of(const gauge::GaugeHeader& gauge);

// The bitmap ids an element draws: icons R to R+N-1, moving images and sprites
// R and R+1, strings none, the others R.
std::vector<std::uint32_t> bitmaps_drawn_by(const gauge::Element& element);

struct Area {
    int x, y, width, height;  // in gauge pixels, parent origins applied
    const gauge::MouseRect* rect;
};

// The child rectangles of a gauge's mouse list.
std::vector<Area> child_areas(const gauge::GaugeHeader& gauge);

// Fails the running test at the first pixel of the display's box on `face`
// that is transparent or has a channel of `darkest` or more.
void expect_dark_window_under(const module_file::Bitmap& face, const gauge::String& display,
                              int darkest);

}  // namespace module_file_test
