// A desktop captured, closed and restored comes back window for window: the capture's list file carries
// everything the restore needs, for both window classes, every show state and several view modes, whether
// the restore is woken by the shell's events or has to poll because the shell refuses them.
#include "shell_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

class RestoreRoundTrip : public RestoreScenario {};

TEST_F(RestoreRoundTrip, ACapturedDesktopClosedAndRestoredIsTheSameDesktop) {
    struct ShowState {
        int showCmd;
        int flags;
    };
    const ShowState states[] = {{SW_SHOWNORMAL, 0},
                                {SW_SHOWMAXIMIZED, 0},
                                {SW_SHOWMINIMIZED, 0},
                                {SW_SHOWMINIMIZED, WPF_RESTORETOMAXIMIZED}};
    for (int i = 0; i < 12; ++i) {
        const RECT normal{20 + 70 * i, 10 + 45 * i, 520 + 50 * i, 410 + 40 * i};
        const ShowState state = states[i % 4];
        const WindowKind kind = i % 3 == 0 ? WindowKind::Explorer : WindowKind::Folder;
        OpenWindow(Record(MakeFolder("window " + std::to_string(i)), kind, normal, state.showCmd, 1 + i % 8,
                          state.flags));
    }
    const std::vector<standin::WindowState> captured = shell.Dump();
    std::vector<ExpectedWindow> desktop;
    for (const standin::WindowState& window : captured) desktop.push_back(AsSeen(window));
    ASSERT_EQ(desktop.size(), 12u);

    StartWithSettings();
    Capture({{capture_text::kCaptureCaption, capture_text::kDone}});
    for (const bool refuseEvents : {false, true}) {
        SCOPED_TRACE(refuseEvents ? "events refused" : "events offered");
        ASSERT_TRUE(shell.SetFaults({.refuseEvents = refuseEvents}));
        for (const HWND window : shell.ListedWindows()) ASSERT_TRUE(shell.Close(window));
        ExpectDesktop({});

        Restore({Done()});

        ExpectDesktop(desktop);
    }
}

}  // namespace
}  // namespace e2e
