#include "driver/bytes.h"

#include <algorithm>
#include <cstdio>

#include "driver/text.h"

namespace e2e {

namespace {

constexpr size_t kContext = 48;  // bytes shown on each side of the first difference in long files

// Printable ASCII as is, every other byte as \xNN.
std::string EscapeBytes(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
        text += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, c) : escaped;
    }
    return text;
}

// The escaped bytes from `kContext` before `mark` to as many after it.
std::string ExcerptAround(std::string_view bytes, size_t mark) {
    const size_t begin = mark > kContext ? mark - kContext : 0;
    return (begin > 0 ? "..." : "") + EscapeBytes(bytes.substr(begin, 2 * kContext)) +
           (begin + 2 * kContext < bytes.size() ? "..." : "");
}

}  // namespace

::testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto mismatch = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const auto offset = static_cast<size_t>(mismatch.first - actual.begin());
    return ::testing::AssertionFailure() << "the bytes differ first at offset " << offset << " (actual " << actual.size()
                                         << " bytes, expected " << expected.size() << ")\n  actual:   \""
                                         << ExcerptAround(actual, offset) << "\"\n  expected: \""
                                         << ExcerptAround(expected, offset) << '"';
}

::testing::AssertionResult FileHolds(const TestFolder& folder, std::string_view name, std::string_view expected) {
    const std::optional<std::string> actual = folder.Read(name);
    if (!actual)
        return ::testing::AssertionFailure() << name << " does not exist; expected \"" << EscapeBytes(expected) << "\"";
    auto result = SameBytes(*actual, expected);
    if (!result) return ::testing::AssertionFailure() << std::string(name) << ": " << result.message();
    return result;
}

std::string Utf16File(std::string_view utf8) {
    std::string bytes = "\xFF\xFE";
    for (const wchar_t unit : Wide(utf8)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>((unit >> 8) & 0xFF);
    }
    return bytes;
}

}  // namespace e2e
