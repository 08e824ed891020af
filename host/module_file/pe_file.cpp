// 32-bit PE dynamic-link libraries: exported names from the export directory,
// bitmaps and version from the resource directory.
#include "readers.h"

namespace module_file {
namespace {

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kOptionalMagic32 = 0x10B;
constexpr std::uint16_t kOptionalMagic64 = 0x20B;
constexpr std::uint32_t kExportDirectory = 0;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kExecutable = 0x20000000 | 0x00000020;  // MEM_EXECUTE | CNT_CODE
constexpr std::uint32_t kResourceBitmap = 2;
constexpr std::uint32_t kResourceVersion = 16;
constexpr std::uint32_t kSubdirectory = 0x80000000;
constexpr std::uint32_t kNamedEntry = 0x80000000;

struct Section {
    std::string name;
    std::uint32_t virtual_address{};
    std::uint32_t virtual_size{};
    std::uint32_t raw_size{};
    std::uint32_t raw_offset{};
    std::uint32_t characteristics{};
};

struct Image {
    const ByteView& file;
    std::vector<Section> sections;
    std::uint32_t directory_rva[16]{};
    std::uint32_t directory_size[16]{};

    const Section* section_of(std::uint32_t rva) const {
        for (const Section& s : sections) {
            const std::uint32_t extent = std::max(s.virtual_size, s.raw_size);
            if (rva >= s.virtual_address && rva - s.virtual_address < extent) return &s;
        }
        return nullptr;
    }

    // The file bytes of [rva, rva + size), which must lie in one section's data.
    ByteView at_rva(std::uint32_t rva, std::uint64_t size, const std::string& what) const {
        const Section* s = section_of(rva);
        if (s == nullptr) file.fail(what + " at RVA " + hex(rva) + " lies in no section");
        const std::uint64_t into = rva - s->virtual_address;
        if (into > s->raw_size || size > s->raw_size - into) {
            file.fail(what + " at RVA " + hex(rva) + " (" + hex(size) +
                      " bytes) runs past the file data of section " + s->name);
        }
        return file.sub(std::uint64_t{s->raw_offset} + into, size, what);
    }

    // From rva to the end of its section's file data.
    ByteView rest_of_section(std::uint32_t rva, const std::string& what) const {
        const Section* s = section_of(rva);
        if (s == nullptr) file.fail(what + " at RVA " + hex(rva) + " lies in no section");
        const std::uint64_t into = rva - s->virtual_address;
        if (into >= s->raw_size) file.fail(what + " at RVA " + hex(rva) + " has no file data");
        return at_rva(rva, s->raw_size - into, what);
    }
};

Image read_headers(const ByteView& file) {
    const std::uint32_t pe = file.u32(0x3C);
    if (file.u32(pe) != kPeSignature) file.fail("no PE signature at offset " + hex(pe));
    const ByteView coff = file.sub(pe + 4, 20, "COFF header");
    const std::uint16_t section_count = coff.u16(2);
    const std::uint16_t optional_size = coff.u16(16);
    const std::uint64_t optional_at = std::uint64_t{pe} + 24;
    const ByteView optional = file.sub(optional_at, optional_size, "optional header");
    const std::uint16_t magic = optional.u16(0);
    if (magic == kOptionalMagic64) file.fail("is a 64-bit PE file; gauge modules are 32-bit");
    if (magic != kOptionalMagic32)
        file.fail("optional header magic " + hex(magic) + " is not PE32");

    Image image{file, {}, {}, {}};
    const std::uint32_t directories = std::min<std::uint32_t>(optional.u32(92), 16);
    const ByteView table = optional.records(96, directories, 8, "data directories");
    for (std::uint32_t i = 0; i < directories; ++i) {
        image.directory_rva[i] = table.u32(i * 8);
        image.directory_size[i] = table.u32(i * 8 + 4);
    }
    const ByteView headers =
        file.records(optional_at + optional_size, section_count, 40, "section table");
    for (std::uint16_t i = 0; i < section_count; ++i) {
        const ByteView h = headers.sub(i * 40u, 40, "section header " + std::to_string(i));
        Section s;
        for (std::uint64_t c = 0; c < 8 && h.u8(c) != 0; ++c) s.name += static_cast<char>(h.u8(c));
        s.virtual_size = h.u32(8);
        s.virtual_address = h.u32(12);
        s.raw_size = h.u32(16);
        s.raw_offset = h.u32(20);
        s.characteristics = h.u32(36);
        file.sub(s.raw_offset, s.raw_size, "data of section " + s.name);
        image.sections.push_back(s);
    }
    return image;
}

std::vector<Export> read_exports(const Image& image) {
    std::vector<Export> exports;
    const std::uint32_t rva = image.directory_rva[kExportDirectory];
    const std::uint32_t size = image.directory_size[kExportDirectory];
    if (rva == 0) return exports;
    const ByteView directory = image.at_rva(rva, 40, "export directory");
    const std::uint32_t function_count = directory.u32(20);
    const std::uint32_t name_count = directory.u32(24);
    const ByteView functions =
        image.at_rva(directory.u32(28), std::uint64_t{function_count} * 4, "export address table");
    const ByteView names =
        image.at_rva(directory.u32(32), std::uint64_t{name_count} * 4, "export name table");
    const ByteView ordinals =
        image.at_rva(directory.u32(36), std::uint64_t{name_count} * 2, "export ordinal table");
    for (std::uint32_t i = 0; i < name_count; ++i) {
        const std::string name = image.rest_of_section(names.u32(i * 4), "export name").c_string(0);
        const std::uint16_t index = ordinals.u16(i * 2);
        if (index >= function_count) {
            image.file.fail("export " + name + " has ordinal index " + std::to_string(index) +
                            " beyond the " + std::to_string(function_count) +
                            " exported addresses");
        }
        const std::uint32_t target = functions.u32(index * 4u);
        const bool forwarded = target >= rva && target - rva < size;
        const Section* section = image.section_of(target);
        const bool is_data =
            !forwarded && section != nullptr && (section->characteristics & kExecutable) == 0;
        exports.push_back({name, is_data});
    }
    return exports;
}

struct ResourceEntry {
    std::uint32_t id;
    bool named;
    bool subdirectory;
    std::uint32_t offset;
};

std::vector<ResourceEntry> directory_entries(const ByteView& resources, std::uint32_t offset,
                                             const std::string& what) {
    const ByteView head = resources.sub(offset, 16, what);
    const std::uint32_t count = std::uint32_t{head.u16(12)} + head.u16(14);
    const ByteView list =
        resources.records(std::uint64_t{offset} + 16, count, 8, what + " entries");
    std::vector<ResourceEntry> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t name = list.u32(i * 8);
        const std::uint32_t target = list.u32(i * 8 + 4);
        entries.push_back({name & ~kNamedEntry, (name & kNamedEntry) != 0,
                           (target & kSubdirectory) != 0, target & ~kSubdirectory});
    }
    return entries;
}

// Each resource of a type: name level, then language level, then the data.
void read_resources_of_type(const Image& image, const ByteView& resources,
                            const ResourceEntry& type, ModuleFile& module) {
    const std::string type_name = type.id == kResourceBitmap ? "BITMAP" : "VERSIONINFO";
    if (!type.subdirectory)
        image.file.fail(type_name + " resource directory entry is not a directory");
    for (const ResourceEntry& name :
         directory_entries(resources, type.offset, type_name + " resources")) {
        if (name.named) continue;  // the modules number their resources
        const std::string what = type_name + " resource " + hex(name.id);
        if (!name.subdirectory) image.file.fail(what + " has no language directory");
        for (const ResourceEntry& language : directory_entries(resources, name.offset, what)) {
            if (language.subdirectory) image.file.fail(what + " nests past its language level");
            const ByteView entry = resources.sub(language.offset, 16, what + " data entry");
            const ByteView data = image.at_rva(entry.u32(0), entry.u32(4), what + " data");
            try {
                if (type.id == kResourceBitmap) {
                    module.bitmaps.push_back(decode_dib(data.bytes(), name.id, language.id));
                } else {
                    module.version = read_version_resource(data);
                }
            } catch (const Error& error) {
                image.file.fail(error.what());
            }
        }
    }
}

void read_resources(const Image& image, ModuleFile& module) {
    const std::uint32_t rva = image.directory_rva[kResourceDirectory];
    if (rva == 0) return;
    const ByteView resources = image.rest_of_section(rva, "resource directory");
    for (const ResourceEntry& type : directory_entries(resources, 0, "resource directory")) {
        if (!type.named && (type.id == kResourceBitmap || type.id == kResourceVersion)) {
            read_resources_of_type(image, resources, type, module);
        }
    }
    sort_bitmaps(image.file, module.bitmaps);
}

}  // namespace

void read_pe(const ByteView& file, ModuleFile& module) {
    module.format = Format::kPe32;
    const Image image = read_headers(file);
    module.exports = read_exports(image);
    read_resources(image, module);
}

}  // namespace module_file
