#include "restore/poll_pacer.h"

#include <windows.h>
#include <timeapi.h>

// PAVORIN_POLL_WITHOUT_PAUSE builds the pacer of the benchmark's comparison program, which polls
// without resting as the wait originally did; the program itself never defines it.
#ifndef PAVORIN_POLL_WITHOUT_PAUSE
namespace {
constexpr UINT kResolutionMs = 1;
constexpr DWORD kPauseMs = 4;
}

PollPacer::PollPacer() { timeBeginPeriod(kResolutionMs); }
PollPacer::~PollPacer() { timeEndPeriod(kResolutionMs); }
void PollPacer::Pause() { Sleep(kPauseMs); }
#else
PollPacer::PollPacer() = default;
PollPacer::~PollPacer() = default;
void PollPacer::Pause() {}
#endif
