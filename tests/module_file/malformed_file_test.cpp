// Malformed module files: each gives an Error naming the file and what is
// wrong, never a crash. The fixtures are the built Radios module with one
// thing broken, so the same cases run against ELF in the native build and
// against PE in the Windows build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "built_modules.h"

namespace module_file_test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using module_file::Error;
using module_file::parse_module_file;

constexpr const char* kFixtureName = "broken-fixture";

void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}
void put16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}
std::uint32_t get32(const Bytes& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes.at(at + i);
    return value;
}

// Where the first face's BITMAPINFOHEADER (603 x 200, 8 bits) sits in the file.
std::size_t face_header(const Bytes& bytes) {
    const std::uint8_t header[] = {40, 0, 0, 0, 0x5B, 2, 0, 0, 200, 0, 0, 0, 1, 0, 8, 0};
    const auto found =
        std::search(bytes.begin(), bytes.end(), std::begin(header), std::end(header));
    if (found == bytes.end()) throw std::runtime_error("no face bitmap in the module");
    return static_cast<std::size_t>(found - bytes.begin());
}

bool is_elf(const Bytes& bytes) {
    return bytes.size() > 4 && bytes[0] == 0x7F && bytes[1] == 'E';
}

struct BrokenFile {
    std::string name;
    std::function<void(Bytes&)> damage;
    std::string complaint;  // a part of the message that says what is wrong
};

void expect_error(const Bytes& bytes, const std::string& complaint) {
    try {
        parse_module_file(bytes, kFixtureName);
        ADD_FAILURE() << "read without complaint";
    } catch (const Error& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind(kFixtureName, 0), 0u) << message;
        EXPECT_NE(message.find(complaint), std::string::npos) << message;
    }
}

// Each case damages its own copy of the module's bytes.
void expect_each_error(const Bytes& module, const std::vector<BrokenFile>& cases) {
    for (const BrokenFile& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes = module;
        c.damage(bytes);
        expect_error(bytes, c.complaint);
    }
}

TEST(MalformedModuleFile, DamageCommonToBothFormatsGivesAClearError) {
    const std::vector<BrokenFile> cases = {
        {"empty", [](Bytes& b) { b.clear(); }, "neither an ELF nor a PE file (0 bytes"},
        {"wrong magic", [](Bytes& b) { b[0] = 'X'; }, "neither an ELF nor a PE file"},
        {"only the signature", [](Bytes& b) { b.resize(4); }, "past"},
        {"cut after the first header", [](Bytes& b) { b.resize(64); }, "past"},
        {"cut in half", [](Bytes& b) { b.resize(b.size() / 2); }, "past"},
        {"face bitmap with 7 bits per pixel", [](Bytes& b) { put16(b, face_header(b) + 14, 7); },
         "bitmap 0x101: 7 bits per pixel"},
        {"face bitmap wider than its data", [](Bytes& b) { put32(b, face_header(b) + 4, 16000); },
         "bitmap 0x101: pixel rows"},
        {"face bitmap with a 300-colour palette",
         [](Bytes& b) { put32(b, face_header(b) + 32, 300); }, "bitmap 0x101: 300 palette colours"},
    };
    const Bytes radios = file_bytes(module_path("Radios"));
    expect_each_error(radios, cases);
}

TEST(MalformedModuleFile, BadOffsetsInTheHeadersGiveAClearError) {
    const Bytes radios = file_bytes(module_path("Radios"));
    std::vector<BrokenFile> cases;
    if (is_elf(radios)) {
        const bool wide = radios[4] == 2;
        const std::size_t section_table = wide ? 0x28 : 0x20;
        const std::size_t entry_size = wide ? 0x3A : 0x2E;
        const std::size_t names_index = wide ? 0x3E : 0x32;
        cases = {
            {"section table past the end", [=](Bytes& b) { put32(b, section_table, 0xFFFFFF00); },
             "section header table"},
            {"wrong section header size", [=](Bytes& b) { put16(b, entry_size, 12); },
             "section header size 12"},
            {"section name table index too big", [=](Bytes& b) { put16(b, names_index, 0xFFF0); },
             "section name table index 65520"},
            {"bitmap store claims 2^32-1 bitmaps",
             [](Bytes& b) {
                 const std::uint8_t magic[] = {'G', 'A', 'U', 'G', 'E', 'B', 'M', 'P'};
                 const auto at =
                     std::search(b.begin(), b.end(), std::begin(magic), std::end(magic));
                 put32(b, static_cast<std::size_t>(at - b.begin()) + 12, 0xFFFFFFFF);
             },
             "section .gauge_bitmaps: directory"},
            {"version store with a wrong magic",
             [](Bytes& b) {
                 const std::uint8_t magic[] = {'G', 'A', 'U', 'G', 'E', 'V', 'E', 'R'};
                 const auto at =
                     std::search(b.begin(), b.end(), std::begin(magic), std::end(magic));
                 *at = 'X';
             },
             "section .gauge_version: does not start with \"GAUGEVER\""},
        };
    } else {
        const std::size_t pe = get32(radios, 0x3C);
        const std::size_t resource_directory = pe + 24 + 96 + 2 * 8;
        cases = {
            {"PE header offset past the end", [](Bytes& b) { put32(b, 0x3C, 0x7FFFFFF0); }, "past"},
            {"no PE signature", [=](Bytes& b) { b[pe] = 'X'; }, "no PE signature"},
            {"64-bit optional header", [=](Bytes& b) { put16(b, pe + 24, 0x20B); },
             "64-bit PE file"},
            {"section table past the end", [=](Bytes& b) { put16(b, pe + 6, 0xFFFF); },
             "section table"},
            {"resource directory in no section",
             [=](Bytes& b) { put32(b, resource_directory, 0x7FFFFFF0); },
             "resource directory at RVA 0x7ffffff0 lies in no section"},
        };
    }
    expect_each_error(radios, cases);
}

TEST(MalformedModuleFile, MissingFileIsNamed) {
    const auto missing = module_dir() / "NoSuchModule.gau";
    try {
        module_file::read_module_file(missing);
        ADD_FAILURE() << "read a missing file";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("NoSuchModule.gau: cannot open"),
                  std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace module_file_test
