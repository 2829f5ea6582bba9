#include "driver/bytes.h"

#include <algorithm>
#include <cstdio>

#include "driver/text.h"

namespace e2e {
namespace {

// The bytes from 48 before `offset` to 48 after it, printable ASCII as is and every other byte as \xNN.
std::string EscapedAround(std::string_view bytes, size_t offset) {
    const size_t begin = offset > 48 ? offset - 48 : 0;
    std::string text = begin > 0 ? "..." : "";
    for (const char c : bytes.substr(begin, 96)) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
        text += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, c) : escaped;
    }
    return text + (begin + 96 < bytes.size() ? "..." : "");
}

}  // namespace

::testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto offset = static_cast<size_t>(
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first - actual.begin());
    return ::testing::AssertionFailure() << "the bytes differ first at offset " << offset << " (actual "
                                         << actual.size() << " bytes, expected " << expected.size()
                                         << ")\n  actual:   \"" << EscapedAround(actual, offset)
                                         << "\"\n  expected: \"" << EscapedAround(expected, offset) << '"';
}

::testing::AssertionResult FileHolds(const TestFolder& folder, std::string_view name, std::string_view expected) {
    const std::optional<std::string> actual = folder.Read(name);
    if (!actual)
        return ::testing::AssertionFailure() << name << " does not exist; expected \"" << EscapedAround(expected, 0)
                                             << '"';
    ::testing::AssertionResult same = SameBytes(*actual, expected);
    return same ? same : ::testing::AssertionFailure() << name << ": " << same.message();
}

std::string Utf16File(std::string_view utf8) {
    std::string bytes = "\xFF\xFE";
    for (const wchar_t unit : Wide(utf8)) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

}  // namespace e2e
