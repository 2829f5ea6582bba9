#include "textio/line_input_files.h"

#include <climits>

#include "textio/fatal_report.h"
#include "textio/line_input_slots.h"
#include "textio/slot_messages.h"
#include "win32/text_conversion.h"
#include "win32/unique_handle.h"

namespace {
using textio::InputFault;
using textio::LineInputSlots;

LineInputSlots& Slots() {
    static LineInputSlots slots;
    return slots;
}

// Owns the boxes of the whole table; set by every open of a closed slot.
HWND inputOwner = nullptr;

void ReleaseEveryInput() { Slots().ReleaseAll(); }

void ReportFatalInput(std::string message, std::string_view caption) {
    message.append(textio::InputFatalSuffix());
    textio::ReportFatal(inputOwner, message, caption, ReleaseEveryInput);
}

int32_t ReadTokenW(int16_t index, std::wstring& out, wchar_t key1, wchar_t key2, std::string_view routine) {
    std::u16string piece;
    const textio::InputOutcome outcome =
        Slots().Read(index, static_cast<char16_t>(key1), static_cast<char16_t>(key2), piece);
    switch (outcome.fault) {
        case InputFault::kBadIndex:
            ReportFatalInput(textio::InputBadIndexMessage(routine, index), routine);
            return 0;
        case InputFault::kNotOpen:
            ReportFatalInput(textio::InputNotOpenMessage(index), routine);
            return 0;
        case InputFault::kNone:
            break;
    }
    if (outcome.result >= 0) out.assign(win32::AsWide(piece));
    return outcome.result;
}

// The file's size in bytes; -1 with the fatal report when it cannot be had, -2 when it is too large
// to be held (more than a signed 32-bit count).
int64_t FileByteSize(HANDLE file, int16_t index) {
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        ReportFatalInput(textio::InputFileSizeMessage(index), "FileLIOpenW");
        return -1;
    }
    if (high != 0 || low > static_cast<DWORD>(INT32_MAX)) return -2;
    return low;
}
}  // namespace

int32_t FileLIOpenW(int16_t index, std::wstring_view path, HWND owner) {
    if (!LineInputSlots::IsValidIndex(index)) {
        ReportFatalInput(textio::InputBadIndexMessage("FileLIOpenW", index), "FileLIOpenW");
        return 0;
    }
    if (Slots().IsOpen(index)) return -5;
    inputOwner = owner;
    const std::wstring pathZ(path);
    const win32::UniqueFile file(
        CreateFileW(pathZ.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return -3;
    const int64_t byteSize = FileByteSize(file.get(), index);
    if (byteSize < 0) return -1;
    FileUnits units = AllocateFileUnits(static_cast<int32_t>(byteSize));
    if (!units.data) return -1;
    DWORD read = 0;
    if (!ReadFile(file.get(), units.Bytes(), static_cast<DWORD>(byteSize), &read, nullptr) || read != byteSize)
        return -2;
    return Slots().Attach(index, std::move(units));
}

int32_t FileLineInputW(int16_t index, std::wstring& line) {
    return ReadTokenW(index, line, L'\r', L'\n', "FileLineInputW");
}

int32_t FileInputToSepW(int16_t index, std::wstring& piece, wchar_t separator) {
    return ReadTokenW(index, piece, separator, separator, "FileInputToSepW");
}

int32_t FileLICloseW(int16_t index) {
    const textio::InputOutcome outcome = Slots().Close(index);
    if (outcome.fault == InputFault::kBadIndex)
        ReportFatalInput(textio::InputCloseBadIndexMessage(index), "FileLICloseW");
    return outcome.result;
}

bool IsLineInputOpen(int16_t index) { return Slots().IsOpen(index); }
