// The options dialog as the user meets it: opened from the options button, modal over the main window,
// its controls, the default button, OK and the caption close, the timeout box, and the options arriving
// in the settings file.
#include "dialogs_steps.h"

namespace e2e {
namespace {

// With 1008 set the settings file ends in the six options: openMethod, duplicatePathMode, applyPlacement,
// applyViewMode, unmaximize, timeoutMs.
constexpr const char* kChosenOptionsSaved = "-1\t0 0 0 -1 0 4 -1 0 0 -1 900";

class OptionsDialog : public PavorinScenario {
protected:
    // Starts with options other than the defaults, saved at exit.
    void StartWithChosenOptions() {
        folder.Write("Pavorin.ini", kChosenOptionsSaved);
        StartPavorin();
    }
    Window Open() { return OpenOptionsDialog(app()); }
    void Ok(const Window& dialog) { dialog.Control(id::kOk).Click(); }
    std::string SavedAtExit() {
        EXPECT_EQ(ClosePavorin(), 0u);
        return folder.Read("Pavorin.ini").value_or("(no file)");
    }
    // The timeout the options hold now, as the dialog shows it at its next opening.
    std::string StoredTimeout() {
        const Window dialog = Open();
        const std::string shown = dialog.Control(id::kTimeout).Text();
        Ok(dialog);
        return shown;
    }
};

// Centred on the screen wherever the main window stands.
TEST_F(OptionsDialog, OpensCentredWithItsControlsFilledFromTheOptions) {
    StartWithChosenOptions();
    SetWindowPos(app().MainWindow().handle(), nullptr, 3, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const Window dialog = Open();
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
}

// Escape, in the dialog or in its timeout box, does not close it.
TEST_F(OptionsDialog, MainWindowIsDisabledWhileItIsOpenAndReleasedAfterOkOrClose) {
    StartPavorin();
    for (const bool byOk : {true, false}) {
        SCOPED_TRACE(byOk ? "OK" : "caption close");
        const Window dialog = Open();
        EXPECT_FALSE(app().MainWindow().IsEnabled());
        EXPECT_TRUE(Control(id::kOptionsButton).IsChecked()) << "the options button shows pressed";
        dialog.Control(id::kTimeout).ClickAt(2, 2);
        dialog.Control(id::kTimeout).PressKey(VK_ESCAPE);
        dialog.PressKey(VK_ESCAPE);
        EXPECT_EQ(app().Dialogs(kOptionsTitle).size(), 1u);
        if (byOk) {
            Ok(dialog);
        } else {
            dialog.Post(WM_SYSCOMMAND, SC_CLOSE);
            app().Settle();
        }
        EXPECT_TRUE(app().Dialogs().empty());
        EXPECT_TRUE(app().MainWindow().IsEnabled());
        EXPECT_FALSE(Control(id::kOptionsButton).IsChecked()) << "the options button is released";
    }
}

// The main window can still be told to close (by the system, or another program) while the dialog holds
// it disabled: the program saves and ends as it always does, instead of staying behind with no window.
TEST_F(OptionsDialog, ClosingTheProgramWhileItIsOpenEndsItCleanly) {
    StartPavorin();
    Control(id::kSaveState).SetChecked(true);
    const Window dialog = Open();
    dialog.Control(id::kDefaults).Click();
    EXPECT_EQ(SavedAtExit(), "-1\t0 0 0 -1 0 1 0 1 1 0 500") << "the options were not stored: no OK";
}

// OK and a request to close the program queued right behind it, both waiting before the program reads
// either: the dialog's quit and the program's each end their own loop, and the program ends.
TEST_F(OptionsDialog, OkWithAClosingQueuedBehindItStoresTheOptionsAndEnds) {
    StartPavorin();
    Control(id::kSaveState).SetChecked(true);
    const Window dialog = Open();
    dialog.Control(id::kDefaults).Click();
    dialog.Control(id::kOpenAsFolder).Click();
    {
        const win32::UniqueKernelHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, dialog.ThreadId()));
        ASSERT_TRUE(thread && SuspendThread(thread.get()) != static_cast<DWORD>(-1));
        dialog.Control(id::kOk).PostClick();
        app().Close();
        ResumeThread(thread.get());
    }
    const std::optional<DWORD> code = app().WaitForExit();
    ASSERT_TRUE(code.has_value()) << "the program still runs with no window";
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(folder.Read("Pavorin.ini").value_or("(no file)"), "-1\t0 0 0 -1 0 2 0 -1 -1 0 500");
}

TEST_F(OptionsDialog, OkAfterTheDefaultButtonStoresTheStartValues) {
    StartWithChosenOptions();
    const Window dialog = Open();
    dialog.Control(id::kDefaults).Click();
    EXPECT_TRUE(dialog.Control(id::kOpenWithCapturedClass).IsChecked());
    EXPECT_EQ(dialog.Control(id::kTimeout).Text(), "500");
    Ok(dialog);
    EXPECT_EQ(SavedAtExit(), "-1\t0 0 0 -1 0 1 0 -1 -1 0 500");
}

TEST_F(OptionsDialog, ClosingWithTheCaptionButtonChangesNothing) {
    StartWithChosenOptions();
    const Window dialog = Open();
    dialog.Control(id::kDefaults).Click();
    dialog.Control(id::kOpenAsFolder).Click();
    dialog.Control(id::kTimeout).TypeOver("1");
    dialog.Post(WM_SYSCOMMAND, SC_CLOSE);
    app().Settle();
    EXPECT_TRUE(app().Dialogs().empty());
    EXPECT_EQ(SavedAtExit(), kChosenOptionsSaved);
}

// The texts are put into the box whole: it has no ES_AUTOHSCROLL, so it refuses typed characters that would
// not fit its width, and "&H1F4" is wider than the box in the dialog font. A longer timeout from the
// settings file is shown whole and cut to five characters on OK.
TEST_F(OptionsDialog, TimeoutTextsAreReadAsNumbersOnOk) {
    folder.Write("Pavorin.ini", "-1\t0 0 0 -1 0 1 0 1 1 0 123456");
    StartPavorin();
    EXPECT_EQ(StoredTimeout(), "123456");
    EXPECT_EQ(StoredTimeout(), "12345");
    const struct {
        const char* entered;
        const char* stored;
    } cases[] = {{" 750", "750"}, {"&H1F4", "500"}, {"12.9", "12"}, {"abc", "0"}, {"-5", "4294967291"}, {"", "0"}};
    for (const auto& c : cases) {
        const Window dialog = Open();
        dialog.Control(id::kTimeout).SetText(c.entered);
        Ok(dialog);
        EXPECT_EQ(StoredTimeout(), c.stored) << "entered \"" << c.entered << '"';
    }
    EXPECT_EQ(SavedAtExit(), "-1\t0 0 0 -1 0 1 0 -1 -1 0 0");
}

// Checking the duplicate-path box only changes how the timeout box draws its text: it stays enabled, takes
// what is typed, and its value is stored on OK.
TEST_F(OptionsDialog, DuplicatePathModeGreysTheTimeoutAtOnceWhileItStillTakesInput) {
    StartPavorin();
    const Window dialog = Open();
    const Window timeout = dialog.Control(id::kTimeout);
    const auto textLevel = [&] { return DarkestLevel(CaptureClientArea(timeout)); };
    const auto isBlack = [&] { return textLevel() < 0x40; };
    const auto isGrey = [&] { return textLevel() >= 0x40 && textLevel() < 0xC0; };
    EXPECT_TRUE(WaitUntil(isBlack)) << "black text at first: " << textLevel();

    dialog.Control(id::kDuplicatePathMode).SetChecked(true);
    EXPECT_TRUE(WaitUntil(isGrey)) << "grey text once checked: " << textLevel();
    EXPECT_TRUE(timeout.IsEnabled());
    timeout.TypeOver("750");
    EXPECT_EQ(timeout.Text(), "750");
    EXPECT_TRUE(WaitUntil(isGrey)) << "typed text is grey too: " << textLevel();

    dialog.Control(id::kDuplicatePathMode).SetChecked(false);
    EXPECT_TRUE(WaitUntil(isBlack)) << "black again once cleared: " << textLevel();
    dialog.Control(id::kDuplicatePathMode).SetChecked(true);
    EXPECT_TRUE(WaitUntil(isGrey));
    dialog.Control(id::kDefaults).Click();
    EXPECT_TRUE(WaitUntil(isBlack)) << "the default button restores the look: " << textLevel();
    dialog.Control(id::kDuplicatePathMode).SetChecked(true);
    Ok(dialog);

    const Window reopened = Open();
    EXPECT_EQ(reopened.Control(id::kTimeout).Text(), "500");
    EXPECT_TRUE(WaitUntil([&] {
        const int level = DarkestLevel(CaptureClientArea(reopened.Control(id::kTimeout)));
        return level >= 0x40 && level < 0xC0;
    })) << "opens grey while the stored mode is on";
    Ok(reopened);
}

// What OK stores reaches the settings file (and comes back at the next start: the first scenario).
TEST_F(OptionsDialog, StoredOptionsReachTheSettingsFile) {
    StartPavorin();
    Control(id::kSaveState).SetChecked(true);
    const Window dialog = Open();
    dialog.Control(id::kOpenAsExplorer).Click();
    dialog.Control(id::kDuplicatePathMode).SetChecked(true);
    dialog.Control(id::kApplyPlacement).SetChecked(false);
    dialog.Control(id::kApplyViewMode).SetChecked(false);
    dialog.Control(id::kUnmaximize).SetChecked(true);
    dialog.Control(id::kTimeout).TypeOver("900");
    Ok(dialog);
    EXPECT_EQ(SavedAtExit(), kChosenOptionsSaved);
}

}  // namespace
}  // namespace e2e
