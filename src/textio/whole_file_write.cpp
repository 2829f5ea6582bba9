#include "textio/whole_file_write.h"

#include <windows.h>

#include <string>

#include "win32/unique_handle.h"

namespace {

constexpr int kWritten = 1;
constexpr int kAccessDenied = -5;
constexpr int kNotWritten = -1;

bool WriteAll(HANDLE file, std::span<const std::byte> bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// The old file opened for writing and shared with nobody, as a direct write would open it, but left as
// it is: a file this user may not write (-5) and one held open elsewhere (-1) are told before anything is
// written. No old file at all is fine.
int CheckReplaceable(const std::wstring& target) {
    const win32::UniqueFile file(
        CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return kWritten;
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND: return kWritten;
        case ERROR_ACCESS_DENIED: return kAccessDenied;
        default: return kNotWritten;
    }
}

bool WriteParts(HANDLE file, std::initializer_list<std::span<const std::byte>> parts) {
    for (std::span<const std::byte> part : parts) {
        if (!WriteAll(file, part)) return false;
    }
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace

int WriteWholeFile(std::wstring_view path, std::initializer_list<std::span<const std::byte>> parts) {
    const std::wstring target(path);
    if (const int replaceable = CheckReplaceable(target); replaceable != kWritten) return replaceable;
    // Beside the old file, so that the replacement is a rename on one volume; named after this process,
    // so that two programs writing the same list do not share it.
    const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    bool written = false;
    {
        const win32::UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return GetLastError() == ERROR_ACCESS_DENIED ? kAccessDenied : kNotWritten;
        written = WriteParts(file.get(), parts);
    }
    if (written &&
        MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return kWritten;
    }
    DeleteFileW(temporary.c_str());
    return kNotWritten;
}
