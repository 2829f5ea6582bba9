// The options dialog: opened from the options button, modal over the main window, filled from the options,
// storing them on OK only and so into the settings file, and its timeout box.
#include "dialogs_steps.h"

namespace e2e {
namespace {

// With 1008 set the settings file ends in the six options: openMethod, duplicatePathMode, applyPlacement,
// applyViewMode, unmaximize, timeoutMs.
constexpr const char* kChosenOptionsSaved = "-1\t0 0 0 -1 0 4 -1 0 0 -1 900";

class OptionsDialog : public PavorinScenario {
protected:
    Window Open() { return OpenOptionsDialog(app()); }
    void Ok(const Window& dialog) { dialog.Control(id::kOk).Click(); }
    // While the dialog is up the main window is disabled and the options button shows pressed; Escape, in
    // the dialog or in its timeout box, does not close it. OK or the caption close does, and releases both.
    void EscapeThenClose(const Window& dialog, bool byOk) {
        EXPECT_FALSE(app().MainWindow().IsEnabled());
        EXPECT_TRUE(Control(id::kOptionsButton).IsChecked()) << "the options button shows pressed";
        dialog.Control(id::kTimeout).ClickAt(2, 2);
        dialog.Control(id::kTimeout).PressKey(VK_ESCAPE);
        dialog.PressKey(VK_ESCAPE);
        EXPECT_EQ(app().Dialogs(kOptionsTitle).size(), 1u);
        if (byOk) Ok(dialog);
        else dialog.Post(WM_SYSCOMMAND, SC_CLOSE);
        app().Settle();
        EXPECT_TRUE(app().Dialogs().empty());
        EXPECT_TRUE(app().MainWindow().IsEnabled());
        EXPECT_FALSE(Control(id::kOptionsButton).IsChecked()) << "the options button is released";
    }
    // The timeout the options hold now, as the dialog shows it at its next opening.
    std::string StoredTimeout() {
        const Window dialog = Open();
        const std::string shown = dialog.Control(id::kTimeout).Text();
        Ok(dialog);
        return shown;
    }
};

// The dialog opens centred wherever the main window stands. Checking the duplicate-path box only greys the
// timeout box's text. The program told to close while the dialog holds it disabled (by the system, or
// another program) saves and ends as always.
TEST_F(OptionsDialog, OkStoresTheOptionsAndNothingElseDoes) {
    StartPavorin();
    Control(id::kSaveState).SetChecked(true);
    Window dialog = Open();
    const auto textLevel = [&] { return DarkestLevel(CaptureClientArea(dialog.Control(id::kTimeout))); };
    const auto isBlack = [&] { return textLevel() < 0x40; };
    const auto isGrey = [&] { return textLevel() >= 0x40 && textLevel() < 0xC0; };
    EXPECT_TRUE(WaitUntil(isBlack)) << "black text at first: " << textLevel();
    dialog.Control(id::kOpenAsExplorer).Click();
    dialog.Control(id::kDuplicatePathMode).SetChecked(true);
    EXPECT_TRUE(WaitUntil(isGrey)) << "grey text once checked: " << textLevel();
    EXPECT_TRUE(dialog.Control(id::kTimeout).IsEnabled());
    dialog.Control(id::kTimeout).TypeOver("900");
    EXPECT_EQ(dialog.Control(id::kTimeout).Text(), "900");
    EXPECT_TRUE(WaitUntil(isGrey)) << "typed text is grey too: " << textLevel();
    dialog.Control(id::kDuplicatePathMode).SetChecked(false);
    EXPECT_TRUE(WaitUntil(isBlack)) << "black again once cleared: " << textLevel();
    dialog.Control(id::kDuplicatePathMode).SetChecked(true);
    dialog.Control(id::kApplyPlacement).SetChecked(false);
    dialog.Control(id::kApplyViewMode).SetChecked(false);
    dialog.Control(id::kUnmaximize).SetChecked(true);
    EscapeThenClose(dialog, true);
    RestartPavorin();
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", kChosenOptionsSaved));

    SetWindowPos(app().MainWindow().handle(), nullptr, 3, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dialog = Open();
    ExpectDialogFrame(app(), dialog, 460, 184);
    EXPECT_EQ(dialog.Text(), kOptionsTitle);
    EXPECT_EQ(dialog.Control(id::kTimeout).ExStyle() & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    EXPECT_FALSE(dialog.Control(id::kOpenWithCapturedClass).IsChecked());
    EXPECT_FALSE(dialog.Control(id::kOpenAsFolder).IsChecked());
    EXPECT_TRUE(dialog.Control(id::kOpenAsExplorer).IsChecked());
    EXPECT_TRUE(dialog.Control(id::kDuplicatePathMode).IsChecked());
    EXPECT_FALSE(dialog.Control(id::kApplyPlacement).IsChecked());
    EXPECT_FALSE(dialog.Control(id::kApplyViewMode).IsChecked());
    EXPECT_TRUE(dialog.Control(id::kUnmaximize).IsChecked());
    EXPECT_EQ(dialog.Control(id::kTimeout).Text(), "900");
    EXPECT_TRUE(WaitUntil(isGrey)) << "opens grey while the stored mode is on: " << textLevel();
    dialog.Control(id::kDefaults).Click();
    EXPECT_TRUE(WaitUntil(isBlack)) << "the default button restores the look: " << textLevel();
    dialog.Control(id::kOpenAsFolder).Click();
    dialog.Control(id::kTimeout).TypeOver("1");
    EscapeThenClose(dialog, false);
    RestartPavorin();
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", kChosenOptionsSaved)) << "the caption close stores nothing";

    dialog = Open();
    dialog.Control(id::kDefaults).Click();
    EXPECT_TRUE(dialog.Control(id::kOpenWithCapturedClass).IsChecked());
    EXPECT_EQ(dialog.Control(id::kTimeout).Text(), "500");
    EscapeThenClose(dialog, true);
    dialog = Open();
    dialog.Control(id::kOpenAsFolder).Click();
    EXPECT_EQ(ClosePavorin(), 0u);
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", "-1\t0 0 0 -1 0 1 0 -1 -1 0 500"));
}

// The texts are put into the box whole: it has no ES_AUTOHSCROLL, so it refuses typed characters that would
// not fit its width, and "&H1F4" is wider than the box in the dialog font. A longer timeout from the
// settings file is shown whole and cut to five characters on OK.
TEST_F(OptionsDialog, TimeoutTextsAreReadAsNumbersOnOkEvenWithAClosingQueuedBehindIt) {
    folder.Write("Pavorin.ini", "-1\t0 0 0 -1 0 1 0 1 1 0 123456");
    StartPavorin();
    EXPECT_EQ(StoredTimeout(), "123456");
    EXPECT_EQ(StoredTimeout(), "12345");
    const std::pair<const char*, const char*> cases[] = {{" 750", "750"}, {"&H1F4", "500"}, {"12.9", "12"},
                                                         {"abc", "0"}, {"-5", "4294967291"}, {"", "0"}};
    for (const auto& [entered, stored] : cases) {
        const Window dialog = Open();
        dialog.Control(id::kTimeout).SetText(entered);
        Ok(dialog);
        EXPECT_EQ(StoredTimeout(), stored) << "entered \"" << entered << '"';
    }
    // OK and a request to close the program queued right behind it, both waiting before the program reads
    // either: the dialog's quit and the program's each end their own loop, and the program ends.
    const Window dialog = Open();
    dialog.Control(id::kOpenAsFolder).Click();
    {
        const win32::UniqueKernelHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, dialog.ThreadId()));
        ASSERT_TRUE(thread && SuspendThread(thread.get()) != static_cast<DWORD>(-1));
        dialog.Control(id::kOk).PostClick();
        app().Close();
        ResumeThread(thread.get());
    }
    EXPECT_EQ(app().WaitForExit(), 0u) << "the program must not run on with no window";
    EXPECT_EQ(folder.Read("Pavorin.ini").value_or("(no file)"), "-1\t0 0 0 -1 0 2 0 -1 -1 0 0");
}

}  // namespace
}  // namespace e2e
