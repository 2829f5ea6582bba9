#include "ui/ui_resources.h"

#include <iterator>

#include "ui/ui_texts.h"
#include "win32/unique_handle.h"

namespace {

win32::UniqueFont controlFont;
win32::UniqueFont dialogFont;
win32::UniqueFont titleFont;
win32::UniqueBrush backgroundBrush;

std::wstring settingsPath;
char16_t fieldSeparator = u':';
SIZE screenSize{};
RestoreOptions restoreOptions;

// The three shared fonts differ only in these; the rest is the program's look for Japanese text.
HFONT CreateSharedFont(int height, int weight, DWORD pitchAndFamily) {
    return CreateProgramFont(height, weight, SHIFTJIS_CHARSET, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                             pitchAndFamily);
}

}  // namespace

HFONT CreateProgramFont(int height, int weight, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                        DWORD quality, DWORD pitchAndFamily) {
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charSet, outPrecision, clipPrecision, quality,
                       pitchAndFamily, ui_text::kFontFace);
}

void CreateUiResources() {
    controlFont.reset(CreateSharedFont(-15, FW_NORMAL, FF_MODERN | VARIABLE_PITCH));
    dialogFont.reset(CreateSharedFont(-12, FW_NORMAL, FF_SWISS | DEFAULT_PITCH));
    titleFont.reset(CreateSharedFont(-16, FW_BOLD, FF_MODERN | VARIABLE_PITCH));
    backgroundBrush.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
}

void ReleaseUiResources() {
    controlFont.reset();
    dialogFont.reset();
    titleFont.reset();
    backgroundBrush.reset();
}

HFONT ControlFont() { return controlFont.get(); }
HFONT DialogFont() { return dialogFont.get(); }
HFONT TitleFont() { return titleFont.get(); }
HBRUSH BackgroundBrush() { return backgroundBrush.get(); }

const std::wstring& SettingsPath() { return settingsPath; }

void FixSettingsPath() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(L"Pavorin.ini", MAX_PATH, buffer, nullptr);
    // A current directory too long for the buffer leaves no path rather than a cut one.
    settingsPath = (length > 0 && length < MAX_PATH) ? std::wstring(buffer, length) : std::wstring();
}

bool SettingsFileExists() {
    return !settingsPath.empty() && GetFileAttributesW(settingsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

char16_t FieldSeparator() { return fieldSeparator; }

void MakeFieldSeparator() {
    wchar_t unit = L':';
    MultiByteToWideChar(CP_ACP, 0, ":", 1, &unit, 1);
    fieldSeparator = static_cast<char16_t>(unit);
}

SIZE ScreenSize() { return screenSize; }

void ReadScreenSize() {
    screenSize.cx = GetSystemMetrics(SM_CXSCREEN);
    screenSize.cy = GetSystemMetrics(SM_CYSCREEN);
}

const wchar_t* FaceText(int index) {
    static_assert(std::size(ui_text::kFaces) == kFaceCount);
    return (index >= 0 && index < kFaceCount) ? ui_text::kFaces[index] : nullptr;
}

const RestoreOptions& Options() { return restoreOptions; }
void SetOptions(const RestoreOptions& options) { restoreOptions = options; }
