#pragma once
// The one request/reply exchange between the stand-in shell process and everyone who talks to it: the
// COM server inside a client process, the folder launcher and the test control. A client writes a Request
// into a shared section, sends kRequestMessage to the shell's control window and reads the Reply from
// the same section when SendMessage returns; a named mutex keeps one exchange at a time.
#include <windows.h>

#include <cstdint>

namespace standin::wire {

inline constexpr wchar_t kControlWindowClass[] = L"PavorinStandInControl";
inline constexpr wchar_t kSectionName[] = L"PavorinStandInChannel";
inline constexpr wchar_t kLockName[] = L"PavorinStandInChannelLock";
// The census of the program (see Usage): the test control sets the request event, the COM server's census
// thread inside the program takes it and sets the done event.
inline constexpr wchar_t kCensusRequestName[] = L"PavorinStandInCensusRequest";
inline constexpr wchar_t kCensusDoneName[] = L"PavorinStandInCensusDone";
inline constexpr UINT kRequestMessage = WM_APP + 1;
// Posted by the shell process to a listener window of the COM server inside a client: wParam the event's
// DISPID (DISPID_WINDOWREGISTERED or DISPID_WINDOWREVOKED), lParam the window's cookie.
inline constexpr UINT kWindowEventMessage = WM_APP + 2;

inline constexpr size_t kTextCapacity = 4096;  // longer than any path or URL a test uses
// Room for the largest desktops the benchmarks arrange (100+ folder windows, plus other programs).
// A list longer than this is refused, never cut.
inline constexpr size_t kMaxHandles = 256;
inline constexpr size_t kMaxFaultEntries = 256;

enum class Op : uint32_t {
    // What the COM server asks for one call of the program.
    CreateList,
    Count,
    Item,          // number: index; answers window
    LocationUrl,   // window; answers text
    HasFolderView, // window
    GetViewMode,   // window; answers number
    SetViewMode,   // window, number
    Navigate,      // window, text: URL
    GetPlacement,  // window; answers placement
    SetPlacement,  // window, placement
    LaunchAnswer,  // answers number: what ShellExecuteW answers a successful launch with
    // The folder launcher.
    Launch,        // spec: kind, path, showCmd
    // The test control.
    Open,          // spec; answers window
    Close,         // window
    SetTaskbarOrder, // handles
    SetLaunchDelay,  // number
    SetFaults,     // faults
    Describe,      // number: index in opening order; answers state, S_FALSE past the end
    ListedWindows, // answers handles
    TaskbarWindows,// answers handles
    // The COM server's DShellWindowsEvents connection.
    Advise,        // window: the listener the events are posted to; answers number: cookie
    Unadvise,      // number: cookie
    Quit,
};

// Mirrors of standin::WindowKind and standin::CloseResponse as plain numbers.
enum class Kind : int32_t { Folder, Explorer, Browser, OtherApp };
enum class CloseMode : int32_t { Close, Ignore, Hang };

struct Spec {
    Kind kind;
    int32_t showCmd;
    int32_t restoreToMaximized;
    int32_t viewMode;
    int32_t onTaskbar;
    CloseMode closeMode;
    uint32_t hangMs;
    RECT normal;
    RECT arranged;  // empty: not arranged
    wchar_t path[kTextCapacity];
    wchar_t url[kTextCapacity];
};

struct Faults {
    int32_t listCreationFails;
    int32_t noTaskbarChain;
    int32_t launchesFail;
    int32_t xpLaunchAnswer;
    int32_t toolbarTaskbar;
    uint32_t failingItemCount;
    int32_t failingItems[kMaxFaultEntries];
    uint32_t noFolderViewCount;
    uint64_t noFolderView[kMaxFaultEntries];
    uint64_t vanishAfterNextCount;
    int32_t refuseEvents;  // Advise fails: clients must poll
    int32_t silentEvents;  // Advise succeeds, but no event is ever fired
};

struct Handles {
    uint32_t count;
    uint64_t values[kMaxHandles];
};

// A process's memory as GetProcessMemoryInfo gives it about itself (Wine gives nothing about others).
struct Memory {
    uint64_t workingSet;
    uint64_t peakWorkingSet;
    uint64_t committed;  // PagefileUsage: private memory (Wine: anonymous resident plus swapped)
};

struct State {
    uint64_t window;
    Kind kind;
    int32_t visible, minimized, maximized;
    int32_t viewMode, listIndex, taskbarButton;
    WINDOWPLACEMENT placement;
    wchar_t className[64];
    wchar_t title[256];
    wchar_t path[kTextCapacity];
    wchar_t url[kTextCapacity];
};

struct Request {
    Op op;
    int32_t number;
    uint64_t window;
    WINDOWPLACEMENT placement;
    Spec spec;
    Faults faults;
    Handles handles;
    wchar_t text[kTextCapacity];
};

struct Reply {
    HRESULT result;
    DWORD lastError;  // for the placement calls, which answer through GetLastError
    int32_t number;
    uint64_t window;
    WINDOWPLACEMENT placement;
    Handles handles;
    State state;
    wchar_t text[kTextCapacity];
};

// What the program holds, as its own process reads it (Wine gives another process's GDI objects, memory
// counters and processor times to nobody): written by the census thread, read after the done event.
struct Census {
    int32_t countGdiObjects;  // asked for by the test control: a scan of the whole GDI handle table
    int32_t gdiObjects;       // -1 when not counted
    uint64_t cpuTime;         // user and kernel time of the whole process, in 100 ns units
    Memory memory;
};

// Kept in the section by the COM server inside the program, for benchmarks and leak checks: what the
// program's calls into the shell cost it (interlocked counters, changed outside the lock), and the census.
struct Usage {
    volatile LONG64 serverCalls;  // exchanges the COM server made
    volatile LONG64 serverTicks;  // QueryPerformanceCounter ticks it spent in them, waits for the lock included
    volatile LONG64 launches;     // ShellExecuteW calls of the program, whatever their target
    // How soon the program calls after a window joins the list: the shell notes the tick of each listing,
    // the COM server takes it at the program's next call and keeps the delay.
    volatile LONG64 listedAt;  // 0 once a call has followed
    volatile LONG64 listingDelayCount;
    LONG64 listingDelays[kMaxHandles];  // in QueryPerformanceCounter ticks, the first kMaxHandles
    Census census;
};

struct Section {
    Request request;
    Reply reply;
    Usage usage;
};

inline uint64_t ToWire(HWND window) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window)); }
inline HWND FromWire(uint64_t window) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(window)); }

// Copies text into a fixed wire field, cut to its capacity and always terminated.
template <size_t N>
void CopyText(wchar_t (&field)[N], const wchar_t* text) {
    lstrcpynW(field, text ? text : L"", static_cast<int>(N));
}

}  // namespace standin::wire
