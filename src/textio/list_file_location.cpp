#include <windows.h>

#include "textio/list_file.h"
#include "textio/list_file_name.h"
#include "ui/control_ids.h"
#include "ui/main_window_access.h"
#include "win32/text_conversion.h"

namespace {
// Shared by the capture, the restore and the preview, each of which locates the file first.
int16_t currentListNumber = -1;
}  // namespace

int16_t LocateListFile(std::wstring& fullPath) { return LocateListFile(ControlTextW(control::kListNumber), fullPath); }

int16_t LocateListFile(std::wstring_view listNumberText, std::wstring& fullPath) {
    const std::wstring name(win32::AsWide(ListFileName(win32::AsUtf16(listNumberText))));
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(name.c_str(), MAX_PATH, buffer, nullptr);
    fullPath = length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
    const bool exists = !fullPath.empty() && GetFileAttributesW(fullPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    currentListNumber = exists ? ListNumberFromText(win32::WideToUtf8(listNumberText)) : int16_t{-1};
    return currentListNumber;
}

int16_t CurrentListNumber() { return currentListNumber; }
