#include "ui/main_window_access.h"

#include <vector>

namespace {
HWND mainWindow = nullptr;
}  // namespace

HWND MainWindow() { return mainWindow; }
void SetMainWindow(HWND window) { mainWindow = window; }

std::wstring ControlTextW(int controlId) {
    const LRESULT length = SendDlgItemMessageW(MainWindow(), controlId, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendDlgItemMessageW(MainWindow(), controlId, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void SetControlTextW(int controlId, std::wstring_view text) {
    const std::wstring terminated(text);
    SendDlgItemMessageW(MainWindow(), controlId, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

bool IsControlChecked(int controlId) {
    return SendDlgItemMessageW(MainWindow(), controlId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int16_t ComboSelection(int controlId) {
    return static_cast<int16_t>(SendDlgItemMessageW(MainWindow(), controlId, CB_GETCURSEL, 0, 0));
}

void SetCaptionText(std::wstring_view text) {
    std::wstring caption = L"Pavorin - ";
    caption.append(text);
    SendMessageW(MainWindow(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
}
