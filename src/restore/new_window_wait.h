#pragma once
// The wait for a launched folder's window: the shell's window count is read until it passes the count
// known before the launch or timeoutMs have gone by since the wait began. Between two reads the caller's
// pause lets the processor rest (and the thread's messages through); the count is always read at least
// once (timeoutMs 0 reads it once).
#include <cstdint>

struct WindowCountWait {
    int32_t lastCount = 0;  // the count as last read
    bool grew = false;      // it passed the known count in time
};

// readCount() gives the shell's window count, readTick() a millisecond tick that wraps at 2^32,
// pause(remainingMs) rests for no longer than the time left before the deadline. Elapsed time is the unsigned difference of two ticks, so the wrap of the tick counter
// neither ends a wait early nor stretches it.
// A time-out of 2^31 ms or more (a negative number typed into the options, stored as its bit pattern)
// reads the count once: the deadline, start plus time-out, lands behind the start tick, which settings
// files have always meant as "do not wait", and waiting for weeks would only freeze the program.
template <typename ReadCount, typename ReadTick, typename Pause>
WindowCountWait WaitForWindowCount(int32_t knownCount, uint32_t timeoutMs, ReadCount readCount, ReadTick readTick,
                                   Pause pause) {
    if (timeoutMs > static_cast<uint32_t>(INT32_MAX)) timeoutMs = 0;
    const uint32_t start = readTick();
    for (;;) {
        const int32_t current = readCount();
        if (current > knownCount) return {current, true};
        const uint32_t elapsed = static_cast<uint32_t>(readTick() - start);
        if (elapsed >= timeoutMs) return {current, false};
        pause(timeoutMs - elapsed);
    }
}
