#include "app/window_classes.h"

#include "ui/ui_resources.h"

ATOM RegisterProgramWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure, HICON icon,
                                HICON smallIcon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = BackgroundBrush();
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass);
}

void RegisterDialogWindowClass(HINSTANCE instance) {
    RegisterProgramWindowClass(instance, L"NORMALDLG", DefWindowProcW, LoadIconA(nullptr, IDI_APPLICATION),
                               LoadIconA(nullptr, IDI_WINLOGO));
}
