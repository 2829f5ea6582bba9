// The options dialog's modal run inside the test: what it does to its owner, the close code, and the quit
// message that ends its nested loop. The steps a user would take are posted before the dialog opens and
// run from inside its loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "app/control_ids.h"
#include "app/ui_resources.h"
#include "app/window_classes.h"
#include "dialogs/options_dialog.h"
#include "win32/unique_handle.h"

namespace {

constexpr UINT kRunStep = WM_APP + 1;

// The steps, run one per posted kRunStep while the dialog's loop serves the owner window.
std::vector<std::function<void()>> steps;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunStep) {
        steps.at(wParam)();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND OpenDialog() { return FindWindowA("NORMALDLG", nullptr); }

bool QuitMessageWaiting() {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

class OptionsDialogRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA ownerClass{};
        ownerClass.lpfnWndProc = OwnerProc;
        ownerClass.hInstance = GetModuleHandleA(nullptr);
        ownerClass.lpszClassName = "OptionsDialogTestOwner";
        RegisterClassA(&ownerClass);
        RegisterDialogWindowClass(GetModuleHandleA(nullptr));
    }

    void SetUp() override { ASSERT_TRUE(owner); }
    void TearDown() override {
        SetOptions(saved);
        steps.clear();
        while (QuitMessageWaiting()) {
        }
    }

    // Posts the steps to the owner; they run inside the dialog's loop once OpenOptionsDialog is called.
    void WhileOpen(std::vector<std::function<void()>> plannedSteps) {
        steps = std::move(plannedSteps);
        for (size_t i = 0; i < steps.size(); ++i) PostMessageA(owner.get(), kRunStep, i, 0);
    }

    static void Click(int id) { SendMessageA(GetDlgItem(OpenDialog(), id), BM_CLICK, 0, 0); }

    const RestoreOptions saved = Options();
    win32::UniqueWindow owner{CreateWindowExA(0, "OptionsDialogTestOwner", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                              100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)};
};

TEST_F(OptionsDialogRun, OpensOnlyForTheNameOptionDlg) {
    EXPECT_EQ(OpenOptionsDialog(owner.get(), "optiondlg"), 0);
    EXPECT_EQ(OpenOptionsDialog(owner.get(), "OptionDlg "), 0);
    EXPECT_EQ(OpenDialog(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
}

TEST_F(OptionsDialogRun, OkStoresTheOptionsReturnsOpenMethodAndReleasesTheOwner) {
    SetOptions({.openMethod = 4});
    bool ownerDisabledWhileOpen = false;
    WhileOpen({[&] { ownerDisabledWhileOpen = !IsWindowEnabled(owner.get()); },
               [] { Click(control::kApplyPlacement); },
               [] { Click(control::kOk); }});
    EXPECT_EQ(OpenOptionsDialog(owner.get(), "OptionDlg"), 4);
    EXPECT_TRUE(ownerDisabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
    EXPECT_EQ(OpenDialog(), nullptr);
    EXPECT_EQ(Options().applyPlacement, 0);
    EXPECT_FALSE(QuitMessageWaiting()) << "the dialog's own quit message belongs to its loop";
}

TEST_F(OptionsDialogRun, ClosingTheWindowKeepsTheOptionsAndReturnsZero) {
    const RestoreOptions before = Options();
    WhileOpen({[] { Click(control::kDefaults); },
               [] { Click(control::kOpenAsExplorer); },
               [] { PostMessageA(OpenDialog(), WM_CLOSE, 0, 0); }});
    EXPECT_EQ(OpenOptionsDialog(owner.get(), "OptionDlg"), 0);
    EXPECT_EQ(Options(), before);
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
    EXPECT_EQ(OpenDialog(), nullptr);
    EXPECT_FALSE(QuitMessageWaiting());
}

// The main window destroyed while the dialog is open posts the program's quit: the dialog's loop ends
// on it and must pass it on, or the main loop would never end.
TEST_F(OptionsDialogRun, AQuitThatIsNotTheDialogsOwnReachesTheOuterLoop) {
    WhileOpen({[&] {
        owner.reset();
        PostQuitMessage(0);
    }});
    EXPECT_EQ(OpenOptionsDialog(owner.get(), "OptionDlg"), 0);
    EXPECT_EQ(OpenDialog(), nullptr);
    EXPECT_TRUE(QuitMessageWaiting());
}

TEST_F(OptionsDialogRun, WithoutItsWindowTheOwnerIsNeitherDisabledNorLeftWaiting) {
    ASSERT_TRUE(UnregisterClassA("NORMALDLG", GetModuleHandleA(nullptr)));
    EXPECT_EQ(OpenOptionsDialog(owner.get(), "OptionDlg"), 0);
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
    RegisterDialogWindowClass(GetModuleHandleA(nullptr));
}

}  // namespace
