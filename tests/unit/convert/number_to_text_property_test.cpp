// NumberToText against references computed another way: the integer digits from std::to_chars, and for
// arbitrary doubles the exact decimal expansion from printf, rounded half up by hand.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "convert/number_text.h"

namespace {

std::string IntegerText(int64_t value) {
    char buffer[24];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void ExpectRoundTrip(int64_t value) {
    const std::string text = NumberToText(static_cast<double>(value));
    ASSERT_EQ(text, IntegerText(value));
    ASSERT_EQ(TextToNumber(text), static_cast<double>(value)) << text;
}

// Every 16-bit value, the neighbourhoods of powers of two and ten, the ends of the signed and unsigned
// 32-bit ranges, a prime-stride walk over the whole range and random values.
std::vector<int64_t> IntegerSamples() {
    const int64_t lowest = INT32_MIN, highest = UINT32_MAX;
    std::vector<int64_t> samples;
    for (int64_t v = -70000; v <= 70000; ++v) samples.push_back(v);
    std::vector<int64_t> centres = {lowest, highest, INT32_MAX, INT16_MIN, UINT16_MAX};
    for (int64_t p = 1; p <= highest; p *= 2) centres.insert(centres.end(), {p, -p});
    for (int64_t p = 10; p <= highest; p *= 10) centres.insert(centres.end(), {p, -p});
    for (int64_t c : centres)
        for (int64_t v = c - 300; v <= c + 300; ++v)
            if (v >= lowest && v <= highest) samples.push_back(v);
    for (int64_t v = lowest; v <= highest; v += 104729) samples.push_back(v);
    std::mt19937_64 random(2024);
    std::uniform_int_distribution<int64_t> anywhere(lowest, highest);
    for (int i = 0; i < 200000; ++i) samples.push_back(anywhere(random));
    return samples;
}

// The C library's printf writes the exact decimal expansion when asked for enough digits (a double has
// at most 767 significant ones).
struct ExactDecimal {
    std::string digits;
    int exponent;  // of the first digit: value = d.ddd x 10^exponent
};

ExactDecimal Expand(double positive) {
    char buffer[820];
    std::snprintf(buffer, sizeof buffer, "%.780e", positive);
    const std::string text(buffer);
    const size_t e = text.find('e');
    return {text.substr(0, 1) + text.substr(2, e - 2), std::atoi(text.c_str() + e + 1)};
}

std::string DigitsOf(const DecimalDigitsResult& r) { return std::string(r.digits.begin(), r.digits.end()); }

// Fifteen digits rounded half up on the exact rest, except that a mantissa at or above the double
// nearest to 9.99999999999999 becomes the next power of ten.
void ExpectExactHalfUpRounding(double value) {
    static const ExactDecimal threshold = Expand(9.99999999999999);
    const ExactDecimal exact = Expand(std::fabs(value));
    const DecimalDigitsResult got = DecimalDigits(value);
    ASSERT_EQ(got.negative, value < 0);
    std::string expected;
    int exponent = exact.exponent + 1;
    if (exact.digits >= threshold.digits) {
        expected = "100000000000000";
        ++exponent;
    } else {
        // Adding five to the sixteenth digit and cutting it off is rounding half up.
        uint64_t sixteen = std::strtoull(exact.digits.substr(0, 16).c_str(), nullptr, 10) + 5;
        expected = std::to_string(sixteen / 10);
    }
    ASSERT_EQ(DigitsOf(got), expected) << exact.digits.substr(0, 20) << "e" << exact.exponent;
    ASSERT_EQ(got.exponent, exponent) << exact.digits.substr(0, 20) << "e" << exact.exponent;
}

// The text is a faithful rendering of the digits: read back by the C library it is the same number as
// 0.d1...d15 x 10^e, and it has the layout its exponent calls for.
void CheckLayout(double value) {
    const DecimalDigitsResult r = DecimalDigits(value);
    const std::string text = NumberToText(value);
    const std::string plain = std::string(r.negative ? "-" : "") + "0." + DigitsOf(r) + "e" + std::to_string(r.exponent);
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(plain.c_str(), nullptr)) << text;
    const size_t e = text.find('e');
    if (r.exponent >= -3 && r.exponent <= 15) {
        ASSERT_EQ(e, std::string::npos) << text;
        if (text.find('.') != std::string::npos) {
            ASSERT_NE(text.back(), '0') << text;
        }
        ASSERT_NE(text.back(), '.') << text;
    } else {
        ASSERT_NE(e, std::string::npos) << text;
        ASSERT_EQ(e, (r.negative ? 1u : 0u) + 16) << text;  // d.dddddddddddddd: all fifteen digits stay
        // "+%03d" above, "%03d" below: the minus sign takes one of the three places.
        std::string magnitude = std::to_string(std::abs(r.exponent - 1));
        const size_t width = r.exponent > 0 ? 3 : 2;
        if (magnitude.size() < width) magnitude.insert(0, width - magnitude.size(), '0');
        ASSERT_EQ(text.substr(e + 1), (r.exponent > 0 ? "+" : "-") + magnitude) << text;
    }
}

double RandomFiniteDouble(std::mt19937_64& random) {
    for (;;) {
        const uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) return value;
    }
}

}  // namespace

TEST(NumberToTextProperty, EverySampledThirtyTwoBitIntegerRoundTrips) {
    for (int64_t value : IntegerSamples()) ExpectRoundTrip(value);
}

TEST(NumberToTextProperty, RandomDoublesAgreeWithExactHalfUpRounding) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const double value = RandomFiniteDouble(random);
        if (value != 0) ExpectExactHalfUpRounding(value);
    }
}

TEST(NumberToTextProperty, RandomDoublesOfModerateSizeAgreeWithExactHalfUpRounding) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-6, 17);
    for (int i = 0; i < 20000; ++i) ExpectExactHalfUpRounding(std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1));
}

// Sixteen- and seventeen-digit integers are exact doubles whose sixteenth digit is often a true 5.
TEST(NumberToTextProperty, LongIntegersRoundHalfUpOnTheSixteenthDigit) {
    std::mt19937_64 random(17);
    std::uniform_int_distribution<int64_t> digits(1000000000000000, (int64_t{1} << 53) - 1);
    for (int i = 0; i < 20000; ++i) {
        const int64_t value = digits(random) / 10 * 10 + (i % 2 ? 5 : random() % 10);
        ExpectExactHalfUpRounding(static_cast<double>(value));
    }
}

TEST(NumberToTextProperty, IntegersOfUpToFifteenDigitsArePlainDigits) {
    std::mt19937_64 random(19);
    for (int i = 0; i < 20000; ++i) {
        const int64_t value = static_cast<int64_t>(random() % 1000000000000000) >> (random() % 50);
        ASSERT_EQ(NumberToText(static_cast<double>(value)), IntegerText(value));
        ASSERT_EQ(NumberToText(-static_cast<double>(value)), IntegerText(-value));
    }
}

TEST(NumberToTextProperty, TextShowsTheDigitsInTheLayoutOfTheirExponent) {
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> exponent(-8, 20);
    for (int i = 0; i < 50000; ++i) {
        CheckLayout(RandomFiniteDouble(random));
        CheckLayout(std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1));
    }
}
