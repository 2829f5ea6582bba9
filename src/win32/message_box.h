#pragma once
// Every message box of the program goes through ShowMessageBox, so that unit tests can record the
// boxes (owner, text, caption, type) instead of showing them. The program itself never sets a hook.
#include <windows.h>

#include <string_view>

namespace win32 {

// text and caption are UTF-8; the box shows them through MessageBoxW, whatever the system's code page.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);
// The same with UTF-16 text; a test hook sees it as UTF-8 too.
int ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type);

// While one lives, no box is shown and each answers 0, as a box that could not be made (a run from the
// command line with /quiet tells everything through its exit code).
class NoMessageBoxes {
public:
    NoMessageBoxes();
    ~NoMessageBoxes();
    NoMessageBoxes(const NoMessageBoxes&) = delete;
    NoMessageBoxes& operator=(const NoMessageBoxes&) = delete;

private:
    bool wereShown_;
};

using MessageBoxHook = int (*)(HWND owner, std::string_view text, std::string_view caption, UINT type);

// Tests only: route every box to hook (nullptr restores MessageBoxW). Returns the previous hook.
MessageBoxHook SetMessageBoxHookForTests(MessageBoxHook hook);

}  // namespace win32
