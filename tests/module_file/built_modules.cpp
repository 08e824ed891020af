#include "built_modules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace module_file_test {

namespace fs = std::filesystem;

namespace {
#if defined(_WIN32)
constexpr const char* kSuffix = ".gau";
#else
constexpr const char* kSuffix = ".so";
#endif
}  // namespace

fs::path module_dir() {
    return GAUGE_MODULE_DIR;
}

fs::path module_path(const std::string& name) {
    return module_dir() / (name + kSuffix);
}

std::vector<fs::path> built_modules() {
    std::vector<fs::path> modules;
    for (const auto& entry : fs::directory_iterator(module_dir())) {
        if (entry.path().extension() == kSuffix) modules.push_back(entry.path());
    }
    std::sort(modules.begin(), modules.end());
    return modules;
}

module_file::Format native_format() {
#if defined(_WIN32)
    return module_file::Format::kPe32;
#else
    return sizeof(void*) == 8 ? module_file::Format::kElf64 : module_file::Format::kElf32;
#endif
}

std::vector<std::uint8_t> file_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

LoadedDeclarations::LoadedDeclarations(const fs::path& path) {
#if defined(_WIN32)
    HMODULE module = LoadLibraryW(path.wstring().c_str());
    handle_ = reinterpret_cast<void*>(module);
    if (module != nullptr) {
        linkage_ = reinterpret_cast<const gauge::LinkageRecord*>(
            reinterpret_cast<void*>(GetProcAddress(module, "Linkage")));
    }
#else
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ != nullptr) {
        linkage_ = static_cast<const gauge::LinkageRecord*>(dlsym(handle_, "Linkage"));
    }
#endif
    if (handle_ == nullptr || linkage_ == nullptr) {
        throw std::runtime_error("cannot load the declarations of " + path.string());
    }
}

LoadedDeclarations::~LoadedDeclarations() {
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

namespace {

void collect(const gauge::Element* element, std::vector<const gauge::Element*>& out) {
    out.push_back(element);
    if (element->children == nullptr) return;
    for (gauge::Element* const* child = element->children; *child != nullptr; ++child) {
        collect(*child, out);
    }
}

}  // namespace

std::vector<const gauge::Element*> elements_of(const gauge::GaugeHeader& gauge) {
    std::vector<const gauge::Element*> elements;
    collect(gauge.elements[0], elements);
    return elements;
}

std::vector<std::uint32_t> bitmaps_drawn_by(const gauge::Element& element) {
    switch (element.kind) {
        case gauge::kString:
            return {};
        case gauge::kIcon: {
            std::vector<std::uint32_t> ids;
            const auto& icon = reinterpret_cast<const gauge::Icon&>(element);
            for (std::uint32_t i = 0; i < icon.icon_count; ++i) ids.push_back(element.bitmap + i);
            return ids;
        }
        case gauge::kMovingImage:
        case gauge::kSprite:
            return {element.bitmap, element.bitmap + 1};
        default:
            return {element.bitmap};
    }
}

std::vector<Area> child_areas(const gauge::GaugeHeader& gauge) {
    std::vector<Area> areas;
    std::vector<std::pair<int, int>> origins = {{0, 0}};
    for (const gauge::MouseRect* rect = gauge.mouse_rects; rect->kind != gauge::kMouseEnd; ++rect) {
        const auto [ox, oy] = origins.back();
        const Area area{ox + rect->x, oy + rect->y, static_cast<int>(rect->width),
                        static_cast<int>(rect->height), rect};
        if (rect->kind == gauge::kMouseParent) origins.emplace_back(area.x, area.y);
        if (rect->kind == gauge::kMouseEndParent && origins.size() > 1) origins.pop_back();
        if (rect->kind == gauge::kMouseChild) areas.push_back(area);
    }
    return areas;
}

void expect_dark_window_under(const module_file::Bitmap& face, const gauge::String& display,
                              int darkest) {
    const gauge::Element& element = display.common;
    for (int y = element.y; y < element.y + static_cast<int>(display.box_height); ++y) {
        for (int x = element.x; x < element.x + static_cast<int>(display.box_width); ++x) {
            const module_file::Rgb& c = face.at(x, y);
            ASSERT_NE(c, (module_file::Rgb{0, 0, 0})) << "transparent at " << x << ", " << y;
            ASSERT_LT(std::max({c.r, c.g, c.b}), darkest) << "at " << x << ", " << y;
        }
    }
}

}  // namespace module_file_test
