#include "win32/text_conversion.h"

#include <climits>

namespace win32 {

std::wstring BytesToWide(std::string_view bytes, UINT codePage) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    if (units <= 0) return {};
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), units);
    return wide;
}

std::string WideToBytes(std::wstring_view wide, UINT codePage) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int length = static_cast<int>(wide.size());
    const int count = WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (count <= 0) return {};
    std::string bytes(static_cast<size_t>(count), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), length, bytes.data(), count, nullptr, nullptr);
    return bytes;
}

}  // namespace win32
