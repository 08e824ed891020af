// ELF shared objects, 32 and 64-bit little-endian: the exported symbols from
// .dynsym, bitmaps and version from the store sections.
#include <string_view>

#include "readers.h"
#include "store_format.h"

namespace module_file {
namespace {

constexpr std::uint8_t kClass32 = 1;
constexpr std::uint8_t kClass64 = 2;
constexpr std::uint8_t kLittleEndian = 1;
constexpr std::uint32_t kSectionDynsym = 11;
constexpr std::uint32_t kSectionNoBits = 8;
constexpr std::uint16_t kUndefinedSection = 0;
constexpr std::uint8_t kBindGlobal = 1;
constexpr std::uint8_t kBindWeak = 2;
constexpr std::uint8_t kTypeFunction = 2;
constexpr std::uint8_t kTypeIndirectFunction = 10;
constexpr std::uint8_t kVisibilityHidden = 2;
constexpr std::uint8_t kVisibilityInternal = 1;

struct Section {
    std::string name;
    std::uint32_t type{};
    std::uint64_t offset{};
    std::uint64_t size{};
    std::uint32_t link{};
};

// Field offsets that differ between the two classes.
struct Layout {
    bool wide;
    std::uint64_t word(const ByteView& v, std::uint64_t at) const {
        return wide ? v.u64(at) : v.u32(at);
    }
    std::uint64_t section_header_size() const { return wide ? 64 : 40; }
    std::uint64_t symbol_size() const { return wide ? 24 : 16; }
};

std::vector<Section> read_sections(const ByteView& file, const Layout& layout) {
    const std::uint64_t table = layout.word(file, layout.wide ? 0x28 : 0x20);
    const std::uint16_t entry_size = file.u16(layout.wide ? 0x3A : 0x2E);
    const std::uint16_t count = file.u16(layout.wide ? 0x3C : 0x30);
    const std::uint16_t names_index = file.u16(layout.wide ? 0x3E : 0x32);
    if (count == 0) file.fail("has no section headers");
    if (entry_size != layout.section_header_size()) {
        file.fail("section header size " + std::to_string(entry_size) + "; " +
                  std::to_string(layout.section_header_size()) + " expected");
    }
    const ByteView headers = file.records(table, count, entry_size, "section header table");
    std::vector<Section> sections;
    std::vector<std::uint32_t> name_offsets;
    for (std::uint16_t i = 0; i < count; ++i) {
        const ByteView h = headers.sub(i * std::uint64_t{entry_size}, entry_size,
                                       "section header " + std::to_string(i));
        name_offsets.push_back(h.u32(0));
        Section s;
        s.type = h.u32(4);
        s.offset = layout.word(h, layout.wide ? 0x18 : 0x10);
        s.size = layout.word(h, layout.wide ? 0x20 : 0x14);
        s.link = h.u32(layout.wide ? 0x28 : 0x18);
        sections.push_back(s);
    }
    if (names_index >= count) {
        file.fail("section name table index " + std::to_string(names_index) + " is not below " +
                  std::to_string(count));
    }
    const Section& names_section = sections[names_index];
    const ByteView names = file.sub(names_section.offset, names_section.size, "section name table");
    for (std::size_t i = 0; i < sections.size(); ++i) {
        sections[i].name = names.c_string(name_offsets[i]);
    }
    return sections;
}

ByteView contents(const ByteView& file, const Section& section) {
    const std::string what = "section " + section.name;
    if (section.type == kSectionNoBits) file.fail(what + " has no data in the file");
    return file.sub(section.offset, section.size, what);
}

std::vector<Export> read_exports(const ByteView& file, const Layout& layout,
                                 const std::vector<Section>& sections) {
    std::vector<Export> exports;
    for (const Section& section : sections) {
        if (section.type != kSectionDynsym) continue;
        if (section.link >= sections.size()) {
            file.fail("section " + section.name + " links to missing section " +
                      std::to_string(section.link));
        }
        const ByteView symbols = contents(file, section);
        const ByteView names = contents(file, sections[section.link]);
        const std::uint64_t count = symbols.size() / layout.symbol_size();
        for (std::uint64_t i = 1; i < count; ++i) {  // entry 0 is the null symbol
            const ByteView symbol = symbols.sub(i * layout.symbol_size(), layout.symbol_size(),
                                                "symbol " + std::to_string(i));
            const std::uint8_t info = symbol.u8(layout.wide ? 4 : 12);
            const std::uint8_t visibility = symbol.u8(layout.wide ? 5 : 13) & 3;
            const std::uint16_t index = symbol.u16(layout.wide ? 6 : 14);
            const std::uint8_t binding = info >> 4;
            const std::uint8_t type = info & 15;
            if (index == kUndefinedSection || (binding != kBindGlobal && binding != kBindWeak) ||
                visibility == kVisibilityHidden || visibility == kVisibilityInternal) {
                continue;
            }
            exports.push_back({names.c_string(symbol.u32(0)),
                               type != kTypeFunction && type != kTypeIndirectFunction});
        }
    }
    return exports;
}

const Section* find(const std::vector<Section>& sections, std::string_view name) {
    for (const Section& section : sections) {
        if (section.name == name) return &section;
    }
    return nullptr;
}

}  // namespace

void read_elf(const ByteView& file, ModuleFile& module) {
    const std::uint8_t elf_class = file.u8(4);
    if (elf_class != kClass32 && elf_class != kClass64) {
        file.fail("ELF class " + std::to_string(elf_class) + " is neither 32 nor 64-bit");
    }
    if (file.u8(5) != kLittleEndian) file.fail("is a big-endian ELF file");
    const Layout layout{elf_class == kClass64};
    module.format = layout.wide ? Format::kElf64 : Format::kElf32;

    const std::vector<Section> sections = read_sections(file, layout);
    module.exports = read_exports(file, layout, sections);
    if (const Section* store = find(sections, module_store::kBitmapSection)) {
        module.bitmaps = read_bitmap_store(contents(file, *store));
    }
    if (const Section* store = find(sections, module_store::kVersionSection)) {
        module.version = read_version_store(contents(file, *store));
    }
}

}  // namespace module_file
