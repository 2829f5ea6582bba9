#pragma once
// The rest of a restore's wait: the thread's messages keep flowing while it waits, so the program's
// windows repaint, answer and never count as hung. A WM_QUIT met meanwhile is kept and posted again
// when the pump goes, for the main loop; until then the pump takes no more messages.
#include <windows.h>

#include <functional>

class RestoreProgress;

class MessagePump {
public:
    explicit MessagePump(RestoreProgress* progress = nullptr) : progress_(progress) {}
    ~MessagePump();
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;

    // Dispatches what arrives for at most restMs; ends early once woken() (when given) answers true or
    // wakeHandle (when given) is signalled.
    void Rest(DWORD restMs, const std::function<bool()>& woken = {}, HANDLE wakeHandle = nullptr);
    bool QuitMet() const { return quitMet_; }

private:
    void DispatchWaiting();

    RestoreProgress* progress_;
    bool quitMet_ = false;
    WPARAM quitCode_ = 0;
};
