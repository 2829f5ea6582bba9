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

TEST(IntegerConversion, NotANumberGivesMostNegative) {
    EXPECT_EQ(ToInt32(std::numeric_limits<double>::quiet_NaN()), INT32_MIN);
    EXPECT_EQ(ToInt64(std::numeric_limits<double>::quiet_NaN()), INT64_MIN);
}

TEST(IntegerConversion, UnsignedAndSixteenBitTargetsKeepTheThirtyTwoBitPattern) {
    EXPECT_EQ(ToUInt32(4294967291.0 - 4294967296.0), 4294967291u);
    EXPECT_EQ(ToUInt32(4294967295.0), 2147483648u);
    EXPECT_EQ(ToUInt32(2147483647.9), 2147483647u);
    EXPECT_EQ(ToInt16(65537.0), 1);
    EXPECT_EQ(ToInt16(-32769.0), 32767);
    EXPECT_EQ(ToInt16(40000.0), -25536);
    EXPECT_EQ(ToInt16(1e10), 0);  // most negative 32-bit value, low 16 bits
}
