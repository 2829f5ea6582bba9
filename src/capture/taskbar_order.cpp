#include "capture/taskbar_order.h"

#include <algorithm>

#include "convert/number_text.h"

namespace capture {
namespace {

constexpr std::string_view kFolderClass = "CabinetWClass";
constexpr std::string_view kExplorerClass = "ExploreWClass";
// What the listing's "%02s" fills a one-digit index with.
constexpr char kIndexFill = ' ';

}  // namespace

std::optional<int32_t> FolderClassFlag(std::string_view className) {
    if (className == kFolderClass) return 0;
    if (className == kExplorerClass) return 1;
    return std::nullopt;
}

void TaskbarRows::AddButton(uint32_t handle, std::string_view className) {
    if (handle == 0) return;
    const std::optional<int32_t> classFlag = FolderClassFlag(className);
    if (!classFlag) return;
    rows_.push_back({handle, nextPosition_, *classFlag});
    ++nextPosition_;
}

std::optional<TaskbarRow> TaskbarRows::Take(uint32_t handle) {
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [handle](const TaskbarRow& row) { return row.handle == handle; });
    if (found == rows_.end()) return std::nullopt;
    const TaskbarRow row = *found;
    *found = rows_.back();
    rows_.pop_back();
    return row;
}

std::vector<size_t> AssignTaskbarRows(TaskbarRows& rows, std::span<WindowRecord> records) {
    std::vector<size_t> lost;
    for (size_t j = 0; j < records.size(); ++j) {
        const std::optional<TaskbarRow> row = rows.Take(HandleKey(records[j].hwnd));
        if (!row) {
            lost.push_back(j);
            continue;
        }
        records[j].taskbarPosition = row->position;
        records[j].classFlag = row->classFlag;
    }
    return lost;
}

void KeepShellListOrder(std::span<WindowRecord> records, std::span<const std::string> classNames) {
    for (size_t j = 0; j < records.size(); ++j) {
        records[j].taskbarPosition = static_cast<int32_t>(j);
        records[j].classFlag = j < classNames.size() ? FolderClassFlag(classNames[j]).value_or(0) : 0;
    }
}

void SortByTaskbarPosition(std::span<WindowRecord> records) {
    std::stable_sort(records.begin(), records.end(), [](const WindowRecord& a, const WindowRecord& b) {
        return a.taskbarPosition < b.taskbarPosition;
    });
}

std::string TaskbarListingLine(int32_t index, std::string_view className, uint32_t handle,
                               std::string_view title) {
    std::string line = NumberToText(index);
    if (line.size() < 2) line.insert(0, 2 - line.size(), kIndexFill);
    line += ' ';
    line += className;
    line += ":\t";
    line += NumberToText(handle);
    line += ":\t\t";
    line += title;
    line += "\r\n";
    return line;
}

}  // namespace capture
