#include "driver/test_folder.h"

#include <algorithm>
#include <atomic>
#include <functional>

#include "driver/text.h"
#include "driver/wait.h"

namespace e2e {
namespace {

std::string ErrorIn(std::string_view what, const std::wstring& path) {
    return std::string(what) + " " + Utf8(path) + " (error " + std::to_string(GetLastError()) + ")";
}

void ForEachEntry(const std::wstring& folder, const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
    WIN32_FIND_DATAW entry;
    const win32::UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (!find) return;
    do {
        if (const std::wstring_view name = entry.cFileName; name != L"." && name != L"..") visit(entry);
    } while (FindNextFileW(find.get(), &entry));
}

void RemoveTree(const std::wstring& path) {
    ForEachEntry(path, [&](const WIN32_FIND_DATAW& entry) {
        const std::wstring child = path + L"\\" + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return RemoveTree(child);
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
    });
    RemoveDirectoryW(path.c_str());
}

win32::UniqueFile Open(const std::wstring& path, DWORD access, DWORD sharing, DWORD disposition) {
    return win32::UniqueFile(
        CreateFileW(path.c_str(), access, sharing, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

TestFolder::TestFolder() {
    static std::atomic<unsigned> folderCount{0};
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring base = std::wstring(temp) + L"pavorin-e2e";
    CreateDirectoryW(base.c_str(), nullptr);
    for (;;) {
        path_ = base + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++folderCount);
        if (CreateDirectoryW(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw DriverError(ErrorIn("cannot create the folder", path_));
    }
}

TestFolder::~TestFolder() { if (!keep_) RemoveTree(path_); }

std::wstring TestFolder::PathOf(std::string_view name) const { return path_ + L"\\" + Wide(name); }

void TestFolder::Write(std::string_view name, std::string_view bytes) const {
    const std::wstring path = PathOf(name);
    const win32::UniqueFile file = Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw DriverError(ErrorIn("cannot write", path));
}

std::optional<std::string> TestFolder::Read(std::string_view name) const {
    const std::wstring path = PathOf(name);
    const win32::UniqueFile file = Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    const DWORD error = GetLastError();
    if (!file && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) return std::nullopt;
    if (!file) throw DriverError(ErrorIn("cannot open", path));
    std::string bytes;
    char chunk[1 << 16];
    DWORD read = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
    return bytes;
}

bool TestFolder::Exists(std::string_view name) const {
    return GetFileAttributesW(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> TestFolder::FileNames() const {
    std::vector<std::string> names;
    ForEachEntry(path_, [&](const WIN32_FIND_DATAW& entry) { names.push_back(Utf8(entry.cFileName)); });
    std::sort(names.begin(), names.end());
    return names;
}

FileLock TestFolder::HoldOpenExclusively(std::string_view name) const {
    const std::wstring path = PathOf(name);
    FileLock file = Open(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_ALWAYS);
    if (!file) throw DriverError(ErrorIn("cannot hold open", path));
    return file;
}

}  // namespace e2e
