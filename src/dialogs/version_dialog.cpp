#include "dialogs/version_dialog.h"

#include <cstdint>
#include <cstring>

#include "dialogs/center_on_screen.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/dialog_window.h"
#include "ui/control_ids.h"
#include "ui/ui_resources.h"

namespace {

constexpr SIZE kOuterSize{394, 185};

constexpr DialogControl kVersionControls[] = {
    {control::kVersionText, L"STATIC", dialog_text::kVersionText, SS_CENTER, 0, 29, 13, 327, 22},
    {control::kOk, L"BUTTON", dialog_text::kOk, BS_DEFPUSHBUTTON, 0, 145, 117, 107, 35},
    {control::kReleaseDate, L"STATIC", dialog_text::kReleaseDate, SS_LEFT, 0, 103, 80, 173, 19},
    {control::kNextFace, L"BUTTON", dialog_text::kNextFace, BS_DEFPUSHBUTTON, 0, 20, 117, 107, 35},
    {control::kRemoveFace, L"BUTTON", dialog_text::kRemoveFace, BS_DEFPUSHBUTTON, 0, 270, 117, 107, 35},
    {control::kCredit, L"STATIC", dialog_text::kCredit, SS_CENTER, 0, 72, 35, 248, 22},
};

// The face the face button wears; kept for the whole run, across openings of the dialog.
uint8_t faceIndex = 0;

HWND FaceButton(HWND dialog) { return GetDlgItem(GetWindow(dialog, GW_OWNER), control::kFaceButton); }

void NextFace(HWND dialog) {
    ++faceIndex;
    if (faceIndex >= kFaceCount) faceIndex = 0;
    SetWindowTextW(FaceButton(dialog), FaceText(faceIndex));
}

// The button's own WM_CLOSE handling destroys it: it is gone until the program starts again, and with
// it the only way to open this dialog.
void RemoveFaceButton(HWND dialog) {
    SendMessageW(FaceButton(dialog), WM_CLOSE, 0, 0);
    DestroyWindow(dialog);
}

void OnInitDialog(HWND dialog) {
    CreateDialogControls(dialog, kVersionControls, TitleFont());
    CenterOnScreen(dialog);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    if (IsClickOn(wParam, control::kOk)) DestroyWindow(dialog);
    else if (IsClickOn(wParam, control::kNextFace)) NextFace(dialog);
    else if (IsClickOn(wParam, control::kRemoveFace)) RemoveFaceButton(dialog);
}

// Every way of closing ends here, so the face button (if it still exists) is usable again.
void OnDestroy(HWND dialog) { EnableWindow(FaceButton(dialog), TRUE); }

LRESULT CALLBACK VersionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(dialog); return 0;
        case WM_COMMAND: OnCommand(dialog, wParam); return 0;
        case WM_CLOSE: DestroyWindow(dialog); return 0;
        case WM_DESTROY: OnDestroy(dialog); return 0;
        default: return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

}  // namespace

HWND OpenVersionDialog(HWND owner, const char* dialogName) {
    if (std::strcmp(dialogName, "VersionDlg") != 0) return nullptr;
    return CreateDialogWindow(owner, dialog_text::kVersionTitle, kOuterSize, VersionDialogProc);
}
