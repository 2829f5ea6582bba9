#include "restore/message_pump.h"

#include "restore/restore_progress.h"

MessagePump::~MessagePump() {
    if (quitMet_) PostQuitMessage(static_cast<int>(quitCode_));
}

void MessagePump::DispatchWaiting() {
    MSG message;
    while (!quitMet_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitMet_ = true;
            quitCode_ = message.wParam;
            return;
        }
        if (progress_ && progress_->TakeMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void MessagePump::Rest(DWORD restMs, const std::function<bool()>& woken, HANDLE wakeHandle) {
    const DWORD handleCount = wakeHandle ? 1 : 0;
    const DWORD start = GetTickCount();
    for (;;) {
        DispatchWaiting();
        if (woken && woken()) return;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= restMs) return;
        if (quitMet_) {
            if (wakeHandle) WaitForSingleObject(wakeHandle, restMs - elapsed);
            else Sleep(restMs - elapsed);
            return;
        }
        // MWMO_INPUTAVAILABLE: messages already seen but left in the queue wake the wait too.
        const DWORD woke = MsgWaitForMultipleObjectsEx(handleCount, handleCount ? &wakeHandle : nullptr,
                                                       restMs - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_TIMEOUT || woke == WAIT_FAILED) {
            DispatchWaiting();
            return;
        }
        if (woke < WAIT_OBJECT_0 + handleCount) return;
    }
}
