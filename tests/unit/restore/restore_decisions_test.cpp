#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "restore/restore_decisions.h"

namespace {
constexpr int32_t kNormal = 1, kMinimized = 2, kMaximized = 3, kMinNoActive = 7;
constexpr int32_t kRestoreToMaximized = 2;

PlacementRecord Recorded(int32_t flags, int32_t showCmd, RectRecord normal = {10, 20, 810, 620}) {
    return {44, flags, showCmd, {-1, -1}, {-1, -1}, normal};
}

// Every field of a placement, in the order of WINDOWPLACEMENT.
std::vector<int32_t> Fields(const PlacementRecord& p) {
    return {p.length, p.flags, p.showCmd, p.ptMinPosition.x, p.ptMinPosition.y, p.ptMaxPosition.x, p.ptMaxPosition.y,
            p.rcNormalPosition.left, p.rcNormalPosition.top, p.rcNormalPosition.right, p.rcNormalPosition.bottom};
}
}  // namespace

// Open method 1 follows the captured class (any non-zero flag is the Explorer class); 2 and 4 are fixed.
TEST(VerbFor, OpenMethodOneFollowsTheCapturedClassAndTheOthersAreFixed) {
    const struct {
        int32_t method, classFlag;
        LaunchVerb verb;
    } cases[] = {{1, 0, LaunchVerb::kOpen},    {1, 1, LaunchVerb::kExplore}, {1, -1, LaunchVerb::kExplore},
                 {2, 0, LaunchVerb::kOpen},    {2, 1, LaunchVerb::kOpen},    {4, 0, LaunchVerb::kExplore},
                 {4, 1, LaunchVerb::kExplore}};
    for (const auto& c : cases) EXPECT_EQ(VerbFor(c.method, c.classFlag), c.verb) << c.method << ' ' << c.classFlag;
    for (int32_t other : {0, 3, 5, -1, INT32_MIN}) {
        EXPECT_EQ(VerbFor(other, 0), LaunchVerb::kShellDefault) << other;
        EXPECT_EQ(VerbFor(other, 1), LaunchVerb::kShellDefault) << other;
    }
}

TEST(ClassifyLaunch, ThirtyTwoOrLessFailsAndAnythingAboveSucceeds) {
    for (int64_t failure : {INT64_MIN, int64_t{-1}, int64_t{0}, int64_t{2}, int64_t{31}, int64_t{32}})
        EXPECT_EQ(ClassifyLaunch(failure), LaunchOutcome::kNotOpened) << failure;
    for (int64_t success : {int64_t{33}, int64_t{41}, int64_t{42}, int64_t{43}, int64_t{1} << 40})
        EXPECT_EQ(ClassifyLaunch(success), LaunchOutcome::kOpened) << success;
}

TEST(ShowStateFor, TheModeAndUnmaximizeDecideFlagsAndShowCommand) {
    const struct {
        int32_t flags, showCmd;
        int16_t mode;
        bool unmaximize;
        int32_t wantFlags, wantShowCmd;
    } cases[] = {
        {0, kMaximized, kShowAsCaptured, false, 0, kMaximized},
        {kRestoreToMaximized, kMinimized, kShowAsCaptured, false, kRestoreToMaximized, kMinimized},
        {0, kMaximized, kShowAsCaptured, true, 0, kNormal},
        // Selections the combo box does not offer (none selected is -1) change nothing either.
        {0, kMinimized, -1, false, 0, kMinimized},
        {0, kMinimized, 3, false, 0, kMinimized},
        {0, kNormal, kMinimizeAll, false, 0, kMinNoActive},
        {0, kMaximized, kMinimizeAll, false, kRestoreToMaximized, kMinNoActive},
        // Flags are replaced, not combined, and a recorded flag survives on a window not captured maximised.
        {1, kMaximized, kMinimizeAll, false, kRestoreToMaximized, kMinNoActive},
        {1, kMinimized, kMinimizeAll, false, 1, kMinNoActive},
        // unmaximize wins over the mode: the window ends shown normally, still remembering maximised.
        {0, kMaximized, kMinimizeAll, true, kRestoreToMaximized, kNormal},
        // Cancel minimizing shows every window not captured maximised normally.
        {0, kMinimized, kCancelMinimizing, false, 0, kNormal},
        {kRestoreToMaximized, kMinimized, kCancelMinimizing, false, kRestoreToMaximized, kNormal},
        {0, kMaximized, kCancelMinimizing, false, 0, kMaximized},
        {0, kMaximized, kCancelMinimizing, true, 0, kNormal},
    };
    for (const auto& c : cases) {
        const ShowState state = ShowStateFor(Recorded(c.flags, c.showCmd), c.mode, c.unmaximize);
        EXPECT_EQ(std::pair(state.flags, state.showCmd), std::pair(c.wantFlags, c.wantShowCmd))
            << "recorded " << c.flags << ':' << c.showCmd << ", mode " << c.mode << ", unmaximize " << c.unmaximize;
    }
}

TEST(PlacementToWrite, TakesTheShowStateFromTheRecordAndTheRectangleOnlyWhenPlacing) {
    PlacementRecord current = Recorded(0, kMinimized, {300, 300, 500, 400});
    current.ptMinPosition = {-32000, -32000};
    current.ptMaxPosition = {-8, -8};
    const PlacementRecord recorded = Recorded(kRestoreToMaximized, kMaximized, {10, 20, 810, 620});

    EXPECT_EQ(Fields(PlacementToWrite(current, recorded, kShowAsCaptured, false, true)),
              (std::vector<int32_t>{44, kRestoreToMaximized, kMaximized, -32000, -32000, -8, -8, 10, 20, 810, 620}));
    EXPECT_EQ(Fields(PlacementToWrite(current, recorded, kMinimizeAll, true, false)),
              (std::vector<int32_t>{44, kRestoreToMaximized, kNormal, -32000, -32000, -8, -8, 300, 300, 500, 400}));
}

TEST(UrlCapacity, NegativeLeavesNoRoomAndAbsurdLengthsAreCappedAtTheLongestUrl) {
    for (const auto& [length, capacity] : {std::pair{INT32_MIN, 0}, {-1, 0}, {0, 0}, {17, 17}, {2084, 2084},
                                          {2085, 2084}, {INT32_MAX, 2084}})
        EXPECT_EQ(UrlCapacity(length), capacity) << length;
}

TEST(BoxOf, GivesPositionAndExtentAndSaturatesAbsurdRectangles) {
    const auto fields = [](const WindowBox& b) { return std::vector<int32_t>{b.x, b.y, b.width, b.height}; };
    EXPECT_EQ(fields(BoxOf({10, 20, 810, 620})), (std::vector<int32_t>{10, 20, 800, 600}));
    EXPECT_EQ(fields(BoxOf({500, 400, 100, 300})), (std::vector<int32_t>{500, 400, -400, -100}));
    EXPECT_EQ(fields(BoxOf({INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN})),
              (std::vector<int32_t>{INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN}));
}
