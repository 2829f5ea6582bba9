#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "convert/number_text.h"

TEST(TextToNumber, ReadsDecimalHexAndOctalUpToTheFirstCharacterThatDoesNotFit) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0}, {" 750", 750}, {"\t\t42x", 42}, {" \t 7", 7}, {"12.9", 12.9}, {".5", 0.5}, {"-.5", -0.5}, {"+7", 7},
        {"0012", 12}, {"5.", 5}, {"4294967295", 4294967295.0}, {"-2147483648", -2147483648.0},
        {"1e5", 1}, {"12,345", 12}, {"5.5.5", 5.5}, {"abc", 0}, {"\n5", 0}, {"+-5", 0},
        {"\xef\xbc\x91\xef\xbc\x92", 0},  // full-width digits
        {"\x82\x50", 0},                  // the same in Shift-JIS
        {"&H1F4", 500}, {"&h1f4", 500}, {" &h1F4xyz", 500}, {"&O17", 15}, {"&o777", 511}, {"&O78", 7},
        {"&HFFFFFFFF", 4294967295.0}, {"&H0000000000000000001", 1},
        {"&Hzz", 0}, {"&12", 0}, {"&", 0}, {"&H", 0}, {"&O8", 0}, {"& H1", 0}, {"&X1", 0}, {"&H-1", 0},
        // Hex and octal products wrap at 64 bits and count signed.
        {"&H8000000000000000", -9223372036854775808.0}, {"&H7FFFFFFFFFFFFFFF", 9223372036854775807.0},
        // The low digits' sum, 2^60 - 1, is rounded to 2^60 before the top digit's -2^60 joins it.
        {"&HFFFFFFFFFFFFFFFF", 0}, {"&HFFFFFFFFFFFFF800", -2048}, {"&O1777777777777777777777", 0},
        {"&H10000000000000000", 0}, {"&H10000000000000001", 1}, {"&O2000000000000000000000", 0}};
    for (const auto& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextToNumber, SignBeforeNothingGivesNegativeZero) {
    for (const char* text : {"- 5", "-", "--5", "-&H5"}) {
        EXPECT_EQ(TextToNumber(text), 0) << text;
        EXPECT_TRUE(std::signbit(TextToNumber(text))) << text;
    }
    EXPECT_FALSE(std::signbit(TextToNumber("abc")));
}

TEST(TextToNumber, OverlongDigitRunsGiveInfinityNotNaN) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TextToNumber("1" + std::string(400, '0')), infinity);
    EXPECT_EQ(TextToNumber("-" + std::string(400, '9')), -infinity);
    EXPECT_EQ(TextToNumber(std::string(400, '9') + "." + std::string(400, '9')), infinity);
    EXPECT_EQ(TextToNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(ToInt32(TextToNumber(std::string(400, '7'))), INT32_MIN);
}
