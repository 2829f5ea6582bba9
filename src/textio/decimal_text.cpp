#include "textio/decimal_text.h"

#include "convert/number_text.h"

std::u16string DecimalText(int64_t value) {
    const std::string digits = NumberToText(static_cast<double>(value));
    return std::u16string(digits.begin(), digits.end());
}
