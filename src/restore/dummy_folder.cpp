#include "restore/dummy_folder.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "win32/unique_handle.h"

namespace {
constexpr wchar_t kDummyFolderName[] = L"dummy";
constexpr DWORD kLongPathRoom = 260;
}  // namespace

std::wstring PrepareDummyFolderW() {
    const DWORD needed = GetTempPathW(0, nullptr);
    if (needed == 0) return {};
    // PathAppendW writes into a buffer of MAX_PATH characters whatever the path's length.
    std::vector<wchar_t> path(std::max<size_t>(needed + std::size(kDummyFolderName), MAX_PATH), L'\0');
    const DWORD written = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
    if (written == 0 || written >= path.size()) return {};
    if (!PathAppendW(path.data(), kDummyFolderName)) return {};
    if (!IsExistingDirectory(path.data())) CreateDirectoryW(path.data(), nullptr);

    wchar_t longPath[kLongPathRoom + 1] = {};
    const DWORD length = GetLongPathNameW(path.data(), longPath, kLongPathRoom);
    if (length == 0 || length >= kLongPathRoom) return {};
    return std::wstring(longPath, length);
}

bool IsExistingDirectory(const wchar_t* path) {
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return false;
    WIN32_FIND_DATAW found{};
    const win32::UniqueFind search(FindFirstFileW(path, &found));
    if (!search) return false;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
