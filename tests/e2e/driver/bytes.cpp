#include "driver/bytes.h"

#include <algorithm>
#include <cstdio>

#include "driver/text.h"

namespace e2e {

namespace {

constexpr size_t kContext = 48;  // bytes shown on each side of the first difference in long files

std::string EscapeByte(unsigned char byte) {
    switch (byte) {
        case '\t': return "\\t";
        case '\r': return "\\r";
        case '\n': return "\\n";
        case '\0': return "\\0";
        case '\\': return "\\\\";
        case '"': return "\\\"";
        default: break;
    }
    if (byte >= 0x20 && byte < 0x7F) return std::string(1, static_cast<char>(byte));
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

// Escaped window [begin, end) of bytes, with the column at which `mark` starts in the result.
struct Excerpt {
    std::string text;
    size_t markColumn = 0;
};

Excerpt ExcerptAround(std::string_view bytes, size_t mark) {
    const size_t begin = mark > kContext ? mark - kContext : 0;
    const size_t end = std::min(bytes.size(), mark + kContext);
    Excerpt excerpt;
    excerpt.text = begin > 0 ? "..." : "";
    excerpt.text += '"';
    for (size_t i = begin; i < end; ++i) {
        if (i == mark) excerpt.markColumn = excerpt.text.size();
        excerpt.text += EscapeByte(static_cast<unsigned char>(bytes[i]));
    }
    if (mark >= end) excerpt.markColumn = excerpt.text.size();
    excerpt.text += '"';
    if (end < bytes.size()) excerpt.text += "...";
    return excerpt;
}

bool IsUtf16File(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xFE;
}

std::string Utf16AsText(std::string_view bytes) {
    std::wstring wide;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return EscapeText(Utf8(wide));
}

}  // namespace

std::string EscapeBytes(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) text += EscapeByte(static_cast<unsigned char>(c));
    return text;
}

std::string EscapeText(std::string_view utf8) {
    std::string text;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x80 ? std::string(1, c) : EscapeByte(byte);
    }
    return text;
}

::testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto mismatch = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const auto offset = static_cast<size_t>(mismatch.first - actual.begin());
    const Excerpt got = ExcerptAround(actual, offset);
    const Excerpt want = ExcerptAround(expected, offset);
    auto result = ::testing::AssertionFailure();
    result << "the bytes differ first at offset " << offset << " (actual " << actual.size() << " bytes, expected "
           << expected.size() << ")\n"
           << "  actual:   " << got.text << "\n"
           << "  expected: " << want.text << "\n"
           << "            " << std::string(std::max(got.markColumn, want.markColumn), ' ') << "^";
    if (IsUtf16File(actual) && IsUtf16File(expected))
        result << "\n  as UTF-16 text:\n    actual:   \"" << Utf16AsText(actual) << "\"\n    expected: \""
               << Utf16AsText(expected) << "\"";
    return result;
}

::testing::AssertionResult FileHolds(const TestFolder& folder, std::string_view name, std::string_view expected) {
    const std::optional<std::string> actual = folder.Read(name);
    if (!actual) {
        auto missing = ::testing::AssertionFailure();
        missing << std::string(name) << " does not exist; expected \"" << EscapeBytes(expected) << "\"";
        if (IsUtf16File(expected)) missing << "\n  as UTF-16 text: \"" << Utf16AsText(expected) << "\"";
        return missing;
    }
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
