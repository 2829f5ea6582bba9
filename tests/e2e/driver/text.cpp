#include "driver/text.h"

#include <windows.h>

#include <climits>
#include <cstdio>

#include "win32/unique_handle.h"

namespace e2e {

std::string Utf8(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) return {};
    const int length = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), units);
    return wide;
}

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string DescribeExitCode(uint32_t code) {
    return code < 0x10000 ? std::to_string(code) : Hex(code) + (code == 0xC0000005 ? " (access violation)" : "");
}

std::string DescribeProcess(uint32_t processId) {
    std::string described = "process " + std::to_string(processId);
    const win32::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    DWORD code = 0;
    if (process && GetExitCodeProcess(process.get(), &code) && code != STILL_ACTIVE)
        described += ", ended with " + DescribeExitCode(code);
    return described;
}

}  // namespace e2e
