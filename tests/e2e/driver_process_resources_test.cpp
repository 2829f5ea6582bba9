// The driver's reading of what a process holds, tried on this process: every handle, window and
// committed megabyte it adds shows, and goes again when released.
#include <vector>

#include "driver/process_resources.h"
#include "driver/wait.h"
#include "win32/unique_handle.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const DWORD kThisProcess = GetCurrentProcessId();

TEST(DriverProcessResources, KernelHandlesAreCountedOneByOne) {
    const size_t before = KernelHandleCount(kThisProcess);
    std::vector<win32::UniqueKernelHandle> events;
    for (int i = 0; i < 3; ++i) events.emplace_back(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    EXPECT_EQ(KernelHandleCount(kThisProcess), before + 3);
    events.clear();
    EXPECT_EQ(KernelHandleCount(kThisProcess), before);
}

TEST(DriverProcessResources, WindowsCountAsUserObjectsChildrenAndMessageOnlyOnesToo) {
    // A thread's windows bring the thread's input-method window along: keep one before counting.
    const HWND keeper = CreateWindowExW(0, L"STATIC", L"keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const size_t before = UserObjectCount(kThisProcess);
    const HWND top = CreateWindowExW(0, L"STATIC", L"top", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const HWND child = CreateWindowExW(0, L"STATIC", L"child", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
    const HWND messageOnly =
        CreateWindowExW(0, L"STATIC", L"mail", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(top && child && messageOnly);
    EXPECT_EQ(UserObjectCount(kThisProcess), before + 3);
    DestroyWindow(messageOnly);
    DestroyWindow(top);
    EXPECT_EQ(UserObjectCount(kThisProcess), before);
    DestroyWindow(keeper);
}

TEST(DriverProcessResources, CommittedMemoryFollowsACommittedBlock) {
    constexpr size_t kBlock = 1 << 20;
    const size_t before = CommittedPrivateBytes(kThisProcess);
    void* block = VirtualAlloc(nullptr, kBlock, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_TRUE(block);
    EXPECT_EQ(CommittedPrivateBytes(kThisProcess), before + kBlock);
    VirtualFree(block, 0, MEM_RELEASE);
    EXPECT_EQ(CommittedPrivateBytes(kThisProcess), before);
}

TEST(DriverProcessResources, AProcessThatIsGoneCannotBeRead) {
    EXPECT_THROW(CommittedPrivateBytes(0xFFFFFFF0u), DriverError);
}

}  // namespace
}  // namespace e2e
