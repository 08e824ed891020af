// A host with the HostFixture module loaded and its Shapes gauge placed.
#pragma once

#include <gtest/gtest.h>

#include "host.h"
#include "test_paths.h"

namespace test {

// Key events the fixture's functions send to report what they were handed.
inline constexpr std::uint32_t kReportMouse = 0x5000;     // + rectangle number; value: flags
inline constexpr std::uint32_t kReportPosition = 0x6000;  // value: x << 16 | y
inline constexpr std::uint32_t kReportService = 0x7000;   // value: service id

inline std::uint32_t position_report(std::int32_t x, std::int32_t y) {
    return static_cast<std::uint32_t>(x) << 16 | (static_cast<std::uint32_t>(y) & 0xFFFF);
}

class FixtureHost : public testing::Test {
  protected:
    FixtureHost() {
        host.load_module(fixture("HostFixture"));
        shapes = &host.place("HostFixture", "Shapes");
    }

    host::Host host;
    host::Placement* shapes = nullptr;
};

}  // namespace test
