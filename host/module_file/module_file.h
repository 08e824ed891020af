// What a gauge module file holds besides its code: its exported symbols, its
// bitmaps and its version information, read from the file's bytes.
//
// Reads native ELF modules (32 and 64-bit; bitmaps and version from the
// sections of store_format.h) and 32-bit Windows PE modules (export directory,
// BITMAP and VERSIONINFO resources), in either build. Every offset and count
// in the file is checked before use: a malformed file gives an Error naming
// the file and what is wrong with it.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace module_file {

class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class Format { kElf32, kElf64, kPe32 };

struct Export {
    std::string name;
    bool is_data{};  // a variable, not a function
    friend bool operator==(const Export&, const Export&) = default;
};

struct Rgb {
    std::uint8_t r{};
    std::uint8_t g{};
    std::uint8_t b{};
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Bitmap {
    std::uint32_t id{};
    std::uint32_t language{};  // 1033 for US English
    int width{};
    int height{};
    int bits_per_pixel{};
    std::vector<Rgb> pixels;  // row by row from the top

    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct VersionInfo {
    std::array<std::uint16_t, 4> file_version{};
    std::array<std::uint16_t, 4> product_version{};
    std::map<std::string, std::string> strings;  // "FileDescription", "FileVersion", ...
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;  // language, code page

    // The string under `key`, or "" when there is none.
    std::string string(const std::string& key) const;
};

struct ModuleFile {
    std::string name;  // as errors name the file
    Format format{};
    std::vector<Export> exports;  // in the file's order
    std::vector<Bitmap> bitmaps;  // by ascending id
    std::optional<VersionInfo> version;

    const Bitmap* bitmap(std::uint32_t id) const;  // null when absent
};

ModuleFile read_module_file(const std::filesystem::path& path);

// The same from bytes already read; `name` names the file in errors.
ModuleFile parse_module_file(std::span<const std::uint8_t> bytes, const std::string& name);

// Decodes the bytes of a BITMAP resource (BITMAPINFOHEADER, palette, rows) to
// top-down RGB. Throws Error on anything malformed or not handled.
Bitmap decode_dib(std::span<const std::uint8_t> dib, std::uint32_t id, std::uint32_t language);

const char* format_name(Format format);

}  // namespace module_file
