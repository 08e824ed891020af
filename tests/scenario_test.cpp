// The scenario runner: a wrong expectation fails with its file and line, and a
// malformed line is an error with its file and line. (The shipped scenarios run
// as tests of their own through the program.)
#include "scenario.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_paths.h"

namespace {

struct Outcome {
    int failures;
    std::string output;
};

Outcome run(const std::string& text) {
    std::ostringstream out;
    const int failures =
        host::run_scenario_text(text, "check.scn", {.module_folder = test::kModuleFolder}, out);
    return {failures, out.str()};
}

constexpr const char* kPlaced =
    "load Radios\n"
    "place Radios!RadioComNav1 as com1\n"
    "set 23 0x2250\n"
    "click com1 60 150   # power on\n"
    "update\n";

TEST(Scenario, HeldExpectationsPass) {
    const Outcome outcome = run(std::string(kPlaced) +
                                "expect text com1 3 \"122.50\"\n"
                                "expect value com1 3 8784\n"
                                "expect image com1 2 1\n"
                                "expect hidden com1 3 no\n"
                                "expect var \"COM 1 active frequency\" 0x2250\n"
                                "expect events none\n");
    EXPECT_EQ(outcome.failures, 0) << outcome.output;
}

struct WrongCase {
    const char* line;
    const char* report;
};

TEST(Scenario, WrongExpectationReportsFileLineExpectedAndGot) {
    const WrongCase cases[] = {
        {"expect text com1 3 \"122.55\"",
         "check.scn:6: text of com1 element 3: expected \"122.55\", got \"122.50\""},
        {"expect value com1 4 1", "check.scn:6: value of com1 element 4: expected 1, got 8784"},
        {"expect image com1 2 0", "check.scn:6: image of com1 element 2: expected 0, got 1"},
        {"expect var 23 0x2251",
         "check.scn:6: variable 23 (COM 1 active frequency): expected 0x2251 (8785), got 0x2250 "
         "(8784)"},
        {"expect event 0x100AB 0",
         "check.scn:6: key event: expected 0x100AB (COM 1 set active frequency) value 0x0 (0), got "
         "no more events"},
        {"expect cursor com1 40 150 5", "check.scn:6: cursor of com1 at 40,150: expected 5, got 2"},
        {"expect help com1 170 30 0",
         "check.scn:6: help of com1 at 170,30: expected 0x0, got 0xA710 (COM 1 tuning)"},
    };
    for (const WrongCase& c : cases) {
        const Outcome outcome = run(std::string(kPlaced) + c.line + "\nexpect image com1 2 1\n");
        EXPECT_EQ(outcome.failures, 1) << c.line;
        EXPECT_NE(outcome.output.find(c.report), std::string::npos) << outcome.output;
    }
}

TEST(Scenario, MalformedLinesStopWithFileAndLine) {
    const WrongCase cases[] = {
        {"frobnicate", "check.scn:6: error: unknown command 'frobnicate'"},
        {"expect text com1 3", "check.scn:6: error: usage: expect text ALIAS ELEMENT \"TEXT\""},
        {"set 23 1.5",
         "check.scn:6: error: 23 (COM 1 active frequency) holds 32-bit whole numbers"},
        {"set nothing 1", "check.scn:6: error: unknown host variable 'nothing'"},
        {"click com9 1 1", "check.scn:6: error: no gauge placed as 'com9'"},
        {"expect text com1 2 \"\"",
         "check.scn:6: error: element 2 of com1 is of kind icon, not string"},
        {"print \"open", "check.scn:6: error: unterminated quoted text"},
        {"load Nowhere", "check.scn:6: error: "},
        {"advance -1", "check.scn:6: error: bad time in seconds '-1'"},
    };
    for (const WrongCase& c : cases) {
        const Outcome outcome =
            run(std::string(kPlaced) + c.line + "\nexpect text com1 3 \"wrong\"\n");
        EXPECT_EQ(outcome.failures, 1) << c.line;
        EXPECT_NE(outcome.output.find(c.report), std::string::npos) << outcome.output;
    }
}

TEST(Scenario, VariablesTakeEveryValueForm) {
    const Outcome outcome =
        run("set 500 nan\nexpect var 500 nan\n"
            "set 500 -inf\nexpect var 500 -inf\n"
            "set 500 1e300\nexpect var 500 1e300\n"
            "set 500 0x10\nexpect var 500 16\n"
            "set 23 bits 0xFFF8000000002250\nexpect var 23 bits 0xFFF8000000002250\n"
            "set \"time base\" 2.5\nadvance 1\nexpect var 1 20.5\n");
    EXPECT_EQ(outcome.failures, 0) << outcome.output;
}

TEST(Scenario, UnexpectedHostErrorsFail) {
    std::ostringstream out;
    const int failures = host::run_scenario_text(
        "load HostFixture\nplace HostFixture!Shapes as s\nclick s 305 5\nexpect error \"slot 0\"\n",
        "errors.scn", {.module_folder = test::kFixtureFolder}, out);
    EXPECT_EQ(failures, 1);
    EXPECT_NE(out.str().find("errors.scn:4: host error: expected none, got \"module called "
                             "unknown host service slot 120\""),
              std::string::npos)
        << out.str();
}

}  // namespace
