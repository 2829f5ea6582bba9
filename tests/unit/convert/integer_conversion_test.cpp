#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "convert/number_text.h"

TEST(IntegerConversion, TruncatesTowardZero) {
    EXPECT_EQ(ToInt32(12.9), 12);
    EXPECT_EQ(ToInt32(-12.9), -12);
    EXPECT_EQ(ToInt32(-0.5), 0);
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(ToInt32(-2147483648.0), INT32_MIN);
}

TEST(IntegerConversion, OutOfRangeGivesMostNegative) {
    EXPECT_EQ(ToInt32(4294967295.0), INT32_MIN);
    EXPECT_EQ(ToInt32(2147483648.0), INT32_MIN);
    EXPECT_EQ(ToInt32(std::numeric_limits<double>::infinity()), INT32_MIN);
    EXPECT_EQ(ToInt32(-std::numeric_limits<double>::infinity()), INT32_MIN);
    EXPECT_EQ(ToInt64(std::ldexp(1.0, 63)), INT64_MIN);
    EXPECT_EQ(ToInt64(-std::ldexp(1.0, 63)), INT64_MIN);
}
