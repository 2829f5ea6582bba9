// TextToNumber on any bytes, and NumberToText on whatever comes out: neither may crash or read past
// the text, and a number read from digits must survive being written and read back.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "convert/number_text.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Values written in fixed notation hold every digit TextToNumber needs to read them back; the reading
// sums digit by digit, so it may land a few units in the last place away.
void CheckWrittenTextReadsBack(double value) {
    const std::string text = NumberToText(value);
    Require(!text.empty() && text.size() <= 24);
    if (text.find('e') != std::string::npos) return;
    const double back = TextToNumber(text);
    Require(std::fabs(back - value) <= std::fabs(value) * 1e-14);
    if (value == std::trunc(value) && std::fabs(value) < 1e15) Require(back == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = TextToNumber(text);
    Require(!std::isnan(value));
    // Only blanks and tabs may stand before a number; anything else reads as zero.
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos || std::string_view("0123456789+-.&").find(text[first]) == std::string_view::npos)
        Require(value == 0);
    if (std::isfinite(value)) CheckWrittenTextReadsBack(value);
    ToInt32(value);
    ToInt64(value);
    return 0;
}
