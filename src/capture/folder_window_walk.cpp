#include "capture/folder_window_walk.h"

#include <algorithm>
#include <optional>

#include "capture/shell_windows.h"
#include "textio/placement_win32.h"
#include "win32/com_guards.h"
#include "win32/text_conversion.h"

using Microsoft::WRL::ComPtr;

namespace capture {
namespace {

// Room for the folder path, in UTF-16 units.
constexpr size_t kPathRoom = 260;

// Windows arranges a window (snapped to half the screen, maximised vertically) without touching its normal
// rectangle, which keeps the size from before the arrangement. Such a window is recorded where it
// stands, in the workspace coordinates of the placement (the work area's origin, not the screen's).
void RecordWhereItStands(HWND window, WINDOWPLACEMENT& placement) {
    if (placement.showCmd != SW_SHOWNORMAL || IsIconic(window) || IsZoomed(window)) return;
    RECT standing{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(window, &standing) ||
        !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    OffsetRect(&standing, monitor.rcMonitor.left - monitor.rcWork.left, monitor.rcMonitor.top - monitor.rcWork.top);
    placement.rcNormalPosition = standing;
}

// The record of a folder window, or nothing when a read fails or the location is no file-system path.
std::optional<WindowRecord> ReadFolderWindow(IWebBrowser2* browser, IFolderView* view) {
    WindowRecord record;
    UINT viewMode = 0;
    if (FAILED(view->GetCurrentViewMode(&viewMode))) return std::nullopt;
    record.viewMode = static_cast<int32_t>(viewMode);
    const std::wstring url = LocationUrlOf(browser);
    const HWND window = WindowOf(browser);
    record.hwnd = reinterpret_cast<uintptr_t>(window);

    record.path = std::u16string(win32::AsUtf16(PathFromUrl(url, kPathRoom)));
    record.pathLength = static_cast<int32_t>(record.path.size());
    if (record.pathLength == 0) return std::nullopt;
    record.urlLength = static_cast<int32_t>(url.size());

    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!window || !GetWindowPlacement(window, &placement)) return std::nullopt;
    RecordWhereItStands(window, placement);
    record.placement = ToPlacementRecord(placement);
    return record;
}

}  // namespace

FolderWindowWalk WalkFolderWindows() {
    const win32::ComApartment apartment;
    const ShellWindowList list = ShellWindowList::Open();
    const long count = list.Count();
    FolderWindowWalk walk;
    walk.listOpened = list.IsOpen();
    // The count comes from the shell's process: room is made for a real desktop's windows at most.
    constexpr long kMostRecordsReserved = 1024;
    walk.records.reserve(static_cast<size_t>(std::clamp(count, 0L, kMostRecordsReserved)));
    for (long index = 0; index < count; ++index) {
        const ComPtr<IWebBrowser2> browser = list.Browser(index);
        ComPtr<IFolderView> view;
        const FolderViewLookup lookup = browser ? LookUpFolderView(browser.Get(), view) : FolderViewLookup::kUnreachable;
        if (lookup == FolderViewLookup::kNoFolder) ++walk.browserWindows;
        std::optional<WindowRecord> record;
        if (lookup == FolderViewLookup::kFolder) record = ReadFolderWindow(browser.Get(), view.Get());
        if (record) {
            walk.records.push_back(std::move(*record));
        } else {
            ++walk.skippedEntries;
        }
    }
    return walk;
}

}  // namespace capture

