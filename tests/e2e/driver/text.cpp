#include "driver/text.h"

#include <windows.h>

#include <cstdio>

#include "win32/unique_handle.h"

namespace e2e {

std::string Utf8(std::wstring_view wide) {
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

std::wstring Wide(std::string_view utf8) {
    const int length = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), static_cast<int>(wide.size()));
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
    const win32::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    DWORD code = STILL_ACTIVE;
    if (process) GetExitCodeProcess(process.get(), &code);
    return "process " + std::to_string(processId) +
           (code == STILL_ACTIVE ? "" : ", ended with " + DescribeExitCode(code));
}

}  // namespace e2e
