// Loading module files: every way a file can fail to be a module gives an
// error naming the file and the fault; a good module loads and unloads cleanly.
#include <gtest/gtest.h>

#include <fstream>

#include "host.h"
#include "module_error.h"
#include "test_paths.h"

namespace {

struct BadFile {
    const char* label;
    std::filesystem::path file;
    const char* problem;
};

std::filesystem::path text_file() {
    const auto file =
        std::filesystem::temp_directory_path() / host::module_file_name("NotALibrary");
    std::ofstream(file) << "this is a text file, not a library\n";
    return file;
}

class BadModuleFile : public testing::TestWithParam<BadFile> {};

TEST_P(BadModuleFile, IsRefusedWithFileAndReason) {
    const BadFile& bad = GetParam();
    host::Host host;
    try {
        host.load_module(bad.file);
        FAIL() << bad.label << " loaded";
    } catch (const host::ModuleError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(bad.file.string()), std::string::npos) << message;
        EXPECT_NE(message.find(bad.problem), std::string::npos) << message;
    }
    EXPECT_EQ(host.module(bad.file.stem().string()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Loading, BadModuleFile,
    testing::Values(
        BadFile{"missing", test::kFixtureFolder / host::module_file_name("Missing"), "not found"},
        BadFile{"text", text_file(), "not a loadable library"},
        BadFile{"no exports", test::fixture("NoExports"), "export 'ImportTable' missing"},
        BadFile{"import id", test::fixture("WrongImportId"), "ImportTable id 0xE, expected 0xF"},
        BadFile{"linkage id", test::fixture("WrongLinkageId"),
                "Linkage module id 0x12, expected 0x13"}),
    [](const auto& info) {
        std::string name = info.param.label;
        std::erase(name, ' ');
        return name;
    });

TEST(Loading, FindsGaugesByNameInLinkageOrder) {
    host::Host host;
    const host::LoadedModule& radios = host.load_module_named("Radios", test::kModuleFolder);
    EXPECT_EQ(radios.name(), "Radios");
    ASSERT_GE(radios.gauges().size(), 2u);
    EXPECT_STREQ(radios.gauges()[0]->name, "RadioComNav1");
    EXPECT_STREQ(radios.gauges()[1]->name, "RadioComNav2");
    EXPECT_EQ(radios.find_gauge("RadioComNav2"), radios.gauges()[1]);
    EXPECT_EQ(radios.find_gauge("radiocomnav2"), nullptr);
    EXPECT_THROW(host.place("Radios", "NoSuchGauge"), std::runtime_error);
    EXPECT_THROW(host.place("Elsewhere", "RadioComNav1"), std::runtime_error);
}

TEST(Loading, LoadingTheSameModuleTwiceIsRefused) {
    host::Host host;
    host.load_module_named("Radios", test::kModuleFolder);
    EXPECT_THROW(host.load_module_named("Radios", test::kModuleFolder), std::runtime_error);
}

// Unloading really unloads: the gauge state starts again at its declared values.
TEST(Loading, ReloadStartsFromDeclaredState) {
    host::Host host;
    host.load_module_named("Radios", test::kModuleFolder);
    host::Placement* unit = &host.place("Radios", "RadioComNav1");
    host.variables().set_whole(23, 0x2250);
    host.click(*unit, {60, 150});  // power on
    host.update(*unit);
    ASSERT_EQ(unit->element(3).text, "122.50");

    host.unload_module("Radios");
    EXPECT_EQ(host.placement("Radios!RadioComNav1"), nullptr);
    host.load_module_named("Radios", test::kModuleFolder);
    unit = &host.place("Radios", "RadioComNav1");
    host.update(*unit);
    EXPECT_EQ(unit->element(3).text, "");
}

}  // namespace
