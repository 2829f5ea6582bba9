#include "dialogs/options_dialog_fields.h"

#include <initializer_list>
#include <iterator>

#include "convert/number_text.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/dialog_window.h"
#include "ui/control_ids.h"
#include "ui/ui_resources.h"
#include "win32/text_conversion.h"

namespace {

// Created in this order: it is the z-order, and the radio group runs from 1023 to the next WS_GROUP.
constexpr DialogControl kOptionsControls[] = {
    {control::kDuplicatePathMode, L"BUTTON", dialog_text::kDuplicatePathMode, BS_AUTOCHECKBOX, 0, 23, 109, 127, 19},
    {control::kOpenMethodGroup, L"BUTTON", dialog_text::kOpenMethodGroup, BS_GROUPBOX | WS_GROUP, 0, 12, 7, 240, 90},
    {control::kDuplicatePathNote, L"STATIC", dialog_text::kDuplicatePathNote, SS_LEFT, 0, 25, 135, 226, 16},
    {control::kOk, L"BUTTON", dialog_text::kOk, BS_DEFPUSHBUTTON, 0, 270, 120, 75, 30},
    {control::kApplyGroup, L"BUTTON", dialog_text::kApplyGroup, BS_GROUPBOX | WS_GROUP, 0, 263, 7, 176, 104},
    {control::kApplyPlacement, L"BUTTON", dialog_text::kApplyPlacement, BS_AUTOCHECKBOX, 0, 278, 46, 150, 16},
    {control::kApplyViewMode, L"BUTTON", dialog_text::kApplyViewMode, BS_AUTOCHECKBOX, 0, 278, 66, 85, 16},
    {control::kApplyCaption, L"STATIC", dialog_text::kApplyCaption, SS_CENTER, 0, 276, 26, 149, 15},
    {control::kDefaults, L"BUTTON", dialog_text::kDefaults, BS_PUSHBUTTON, 0, 363, 120, 75, 30},
    {control::kOpenWithCapturedClass, L"BUTTON", dialog_text::kOpenWithCapturedClass, BS_AUTORADIOBUTTON | WS_GROUP, 0,
     30, 28, 128, 16},
    {control::kOpenAsFolder, L"BUTTON", dialog_text::kOpenAsFolder, BS_AUTORADIOBUTTON, 0, 30, 50, 200, 15},
    {control::kOpenAsExplorer, L"BUTTON", dialog_text::kOpenAsExplorer, BS_AUTORADIOBUTTON, 0, 30, 72, 207, 15},
    {control::kUnmaximize, L"BUTTON", dialog_text::kUnmaximize, BS_AUTOCHECKBOX, 0, 278, 88, 137, 16},
    {control::kTimeout, L"EDIT", L"", ES_CENTER, WS_EX_CLIENTEDGE, 175, 108, 41, 18},
    {control::kTimeoutUnit, L"STATIC", dialog_text::kTimeoutUnit, SS_CENTER, 0, 216, 118, 28, 10},
};
static_assert(std::size(kOptionsControls) == 15);

constexpr int kTimeoutCharacters = 5;

struct OpenMethodButton {
    int controlId;
    int32_t method;
};
constexpr OpenMethodButton kOpenMethodButtons[] = {
    {control::kOpenWithCapturedClass, 1}, {control::kOpenAsFolder, 2}, {control::kOpenAsExplorer, 4}};

void SetCheck(HWND dialog, int controlId, bool checked) {
    CheckDlgButton(dialog, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

// 0 or 1: an auto check box or radio button has no third state.
int32_t CheckState(HWND dialog, int controlId) { return IsDlgButtonChecked(dialog, controlId) == BST_CHECKED ? 1 : 0; }

int32_t StoredBoolean(HWND dialog, int controlId) { return CheckState(dialog, controlId) ? -1 : 0; }

void DrawTimeoutAsEnabled(HWND dialog, bool enabled) {
    SendDlgItemMessageW(dialog, control::kTimeout, WM_ENABLE, enabled ? TRUE : FALSE, 0);
}

uint32_t ReadTimeout(HWND dialog) {
    wchar_t text[kTimeoutCharacters + 1] = {};
    GetDlgItemTextW(dialog, control::kTimeout, text, kTimeoutCharacters + 1);
    return ToUInt32(TextToNumber(win32::WideToUtf8(text)));
}

void ShowOptions(HWND dialog, const RestoreOptions& options) {
    for (const OpenMethodButton& button : kOpenMethodButtons)
        SetCheck(dialog, button.controlId, options.openMethod == button.method);
    SetCheck(dialog, control::kDuplicatePathMode, options.duplicatePathMode != 0);
    SetCheck(dialog, control::kApplyPlacement, options.applyPlacement != 0);
    SetCheck(dialog, control::kApplyViewMode, options.applyViewMode != 0);
    SetCheck(dialog, control::kUnmaximize, options.unmaximize != 0);
    SetDlgItemTextW(dialog, control::kTimeout, win32::Utf8ToWide(NumberToText(options.timeoutMs)).c_str());
    UpdateTimeoutLook(dialog);
}

}  // namespace

void CreateOptionsDialogControls(HWND dialog) {
    CreateDialogControls(dialog, kOptionsControls, DialogFont());
    SendDlgItemMessageW(dialog, control::kTimeout, EM_LIMITTEXT, kTimeoutCharacters, 0);
}

void LoadOptionsIntoDialog(HWND dialog) { ShowOptions(dialog, Options()); }

void UpdateTimeoutLook(HWND dialog) {
    switch (IsDlgButtonChecked(dialog, control::kDuplicatePathMode)) {
        case BST_UNCHECKED: DrawTimeoutAsEnabled(dialog, true); break;
        case BST_CHECKED: DrawTimeoutAsEnabled(dialog, false); break;
        default: break;
    }
}

// The defaults are the values every run starts with.
void ResetOptionsToDefaults(HWND dialog) { ShowOptions(dialog, RestoreOptions{}); }

int32_t StoreOptionsFromDialog(HWND dialog) {
    RestoreOptions options = Options();
    options.duplicatePathMode = StoredBoolean(dialog, control::kDuplicatePathMode);
    options.openMethod = 0;
    for (const OpenMethodButton& button : kOpenMethodButtons)
        options.openMethod += button.method * CheckState(dialog, button.controlId);
    options.applyPlacement = StoredBoolean(dialog, control::kApplyPlacement);
    options.applyViewMode = StoredBoolean(dialog, control::kApplyViewMode);
    options.unmaximize = StoredBoolean(dialog, control::kUnmaximize);
    options.timeoutMs = ReadTimeout(dialog);
    SetOptions(options);
    return options.openMethod;
}
