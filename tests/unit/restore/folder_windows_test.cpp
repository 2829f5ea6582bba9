#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "restore/folder_windows.h"
#include "win32/unique_handle.h"

namespace {

// How a window of the test answers its close request.
enum class Answer { kClose, kStayOpen, kHang };

struct WindowBehaviour {
    Answer answer = Answer::kClose;
    HANDLE release = nullptr;  // kHang: the window answers once this event is set
    int closeRequests = 0;
};

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* behaviour = reinterpret_cast<WindowBehaviour*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE && behaviour) {
        ++behaviour->closeRequests;
        if (behaviour->answer == Answer::kHang) WaitForSingleObject(behaviour->release, INFINITE);
        if (behaviour->answer != Answer::kClose) return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Windows of the given class names, each owned by its own thread with a message loop, as another
// program's windows are: a close request then really waits for the owner's answer.
class ForeignWindows {
public:
    ~ForeignWindows() {
        for (size_t i = 0; i < threads_.size(); ++i) {
            SetEvent(behaviours_[i]->release);
            PostThreadMessageA(threadIds_[i], WM_QUIT, 0, 0);
            threads_[i].join();
            CloseHandle(behaviours_[i]->release);
            delete behaviours_[i];
        }
        for (const std::string& name : classes_) UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr));
    }

    HWND Open(const std::string& className, Answer answer = Answer::kClose) {
        RegisterOnce(className);
        auto* behaviour = new WindowBehaviour{answer, CreateEventA(nullptr, TRUE, FALSE, nullptr), 0};
        behaviours_.push_back(behaviour);
        HWND window = nullptr;
        const win32::UniqueKernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        threads_.emplace_back([&, behaviour, readyEvent = ready.get()] {
            window = CreateWindowExA(0, className.c_str(), "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(behaviour));
            SetEvent(readyEvent);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
            if (IsWindow(window)) DestroyWindow(window);
        });
        WaitForSingleObject(ready.get(), INFINITE);
        threadIds_.push_back(GetWindowThreadProcessId(window, nullptr));
        return window;
    }

    int CloseRequests(size_t index) const { return behaviours_[index]->closeRequests; }
    void Release(size_t index) const { SetEvent(behaviours_[index]->release); }

private:
    void RegisterOnce(const std::string& className) {
        for (const std::string& name : classes_)
            if (name == className) return;
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = className.c_str();
        RegisterClassA(&windowClass);
        classes_.push_back(className);
    }

    std::vector<std::string> classes_;
    std::vector<std::thread> threads_;
    std::vector<DWORD> threadIds_;
    std::vector<WindowBehaviour*> behaviours_;
};

}  // namespace

TEST(FolderWindows, CountsBothFolderClassesAndBrowserFramesApart) {
    const FolderWindowCounts before = CountFolderWindows();
    ForeignWindows windows;
    const HWND folder = windows.Open("CabinetWClass");
    const HWND explorer = windows.Open("ExploreWClass");
    const HWND browser = windows.Open("IEFrame");
    const HWND lookAlike = windows.Open("CabinetWClassX");

    FolderWindowCounts counts;
    for (HWND window : {folder, explorer, browser, lookAlike}) {
        EXPECT_TRUE(CountFolderWindowsProc(window, reinterpret_cast<LPARAM>(&counts)));
    }
    EXPECT_EQ(counts.folderWindowCount, 2);
    EXPECT_EQ(counts.browserFrameCount, 1);

    const FolderWindowCounts all = CountFolderWindows();
    EXPECT_EQ(all.folderWindowCount, before.folderWindowCount + 2);
    EXPECT_EQ(all.browserFrameCount, before.browserFrameCount + 1);
}

TEST(FolderWindows, ClosingAsksOnlyFolderWindowsAndWaitsUntilTheyAreGone) {
    ForeignWindows windows;
    const HWND folder = windows.Open("CabinetWClass");
    const HWND explorer = windows.Open("ExploreWClass");
    const HWND browser = windows.Open("IEFrame");

    for (HWND window : {folder, explorer, browser}) EXPECT_TRUE(CloseFolderWindowsProc(window, 0));
    EXPECT_FALSE(IsWindow(folder));
    EXPECT_FALSE(IsWindow(explorer));
    EXPECT_TRUE(IsWindow(browser));
    EXPECT_EQ(windows.CloseRequests(2), 0);
}

// A folder window that never answers, or answers and stays, must not hold the restore: the closing goes
// on to the next window and leaves the stubborn ones open.
TEST(FolderWindows, AWindowThatHangsOrStaysOpenDoesNotHoldTheClosing) {
    ForeignWindows windows;
    const HWND hanging = windows.Open("CabinetWClass", Answer::kHang);
    const HWND staying = windows.Open("ExploreWClass", Answer::kStayOpen);
    const HWND closing = windows.Open("CabinetWClass");

    CloseFolderWindows();

    EXPECT_EQ(windows.CloseRequests(0), 1);
    EXPECT_EQ(windows.CloseRequests(1), 1);
    EXPECT_TRUE(IsWindow(staying));
    EXPECT_FALSE(IsWindow(closing));
    windows.Release(0);
    EXPECT_TRUE(IsWindow(hanging));
}
