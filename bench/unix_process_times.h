#pragma once
// The processor time of the Unix processes behind Wine's processes. Under Wine, GetProcessTimes does not
// give another process's times, so they are read where the system keeps them, /proc/<pid>/stat, through
// Wine's drive Z:.
#include <string>

namespace bench {

class UnixProcess {
public:
    // The one process of this Wine prefix whose program (the first word of its command line) ends with
    // programEnd; the prefix is the one of the process running `program`, found first by its full path.
    static UnixProcess Running(const std::string& program);
    UnixProcess SiblingRunning(const std::string& programEnd) const;

    // User and system time so far, in milliseconds (the system counts in ticks of 10 ms).
    double CpuMs() const;

private:
    UnixProcess(std::wstring directory, std::string prefixEntry)
        : directory_(std::move(directory)), prefixEntry_(std::move(prefixEntry)) {}

    std::wstring directory_;   // its /proc directory, as a path of Wine's drive Z:
    std::string prefixEntry_;  // "WINEPREFIX=...\0" of its environment
};

}  // namespace bench
