#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "restore/new_window_wait.h"

// A shell whose window count of 4 grows by one after a given number of pauses, and a clock that moves on
// by stepMs at every pause.
TEST(WaitForWindowCount, ReadsUntilTheCountPassesTheKnownOneOrTheTimeOutHasPassed) {
    const struct {
        const char* name;
        uint32_t start, stepMs;
        int growsAfterPauses;  // -1: never
        int32_t count;
        uint32_t timeoutMs;
        bool grew;
        int32_t lastCount;
        int pauses;
    } cases[] = {
        {"ends at the first read that passes, without pausing again", 0, 1, 37, 4, 500, true, 5, 37},
        // Reads at 0, 2, ..., 500: the read at the deadline still counts, and no read comes after it.
        {"gives up once the time-out has passed", 0, 2, -1, 4, 500, false, 4, 250},
        {"a count above the known one before the launch ends at once", 0, 1, -1, 9, 500, true, 9, 0},
        {"time-out 0 reads once", 0, 1, -1, 4, 0, false, 4, 0},
        {"a time-out of 2^31 reads once", 1000, 1, -1, 4, 0x80000000u, false, 4, 0},
        {"a negative time-out reads once", 1000, 1, -1, 4, 4294967291u, false, 4, 0},
        {"the largest time-out reads once", 1000, 1, -1, 4, UINT32_MAX, false, 4, 0},
        {"the longest time-out still waits", 0, 1 << 20, -1, 4, 0x7FFFFFFFu, false, 4, 2048},
        {"the wrap of the tick counter neither ends the wait early nor stretches it", UINT32_MAX - 99, 1, -1, 4, 500,
         false, 4, 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        uint32_t now = c.start;
        int pauses = 0;
        std::vector<uint32_t> readTicks;
        const WindowCountWait result = WaitForWindowCount(
            4, c.timeoutMs,
            [&] {
                readTicks.push_back(now);
                return c.count + (c.growsAfterPauses >= 0 && pauses >= c.growsAfterPauses ? 1 : 0);
            },
            [&] { return now; },
            [&](uint32_t remainingMs) {
                EXPECT_EQ(remainingMs, c.timeoutMs - (now - c.start));
                ++pauses;
                now += c.stepMs;
            });
        EXPECT_EQ(result.grew, c.grew);
        EXPECT_EQ(result.lastCount, c.lastCount);
        EXPECT_EQ(pauses, c.pauses);
        EXPECT_EQ(readTicks.size(), size_t(c.pauses) + 1);
        EXPECT_EQ(readTicks.front(), c.start);
        EXPECT_EQ(readTicks.back(), now);
    }
}
