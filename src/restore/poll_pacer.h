#pragma once
// The rest between two reads of the shell's window count: a few milliseconds, so a wait reacts within
// about five milliseconds of the new window while the reads (each a call into the shell's process) keep
// well under a twentieth of a processor busy. The timer resolution is raised for the pacer's lifetime
// only, since a plain Sleep may last a whole scheduler tick.
class PollPacer {
public:
    PollPacer();
    ~PollPacer();
    PollPacer(const PollPacer&) = delete;
    PollPacer& operator=(const PollPacer&) = delete;

    void Pause();
};
