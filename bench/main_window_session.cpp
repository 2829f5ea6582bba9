#include "main_window_session.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "app/main_window.h"
#include "app/window_classes.h"
#include "ui/main_window_access.h"
#include "ui/ui_resources.h"
#include "win32/text_conversion.h"

namespace {

HINSTANCE ThisModule() { return GetModuleHandleA(nullptr); }

std::string CurrentDirectory() {
    std::vector<char> buffer(GetCurrentDirectoryA(0, nullptr) + 1, '\0');
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    return std::string(buffer.data(), length);
}

void DeleteFolderContents(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") DeleteFileA((folder + "\\" + name).c_str());
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

}  // namespace

TemporaryFolder::TemporaryFolder() : previous_(CurrentDirectory()) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char unique[MAX_PATH];
    GetTempFileNameA(base, "pav", 0, unique);
    DeleteFileA(unique);
    CreateDirectoryA(unique, nullptr);
    path_ = unique;
    SetCurrentDirectoryA(path_.c_str());
}

TemporaryFolder::~TemporaryFolder() {
    SetCurrentDirectoryA(previous_.c_str());
    DeleteFolderContents(path_);
    RemoveDirectoryA(path_.c_str());
}

MainWindowSession::MainWindowSession() {
    SetOptions(RestoreOptions{});
    CreateUiResources();
    RegisterDialogWindowClass(ThisModule());
    FixSettingsPath();
    MakeFieldSeparator();
    RegisterMainWindowClass(ThisModule());
    window_ = CreateMainWindow(ThisModule());
}

MainWindowSession::~MainWindowSession() {
    Close();
    UnregisterClassA("NORMAL0", ThisModule());
    UnregisterClassA("NORMALDLG", ThisModule());
}

bool MainWindowSession::Close() {
    if (!window_ || !IsWindow(window_)) return false;
    SendMessageA(window_, WM_CLOSE, 0, 0);
    window_ = nullptr;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return message.wParam == 0;
    }
    return false;
}

void MainWindowSession::SetCheck(int id, bool checked) const {
    SendDlgItemMessageA(window_, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool MainWindowSession::IsChecked(int id) const {
    return SendDlgItemMessageA(window_, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int MainWindowSession::Selection(int id) const {
    return static_cast<int>(SendDlgItemMessageA(window_, id, CB_GETCURSEL, 0, 0));
}

void MainWindowSession::Select(int id, int index) const {
    SendDlgItemMessageA(window_, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string MainWindowSession::Text(int id) const {
    wchar_t buffer[256] = {};
    const UINT length = GetDlgItemTextW(window_, id, buffer, 256);
    return win32::WideToUtf8(std::wstring_view(buffer, length));
}

void MainWindowSession::SetText(int id, const std::string& text) const {
    SetDlgItemTextW(window_, id, win32::Utf8ToWide(text).c_str());
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
