#include "app/desktop_shortcut.h"

#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <optional>
#include <string>

#include "app/command_line.h"
#include "convert/number_text.h"
#include "textio/list_file.h"
#include "ui/control_ids.h"
#include "ui/main_window_access.h"
#include "win32/com_guards.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"
#include "win32/unique_handle.h"

namespace {

constexpr wchar_t kMenuText[] = L"デスクトップにショートカットを作成";
constexpr wchar_t kCaption[] = L"Pavorin";
constexpr wchar_t kCreatedText[] = L"デスクトップにショートカットを作成しました\n";
constexpr wchar_t kFailedText[] = L"ショートカットを作成できませんでした";
constexpr wchar_t kNoListText[] = L"ファイルがありません";
constexpr wchar_t kFileErrorCaption[] = L"ファイルエラー";

struct Shortcut {
    std::wstring target;  // the running Pavorin.exe
    std::wstring arguments;
    std::wstring workingDirectory;
    std::wstring description;  // the list's title
};

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

std::wstring CurrentDirectory() {
    std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data());
    path.resize(length < path.size() ? length : 0);
    return path;
}

HRESULT DesktopFolder(std::wstring& path) {
    PWSTR folder = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &folder);
    const win32::UniqueTaskString owned(folder);
    if (SUCCEEDED(result)) path = folder;
    return result;
}

HRESULT SaveShortcut(const Shortcut& shortcut, const std::wstring& linkPath) {
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link));
    if (FAILED(result)) return result;
    // The description field holds less than INFOTIPSIZE units; a longer title is cut, not refused.
    const std::wstring description = shortcut.description.substr(0, INFOTIPSIZE - 1);
    if (FAILED(result = link->SetPath(shortcut.target.c_str()))) return result;
    if (FAILED(result = link->SetArguments(shortcut.arguments.c_str()))) return result;
    if (FAILED(result = link->SetWorkingDirectory(shortcut.workingDirectory.c_str()))) return result;
    if (FAILED(result = link->SetDescription(description.c_str()))) return result;
    if (FAILED(result = link->SetIconLocation(shortcut.target.c_str(), 0))) return result;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(result = link.As(&file))) return result;
    return file->Save(linkPath.c_str(), TRUE);
}

// The system's own words for a failure; its number when the system has none.
std::wstring ReasonText(HRESULT result) {
    PWSTR text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(result), 0, reinterpret_cast<PWSTR>(&text), 0, nullptr);
    const win32::UniqueHandle<win32::LocalMemoryTraits<PWSTR>> owned(text);
    std::wstring reason = length > 0 ? std::wstring(text, length) : std::wstring();
    reason.erase(reason.find_last_not_of(L" \r\n") + 1);
    if (!reason.empty()) return reason;
    wchar_t number[16] = {};
    wsprintfW(number, L"0x%08X", static_cast<unsigned>(result));
    return number;
}

HRESULT CreateShortcut(int32_t listNumber, const std::wstring& listPath, std::wstring& linkName) {
    const std::wstring number = std::to_wstring(listNumber);
    const ListFileReadResult list = ReadListFileW(listPath, MainWindow());
    const Shortcut shortcut{ProgramPath(), L"/restore " + number, CurrentDirectory(),
                            std::wstring(win32::AsWide(list.contents.title))};
    std::wstring desktop;
    const HRESULT found = DesktopFolder(desktop);
    if (FAILED(found)) return found;
    linkName = L"Pavorin " + number + L".lnk";
    const win32::ComApartment apartment;
    return SaveShortcut(shortcut, desktop + L"\\" + linkName);
}

}  // namespace

void AddShortcutMenuItem(HWND window) {
    const HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kCreateShortcutCommand, kMenuText);
}

// The shortcut restores "lists" + N + ".txt", N as the command line reads it; a box text naming another
// file ("007" names lists007.txt, the shortcut's /restore 007 reads lists7.txt) finds no list here.
void CreateDesktopShortcut() {
    const std::optional<int32_t> number = ParseListNumber(win32::AsUtf16(ControlTextW(control::kListNumber)));
    std::wstring listPath;
    if (!number || LocateListFile(win32::Utf8ToWide(NumberToText(*number)), listPath) == -1) {
        win32::ShowMessageBox(MainWindow(), kNoListText, kFileErrorCaption, MB_ICONWARNING);
        return;
    }
    std::wstring linkName;
    const HRESULT result = CreateShortcut(*number, listPath, linkName);
    if (SUCCEEDED(result)) {
        win32::ShowMessageBox(MainWindow(), kCreatedText + linkName, kCaption, MB_OK);
    } else {
        win32::ShowMessageBox(MainWindow(), std::wstring(kFailedText) + L"\n" + ReasonText(result), kCaption,
                              MB_ICONWARNING);
    }
}
