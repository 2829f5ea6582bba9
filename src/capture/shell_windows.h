#pragma once
// The shell's list of open shell windows (IShellWindows) and what one entry offers: its browser
// (IWebBrowser2), its folder view (IFolderView through IServiceProvider), its location and window.
// Used by the capture and the restore, each inside its own win32::ComApartment.
//
// Every failure of the shell's objects is folded into an "absent" answer: a list that cannot be
// created or counted holds zero entries, an entry that cannot be fetched or queried has no browser.
#include <windows.h>
#include <exdisp.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace capture {

// The shell window list's class, kept as text and converted each time a command opens the list.
inline constexpr char kShellWindowsClsidText[] = "{9BA05972-F6A8-11CF-A442-00A0C90A8F39}";

// ANSI (system code page) text to a CLSID: "{...}" through CLSIDFromString, anything else as a ProgID.
// The result is the HRESULT of the conversion; clsid is written only on success.
HRESULT ClsidFromText(const char* text, CLSID* clsid);

class ShellWindowList {
public:
    // Creates the list (CLSCTX_ALL); an unusable list is empty, never an error.
    static ShellWindowList Open();

    // get_Count; 0 when the list could not be created or the count cannot be read.
    long Count() const;

    // Entry index (0-based) through Item with a VT_I4 index, as its IWebBrowser2.
    // Null when Item does not answer S_OK or the entry is no web browser object.
    Microsoft::WRL::ComPtr<IWebBrowser2> Browser(long index) const;

    bool IsOpen() const { return list_ != nullptr; }
    // The list itself (null when it could not be created), for its connection points.
    IShellWindows* Get() const { return list_.Get(); }

private:
    Microsoft::WRL::ComPtr<IShellWindows> list_;
};

enum class FolderViewLookup {
    kFolder,       // view holds the window's IFolderView
    kNoFolder,     // QueryService refused: a browser window showing a web page
    kUnreachable,  // the entry offers no IServiceProvider: treat it like an absent entry
};

// The folder view behind a shell window (service and interface IID_IFolderView).
FolderViewLookup LookUpFolderView(IWebBrowser2* browser, Microsoft::WRL::ComPtr<IFolderView>& view);

// get_LocationURL, whole (the BSTR's length prefix counts the units); empty when it cannot be read.
std::wstring LocationUrlOf(IWebBrowser2* browser);

// get_HWND; null when it cannot be read.
HWND WindowOf(IWebBrowser2* browser);

// The file-system path of a file URL, at most room units; empty when the URL is no file URL or the
// path does not fit.
std::wstring PathFromUrl(std::wstring_view url, size_t room);

// The file URL of a path, at most length units; empty when it does not fit.
std::wstring UrlFromPath(std::wstring_view path, size_t length);

}  // namespace capture
