#pragma once
// The table of five line buffers in which UTF-16 text is assembled line by line. Pure: every operation
// answers its result code and, when it refuses, which report the Win32 layer has to show.
// A buffer never grows past the size stated at creation; its storage grows only as text arrives.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "textio/window_record.h"

namespace textio {

enum class BufferFault : uint8_t {
    kNone,
    kBadIndex,        // fatal in every routine
    kAlreadyCreated,  // CreateBufferW on a created slot
    kCreateFirst,     // an append or a write on a slot that was not created (fatal for JoinWithSepW)
    kSizeExceeded,    // the line or field does not fit
    kPieceExceeded,   // a piece of the placement line does not fit
    kNoBuffer,        // GetWriteBufferW on a slot that was not created (fatal)
    kNotCreated,      // DeleteBufferW on a slot that was not created
};

struct BufferOutcome {
    int32_t result = 0;
    BufferFault fault = BufferFault::kNone;
    bool fatal = false;
};

class LineBufferSlots {
public:
    static constexpr uint16_t kSlotCount = 5;

    // A negative size counts as 0: the buffer then holds nothing but its terminator.
    BufferOutcome Create(uint16_t index, int32_t size);
    BufferOutcome AddLine(uint16_t index, std::u16string_view text);
    BufferOutcome JoinWithSep(uint16_t index, std::u16string_view text, char16_t separator);
    BufferOutcome AddInfoLine(uint16_t index, const PlacementRecord& placement);
    // The zero-terminated text (valid until the next append or the deletion) and, as result, the capacity.
    BufferOutcome WriteBuffer(uint16_t index, const char16_t** text) const;
    // Whether FileWriteW may write the slot: result 1, or -3 with its report.
    BufferOutcome CheckWritable(uint16_t index) const;
    BufferOutcome Delete(uint16_t index);
    void ReleaseAll();

    // The text of a created slot (empty otherwise).
    std::u16string_view Text(uint16_t index) const;

private:
    struct Slot {
        std::u16string text;
        int32_t capacity = 0;  // units, terminator included
        bool created = false;
    };
    // Index check and "was it created": the fault (if any) of a routine that needs a created slot.
    BufferOutcome Require(uint16_t index, BufferFault missing, bool missingIsFatal) const;
    bool Fits(const Slot& slot, int64_t extraUnits) const;
    static void Release(Slot& slot);

    std::array<Slot, kSlotCount> slots_{};
};

}  // namespace textio
