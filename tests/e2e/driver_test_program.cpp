// A stand-in for Pavorin in the driver's own tests: a NORMAL0 window with an edit and three buttons. Button 1
// shows a message box whose type is the number on the command line and writes the answer into the edit;
// button 2 crashes inside a posted message; button 3 opens a NORMALDLG window owned by the main window.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

UINT boxType = MB_OK;

void ShowBox(HWND window) {
    const int answer = MessageBoxW(window, L"\u4E00\u884C\u76EE\n2", L"\u78BA\u8A8D", boxType);
    SetDlgItemTextW(window, 10, std::to_wstring(answer).c_str());
}

void Crash() { *static_cast<volatile int*>(nullptr) = 1; }

void OpenDialog(HWND window) {
    CreateWindowExW(0, L"NORMALDLG", L"dialog", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 10, 10, 200, 100, window,
                    nullptr, GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, window,
                            reinterpret_cast<HMENU>(10), nullptr, nullptr);
            for (int id = 1; id <= 3; ++id)
                CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE, 10, 10 + 30 * id, 100, 25, window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == 1) ShowBox(window);
            if (LOWORD(wParam) == 2) Crash();
            if (LOWORD(wParam) == 3) OpenDialog(window);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Register(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    boxType = static_cast<UINT>(std::strtoul(commandLine, nullptr, 0));
    Register(L"NORMAL0", MainProc);
    Register(L"NORMALDLG", DefWindowProcW);
    CreateWindowExW(0, L"NORMAL0", L"test program", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 300, 300, 300, 200, nullptr,
                    nullptr, GetModuleHandleW(nullptr), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
