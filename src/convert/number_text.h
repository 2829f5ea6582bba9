#pragma once
// How numbers become text (files, boxes, messages) and text becomes numbers, everywhere in the program.
#include <cstdint>
#include <string>
#include <string_view>

// Fifteen significant digits, fixed notation for decimal exponents -3..15, exponent notation otherwise.
std::string NumberToText(double value);
// Never fails: text that holds no number gives 0. Knows &H / &O, a sign and a fraction; no exponent.
double TextToNumber(std::string_view text);

// Truncation toward zero; out of range (infinity included) gives the most negative value.
int32_t ToInt32(double value);
int64_t ToInt64(double value);
