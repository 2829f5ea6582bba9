#pragma once
// What a restore tells whoever started it while its records are handled, and what it asks of them.
// The defaults suit a caller without a window: no progress shown, never stopped, every report shown.
#include <windows.h>

#include <cstdint>

class RestoreProgress {
public:
    virtual ~RestoreProgress() = default;

    // The record loop begins with total records, none handled yet.
    virtual void RecordLoopStarted(int32_t /*total*/) {}
    // handled of total records are finished: already open, opened, or given up.
    virtual void RecordsHandled(int32_t /*handled*/, int32_t /*total*/) {}
    // Asked before each record: true stops the loop there.
    virtual bool StopRequested() { return false; }
    // False when nobody is left to read the closing boxes (the program is closing).
    virtual bool ReportWanted() { return true; }
    // Every message the restore's waits take from the queue comes here first; true when it was handled
    // and must not be dispatched.
    virtual bool TakeMessage(const MSG& /*message*/) { return false; }
};
