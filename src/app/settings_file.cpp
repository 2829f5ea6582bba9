#include "app/settings_file.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "ui/control_ids.h"
#include "ui/main_window_access.h"
#include "ui/ui_resources.h"
#include "win32/text_conversion.h"
#include "win32/unique_handle.h"

namespace {

// The program writes a few dozen bytes; the start of anything bigger holds every field worth reading.
constexpr DWORD kMostBytesRead = 1 << 20;

std::string ReadFileStart(HANDLE file) {
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (text.size() < kMostBytesRead && ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) {
        text.append(chunk, std::min<std::size_t>(got, kMostBytesRead - text.size()));
    }
    return text;
}

void WriteBytes(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void ShowCheck(int controlId, int32_t value) {
    SendDlgItemMessageW(MainWindow(), controlId, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int32_t CheckValue(int controlId) { return IsControlChecked(controlId) ? -1 : 0; }

Settings SettingsFromWindow() {
    Settings settings;
    settings.saveState = CheckValue(control::kSaveState);
    settings.listNumber = win32::WideToBytes(ControlTextW(control::kListNumber), win32::kSettingsCodePage);
    settings.overwriteMode = ComboSelection(control::kOverwriteMode);
    settings.showStateMode = ComboSelection(control::kShowStateMode);
    settings.reportResults = CheckValue(control::kReportResults);
    settings.duplicateCheckOnCapture = CheckValue(control::kDuplicateCheckOnCapture);
    settings.options = Options();
    return settings;
}

}  // namespace

Settings ReadSettingsFile() {
    Settings start;
    start.options = Options();
    const win32::UniqueFile file(CreateFileW(SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    return ReadSettingsLine(file ? ReadFileStart(file.get()) : std::string(), start).settings;
}

Settings LoadSettings() {
    const Settings loaded = ReadSettingsFile();
    ShowCheck(control::kReportResults, loaded.reportResults);
    ShowCheck(control::kSaveState, loaded.saveState);
    ShowCheck(control::kDuplicateCheckOnCapture, loaded.duplicateCheckOnCapture);
    SetOptions(loaded.options);
    return loaded;
}

void SaveSettings() {
    const bool saveEverything = IsControlChecked(control::kSaveState);
    const win32::UniqueFile file(CreateFileW(SettingsPath().c_str(),
                                             saveEverything ? GENERIC_WRITE : GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                             saveEverything ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                             nullptr));
    if (!file) return;
    WriteBytes(file.get(), saveEverything ? WriteSettingsLine(SettingsFromWindow()) : std::string("0\t"));
}
