// Truncation of any host double to a 32-bit integer: the same defined result in
// every build, whatever the value.
#include "numbers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    double value;
    std::int32_t result;
};

constexpr Case kCases[] = {
    {0.0, 0},
    {-0.0, 0},
    {0.99, 0},
    {-0.99, 0},
    {1.5, 1},
    {-1.5, -1},
    {123.999999, 123},
    {2147483646.0, 2147483646},
    {2147483646.9, 2147483646},
    {2147483647.0, INT32_MAX},
    {2147483647.5, INT32_MAX},
    {2147483648.0, INT32_MAX},
    {-2147483647.9, -2147483647},
    {-2147483648.0, INT32_MIN},
    {-2147483648.5, INT32_MIN},
    {-2147483649.0, INT32_MIN},
    {1e300, INT32_MAX},
    {-1e300, INT32_MIN},
    {std::numeric_limits<double>::max(), INT32_MAX},
    {std::numeric_limits<double>::denorm_min(), 0},
    {kInf, INT32_MAX},
    {-kInf, INT32_MIN},
    {std::numeric_limits<double>::quiet_NaN(), 0},
    {-std::numeric_limits<double>::quiet_NaN(), 0},
};

TEST(TruncateToInt32, GivesDefinedResultsForEveryDouble) {
    for (const Case& c : kCases) EXPECT_EQ(gauge::truncate_to_int32(c.value), c.result) << c.value;
}

// Values computed at run time (no constant folding) agree with the table.
TEST(TruncateToInt32, RunTimeValuesAgree) {
    volatile double value = 2147483647.0;
    EXPECT_EQ(gauge::truncate_to_int32(value), INT32_MAX);
    value = -2147483648.75;
    EXPECT_EQ(gauge::truncate_to_int32(value), INT32_MIN);
    value = std::numeric_limits<double>::signaling_NaN();
    EXPECT_EQ(gauge::truncate_to_int32(value), 0);
}

TEST(LowBits, ReadsTheLowWordOfAnyPattern) {
    const std::uint64_t bits = 0xFFF8000000002250ull;  // NaN with a frequency below
    double value;
    std::memcpy(&value, &bits, sizeof value);
    EXPECT_EQ(gauge::low_bits(value), 0x2250u);
}

}  // namespace
