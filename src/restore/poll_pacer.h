#pragma once
// The rest between two reads of the shell's window count when the shell sends no events: a few
// milliseconds, so a wait reacts within about five milliseconds of the new window while the reads (each a
// call into the shell's process) keep well under a twentieth of a processor busy. The timer resolution
// is raised for the pacer's lifetime only, since a plain wait may last a whole scheduler tick.
#include <cstdint>

class PollPacer {
public:
    PollPacer();
    ~PollPacer();
    PollPacer(const PollPacer&) = delete;
    PollPacer& operator=(const PollPacer&) = delete;

    // How long to rest with remainingMs left before the deadline.
    uint32_t RestMs(uint32_t remainingMs) const;
};
