#include <gtest/gtest.h>
#include <windows.h>

#include "restore/message_pump.h"
#include "restore/restore_progress.h"

namespace {

// Takes the messages of one kind and counts them; lets everything else through.
struct TakingProgress : RestoreProgress {
    UINT taken = WM_APP + 7;
    int count = 0;
    bool TakeMessage(const MSG& message) override { return message.message == taken && ++count > 0; }
};

TEST(MessagePump, DispatchesWhatArrivesWhileResting_AndEndsEarlyOnceWoken) {
    TakingProgress progress;
    PostThreadMessageW(GetCurrentThreadId(), progress.taken, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), progress.taken, 0, 0);
    const DWORD start = GetTickCount();
    {
        MessagePump pump(&progress);
        pump.Rest(5000, [&] { return progress.count == 2; });
        EXPECT_FALSE(pump.QuitMet());
    }
    EXPECT_LT(GetTickCount() - start, 1000u) << "woken by the messages, not by the end of the rest";
    MSG left;
    EXPECT_FALSE(PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE)) << "message " << left.message << " was left";
}

TEST(MessagePump, AQuitMetWhileRestingIsPostedAgainWhenThePumpGoes_AndNothingAfterItIsTaken) {
    TakingProgress progress;
    PostQuitMessage(7);
    {
        MessagePump pump(&progress);
        pump.Rest(20);
        PostThreadMessageW(GetCurrentThreadId(), progress.taken, 0, 0);
        pump.Rest(20);
        EXPECT_TRUE(pump.QuitMet());
        EXPECT_EQ(progress.count, 0);
    }
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, progress.taken, progress.taken, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
