#pragma once
// Test helper: the bytes of a UTF-16 LE file, written the way FileWriteW writes them.
#include <string>
#include <string_view>

namespace textio_test {

inline std::string Utf16LeBytes(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

inline std::string ListFileBytes(std::u16string_view text) { return "\xFF\xFE" + Utf16LeBytes(text); }

}  // namespace textio_test
