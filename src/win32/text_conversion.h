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

// Pavorin.ini holds Shift-JIS (code page 932) bytes whatever the system's code page is.
constexpr UINT kSettingsCodePage = 932;

// Bytes of the named code page to UTF-16 and back, never through the system's ANSI code page.
std::wstring BytesToWide(std::string_view bytes, UINT codePage);
std::string WideToBytes(std::wstring_view wide, UINT codePage);

// The program's narrow texts (message boxes, the taskbar listing) are UTF-8.
inline std::wstring Utf8ToWide(std::string_view utf8) { return BytesToWide(utf8, CP_UTF8); }
inline std::string WideToUtf8(std::wstring_view wide) { return WideToBytes(wide, CP_UTF8); }

}  // namespace win32
