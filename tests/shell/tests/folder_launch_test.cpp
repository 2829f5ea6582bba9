// Opening folders through ShellExecuteW, waiting for them, finding, adjusting and closing them, as the
// restore does.
#include <windows.h>
#include <shellapi.h>
#include <shobjidl.h>

#include <string>

#include "stand_in_fixture.h"
#include "win32/unique_handle.h"

namespace standin::testing {
namespace {

using Microsoft::WRL::ComPtr;

// Long enough for any launch on a loaded machine; the waits end as soon as the window is there.
constexpr DWORD kLaunchWaitMs = 10000;

class FolderLaunchTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"standin-launch-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder.c_str(), nullptr);
        list = CreateShellWindows();
        ASSERT_TRUE(list);
    }
    void TearDown() override { RemoveDirectoryW(folder.c_str()); }

    INT_PTR Launch(const wchar_t* verb, const std::wstring& path) {
        return reinterpret_cast<INT_PTR>(
            ShellExecuteW(nullptr, verb, path.c_str(), nullptr, nullptr, SW_SHOWMINIMIZED));
    }

    // The launcher's exit code, once it has handed the folder over (with no launch delay, the window
    // is open by then).
    DWORD LaunchAndWaitForLauncher(const std::wstring& path) {
        SHELLEXECUTEINFOW launch{};
        launch.cbSize = sizeof launch;
        launch.fMask = SEE_MASK_NOCLOSEPROCESS;
        launch.lpVerb = L"open";
        launch.lpFile = path.c_str();
        launch.nShow = SW_SHOWMINIMIZED;
        if (!ShellExecuteExW(&launch) || !launch.hProcess) return STILL_ACTIVE;
        win32::UniqueKernelHandle launcher(launch.hProcess);
        WaitForSingleObject(launcher.get(), kLaunchWaitMs);
        DWORD exitCode = STILL_ACTIVE;
        GetExitCodeProcess(launcher.get(), &exitCode);
        return exitCode;
    }

    // The restore's wait: poll the count until it passes known.
    LONG WaitForCountAbove(LONG known) {
        const DWORD start = GetTickCount();
        LONG current = CountOf(*list.Get());
        while (current <= known && GetTickCount() - start < kLaunchWaitMs) {
            Sleep(1);
            current = CountOf(*list.Get());
        }
        return current;
    }

    std::wstring folder;
    ComPtr<IShellWindows> list;
};

TEST_F(FolderLaunchTest, OpenedFolderIsFoundByUrlAdjustedAndClosed) {
    ASSERT_TRUE(shell.SetFaults({.toolbarTaskbar = true}));
    OpenWindow(WindowKind::Folder, L"C:\\windows");
    ASSERT_TRUE(shell.SetLaunchDelay(150));
    const LONG known = CountOf(*list.Get());
    ASSERT_GT(Launch(L"open", folder), 32);
    ASSERT_EQ(WaitForCountAbove(known), known + 1);

    ComPtr<IWebBrowser2> browser = FindNewestByUrl(*list.Get(), UrlFromPath(folder));
    ASSERT_TRUE(browser);
    SHANDLE_PTR handle = 0;
    browser->get_HWND(&handle);
    HWND window = reinterpret_cast<HWND>(handle);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "CabinetWClass");
    EXPECT_TRUE(IsIconic(window));  // the show command reached the shell

    ASSERT_EQ(FolderViewOf(*browser.Get())->SetCurrentViewMode(FVM_DETAILS), S_OK);
    // A minimised window keeps its normal rectangle through SetWindowPos; the placement carries it.
    const RECT normal{30, 40, 530, 440};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ASSERT_TRUE(GetWindowPlacement(window, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = normal;
    ASSERT_TRUE(SetWindowPlacement(window, &placement));

    const WindowState state = shell.Dump().back();
    EXPECT_EQ(state.viewMode, FVM_DETAILS);
    EXPECT_FALSE(state.minimized);
    EXPECT_EQ(state.placement.rcNormalPosition.left, normal.left);
    EXPECT_EQ(state.placement.rcNormalPosition.bottom, normal.bottom);
    EXPECT_EQ(state.taskbarButton, 2);

    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(CountOf(*list.Get()), known);
    EXPECT_EQ(ReadTaskbar().size(), 1u);
}

TEST_F(FolderLaunchTest, ExploreVerbOpensAnExplorerWindowAndNoVerbAFolderWindow) {
    ASSERT_GT(Launch(L"explore", folder), 32);
    ASSERT_EQ(WaitForCountAbove(0), 1);
    ASSERT_GT(Launch(nullptr, folder), 32);
    ASSERT_EQ(WaitForCountAbove(1), 2);
    const std::vector<WindowState> states = shell.Dump();
    EXPECT_EQ(states[0].className, L"ExploreWClass");
    EXPECT_EQ(states[1].className, L"CabinetWClass");
    EXPECT_EQ(states[0].path, folder);
}

TEST_F(FolderLaunchTest, MissingFolderFailsLikeAMissingFile) {
    EXPECT_EQ(Launch(L"open", folder + L"\\missing"), SE_ERR_FNF);
    EXPECT_EQ(CountOf(*list.Get()), 0);
}

TEST_F(FolderLaunchTest, FaultLaunchStartsButNoWindowComes) {
    EXPECT_EQ(LaunchAndWaitForLauncher(folder), 0u);
    EXPECT_EQ(CountOf(*list.Get()), 1);
    ASSERT_TRUE(shell.SetFaults({.launchesFail = true}));
    EXPECT_EQ(LaunchAndWaitForLauncher(folder), 1u);
    EXPECT_EQ(CountOf(*list.Get()), 1);
}

TEST_F(FolderLaunchTest, WindowThatIgnoresTheCloseRequestStays) {
    WindowSpec stubborn;
    stubborn.path = folder;
    stubborn.closeResponse = CloseResponse::Ignore;
    HWND window = shell.Open(stubborn);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(CountOf(*list.Get()), 1);
}

TEST_F(FolderLaunchTest, HangingWindowAnswersLateAndStays) {
    WindowSpec hanging;
    hanging.path = folder;
    hanging.closeResponse = CloseResponse::Hang;
    hanging.hangMs = 300;
    HWND window = shell.Open(hanging);
    DWORD_PTR answer = 0;
    // A sender that bounds its wait gives up before the window answers.
    EXPECT_FALSE(SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_NORMAL, 50, &answer));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(CountOf(*list.Get()), 1);
}

}  // namespace
}  // namespace standin::testing
