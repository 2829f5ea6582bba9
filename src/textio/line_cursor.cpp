#include "textio/line_cursor.h"

#include <algorithm>
#include <new>

FileUnits AllocateFileUnits(int32_t byteSize) {
    FileUnits units;
    units.byteSize = std::max(byteSize, 0);
    units.unitCount = units.byteSize / 2;
    const size_t storedUnits = static_cast<size_t>(units.unitCount) + 1;
    units.data.reset(new (std::nothrow) char16_t[storedUnits]());
    return units;
}

FileUnits FileUnitsFromBytes(std::string_view bytes) {
    FileUnits units = AllocateFileUnits(static_cast<int32_t>(std::min<size_t>(bytes.size(), INT32_MAX - 1)));
    if (units.data) std::copy_n(bytes.data(), units.byteSize, units.Bytes());
    return units;
}

std::optional<std::u16string> LineCursor::Next(char16_t key1, char16_t key2) {
    const int32_t count = units_.unitCount;
    if (position_ >= count) {
        position_ = 1;
        return std::nullopt;
    }
    const char16_t* const units = units_.data.get();
    const char16_t* const start = units + position_;
    const char16_t* const end = std::find_if(start, units + count, [&](char16_t unit) {
        return unit == key1 || unit == key2;
    });
    std::u16string piece(start, end);
    const int32_t endIndex = static_cast<int32_t>(end - units);
    if (endIndex == count) {
        position_ = count;
    } else {
        position_ = endIndex + 1;
        if (position_ < count && units[position_] == key2) ++position_;
    }
    return piece;
}
