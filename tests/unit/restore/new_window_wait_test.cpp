#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "restore/new_window_wait.h"

namespace {
// A shell whose window count grows at a given tick, and a clock that moves on by stepMs at every pause.
struct FakeShell {
    uint32_t now = 0;
    uint32_t stepMs = 1;
    uint32_t growsAt = UINT32_MAX;
    bool neverGrows = true;
    int32_t count = 4;
    int countReads = 0;
    int pauses = 0;
    std::vector<uint32_t> readTicks;

    WindowCountWait Wait(int32_t known, uint32_t timeoutMs) {
        return WaitForWindowCount(
            known, timeoutMs,
            [this] {
                ++countReads;
                readTicks.push_back(now);
                return (!neverGrows && now >= growsAt) ? count + 1 : count;
            },
            [this] { return now; },
            [this, timeoutMs, start = now](uint32_t remainingMs) {
                EXPECT_EQ(remainingMs, timeoutMs - static_cast<uint32_t>(now - start));
                ++pauses;
                now += stepMs;
            });
    }
};
}  // namespace

TEST(WaitForWindowCount, EndsAtTheFirstReadThatPassesTheKnownCountWithoutPausingAgain) {
    FakeShell shell;
    shell.neverGrows = false;
    shell.growsAt = 37;
    const WindowCountWait result = shell.Wait(4, 500);
    EXPECT_TRUE(result.grew);
    EXPECT_EQ(result.lastCount, 5);
    EXPECT_EQ(shell.now, 37u);
    EXPECT_EQ(shell.pauses, 37);
    EXPECT_EQ(shell.countReads, 38);
}

TEST(WaitForWindowCount, PausesBetweenReadsAndGivesUpOnceTheTimeOutHasPassed) {
    FakeShell shell;
    shell.stepMs = 2;
    const WindowCountWait result = shell.Wait(4, 500);
    EXPECT_FALSE(result.grew);
    EXPECT_EQ(result.lastCount, 4);
    // Reads at 0, 2, ..., 500: the read at the deadline still counts, and no read comes after it.
    EXPECT_EQ(shell.readTicks.front(), 0u);
    EXPECT_EQ(shell.readTicks.back(), 500u);
    EXPECT_EQ(shell.countReads, 251);
    EXPECT_EQ(shell.pauses, 250);
}

TEST(WaitForWindowCount, ACountAboveTheKnownOneBeforeTheLaunchEndsAtOnce) {
    FakeShell shell;
    shell.count = 9;
    const WindowCountWait result = shell.Wait(4, 500);
    EXPECT_TRUE(result.grew);
    EXPECT_EQ(result.lastCount, 9);
    EXPECT_EQ(shell.countReads, 1);
    EXPECT_EQ(shell.pauses, 0);
}

TEST(WaitForWindowCount, TimeOutZeroReadsTheCountOnce) {
    FakeShell shell;
    const WindowCountWait result = shell.Wait(4, 0);
    EXPECT_FALSE(result.grew);
    EXPECT_EQ(result.lastCount, 4);
    EXPECT_EQ(shell.countReads, 1);
    EXPECT_EQ(shell.pauses, 0);
}

TEST(WaitForWindowCount, ATimeOutOfHalfTheTickRangeOrMoreReadsTheCountOnce) {
    for (const uint32_t timeoutMs : {0x80000000u, 4294967291u, UINT32_MAX}) {
        FakeShell shell;
        shell.now = 1000;
        const WindowCountWait result = shell.Wait(4, timeoutMs);
        EXPECT_FALSE(result.grew);
        EXPECT_EQ(shell.countReads, 1) << timeoutMs;
        EXPECT_EQ(shell.pauses, 0) << timeoutMs;
    }
    FakeShell longest;
    longest.stepMs = 1 << 20;
    longest.Wait(4, 0x7FFFFFFFu);
    EXPECT_EQ(longest.pauses, 2048) << "the longest time-out still waits";
}

TEST(WaitForWindowCount, TheWrapOfTheTickCounterNeitherEndsTheWaitEarlyNorStretchesIt) {
    FakeShell shell;
    shell.now = UINT32_MAX - 99;  // the deadline lies past the wrap
    const WindowCountWait result = shell.Wait(4, 500);
    EXPECT_FALSE(result.grew);
    EXPECT_EQ(shell.pauses, 500);
    EXPECT_EQ(shell.now, 400u);
}
