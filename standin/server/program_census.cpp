#include "server/program_census.h"

#include <windows.h>
#include <psapi.h>

#include "protocol/channel_client.h"

namespace standin {
namespace {

// GDI handles carry their table index in the low word; with a zero high word Wine accepts the handle
// whatever the entry's generation, so every index of the table can be asked for its object type.
int32_t CountLiveGdiObjects() {
    int32_t live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++live;
    }
    return live;
}

wire::Memory MemoryOfThisProcess() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return wire::Memory{};
    return wire::Memory{counters.WorkingSetSize, counters.PeakWorkingSetSize, counters.PagefileUsage};
}

uint64_t CpuTimeOfThisProcess() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    const auto value = [](const FILETIME& time) {
        return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return value(kernel) + value(user);
}

void TakeCensus(wire::Census& census) {
    census.gdiObjects = census.countGdiObjects ? CountLiveGdiObjects() : -1;
    census.cpuTime = CpuTimeOfThisProcess();
    census.memory = MemoryOfThisProcess();
}

DWORD WINAPI ServeCensus(void*) {
    HANDLE request = CreateEventW(nullptr, FALSE, FALSE, wire::kCensusRequestName);
    HANDLE done = CreateEventW(nullptr, FALSE, FALSE, wire::kCensusDoneName);
    wire::Usage* usage = wire::SharedUsage();
    if (!request || !done || !usage) return 1;
    while (WaitForSingleObject(request, INFINITE) == WAIT_OBJECT_0) {
        TakeCensus(usage->census);
        SetEvent(done);
    }
    return 0;
}

}  // namespace

void StartCensusService() {
    static const HANDLE thread = CreateThread(nullptr, 0, ServeCensus, nullptr, 0, nullptr);
    (void)thread;  // kept open for the life of the process, like the thread itself
}

}  // namespace standin
