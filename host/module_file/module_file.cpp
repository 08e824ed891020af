#include "module_file.h"

#include <fstream>
#include <iterator>

#include "readers.h"

namespace module_file {

std::string VersionInfo::string(const std::string& key) const {
    const auto found = strings.find(key);
    return found == strings.end() ? std::string() : found->second;
}

const Bitmap* ModuleFile::bitmap(std::uint32_t id) const {
    for (const Bitmap& b : bitmaps) {
        if (b.id == id) return &b;
    }
    return nullptr;
}

const char* format_name(Format format) {
    switch (format) {
        case Format::kElf32:
            return "ELF 32-bit";
        case Format::kElf64:
            return "ELF 64-bit";
        case Format::kPe32:
            return "PE 32-bit";
    }
    return "unknown";
}

ModuleFile parse_module_file(std::span<const std::uint8_t> bytes, const std::string& name) {
    const ByteView file(bytes, name);
    ModuleFile module;
    module.name = name;
    if (bytes.size() >= 4 && bytes[0] == 0x7F && bytes[1] == 'E' && bytes[2] == 'L' &&
        bytes[3] == 'F') {
        read_elf(file, module);
    } else if (bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z') {
        read_pe(file, module);
    } else {
        file.fail("is neither an ELF nor a PE file (" + std::to_string(bytes.size()) +
                  " bytes, no ELF or MZ signature)");
    }
    return module;
}

ModuleFile read_module_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(path.string() + ": cannot open the file");
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    if (in.bad()) throw Error(path.string() + ": cannot read the file");
    return parse_module_file(bytes, path.string());
}

}  // namespace module_file
