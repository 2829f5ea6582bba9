#include "convert/number_text.h"

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Digit value in the given base, or -1 when the character ends the run.
int RadixDigit(char c, int base) {
    c = ToUpperAscii(c);
    int value = -1;
    if (IsDecimalDigit(c)) value = c - '0';
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

// "&H1F4", "&o17": the digits after the letter, each digit x base^k computed in wrapping 64-bit arithmetic
// and added as a signed value, so &H8000000000000000 reads as -2^63 and digits beyond the sixteenth count 0.
double RadixNumber(std::string_view text) {
    if (text.size() < 2) return 0;
    const char letter = ToUpperAscii(text[1]);
    const int base = letter == 'H' ? 16 : letter == 'O' ? 8 : 0;
    if (base == 0) return 0;
    size_t end = 2;
    while (end < text.size() && RadixDigit(text[end], base) >= 0) ++end;
    double sum = 0;
    uint64_t power = 1;
    for (size_t i = end; i > 2; --i) {
        const uint64_t product = static_cast<uint64_t>(RadixDigit(text[i - 1], base)) * power;
        sum = sum + static_cast<double>(static_cast<int64_t>(product));
        power = power * static_cast<uint64_t>(base);
    }
    return sum;
}

double DecimalNumber(std::string_view text) {
    size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++pos;
    const size_t intStart = pos;
    while (pos < text.size() && IsDecimalDigit(text[pos])) ++pos;
    double value = 0;
    double place = 1;
    for (size_t i = pos; i > intStart; --i) {
        const int digit = text[i - 1] - '0';
        // A zero adds nothing; skipping it keeps an overlong run at infinity instead of 0 x infinity.
        if (digit != 0) value = value + digit * place;
        place = place * 10;
    }
    if (pos < text.size() && text[pos] == '.') {
        place = 10;
        for (++pos; pos < text.size() && IsDecimalDigit(text[pos]); ++pos) {
            value = value + (text[pos] - '0') / place;
            place = place * 10;
        }
    }
    return negative ? value * -1 : value;
}

}  // namespace

double TextToNumber(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    text.remove_prefix(start);
    if (!text.empty() && text[0] == '&') return RadixNumber(text);
    return DecimalNumber(text);
}
