#include "convert/number_text.h"

#include <cmath>
#include <cstdlib>

// Provisional: replaced by the full conversion rules.
std::string NumberToText(double value) { return std::to_string(static_cast<long long>(value)); }
double TextToNumber(std::string_view text) { return std::atof(std::string(text).c_str()); }
int32_t ToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
    return static_cast<int32_t>(value);
}
int64_t ToInt64(double value) {
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return INT64_MIN;
    return static_cast<int64_t>(value);
}
