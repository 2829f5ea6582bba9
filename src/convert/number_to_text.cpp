#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include "convert/number_text.h"

namespace {

// Every double has a finite decimal expansion of at most 767 significant digits; asking for all of them
// gives the exact value, so the rounding below decides on the true digits and not on a rounded copy.
constexpr int kExactDigits = 767;

struct Expansion {
    std::string digits;  // d1 d2 d3 ... of d1.d2d3... x 10^power, exactly
    int power = 0;
};

Expansion ExactExpansion(double magnitude) {
    char buffer[kExactDigits + 16];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                    kExactDigits - 1).ptr;
    const std::string_view text(buffer, static_cast<size_t>(end - buffer));
    const size_t e = text.find('e');
    Expansion result;
    result.digits.push_back(text[0]);
    result.digits.append(text.begin() + 2, text.begin() + static_cast<std::ptrdiff_t>(e));
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), result.power);
    return result;
}

// Digits are taken from a mantissa brought between 0.999999999999999 and 9.99999999999999 (the doubles
// nearest those decimals). A mantissa from the upper one on is divided once more and its fifteen digits
// 0999... round up, so the value comes out as the next power of ten: 999999999999999 is written as
// 1.00000000000000e+015. The lower threshold leads to the same place from below.
bool ReachesUpperThreshold(const Expansion& value) {
    static const std::string threshold = ExactExpansion(9.99999999999999).digits;
    return value.digits >= threshold;  // same length, same decimal point: text order is numeric order
}

void RoundLastDigitUp(std::array<char, kSignificantDigits>& digits) {
    // Mantissas from 9.99999999999999 on never get here, so the carry stops before the first digit.
    for (int i = kSignificantDigits - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
}

std::string DropTrailingZerosAndPoint(std::string text) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string ExponentSuffix(int exponent) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, exponent > 0 ? "e+%03d" : "e%03d", exponent - 1);
    return buffer;
}

std::string LayOut(const DecimalDigitsResult& number) {
    const std::string digits(number.digits.begin(), number.digits.end());
    const int e = number.exponent;
    if (e >= 1 && e <= kSignificantDigits)
        return DropTrailingZerosAndPoint(digits.substr(0, e) + "." + digits.substr(e));
    if (e >= -3 && e <= 0) return DropTrailingZerosAndPoint("0." + std::string(-e, '0') + digits);
    return digits.substr(0, 1) + "." + digits.substr(1) + ExponentSuffix(e);
}

}  // namespace

DecimalDigitsResult DecimalDigits(double value) {
    DecimalDigitsResult result;
    if (value == 0 || !std::isfinite(value)) {
        result.digits.fill('0');
        return result;
    }
    result.negative = value < 0;
    const Expansion exact = ExactExpansion(result.negative ? -value : value);
    if (ReachesUpperThreshold(exact)) {
        result.digits.fill('0');
        result.digits[0] = '1';
        result.exponent = exact.power + 2;
        return result;
    }
    std::copy_n(exact.digits.begin(), kSignificantDigits, result.digits.begin());
    result.exponent = exact.power + 1;
    if (exact.digits[kSignificantDigits] >= '5') RoundLastDigitUp(result.digits);  // half up
    return result;
}

std::string NumberToText(double value) {
    const DecimalDigitsResult number = DecimalDigits(value);
    std::string text = number.negative ? "-" : "";
    text += LayOut(number);
    return text;
}
