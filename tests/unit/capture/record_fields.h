#pragma once
// The fields a test compares across a whole array of records, one vector each.
#include <cstdint>
#include <vector>

#include "textio/window_record.h"

namespace capture_test {

inline std::vector<int32_t> PositionsOf(const std::vector<WindowRecord>& records) {
    std::vector<int32_t> positions;
    for (const auto& record : records) positions.push_back(record.taskbarPosition);
    return positions;
}

inline std::vector<int32_t> ClassFlagsOf(const std::vector<WindowRecord>& records) {
    std::vector<int32_t> flags;
    for (const auto& record : records) flags.push_back(record.classFlag);
    return flags;
}

}  // namespace capture_test
