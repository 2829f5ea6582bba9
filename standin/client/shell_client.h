#pragma once
// A client of the stand-in that reads the desktop the way the program does: the shell window list
// through CLSID_ShellWindows, the taskbar through the toolbar in the shell's process, folders opened
// through ShellExecuteW.
#include <windows.h>
#include <exdisp.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "control/standin_control.h"
#include "win32/com_guards.h"

namespace standin::testing {

struct ListedFolder {
    HWND hwnd = nullptr;
    std::wstring url;
    std::wstring path;  // PathCreateFromUrlW of url
    UINT viewMode = 0;
};

struct ListReading {
    std::vector<ListedFolder> folders;  // entries with a folder view and a file-system path
    int browserWindows = 0;             // entries whose QueryService for the folder view failed
    int absent = 0;                     // entries Item did not give, or without a path
};

Microsoft::WRL::ComPtr<IShellWindows> CreateShellWindows(HRESULT* result = nullptr);
ListReading ReadShellWindows(IShellWindows& list);
LONG CountOf(IShellWindows& list);
// The browser object of the newest entry showing url (searching from the newest down), or nullptr.
Microsoft::WRL::ComPtr<IWebBrowser2> FindNewestByUrl(IShellWindows& list, const std::wstring& url);
Microsoft::WRL::ComPtr<IFolderView> FolderViewOf(IWebBrowser2& browser, HRESULT* result = nullptr);
std::wstring UrlFromPath(const std::wstring& path);

// The windows behind the taskbar buttons after the leading one, read out of the shell's process;
// nullptr entries for buttons without a window. Empty when the toolbar cannot be found.
std::vector<HWND> ReadTaskbar();

// The placement a window gets after SetWindowPlacement with the given show command and rectangle.
WINDOWPLACEMENT Placement(UINT showCmd, const RECT& normal, UINT flags = 0);

}  // namespace standin::testing
