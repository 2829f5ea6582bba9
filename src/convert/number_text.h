#pragma once
// How numbers become text (files, boxes, messages) and text becomes numbers, everywhere in the program.
// Both sides work on single-byte text whose digits, signs and letters are plain ASCII.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kSignificantDigits = 15;

// The value as 0.d1d2...d15 x 10^exponent, rounded half up on what is left after the fifteenth digit.
// Infinity and not-a-number have no digits; they come out as 0 (the program only converts finite values).
struct DecimalDigitsResult {
    std::array<char, kSignificantDigits> digits{};  // '0'..'9'
    int exponent = 0;
    bool negative = false;
};
DecimalDigitsResult DecimalDigits(double value);

// Fifteen significant digits, fixed notation for decimal exponents -3..15, exponent notation otherwise.
// Integers (every 16- and 32-bit value, signed or unsigned) come out as their plain decimal digits.
std::string NumberToText(double value);
// Never fails: text that holds no number gives 0. Knows &H / &O, a sign and a fraction; no exponent.
double TextToNumber(std::string_view text);

// Truncation toward zero; out of range (infinity and not-a-number included) gives the most negative value.
int32_t ToInt32(double value);
int64_t ToInt64(double value);
// Narrower and unsigned targets keep the bit pattern of ToInt32: text "4294967295" read into an unsigned
// field holds 2147483648, and a 16-bit field keeps the low 16 bits.
uint32_t ToUInt32(double value);
int16_t ToInt16(double value);
