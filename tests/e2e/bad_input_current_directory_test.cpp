// A current directory where no file can be created: the capture says it could not save, naming the kind of
// failure, the restore finds no list, the program goes on, and at exit the settings are silently not
// written. Running as root under Wine, a folder of the Linux kernel's own file systems is the one place
// that refuses every new file: /sys answers access denied, /proc/sys answers that there is no such file.
#include "shell_steps.h"

namespace e2e {
namespace {

TEST(UnwritableCurrentDirectory, CaptureSaysItCouldNotSaveAndExitStaysQuiet) {
    standin::Shell shell;
    ASSERT_TRUE(shell.running()) << "the stand-in shell did not start";
    ASSERT_TRUE(shell.Open(FolderSpec(standin::WindowKind::Folder, L"C:\\windows")));
    for (const auto& [directory, captureReport] : {std::pair{L"Z:\\sys\\kernel", capture_text::kFileLocked},
                                                   std::pair{L"Z:\\proc\\sys", capture_text::kFileNotWritten}}) {
        SCOPED_TRACE(Utf8(directory));
        Pavorin app(directory);
        app.Control(id::kSaveState).SetChecked(true);

        app.Control(id::kCaptureButton).Click();
        const MessageBoxWindow refusal = app.WaitForMessageBox();
        EXPECT_EQ(refusal.Caption(), capture_text::kFileErrorCaption);
        EXPECT_EQ(refusal.Text(), captureReport);
        EXPECT_FALSE(refusal.HasIcon());
        refusal.Press(IDOK);
        EXPECT_EQ(app.Control(id::kListText).Text(), "") << "nothing was saved, so nothing is shown as saved";

        app.Control(id::kRestoreButton).Click();
        const MessageBoxWindow missing = app.WaitForMessageBox();
        EXPECT_EQ(missing.Text(), restore_text::kNoFile);
        missing.Press(IDOK);

        EXPECT_EQ(app.CloseAndWaitForExit(), 0u);
        for (const wchar_t* name : {L"\\lists0.txt", L"\\Pavorin.ini"})
            EXPECT_EQ(GetFileAttributesW((directory + std::wstring(name)).c_str()), INVALID_FILE_ATTRIBUTES) << Utf8(name);
    }
}

}  // namespace
}  // namespace e2e
