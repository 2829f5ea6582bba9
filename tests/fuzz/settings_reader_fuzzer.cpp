// The settings reader on any bytes: it may not crash or read past the text; whatever it read must come back
// unchanged after being written and read again (but for a timeout beyond the signed range); and no
// list-number text may shift the values after it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/settings_line.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The timeout is written unsigned but read through the signed integer rule: one beyond the signed range
// (a hand-written -1 is 4294967295) comes back as 2147483648.
uint32_t TimeoutAfterReadingBack(uint32_t written) { return written >= 2147483648u ? 2147483648u : written; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SettingsRead read = ReadSettingsLine(text, Settings{});
    Require(read.valuesRead <= kSettingsValueCount);
    Require(read.valuesRead == SplitSettingsFields(text).size());

    Settings expected = read.settings;
    expected.options.timeoutMs = TimeoutAfterReadingBack(expected.options.timeoutMs);
    const SettingsRead again = ReadSettingsLine(WriteSettingsLine(read.settings), Settings{});
    Require(again.valuesRead == kSettingsValueCount);
    Require(again.settings == expected);

    Settings withBoxText = read.settings;
    withBoxText.listNumber = std::string(text.substr(0, 8));
    const SettingsRead boxed = ReadSettingsLine(WriteSettingsLine(withBoxText), Settings{});
    Require(boxed.valuesRead == kSettingsValueCount);
    Require(boxed.settings.options == expected.options);
    Require(boxed.settings.duplicateCheckOnCapture == read.settings.duplicateCheckOnCapture);
    return 0;
}
