#include "textio/line_input_slots.h"

#include <algorithm>

namespace textio {

int32_t LineInputSlots::Attach(int16_t index, FileUnits units) {
    if (!IsValidIndex(index)) return 0;
    if (slots_[index]) return -5;
    const int32_t textBytes = std::max(units.byteSize - 2, 0);
    slots_[index].emplace(std::move(units));
    return textBytes;
}

InputOutcome LineInputSlots::Read(int16_t index, char16_t key1, char16_t key2, std::u16string& out) {
    if (!IsValidIndex(index)) return {0, InputFault::kBadIndex};
    if (!slots_[index]) return {0, InputFault::kNotOpen};
    std::optional<std::u16string> piece = slots_[index]->Next(key1, key2);
    if (!piece) return {-1, InputFault::kNone};
    out = std::move(*piece);
    return {static_cast<int32_t>(out.size()), InputFault::kNone};
}

InputOutcome LineInputSlots::Close(int16_t index) {
    if (!IsValidIndex(index)) return {0, InputFault::kBadIndex};
    if (!slots_[index]) return {-1, InputFault::kNone};
    slots_[index].reset();
    return {1, InputFault::kNone};
}

void LineInputSlots::ReleaseAll() {
    for (std::optional<LineCursor>& slot : slots_) slot.reset();
}

}  // namespace textio
