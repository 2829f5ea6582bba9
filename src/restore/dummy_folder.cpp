#include "restore/dummy_folder.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "win32/text_conversion.h"
#include "win32/unique_handle.h"

namespace {
constexpr char kDummyFolderName[] = "dummy";
constexpr DWORD kLongPathRoom = 260;
}  // namespace

std::wstring PrepareDummyFolderW() {
    const DWORD needed = GetTempPathA(0, nullptr);
    if (needed == 0) return {};
    // PathAppendA writes into a buffer of MAX_PATH characters whatever the path's length.
    std::vector<char> path(std::max<size_t>(needed + sizeof kDummyFolderName, MAX_PATH), '\0');
    const DWORD written = GetTempPathA(static_cast<DWORD>(path.size()), path.data());
    if (written == 0 || written >= path.size()) return {};
    if (!PathAppendA(path.data(), kDummyFolderName)) return {};
    if (!IsExistingDirectory(path.data())) CreateDirectoryA(path.data(), nullptr);

    char longPath[kLongPathRoom + 1] = {};
    const DWORD length = GetLongPathNameA(path.data(), longPath, kLongPathRoom);
    if (length == 0 || length >= kLongPathRoom) return {};
    return AnsiToWide(std::string_view(longPath, length));
}

bool IsExistingDirectory(const char* path) {
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return false;
    WIN32_FIND_DATAA found{};
    const win32::UniqueFind search(FindFirstFileA(path, &found));
    if (!search) return false;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring AnsiToWide(std::string_view ansi) { return win32::AnsiToWideText(ansi); }
