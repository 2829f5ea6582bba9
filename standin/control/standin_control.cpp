#include "control/standin_control.h"

#include <algorithm>
#include <memory>

#include "control/shell_process.h"
#include "protocol/channel_client.h"
#include "win32/unique_handle.h"

namespace standin {

static_assert(kMaxListEntries == wire::kMaxHandles && kMaxListEntries == wire::kMaxFaultEntries);

namespace {

struct Exchange {
    std::unique_ptr<wire::Request> request;
    std::unique_ptr<wire::Reply> reply = std::make_unique<wire::Reply>();

    explicit Exchange(wire::Op op, HWND window = nullptr, int32_t number = 0)
        : request(std::make_unique<wire::Request>(wire::MakeRequest(op, window, number))) {}
    HRESULT Run() { return wire::Call(*request, *reply); }
};

wire::Spec ToWire(const WindowSpec& spec) {
    wire::Spec out{};
    out.kind = static_cast<wire::Kind>(spec.kind);
    out.showCmd = spec.showCmd;
    out.restoreToMaximized = spec.restoreToMaximized;
    out.viewMode = spec.viewMode;
    out.onTaskbar = spec.onTaskbar;
    out.closeMode = static_cast<wire::CloseMode>(spec.closeResponse);
    out.hangMs = spec.hangMs;
    out.normal = spec.normal;
    out.arranged = spec.arranged;
    wire::CopyText(out.path, spec.path.c_str());
    wire::CopyText(out.url, spec.url.c_str());
    return out;
}

bool FitsTheWire(const Faults& faults) {
    return faults.failingItems.size() <= wire::kMaxFaultEntries && faults.noFolderView.size() <= wire::kMaxFaultEntries;
}

wire::Faults ToWire(const Faults& faults) {
    wire::Faults out{};
    out.listCreationFails = faults.listCreationFails;
    out.noTaskbarChain = faults.noTaskbarChain;
    out.launchesFail = faults.launchesFail;
    out.xpLaunchAnswer = faults.xpLaunchAnswer;
    out.toolbarTaskbar = faults.toolbarTaskbar;
    out.failingItemCount = static_cast<uint32_t>(faults.failingItems.size());
    std::copy_n(faults.failingItems.begin(), out.failingItemCount, out.failingItems);
    out.noFolderViewCount = static_cast<uint32_t>(faults.noFolderView.size());
    for (uint32_t i = 0; i < out.noFolderViewCount; ++i) out.noFolderView[i] = wire::ToWire(faults.noFolderView[i]);
    out.vanishAfterNextCount = wire::ToWire(faults.vanishAfterNextCount);
    out.refuseEvents = faults.refuseEvents;
    out.silentEvents = faults.silentEvents;
    return out;
}

WindowState FromWire(const wire::State& state) {
    WindowState out;
    out.hwnd = wire::FromWire(state.window);
    out.kind = static_cast<WindowKind>(state.kind);
    out.className = state.className;
    out.title = state.title;
    out.path = state.path;
    out.url = state.url;
    out.placement = state.placement;
    out.visible = state.visible;
    out.minimized = state.minimized;
    out.maximized = state.maximized;
    out.viewMode = state.viewMode;
    out.listIndex = state.listIndex;
    out.taskbarButton = state.taskbarButton;
    return out;
}

ProcessMemory FromWire(const wire::Memory& memory) {
    return ProcessMemory{memory.workingSet, memory.peakWorkingSet, memory.committed};
}

std::vector<HWND> HandlesOf(wire::Op op) {
    Exchange exchange(op);
    std::vector<HWND> windows;
    if (FAILED(exchange.Run())) return windows;
    const wire::Handles& handles = exchange.reply->handles;
    for (uint32_t i = 0; i < handles.count; ++i) windows.push_back(wire::FromWire(handles.values[i]));
    return windows;
}

}  // namespace

Shell::Shell() {
    if (RegisterStandIn()) processId_ = StartShellProcess();
}

Shell::Shell(DWORD attachedProcess) : processId_(attachedProcess), owner_(false) {}

Shell Shell::Attach() { return Shell(wire::ShellProcessId()); }

Shell::~Shell() {
    if (owner_) Stop();
}

bool Shell::running() const { return processId_ != 0 && wire::ShellProcessId() == processId_; }

DWORD Shell::processId() const { return processId_; }

void Shell::Stop() {
    if (running()) StopShellProcess();
    processId_ = 0;
}

HWND Shell::Open(const WindowSpec& spec) {
    Exchange exchange(wire::Op::Open);
    exchange.request->spec = ToWire(spec);
    return SUCCEEDED(exchange.Run()) ? wire::FromWire(exchange.reply->window) : nullptr;
}

bool Shell::Close(HWND window) { return SUCCEEDED(Exchange(wire::Op::Close, window).Run()); }

bool Shell::SetTaskbarOrder(const std::vector<HWND>& windows) {
    if (windows.size() > wire::kMaxHandles) return false;
    Exchange exchange(wire::Op::SetTaskbarOrder);
    wire::Handles& handles = exchange.request->handles;
    handles.count = static_cast<uint32_t>(windows.size());
    for (uint32_t i = 0; i < handles.count; ++i) handles.values[i] = wire::ToWire(windows[i]);
    return SUCCEEDED(exchange.Run());
}

bool Shell::SetLaunchDelay(DWORD ms) {
    return SUCCEEDED(Exchange(wire::Op::SetLaunchDelay, nullptr, static_cast<int32_t>(ms)).Run());
}

bool Shell::SetFaults(const Faults& faults) {
    if (!FitsTheWire(faults)) return false;
    Exchange exchange(wire::Op::SetFaults);
    exchange.request->faults = ToWire(faults);
    return SUCCEEDED(exchange.Run());
}

std::vector<WindowState> Shell::Dump() const {
    std::vector<WindowState> states;
    for (int32_t index = 0;; ++index) {
        Exchange exchange(wire::Op::Describe, nullptr, index);
        if (exchange.Run() != S_OK) break;
        states.push_back(FromWire(exchange.reply->state));
    }
    return states;
}

ServerUsage Shell::Usage() {
    ServerUsage out;
    const wire::Usage* usage = wire::SharedUsage();
    if (!usage) return out;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    out.calls = usage->serverCalls;
    out.launches = usage->launches;
    out.seconds = static_cast<double>(usage->serverTicks) / static_cast<double>(frequency.QuadPart);
    const LONG64 delays = std::min<LONG64>(LONG64{usage->listingDelayCount}, static_cast<LONG64>(wire::kMaxHandles));
    for (LONG64 i = 0; i < delays; ++i) {
        out.listingDelaysMs.push_back(1e3 * static_cast<double>(usage->listingDelays[i]) /
                                      static_cast<double>(frequency.QuadPart));
    }
    return out;
}

void Shell::ResetUsage() {
    if (wire::Usage* usage = wire::SharedUsage()) {
        InterlockedExchange64(&usage->serverCalls, 0);
        InterlockedExchange64(&usage->serverTicks, 0);
        InterlockedExchange64(&usage->launches, 0);
        InterlockedExchange64(&usage->listedAt, 0);
        InterlockedExchange64(&usage->listingDelayCount, 0);
    }
}

std::optional<ProgramCensus> Shell::TakeProgramCensus(bool countGdiObjects) {
    // Long enough for a GDI scan on a busy machine; a program without the COM server never answers.
    constexpr DWORD kCensusTimeoutMs = 5000;
    wire::Usage* usage = wire::SharedUsage();
    const win32::UniqueKernelHandle request(CreateEventW(nullptr, FALSE, FALSE, wire::kCensusRequestName));
    const win32::UniqueKernelHandle done(CreateEventW(nullptr, FALSE, FALSE, wire::kCensusDoneName));
    if (!usage || !request || !done) return std::nullopt;
    ResetEvent(done.get());
    usage->census.countGdiObjects = countGdiObjects;
    SetEvent(request.get());
    if (WaitForSingleObject(done.get(), kCensusTimeoutMs) != WAIT_OBJECT_0) {
        ResetEvent(request.get());
        return std::nullopt;
    }
    const wire::Census& census = usage->census;
    return ProgramCensus{census.gdiObjects, static_cast<double>(census.cpuTime) / 1e7, FromWire(census.memory)};
}


std::vector<HWND> Shell::ListedWindows() const { return HandlesOf(wire::Op::ListedWindows); }

std::vector<HWND> Shell::TaskbarWindows() const { return HandlesOf(wire::Op::TaskbarWindows); }

}  // namespace standin
