// A host with the Radios module loaded fresh, so every test starts from the
// gauges' declared state, and one gauge of the stack placed on it.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "host.h"
#include "test_paths.h"

namespace test {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

class RadioStack : public testing::Test {
  protected:
    explicit RadioStack(const char* gauge) {
        host.load_module_named("Radios", kModuleFolder);
        placed = &host.place("Radios", gauge);
    }

    void set(std::uint32_t token, double value) { host.variables().set_number(token, value); }
    void set_whole(std::uint32_t token, std::uint32_t value) {
        host.variables().set_whole(token, value);
    }

    // States as of a fresh update.
    const host::ElementState& element(int number) {
        host.update(*placed);
        return placed->element(number);
    }
    std::string text(int number) { return element(number).text; }
    std::int32_t image(int number) { return element(number).image; }
    double value(int number, int axis = 0) { return element(number).values[axis]; }

    void click(host::Point point, int times = 1) {
        for (int i = 0; i < times; ++i)
            ASSERT_TRUE(host.click(*placed, point)) << point.x << "," << point.y;
    }

    // Holds the button down for `seconds` of host time.
    void hold(host::Point point, double seconds) {
        ASSERT_TRUE(host.press(*placed, point));
        host.advance_time_ms(static_cast<std::int64_t>(seconds * 1000));
        host.release();
    }

    std::vector<std::uint32_t> event_ids() const {
        std::vector<std::uint32_t> ids;
        for (const host::KeyEvent& event : host.key_events()) ids.push_back(event.id);
        return ids;
    }

    void TearDown() override { EXPECT_TRUE(host.errors().empty()) << host.errors().front(); }

    host::Host host;
    host::Placement* placed = nullptr;
};

// Compares doubles so that NaN equals NaN.
inline bool same_number(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

}  // namespace test
