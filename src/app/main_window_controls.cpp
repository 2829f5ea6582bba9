#include "app/main_window_controls.h"

#include <commctrl.h>

#include <initializer_list>

#include "app/app_texts.h"
#include "ui/control_ids.h"
#include "ui/ui_resources.h"
#include "ui/ui_texts.h"

namespace {

struct ControlLayout {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    int x, y, width, height;
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTextArea = kChild | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE;
constexpr DWORD kOneLineBox = kChild | ES_CENTER;
constexpr DWORD kDropDownList = kChild | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_DISABLENOSCROLL;
constexpr DWORD kCheckBox = kChild | BS_AUTOCHECKBOX | BS_RIGHT;
constexpr DWORD kPushLikeCheckBox = kChild | BS_AUTOCHECKBOX | BS_CENTER | BS_VCENTER | BS_PUSHLIKE;
constexpr DWORD kTitleBoxExStyle = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
static_assert(kTextArea == 0x50300004 && kOneLineBox == 0x50000001 && kDropDownList == 0x50200843);
static_assert(kCheckBox == 0x50000203 && kPushLikeCheckBox == 0x50001F03 && kTitleBoxExStyle == 0x20201);

// In creation order, which is also the order of the controls among their siblings.
const ControlLayout kControls[] = {
    {control::kCaptureButton, L"BUTTON", app_text::kCaptureButtonText, 35, 20, 130, 45, kChild, 0},
    {control::kRestoreButton, L"BUTTON", app_text::kRestoreButtonText, 295, 20, 130, 45, kChild, 0},
    {control::kTaskbarListing, L"EDIT", L"", 25, 80, 400, 118, kTextArea, WS_EX_CLIENTEDGE},
    {control::kListText, L"EDIT", L"", 25, 245, 400, 118, kTextArea, WS_EX_CLIENTEDGE},
    {control::kListTitle, L"EDIT", L"", 25, 375, 400, 35, kOneLineBox, kTitleBoxExStyle},
    {control::kListNumber, L"EDIT", L"", 180, 25, 98, 38, kOneLineBox, WS_EX_CLIENTEDGE},
    {control::kOverwriteMode, L"COMBOBOX", L"", 30, 421, 100, 60, kDropDownList, 0},
    {control::kReportResults, L"BUTTON", app_text::kReportResultsText, 185, 425, 95, 18, kCheckBox, 0},
    {control::kSaveState, L"BUTTON", app_text::kSaveStateText, 315, 425, 96, 18, kCheckBox, 0},
    {control::kOptionsButton, L"BUTTON", app_text::kOptionsButtonText, 310, 450, 118, 23, kPushLikeCheckBox,
     WS_EX_CLIENTEDGE},
    {control::kDuplicateCheckButton, L"BUTTON", app_text::kDuplicateCheckButtonText, 46, 210, 113, 27,
     kChild | WS_DISABLED, 0},
    {control::kDuplicateCheckOnCapture, L"BUTTON", app_text::kDuplicateCheckOnCaptureText, 190, 210, 194, 28,
     kChild | WS_DISABLED | BS_AUTOCHECKBOX, 0},
    {control::kFaceButton, L"BUTTON", ui_text::kFaces[0], 42, 451, 71, 24, kChild, 0},
    {control::kShowStateMode, L"COMBOBOX", L"", 172, 450, 120, 60, kDropDownList, 0},
};

HINSTANCE InstanceOf(HWND window) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)); }

void CreateControl(HWND window, const ControlLayout& layout) {
    const HWND control =
        CreateWindowExW(layout.exStyle, layout.className, layout.text, layout.style, layout.x, layout.y, layout.width,
                        layout.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                        InstanceOf(window), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), 0);
}

// The arrows step the list number; up counts toward 0, down toward 100. UDS_AUTOBUDDY would first attach the
// control to the sibling created just before it (combo 1013) and narrow that by the arrows' width, before the
// explicit buddy is set; so the style takes that bit only once the buddy is in place.
void CreateListNumberUpDown(HWND window) {
    constexpr DWORD kStyle = kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_NOTHOUSANDS;
    static_assert(kStyle == 0x50000096);
    const HWND upDown = CreateUpDownControl(kStyle & ~UDS_AUTOBUDDY, 258, 25, 20, 38, window, 0, InstanceOf(window),
                                            GetDlgItem(window, control::kListNumber), 0, 100, 0);
    SetWindowLongPtrW(upDown, GWL_STYLE, kStyle);
}

template <typename Items>
void FillComboBox(HWND window, int id, const Items& items, int32_t selection) {
    for (const wchar_t* item : items) SendDlgItemMessageW(window, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendDlgItemMessageW(window, id, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

}  // namespace

void CreateMainWindowControls(HWND window) {
    for (const ControlLayout& layout : kControls) CreateControl(window, layout);
    CreateListNumberUpDown(window);
}

void FillComboBoxes(HWND window, int32_t overwriteMode, int32_t showStateMode) {
    FillComboBox(window, control::kOverwriteMode, app_text::kOverwriteModeItems, overwriteMode);
    FillComboBox(window, control::kShowStateMode, app_text::kShowStateModeItems, showStateMode);
}
