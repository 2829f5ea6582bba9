#include "restore/poll_pacer.h"

#include <windows.h>
#include <timeapi.h>

#include <algorithm>

// PAVORIN_POLL_WITHOUT_PAUSE builds the pacer of the benchmark's comparison program, which polls
// without resting (it still lets messages through) as the wait originally did; the program itself
// never defines it.
#ifndef PAVORIN_POLL_WITHOUT_PAUSE
namespace {
constexpr UINT kResolutionMs = 1;
constexpr uint32_t kPauseMs = 4;
}  // namespace

PollPacer::PollPacer() { timeBeginPeriod(kResolutionMs); }
PollPacer::~PollPacer() { timeEndPeriod(kResolutionMs); }
uint32_t PollPacer::RestMs(uint32_t remainingMs) const { return std::min(kPauseMs, remainingMs); }
#else
PollPacer::PollPacer() = default;
PollPacer::~PollPacer() = default;
uint32_t PollPacer::RestMs(uint32_t) const { return 0; }
#endif
