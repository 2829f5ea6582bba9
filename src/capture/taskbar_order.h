#pragma once
// The order of the folder windows on the taskbar, worked out from the taskbar's buttons: every button
// of a folder window (CabinetWClass or ExploreWClass) becomes a row with the window's handle, its place
// among the folder-window buttons and its class flag; each captured record then takes its window's row.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "textio/window_record.h"

namespace capture {

// 0 for "CabinetWClass", 1 for "ExploreWClass" (exact); nothing for every other class.
std::optional<int32_t> FolderClassFlag(std::string_view className);

// Window handles are compared by their low 32 bits, the part that 32- and 64-bit processes share.
inline uint32_t HandleKey(uintptr_t handle) { return static_cast<uint32_t>(handle); }

struct TaskbarRow {
    uint32_t handle = 0;
    int32_t position = 0;  // the count of folder-window buttons before this one
    int32_t classFlag = 0;
};

class TaskbarRows {
    static constexpr size_t kMostRowsReserved = 1024;

public:
    // Room for every button of any real taskbar, so that adding a row rarely grows the table. The count
    // comes from the shell's process: an absurd one makes room for kMostRowsReserved rows only.
    explicit TaskbarRows(size_t buttonCount) { rows_.reserve(std::min(buttonCount, kMostRowsReserved)); }

    // The next button in taskbar order. A button without a window or of another class takes no row.
    void AddButton(uint32_t handle, std::string_view className);

    // The row of handle, taken out of the table (the last row moves into its place), so that a row
    // serves one record only.
    std::optional<TaskbarRow> Take(uint32_t handle);

    const std::vector<TaskbarRow>& rows() const { return rows_; }

private:
    std::vector<TaskbarRow> rows_;
    int32_t nextPosition_ = 0;
};

// Gives every record, in array order, the position and class flag of its window's row. Records whose
// window has no row keep their fields; their indexes come back, in order.
std::vector<size_t> AssignTaskbarRows(TaskbarRows& rows, std::span<WindowRecord> records);

// When the taskbar cannot be read: the records keep the shell list's order (their array order) and
// take the class flag of their window's class name (0 for a class that is no folder class).
void KeepShellListOrder(std::span<WindowRecord> records, std::span<const std::string> classNames);

// Ascending taskbarPosition; records that share a position keep their order.
void SortByTaskbarPosition(std::span<WindowRecord> records);

// One line of the taskbar listing, for every examined button: the index filled on the left to two
// characters, " ", the class, ":\t", the handle as unsigned decimal, ":\t\t", the title, CR LF.
std::string TaskbarListingLine(int32_t index, std::string_view className, uint32_t handle,
                               std::string_view title);

}  // namespace capture
