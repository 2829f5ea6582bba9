#pragma once
// The list file of the chosen list number: where it is, and writing and reading it through the slot
// tables (line buffer 0 for writing, line-input slot 1 for reading).
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "textio/list_file_reader.h"
#include "textio/window_record.h"

// The full path of "lists" + the text of the list-number box + ".txt" against the current directory
// (empty when that path would not fit in MAX_PATH), and the list number when something of that name
// exists, else -1. The answer is kept as the current list number.
int16_t LocateListFile(std::wstring& fullPath);
// The same for a list-number text given by the caller instead of the box.
int16_t LocateListFile(std::wstring_view listNumberText, std::wstring& fullPath);
// The answer of the last LocateListFile; -1 before the first.
int16_t CurrentListNumber();

struct ListFileWriteResult {
    // FileWriteW's answer (1 written, -5 access denied, -1 other failure), or 0 when the text could not
    // be built in line buffer 0 (already reported by the buffer table): nothing was written then.
    int result = 0;
    std::wstring text;  // the text of the file, without its byte order mark
};
// Builds the list text in line buffer 0, writes it to fullPath and deletes the buffer again; owner is
// the window of the buffer table's boxes.
ListFileWriteResult WriteListFileW(std::u16string_view title, std::span<const WindowRecord> records,
                                   std::wstring_view fullPath, HWND owner);

struct ListFileReadResult {
    // FileLIOpenW's answer: the text size in bytes, or negative when the file could not be read (-3 it
    // cannot be opened, for instance held open by another program; -2 unreadable; -1 too large;
    // -5 slot 1 is in use). contents is empty then.
    int32_t openResult = 0;
    ListFileText contents;  // the title, the stated count and the complete records
};
// Reads the list file at fullPath through line-input slot 1 and closes the slot again; owner is the
// window of the slot table's boxes. Reading stops at the end of the file, whatever count the file states.
ListFileReadResult ReadListFileW(std::wstring_view fullPath, HWND owner);
