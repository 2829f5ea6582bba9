#pragma once
// Conversions at the edge between the Win32 layer and the pure core.
// The core keeps UTF-16 as char16_t so that it builds natively; on Windows wchar_t is the same 16 bits.
#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

inline std::wstring_view AsWide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline std::u16string_view AsUtf16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// ANSI (the process code page, 932 here) to UTF-16 and back.
std::wstring AnsiToWideText(std::string_view ansi);
std::string WideToAnsiText(std::wstring_view wide);

}  // namespace win32
