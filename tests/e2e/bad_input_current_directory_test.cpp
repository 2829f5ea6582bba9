// A current directory where no file can be created: the capture says it could not save, naming the kind of
// failure, the restore finds no list, the program goes on, and at exit the settings are silently not
// written. Running as root under Wine, a folder of the Linux kernel's own file systems is the one place
// that refuses every new file: /sys answers access denied, /proc/sys answers that there is no such file.
#include "restore_steps.h"

namespace e2e {
namespace {

struct Directory {
    const char* name;
    const wchar_t* path;
    const char* captureReport;  // the capture's text, caption "ファイルエラー", no icon
};
void PrintTo(const Directory& directory, std::ostream* out) { *out << directory.name; }

const Directory kDirectories[] = {
    {"AccessDenied", L"Z:\\sys\\kernel", capture_text::kFileLocked},
    {"NoSuchFile", L"Z:\\proc\\sys", capture_text::kFileNotWritten},
};

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class UnwritableCurrentDirectory : public ::testing::TestWithParam<Directory> {
protected:
    void SetUp() override {
        ASSERT_TRUE(shell.running()) << "the stand-in shell did not start";
        standin::WindowSpec spec;
        spec.path = L"C:\\windows";
        ASSERT_TRUE(shell.Open(spec));
    }
    std::wstring FileNamed(const wchar_t* name) const { return std::wstring(GetParam().path) + L"\\" + name; }

    standin::Shell shell;
};

TEST_P(UnwritableCurrentDirectory, CaptureSaysItCouldNotSaveAndExitStaysQuiet) {
    Pavorin app(GetParam().path);
    app.Control(id::kSaveState).SetChecked(true);

    app.Control(id::kCaptureButton).Click();
    const MessageBoxWindow refusal = app.WaitForMessageBox();
    EXPECT_EQ(refusal.Caption(), capture_text::kFileErrorCaption);
    EXPECT_EQ(refusal.Text(), GetParam().captureReport);
    EXPECT_FALSE(refusal.HasIcon());
    refusal.Press(IDOK);
    EXPECT_EQ(app.Control(id::kListText).Text(), "") << "nothing was saved, so nothing is shown as saved";

    app.Control(id::kRestoreButton).Click();
    const MessageBoxWindow missing = app.WaitForMessageBox();
    EXPECT_EQ(missing.Text(), restore_text::kNoFile);
    missing.Press(IDOK);

    EXPECT_EQ(app.CloseAndWaitForExit(), 0u);
    EXPECT_FALSE(Exists(FileNamed(L"lists0.txt")));
    EXPECT_FALSE(Exists(FileNamed(L"Pavorin.ini")));
}

INSTANTIATE_TEST_SUITE_P(Folders, UnwritableCurrentDirectory, ::testing::ValuesIn(kDirectories),
                         [](const ::testing::TestParamInfo<Directory>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
