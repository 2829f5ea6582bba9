#pragma once
// The five line buffers of the program (indexes 0..4), in which UTF-16 text is assembled line by line
// and then written to a file or handed to an edit control. Refusals are told in a message box owned by
// the window of the last successful creation; misuse of the table ends the program.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "textio/window_record.h"

// 1 created; -2 the slot already exists; 0 index out of range. owner: the window of the slot's boxes.
int CreateBufferW(uint16_t index, int32_t size, HWND owner);
// The new length, 0 when refused: text + CR LF.
int32_t AddLineW(uint16_t index, std::wstring_view text);
// The new length, 0 when refused: text + separator.
int32_t JoinWithSepW(uint16_t index, std::wstring_view text, wchar_t separator);
// The new length, 0 when refused: left:top:right:bottom:flags:showCmd: + CR LF.
int32_t AddInfoLineW(uint16_t index, const PlacementRecord& placement);
// The capacity; text points at the zero-terminated text until the next append or the deletion.
int32_t GetWriteBufferW(uint16_t index, const wchar_t** text);
// FF FE and the text in place of the file, whole or not at all (the old file stays on any failure):
// 1 written; -1 not created or not fully written; -5 access denied; -3 the slot was not created;
// 0 index out of range.
int FileWriteW(uint16_t index, std::wstring_view path);
// 1 deleted; -3 the slot was not created; 0 index out of range.
int DeleteBufferW(uint16_t index);
