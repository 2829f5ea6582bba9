// Every caller passes a 32-bit integer: the digits, the sign and the plain integer layout are what
// reach a file or a message.
#include <gtest/gtest.h>

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
