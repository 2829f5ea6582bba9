#include "app/window_classes.h"

#include "app/ui_resources.h"

ATOM RegisterProgramWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure, HICON icon,
                                HICON smallIcon) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = BackgroundBrush();
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass);
}

void RegisterDialogWindowClass(HINSTANCE instance) {
    RegisterProgramWindowClass(instance, "NORMALDLG", DefWindowProcA, LoadIconA(nullptr, IDI_APPLICATION),
                               LoadIconA(nullptr, IDI_WINLOGO));
}
