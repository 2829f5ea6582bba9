#include "capture/align_window_in_order.h"

#include <optional>
#include <string>
#include <vector>

#include "capture/capture_texts.h"
#include "capture/taskbar_buttons.h"
#include "capture/taskbar_order.h"
#include "ui/control_ids.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"

namespace capture {
namespace {

// The folder-window buttons in taskbar order; the button at index 0 is not one of the windows'.
// The listing goes into edit 1002 once, after the last button: the command runs without a message
// loop, so the edit could not show it growing anyway, and an edit lays out its whole text on every
// change, which made a hundred buttons cost seconds.
// Nothing when the shell could not be reached or stopped answering on the way.
std::optional<TaskbarRows> ReadTaskbarRows(HWND toolbar, HWND mainWindow) {
    const TaskbarButtonReader reader(toolbar);
    const int count = reader.ButtonCount();
    TaskbarRows rows(static_cast<size_t>(count));
    std::string listing;
    for (int index = 1; index < count; ++index) {
        const TaskbarButton button = reader.Read(index);
        rows.AddButton(button.handle, button.className);
        listing += TaskbarListingLine(index, button.className, button.handle, button.title);
    }
    if (reader.Failed()) return std::nullopt;
    if (count > 1) SetDlgItemTextW(mainWindow, control::kTaskbarListing, win32::Utf8ToWide(listing).c_str());
    return rows;
}

std::string ClassNameOf(uintptr_t window) {
    char name[260] = {};
    const int length = GetClassNameA(reinterpret_cast<HWND>(window), name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

TaskbarOrder AlignWindowInOrder(HWND mainWindow, std::span<WindowRecord> records) {
    const TaskbarFound taskbar = FindTaskbar();
    if (taskbar.kind == TaskbarKind::kToolbar) {
        if (std::optional<TaskbarRows> rows = ReadTaskbarRows(taskbar.toolbar, mainWindow)) {
            for (size_t lost = AssignTaskbarRows(*rows, records).size(); lost > 0; --lost) {
                win32::ShowMessageBox(mainWindow, text::kLostHandleText, text::kAlignCaption, MB_OK);
            }
            return TaskbarOrder::kRead;
        }
    }
    std::vector<std::string> classNames;
    for (const WindowRecord& record : records) classNames.push_back(ClassNameOf(record.hwnd));
    KeepShellListOrder(records, classNames);
    return taskbar.kind == TaskbarKind::kTaskList ? TaskbarOrder::kShellList : TaskbarOrder::kUnreadable;
}

}  // namespace capture
