#include "restore/restore_decisions.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int32_t kShowNormal = 1;          // SW_SHOWNORMAL
constexpr int32_t kShowMaximized = 3;       // SW_SHOWMAXIMIZED
constexpr int32_t kShowMinNoActive = 7;     // SW_SHOWMINNOACTIVE
constexpr int32_t kRestoreToMaximized = 2;  // WPF_RESTORETOMAXIMIZED
constexpr int64_t kLastFailure = 32;
}  // namespace

LaunchVerb VerbFor(int32_t openMethod, int32_t classFlag) {
    switch (openMethod) {
        case 1: return classFlag != 0 ? LaunchVerb::kExplore : LaunchVerb::kOpen;
        case 2: return LaunchVerb::kOpen;
        case 4: return LaunchVerb::kExplore;
        default: return LaunchVerb::kShellDefault;
    }
}

LaunchOutcome ClassifyLaunch(int64_t result) {
    return result <= kLastFailure ? LaunchOutcome::kNotOpened : LaunchOutcome::kOpened;
}

ShowState ShowStateFor(const PlacementRecord& recorded, int16_t showStateMode, bool unmaximize) {
    ShowState state{recorded.flags, recorded.showCmd};
    const bool capturedMaximized = recorded.showCmd == kShowMaximized;
    if (showStateMode == kMinimizeAll) {
        if (capturedMaximized) state.flags = kRestoreToMaximized;
        state.showCmd = kShowMinNoActive;
    } else if (showStateMode == kCancelMinimizing) {
        if (!capturedMaximized) state.showCmd = kShowNormal;
    }
    if (unmaximize) state.showCmd = kShowNormal;
    return state;
}

PlacementRecord PlacementToWrite(const PlacementRecord& current, const PlacementRecord& recorded,
                                 int16_t showStateMode, bool unmaximize, bool applyPlacement) {
    PlacementRecord written = current;
    const ShowState state = ShowStateFor(recorded, showStateMode, unmaximize);
    written.flags = state.flags;
    written.showCmd = state.showCmd;
    if (applyPlacement) written.rcNormalPosition = recorded.rcNormalPosition;
    return written;
}

namespace {
int32_t SaturatedExtent(int32_t from, int32_t to) {
    const int64_t extent = int64_t{to} - from;
    return static_cast<int32_t>(std::clamp<int64_t>(extent, INT32_MIN, INT32_MAX));
}
}  // namespace

WindowBox BoxOf(const RectRecord& normal) {
    return {normal.left, normal.top, SaturatedExtent(normal.left, normal.right),
            SaturatedExtent(normal.top, normal.bottom)};
}

int32_t UrlCapacity(int32_t urlLength) { return std::clamp(urlLength, 0, kMaxUrlLength); }
