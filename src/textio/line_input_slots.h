#pragma once
// The table of five line-input slots through which UTF-16 files are read back line by line or up to a
// separator. Pure: the Win32 layer reads the file into FileUnits and attaches it; every read answers its
// result and, when it is misuse, which fatal report to show.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "textio/line_cursor.h"

namespace textio {

enum class InputFault : uint8_t {
    kNone,
    kBadIndex,  // any routine; fatal
    kNotOpen,   // a read on a slot that is not open; fatal
};

struct InputOutcome {
    int32_t result = 0;
    InputFault fault = InputFault::kNone;
};

class LineInputSlots {
public:
    static constexpr int16_t kSlotCount = 5;

    static bool IsValidIndex(int16_t index) { return index >= 0 && index < kSlotCount; }
    bool IsOpen(int16_t index) const { return IsValidIndex(index) && slots_[index].has_value(); }

    // Opens a closed slot over the file; the result is the size of the text after the byte order mark in
    // bytes, 0 for a file too short to hold the mark (-5 for an open slot, 0 for a bad index, as the
    // Win32 layer answers them before it reads any file).
    int32_t Attach(int16_t index, FileUnits units);
    // The next piece up to key1 or key2 into out: its length, or -1 at the end (out untouched).
    InputOutcome Read(int16_t index, char16_t key1, char16_t key2, std::u16string& out);
    // 1 closed, -1 not open; a bad index is a fault.
    InputOutcome Close(int16_t index);
    void ReleaseAll();

private:
    std::array<std::optional<LineCursor>, kSlotCount> slots_;
};

}  // namespace textio
