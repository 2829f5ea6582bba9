#pragma once
// The rest between two reads of the shell's window count: about a millisecond, so a wait reacts within
// a couple of milliseconds of the new window without keeping a processor busy. The timer resolution is
// raised for the pacer's lifetime only, since a plain Sleep(1) may last a whole scheduler tick.
class PollPacer {
public:
    PollPacer();
    ~PollPacer();
    PollPacer(const PollPacer&) = delete;
    PollPacer& operator=(const PollPacer&) = delete;

    void Pause();
};
