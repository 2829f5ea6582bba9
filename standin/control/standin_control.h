#pragma once
// Test-side control of the stand-in Explorer shell: start and stop it, arrange its windows, its taskbar
// and its faults, and read back everything it shows. One shell runs per Wine prefix; tests run serially.
//
// The program under test never uses this header: it sees the stand-in only through the functions it calls
// on Windows (CoCreateInstance of CLSID_ShellWindows, the taskbar toolbar, ShellExecuteW, window messages).
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace standin {

// What a window of the stand-in is, and so its class name.
enum class WindowKind {
    Folder,    // "CabinetWClass": a plain folder window
    Explorer,  // "ExploreWClass": a folder window with the folder tree
    Browser,   // "IEFrame": a browser window showing a web page; it offers no folder view
    OtherApp,  // "StandInApplication": a window of another program; on the taskbar, not in the shell list
};

// How a window answers WM_SYSCOMMAND SC_CLOSE.
enum class CloseResponse {
    Close,   // closes: leaves the shell window list and the taskbar
    Ignore,  // answers at once and stays open
    Hang,    // keeps the shell busy for hangMs before answering, then stays open
};

// The longest list of windows (taskbar order, listed windows, fault lists) the shell takes or answers.
inline constexpr size_t kMaxListEntries = 256;

struct WindowSpec {
    WindowKind kind = WindowKind::Folder;
    // A file-system folder; the location URL is UrlCreateFromPathW of it. Need not exist on disk.
    std::wstring path;
    // When not empty, the location URL instead of the one made from path: a web page for a browser
    // window, or a non-file URL for a folder window on a virtual location (then path is ignored).
    std::wstring url;
    // The normal (restored) rectangle, in screen coordinates.
    RECT normal = {100, 100, 740, 580};
    // When not empty, the window stands here as Windows arranged it (snapped, maximised vertically),
    // while GetWindowPlacement goes on answering normal, the rectangle from before the arrangement.
    RECT arranged = {};
    // SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWMINNOACTIVE, SW_HIDE, ...
    // applied through SetWindowPlacement together with normal.
    int showCmd = SW_SHOWNORMAL;
    // With a minimised showCmd: the window restores to maximised (WPF_RESTORETOMAXIMIZED).
    bool restoreToMaximized = false;
    // FOLDERVIEWMODE, 1..8; ignored for Browser and OtherApp windows.
    int viewMode = 1;
    // False: the window has no taskbar button.
    bool onTaskbar = true;
    CloseResponse closeResponse = CloseResponse::Close;
    DWORD hangMs = 0;  // with CloseResponse::Hang
};

// Faults and the ways of older Windows, all off by default: by default the shell behaves as Windows 7
// and later do. SetFaults replaces the whole set.
struct Faults {
    // CoCreateInstance(CLSID_ShellWindows) fails with E_FAIL.
    bool listCreationFails = false;
    // IShellWindows::Item(VT_I4 i) answers E_FAIL (and no object) for these indexes.
    std::vector<int> failingItems = {};
    // QueryService(SID_SFolderView, IID_IFolderView) fails for these windows even when they are folders.
    std::vector<HWND> noFolderView = {};
    // This window is destroyed right after the next get_Count answer (it vanishes before Item).
    HWND vanishAfterNextCount = nullptr;
    // Shell_TrayWnd stays, but its ReBarWindow32 > MSTaskSwWClass chain is gone.
    bool noTaskbarChain = false;
    // The folder launcher starts (ShellExecuteW succeeds) but no window opens.
    bool launchesFail = false;
    // ShellExecuteW answers a successful launch with 33, as XP did for folders (42 otherwise).
    bool xpLaunchAnswer = false;
    // The taskbar up to Vista: MSTaskSwWClass holds a ToolbarWindow32 whose buttons lead to their windows
    // (otherwise it holds an MSTaskListWClass, whose order cannot be read).
    bool toolbarTaskbar = false;
    // The DShellWindowsEvents connection point refuses Advise: a client has to poll.
    bool refuseEvents = false;
    // Advise succeeds, but no WindowRegistered or WindowRevoked event is ever fired.
    bool silentEvents = false;
};

// One window as the shell holds it, for assertions.
struct WindowState {
    HWND hwnd = nullptr;
    WindowKind kind = WindowKind::Folder;
    std::wstring className;
    std::wstring title;
    std::wstring path;  // the folder path (empty for browser windows and virtual locations)
    std::wstring url;   // the location URL as get_LocationURL answers it
    WINDOWPLACEMENT placement{};  // as GetWindowPlacement gives it (length, flags, showCmd, rectangles)
    bool visible = false;
    bool minimized = false;
    bool maximized = false;
    int viewMode = 0;        // 0 for windows without a folder view
    int listIndex = -1;      // index in the shell window list (IShellWindows::Item), -1 when not listed
    int taskbarButton = -1;  // index of its button in the taskbar toolbar, -1 when it has none
};

// A process's memory as it reads it about itself (GetProcessMemoryInfo), in bytes.
struct ProcessMemory {
    unsigned long long workingSet = 0;
    unsigned long long peakWorkingSet = 0;
    unsigned long long committed = 0;  // PagefileUsage (under Wine: anonymous resident plus swapped)
};

// What the program's calls into the stand-in (through its in-process COM server) have cost it since the
// last reset.
struct ServerUsage {
    long long calls = 0;
    double seconds = 0;  // spent waiting for the shell, the lock included
    long long launches = 0;  // ShellExecuteW calls of the program, whatever their target
    // For each window listed (at most kMaxListEntries): from its listing to the program's next call.
    std::vector<double> listingDelaysMs;
};

// What the program holds, read inside its own process by the COM server (so only after the program's
// first command has loaded it): Wine gives none of it across processes.
struct ProgramCensus {
    int gdiObjects = -1;    // -1 unless counted
    double cpuSeconds = 0;  // user and kernel time of the whole process so far (Wine: 10 ms steps)
    ProcessMemory memory;
};

// The running stand-in shell. Starting replaces any shell left over from an earlier (crashed) run and
// registers the stand-in in the Wine prefix first; the destructor stops it and closes its windows.
class Shell {
public:
    Shell();
    ~Shell();
    // The shell that runs already (started by someone else), left running when this object goes.
    static Shell Attach();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // False when the shell could not be started (or was stopped); every other call then fails.
    bool running() const;
    // Ends the shell before the destructor does (to see what a client meets without a shell).
    void Stop();
    // Leaves the shell running when this object goes (the demo hands it over to the program).
    void KeepRunning() { owner_ = false; }
    DWORD processId() const;

    // Opens a window as the shell itself would: it joins the shell window list (newest last, except
    // OtherApp) and the end of the taskbar. Returns its handle, or nullptr on failure.
    HWND Open(const WindowSpec& spec);
    // Closes a window for good, whatever its CloseResponse (for arranging, not as the program closes).
    bool Close(HWND window);
    // The taskbar buttons after the leading one, in this order; a nullptr entry is a button whose data
    // holds no window. Windows left out keep no button. More than kMaxListEntries windows are refused.
    bool SetTaskbarOrder(const std::vector<HWND>& windows);
    // Time between a folder launch (ShellExecuteW) and the window's appearance; 0 by default.
    bool SetLaunchDelay(DWORD ms);
    // Refused when a list of the set holds more than kMaxListEntries entries.
    bool SetFaults(const Faults& faults);

    // The program's cost in the stand-in (ServerUsage); kept across shell restarts, in the shared section.
    static ServerUsage Usage();
    static void ResetUsage();
    // A census of the program, taken at once even while the program is busy in a command; nullopt when no
    // process has the COM server loaded. Counting GDI objects scans the whole GDI handle table (some
    // milliseconds of the program's processor time).
    static std::optional<ProgramCensus> TakeProgramCensus(bool countGdiObjects);

    // Every window of the shell (taskbar excluded) in the order they were opened.
    std::vector<WindowState> Dump() const;
    // The handles of the shell window list, in IShellWindows::Item order.
    std::vector<HWND> ListedWindows() const;
    // The handles behind the taskbar buttons after the leading one, in button order.
    std::vector<HWND> TaskbarWindows() const;

private:
    explicit Shell(DWORD attachedProcess);
    DWORD processId_ = 0;
    bool owner_ = true;
};

// Writes the registry keys of the stand-in into the current Wine prefix (the COM server for
// CLSID_ShellWindows and the Folder verbs). Idempotent; Shell's constructor calls it too.
bool RegisterStandIn();

// The stand-in's own texts for a dump line (used by the controller and by failure messages).
const wchar_t* KindName(WindowKind kind);
std::wstring Describe(const WindowState& state);

}  // namespace standin
