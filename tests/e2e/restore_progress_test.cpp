// A restore that keeps the program alive: it answers posted messages while it waits for a slow shell,
// counts its records in the caption, stops by 1001, Esc or closing the main window, lets nothing else
// start meanwhile, and finds a window whose registration event never comes.
#include <algorithm>

#include "shell_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;
using Clock = std::chrono::steady_clock;

constexpr DWORD kSlowLaunchMs = 700;
constexpr char kStop[] = "中止";
constexpr char kStoppedPrefix[] = "中止しました\n残りの";
constexpr char kStoppedSuffix[] = "個のウィンドウは開いていません";

class RestoreProgress : public RestoreScenario {
protected:
    void SetUp() override {
        RestoreScenario::SetUp();
        for (int i = 0; i < 3; ++i) {
            records.push_back(Record(MakeFolder("folder " + std::to_string(i)), WindowKind::Folder,
                                     RECT{40 + 90 * i, 30 + 60 * i, 600 + 90 * i, 450 + 60 * i}, SW_SHOWNORMAL, 3));
        }
    }
    void StartSlow(RestoreSettings settings = {}) {
        ASSERT_TRUE(shell.SetLaunchDelay(kSlowLaunchMs));
        settings.timeoutMs = 20000;
        StartWithList(records, settings);
    }
    std::string Caption() { return app().MainWindow().Text(); }
    static std::string Progress(int handled) { return "Pavorin - 反映中 " + std::to_string(handled) + "/3"; }
    void WaitForCaption(const std::string& caption) {
        WaitFor("the caption " + caption, [&] { return Caption() == caption; }, 30s);
    }
    static ExpectedBox Stopped(int left) { return {restore_text::kCaption, kStoppedPrefix + std::to_string(left) + kStoppedSuffix}; }
    // The main window as it is when no command runs.
    void ExpectIdle() {
        EXPECT_EQ(Caption(), "Pavorin - restore");
        EXPECT_EQ(Control(id::kRestoreButton).Text(), restore_text::kCaption);
        for (const int control : {id::kCaptureButton, id::kListNumber, id::kOptionsButton, id::kFaceButton})
            EXPECT_TRUE(Control(control).IsEnabled()) << control;
    }
    // Record 0 is open already (added to, not replaced); record 1 is in hand when stop() comes.
    void StopDuringTheSecondRecord(const std::function<void()>& stop) {
        OpenWindow(records[0]);
        StartSlow();
        Control(id::kRestoreButton).PostClick();
        app().WaitForMessageBox().Press(IDNO);
        WaitForCaption(Progress(1));
        EXPECT_EQ(Control(id::kRestoreButton).Text(), kStop);
        stop();
        AnswerBoxes({Stopped(1), Counted(restore_text::kAlreadyOpen, 1)});
        ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1])});
        ExpectIdle();
    }

    std::vector<ExpectedRecord> records;
};

// Every probe posts a new selection to the list text (disabled, as every control but 1001) and waits
// for the program to have taken it. The probes run while records are in hand, where the restore waits;
// the first command of a run loads the shell's COM server before, and the closing box follows after.
TEST_F(RestoreProgress, APostedMessageIsHandledAtOnceWhileTheCaptionCountsTheRecords) {
    StartSlow();
    const Window listText = Control(id::kListText);
    Control(id::kRestoreButton).PostClick();
    std::vector<std::string> captions;
    int probes = 0;
    double slowestMs = 0;
    const auto noteCaption = [&] {
        const std::string caption = Caption();
        if (caption.find("反映中") != std::string::npos && (captions.empty() || captions.back() != caption))
            captions.push_back(caption);
        return caption;
    };
    for (; app().MessageBoxes().empty(); Sleep(25)) {
        const std::string caption = noteCaption();
        if (caption.find("反映中") == std::string::npos || caption == Progress(3)) continue;
        const LPARAM end = 1 + probes++ % 2;
        const Clock::time_point posted = Clock::now();
        listText.Post(EM_SETSEL, 0, end);
        WaitFor("the selection", [&] { return HIWORD(listText.Send(EM_GETSEL)) == end; }, 30s);
        slowestMs = std::max(slowestMs, std::chrono::duration<double, std::milli>(Clock::now() - posted).count());
    }
    noteCaption();  // the box came: the last count stays up beside it
    EXPECT_LE(slowestMs, 100.0) << "the slowest of " << probes << " probes";
    EXPECT_EQ(captions, (std::vector<std::string>{Progress(0), Progress(1), Progress(2), Progress(3)}));
    AnswerBoxes({Done()});
    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1]), AsRecorded(records[2])});
    ExpectIdle();
}

TEST_F(RestoreProgress, TheStopButtonEndsTheRestoreAfterTheWindowInHand) {
    StopDuringTheSecondRecord([&] { Control(id::kRestoreButton).PostClick(); });
}

TEST_F(RestoreProgress, EscEndsTheRestoreAfterTheWindowInHand) {
    StopDuringTheSecondRecord([&] { Control(id::kRestoreButton).Post(WM_KEYDOWN, VK_ESCAPE, 1); });
}

TEST_F(RestoreProgress, ClosingTheMainWindowStopsTheRestoreAndEndsTheProgramWithItsSettingsSaved) {
    ASSERT_TRUE(shell.SetLaunchDelay(kSlowLaunchMs));
    folder.Write("lists1.txt", Utf16File(ListFileText("restore", records)));
    folder.Write("Pavorin.ini", "-1\t1 0 2 -1 0 1 0 -1 -1 0 20000");
    StartPavorin();
    Control(id::kShowStateMode).SelectComboItem(0);
    Control(id::kRestoreButton).PostClick();
    WaitForCaption(Progress(0));
    app().Close();
    EXPECT_EQ(app().WaitForExit(30s), std::optional<DWORD>(0));
    ExpectDesktop({AsRecorded(records[0])});
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", "-1\t1 0 0 -1 0 1 0 -1 -1 0 20000"));
}

// Clicks posted straight to the disabled controls, and a command message for each, start nothing.
TEST_F(RestoreProgress, NoOtherCommandOrDialogStartsDuringARestore) {
    StartSlow();
    const std::string list = *folder.Read("lists1.txt");
    Control(id::kRestoreButton).PostClick();
    WaitForCaption(Progress(0));
    for (const int control : {id::kCaptureButton, id::kOptionsButton, id::kFaceButton}) {
        EXPECT_FALSE(Control(control).IsEnabled()) << control;
        Control(control).PostClick();
        app().MainWindow().Post(WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                                reinterpret_cast<LPARAM>(Control(control).handle()));
    }
    AnswerBoxes({Done()});
    EXPECT_TRUE(app().Dialogs().empty());
    EXPECT_TRUE(FileHolds(folder, "lists1.txt", list));
    ExpectIdle();
}

// The shell lists each window while the restore waits, but fires no event: the slow poll beside the
// events finds it, long before the time-out.
TEST_F(RestoreProgress, AWindowWhoseEventNeverComesIsFoundByThePoll) {
    ASSERT_TRUE(shell.SetFaults({.silentEvents = true}));
    StartSlow();
    standin::Shell::ResetUsage();
    Restore({Done()});
    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1]), AsRecorded(records[2])});
    const std::vector<double> delays = standin::Shell::Usage().listingDelaysMs;
    ASSERT_EQ(delays.size(), 3u);
    for (const double delayMs : delays) EXPECT_LT(delayMs, 2000.0);
}

}  // namespace
}  // namespace e2e
