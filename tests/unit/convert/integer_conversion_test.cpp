#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "convert/number_text.h"

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

// Out of range and NaN give the most negative value; the unsigned and 16-bit targets keep its bit pattern.
TEST(IntegerConversion, TruncatesTowardZeroAndMapsTheUnrepresentableToMostNegative) {
    const struct {
        double value;
        int32_t int32;
        uint32_t uint32;
    } cases32[] = {{12.9, 12, 12u},
                   {-12.9, -12, 4294967284u},
                   {-0.5, 0, 0u},
                   {2147483647.0, 2147483647, 2147483647u},
                   {2147483647.9, 2147483647, 2147483647u},
                   {-2147483648.0, INT32_MIN, 2147483648u},
                   {4294967295.0, INT32_MIN, 2147483648u},
                   {2147483648.0, INT32_MIN, 2147483648u},
                   {4294967291.0 - 4294967296.0, -5, 4294967291u},
                   {kInfinity, INT32_MIN, 2147483648u},
                   {-kInfinity, INT32_MIN, 2147483648u},
                   {kNaN, INT32_MIN, 2147483648u}};
    for (const auto& c : cases32) {
        EXPECT_EQ(ToInt32(c.value), c.int32) << c.value;
        EXPECT_EQ(ToUInt32(c.value), c.uint32) << c.value;
    }
    for (const auto& [value, expected] : {std::pair{65537.0, 1}, {-32769.0, 32767}, {40000.0, -25536}, {1e10, 0}})
        EXPECT_EQ(ToInt16(value), expected) << value;
    for (const auto& [value, expected] : {std::pair{12.9, int64_t{12}}, {std::ldexp(1.0, 63), INT64_MIN},
                                         {-std::ldexp(1.0, 63), INT64_MIN}, {kNaN, INT64_MIN}})
        EXPECT_EQ(ToInt64(value), expected) << value;
}
