// What the generator leaves for the module build: .bmp files and a resource
// script for windres, the native store sections and an assembler file that
// puts them into the ELF module.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace art {

struct RenderedBitmap {
    std::uint32_t id{};
    std::vector<std::uint8_t> dib;  // as a BITMAP resource holds it
};

struct VersionInfo {
    std::array<std::uint16_t, 4> version{};  // file and product version
    std::string description;
    std::string text() const;  // "1.0.0.0"
};

// Parses "a.b.c.d" (each 0 to 65535); throws on anything else.
std::array<std::uint16_t, 4> parse_version(const std::string& text);

std::string bitmap_file_name(std::uint32_t id);  // "0x101.bmp"

std::string resource_script(const std::vector<RenderedBitmap>& bitmaps, const VersionInfo& version,
                            const std::filesystem::path& bitmap_dir);
std::vector<std::uint8_t> bitmap_store(const std::vector<RenderedBitmap>& bitmaps);
std::vector<std::uint8_t> version_store(const VersionInfo& version);
std::string store_assembly(const std::filesystem::path& bitmap_store_file,
                           const std::filesystem::path& version_store_file);

void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void write_file(const std::filesystem::path& path, const std::string& text);

}  // namespace art
