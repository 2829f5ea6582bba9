#include "protocol/channel_client.h"

#include <cstring>

namespace standin::wire {
namespace {

// Long enough for a folder window told to hang on its close request.
constexpr UINT kAnswerTimeoutMs = 30000;

// The section and its lock stay open for the life of the client process: the names outlive any one
// shell, so a restarted shell meets the same section.
struct ClientChannel {
    HANDLE lock = CreateMutexW(nullptr, FALSE, kLockName);
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Section),
                                        kSectionName);
    Section* section = mapping ? static_cast<Section*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0))
                               : nullptr;
    ~ClientChannel() {
        if (section) UnmapViewOfFile(section);
        if (mapping) CloseHandle(mapping);
        if (lock) CloseHandle(lock);
    }
};

ClientChannel& Channel() {
    static ClientChannel channel;
    return channel;
}

class LockHeld {
public:
    explicit LockHeld(HANDLE lock) : lock_(lock) {
        // An abandoned lock (a client died mid-exchange) is ours now and still usable.
        const DWORD wait = WaitForSingleObject(lock_, kAnswerTimeoutMs);
        held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~LockHeld() {
        if (held_) ReleaseMutex(lock_);
    }
    LockHeld(const LockHeld&) = delete;
    LockHeld& operator=(const LockHeld&) = delete;
    bool held() const { return held_; }

private:
    HANDLE lock_;
    bool held_;
};

}  // namespace

HWND FindShell() { return FindWindowW(kControlWindowClass, nullptr); }

DWORD ShellProcessId() {
    DWORD process = 0;
    if (HWND shell = FindShell()) GetWindowThreadProcessId(shell, &process);
    return process;
}

Usage* SharedUsage() {
    Section* section = Channel().section;
    return section ? &section->usage : nullptr;
}

Request MakeRequest(Op op, HWND window, int32_t number) {
    Request request;
    std::memset(&request, 0, sizeof request);
    request.op = op;
    request.window = ToWire(window);
    request.number = number;
    return request;
}

HRESULT Call(const Request& request, Reply& reply) {
    ClientChannel& channel = Channel();
    HWND shell = FindShell();
    if (!shell || !channel.section) return CO_E_SERVER_EXEC_FAILURE;
    LockHeld lock(channel.lock);
    if (!lock.held()) return CO_E_SERVER_EXEC_FAILURE;
    channel.section->request = request;
    std::memset(&channel.section->reply, 0, sizeof channel.section->reply);
    DWORD_PTR answered = 0;
    if (!SendMessageTimeoutW(shell, kRequestMessage, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &answered) ||
        !answered) {
        return CO_E_SERVER_EXEC_FAILURE;
    }
    reply = channel.section->reply;
    return reply.result;
}

}  // namespace standin::wire
