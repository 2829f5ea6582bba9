#include "convert/number_text.h"

int32_t ToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
    return static_cast<int32_t>(value);
}

int64_t ToInt64(double value) {
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return INT64_MIN;
    return static_cast<int64_t>(value);
}

uint32_t ToUInt32(double value) { return static_cast<uint32_t>(ToInt32(value)); }

int16_t ToInt16(double value) { return static_cast<int16_t>(static_cast<uint16_t>(ToUInt32(value))); }
