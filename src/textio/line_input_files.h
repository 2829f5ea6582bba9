#pragma once
// The five line-input slots of the program (indexes 0..4), through which UTF-16 files are read back
// line by line or up to a separator. Opening reads the whole file; the first unit (the byte order mark)
// is skipped, and after the last piece a read answers -1 and the next starts at the first line again.
// Misuse (a bad index, a read on a slot that is not open) ends the program after a message box.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// The text size after the byte order mark in bytes (0 for a file too short to hold one); -5 the slot is
// already open; -3 the file cannot be opened; -2 it cannot be read; -1 no memory for it or its size is
// unknown; 0 index out of range. owner: the window of the slot's boxes.
int32_t FileLIOpenW(int16_t index, std::wstring_view path, HWND owner);
// The length of the line (0 for an empty one); -1 at the end (line untouched); 0 after a fatal report.
// A line ends at CR LF, a lone CR or a lone LF.
int32_t FileLineInputW(int16_t index, std::wstring& line);
// The length of the text up to the next separator, across line ends; -1 at the end; 0 after a fatal
// report.
int32_t FileInputToSepW(int16_t index, std::wstring& piece, wchar_t separator);
// 1 closed; -1 the slot was not open; 0 index out of range.
int32_t FileLICloseW(int16_t index);
bool IsLineInputOpen(int16_t index);
