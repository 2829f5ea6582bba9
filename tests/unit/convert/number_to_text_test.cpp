#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "convert/number_text.h"

namespace {

std::string DigitsOf(const DecimalDigitsResult& r) { return std::string(r.digits.begin(), r.digits.end()); }

struct TextCase {
    double value;
    const char* text;
};

void ExpectTexts(std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << "value " << c.value;
}

}  // namespace

TEST(DecimalDigits, ZeroOfEitherSignAndValuesWithoutDigitsAreFifteenZerosWithoutSign) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (double zero : {0.0, -0.0, kInfinity, -kInfinity, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(NumberToText(zero), "0");
        const DecimalDigitsResult r = DecimalDigits(zero);
        EXPECT_EQ(DigitsOf(r), "000000000000000");
        EXPECT_EQ(r.exponent, 0);
        EXPECT_FALSE(r.negative);
    }
}

TEST(DecimalDigits, GivesMantissaDigitsExponentAndSign) {
    DecimalDigitsResult r = DecimalDigits(500);
    EXPECT_EQ(DigitsOf(r), "500000000000000");
    EXPECT_EQ(r.exponent, 3);
    EXPECT_FALSE(r.negative);

    r = DecimalDigits(-0.0625);
    EXPECT_EQ(DigitsOf(r), "625000000000000");
    EXPECT_EQ(r.exponent, -1);
    EXPECT_TRUE(r.negative);

    r = DecimalDigits(1.0 / 3);
    EXPECT_EQ(DigitsOf(r), "333333333333333");
    EXPECT_EQ(r.exponent, 0);
}

TEST(DecimalDigits, RoundsHalfUpOnTheLeftover) {
    EXPECT_EQ(DigitsOf(DecimalDigits(2.0 / 3)), "666666666666667");
    // 1234567890123455 is exact in a double: the sixteenth digit is a true 5 and goes up.
    EXPECT_EQ(DigitsOf(DecimalDigits(1234567890123455.0)), "123456789012346");
    EXPECT_EQ(DigitsOf(DecimalDigits(1234567890123454.0)), "123456789012345");
    // The carry runs through the nines.
    const DecimalDigitsResult r = DecimalDigits(1299999999999999.0);
    EXPECT_EQ(DigitsOf(r), "130000000000000");
    EXPECT_EQ(r.exponent, 16);
}

TEST(DecimalDigits, ValuesFromTheUpperThresholdOnBecomeTheNextPowerOfTen) {
    const double threshold = 9.99999999999999;
    DecimalDigitsResult r = DecimalDigits(threshold);
    EXPECT_EQ(DigitsOf(r), "100000000000000");
    EXPECT_EQ(r.exponent, 2);

    r = DecimalDigits(std::nextafter(threshold, 0.0));
    EXPECT_EQ(DigitsOf(r), "999999999999999");
    EXPECT_EQ(r.exponent, 1);

    r = DecimalDigits(999999999999999.0);
    EXPECT_EQ(DigitsOf(r), "100000000000000");
    EXPECT_EQ(r.exponent, 16);
}

TEST(NumberToText, IntegersArePlainDecimalDigits) {
    ExpectTexts({{0, "0"},
                 {-0.0, "0"},
                 {500, "500"},
                 {-1, "-1"},
                 {1000, "1000"},
                 {4294967295.0, "4294967295"},
                 {-2147483648.0, "-2147483648"},
                 {-32768, "-32768"},
                 {123456789012345.0, "123456789012345"}});
}

TEST(NumberToText, FractionsKeepFifteenDigitsAndDropTrailingZeros) {
    ExpectTexts({{0.5, "0.5"},
                 {1.0 / 3, "0.333333333333333"},
                 {2.0 / 3, "0.666666666666667"},
                 {-2.0 / 3, "-0.666666666666667"},
                 {100.25, "100.25"},
                 {12.9, "12.9"},
                 {0.1, "0.1"},
                 {123456.789, "123456.789"},
                 {4294967295.5, "4294967295.5"},
                 {0.001, "0.001"},
                 {0.0001, "0.0001"},
                 {0.00025, "0.00025"},
                 {-0.0001, "-0.0001"}});
}

TEST(NumberToText, ThresholdsRoundValuesJustBelowAPowerOfTenUp) {
    ExpectTexts({{999999999999999.0, "1.00000000000000e+015"},
                 {0.999999999999999, "1"},
                 {0.99999999999999, "0.99999999999999"},
                 {9.99999999999999, "10"},
                 {std::nextafter(9.99999999999999, 0.0), "9.99999999999999"},
                 {99999999999999.95, "100000000000000"}});
}

TEST(NumberToText, LargeExponentsUseAPlusSignAndThreeDigits) {
    ExpectTexts({{1e15, "1.00000000000000e+015"},
                 {1e16, "1.00000000000000e+016"},
                 {-1234567890123456789.0, "-1.23456789012346e+018"},
                 {1e100, "1.00000000000000e+100"},
                 {1.5e200, "1.50000000000000e+200"},
                 {std::numeric_limits<double>::max(), "1.79769313486232e+308"}});
}

TEST(NumberToText, SmallExponentsUseAtLeastTwoDigitsAfterTheMinus) {
    ExpectTexts({{0.00001, "1.00000000000000e-05"},
                 {-1.5e-5, "-1.50000000000000e-05"},
                 {1.25e-10, "1.25000000000000e-10"},
                 {1.5e-123, "1.50000000000000e-123"},
                 {std::numeric_limits<double>::denorm_min(), "4.94065645841247e-324"}});
}
