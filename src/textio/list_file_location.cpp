#include <windows.h>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "textio/list_file.h"
#include "textio/list_file_name.h"

namespace {
// Shared by the capture, the restore and the preview, each of which locates the file first.
int16_t currentListNumber = -1;
}  // namespace

int16_t LocateListFile(std::string& fullPath) { return LocateListFile(ControlTextA(control::kListNumber), fullPath); }

int16_t LocateListFile(std::string_view listNumberText, std::string& fullPath) {
    const std::string name = ListFileName(listNumberText);
    char buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, buffer, nullptr);
    fullPath = length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
    const bool exists = !fullPath.empty() && GetFileAttributesA(fullPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    currentListNumber = exists ? ListNumberFromText(listNumberText) : int16_t{-1};
    return currentListNumber;
}

int16_t CurrentListNumber() { return currentListNumber; }
