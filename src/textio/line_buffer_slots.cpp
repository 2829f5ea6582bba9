#include "textio/line_buffer_slots.h"

#include <algorithm>

#include "textio/placement_line.h"

namespace textio {
namespace {
constexpr std::u16string_view kLineEnd = u"\r\n";

BufferOutcome Refused(BufferFault fault, int32_t result = 0, bool fatal = false) {
    return {result, fault, fatal};
}
BufferOutcome Done(size_t result) { return {static_cast<int32_t>(result), BufferFault::kNone, false}; }
}  // namespace

void LineBufferSlots::Release(Slot& slot) {
    std::u16string().swap(slot.text);  // gives the storage back, which clear() would keep
    slot.capacity = 0;
    slot.created = false;
}

BufferOutcome LineBufferSlots::Require(uint16_t index, BufferFault missing, bool missingIsFatal) const {
    if (index >= kSlotCount) return Refused(BufferFault::kBadIndex, 0, true);
    if (!slots_[index].created) return Refused(missing, 0, missingIsFatal);
    return {};
}

bool LineBufferSlots::Fits(const Slot& slot, int64_t extraUnits) const {
    return static_cast<int64_t>(slot.text.size()) + extraUnits <= slot.capacity;
}

BufferOutcome LineBufferSlots::Create(uint16_t index, int32_t size) {
    if (index >= kSlotCount) return Refused(BufferFault::kBadIndex, 0, true);
    Slot& slot = slots_[index];
    if (slot.created) return Refused(BufferFault::kAlreadyCreated, -2);
    // One unit is the terminator; the capacity must stay a 32-bit count.
    slot.capacity = std::clamp(size, 0, INT32_MAX - 1) + 1;
    slot.text.clear();
    slot.created = true;
    return Done(1);
}

BufferOutcome LineBufferSlots::AddLine(uint16_t index, std::u16string_view text) {
    if (BufferOutcome refused = Require(index, BufferFault::kCreateFirst, false); refused.fault != BufferFault::kNone)
        return refused;
    Slot& slot = slots_[index];
    if (!Fits(slot, static_cast<int64_t>(text.size()) + 3)) return Refused(BufferFault::kSizeExceeded);
    slot.text.append(text).append(kLineEnd);
    return Done(slot.text.size());
}

BufferOutcome LineBufferSlots::JoinWithSep(uint16_t index, std::u16string_view text, char16_t separator) {
    if (BufferOutcome refused = Require(index, BufferFault::kCreateFirst, true); refused.fault != BufferFault::kNone)
        return refused;
    Slot& slot = slots_[index];
    if (!Fits(slot, static_cast<int64_t>(text.size()) + 2)) return Refused(BufferFault::kSizeExceeded);
    slot.text.append(text).push_back(separator);
    return Done(slot.text.size());
}

BufferOutcome LineBufferSlots::AddInfoLine(uint16_t index, const PlacementRecord& placement) {
    if (BufferOutcome refused = Require(index, BufferFault::kCreateFirst, false); refused.fault != BufferFault::kNone)
        return refused;
    Slot& slot = slots_[index];
    // Pieces that fitted stay even when a later one does not: the line is then left partial.
    for (const std::u16string& piece : PlacementLinePieces(placement)) {
        if (!Fits(slot, static_cast<int64_t>(piece.size()) + 1)) return Refused(BufferFault::kPieceExceeded);
        slot.text.append(piece);
    }
    if (!Fits(slot, 3)) return Refused(BufferFault::kSizeExceeded);
    slot.text.append(kLineEnd);
    return Done(slot.text.size());
}

BufferOutcome LineBufferSlots::WriteBuffer(uint16_t index, const char16_t** text) const {
    if (BufferOutcome refused = Require(index, BufferFault::kNoBuffer, true); refused.fault != BufferFault::kNone)
        return refused;
    *text = slots_[index].text.c_str();
    return Done(static_cast<size_t>(slots_[index].capacity));
}

BufferOutcome LineBufferSlots::CheckWritable(uint16_t index) const {
    BufferOutcome outcome = Require(index, BufferFault::kCreateFirst, false);
    if (outcome.fault == BufferFault::kCreateFirst) outcome.result = -3;
    if (outcome.fault == BufferFault::kNone) outcome.result = 1;
    return outcome;
}

BufferOutcome LineBufferSlots::Delete(uint16_t index) {
    BufferOutcome outcome = Require(index, BufferFault::kNotCreated, false);
    if (outcome.fault == BufferFault::kNotCreated) outcome.result = -3;
    if (outcome.fault != BufferFault::kNone) return outcome;
    Release(slots_[index]);
    return Done(1);
}

void LineBufferSlots::ReleaseAll() {
    for (Slot& slot : slots_) Release(slot);
}

std::u16string_view LineBufferSlots::Text(uint16_t index) const {
    if (index >= kSlotCount || !slots_[index].created) return {};
    return slots_[index].text;
}

}  // namespace textio
