// The capture command inside the test process, with every message box recorded and answered by the
// test. The stand-in shell runs with an empty desktop, so these captures record no window; what is
// checked here is the guarding of an existing file, the reports (texts, captions, box types) and what the
// command writes.
#include "capture/capture_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "capture/capture_texts.h"
#include "control/standin_control.h"
#include "fake_taskbar.h"
#include "unit/app/main_window_session.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"
#include "win32/unique_handle.h"

namespace {

namespace text = capture::text;

struct Box {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
    bool operator==(const Box&) const = default;
};
void PrintTo(const Box& box, std::ostream* out) {
    *out << "{\"" << box.caption << "\", \"" << box.text << "\", 0x" << std::hex << box.type << "}";
}

std::vector<Box> boxes;
int answer = IDOK;

int AnswerBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    boxes.push_back({owner, std::string(text), std::string(caption), type});
    return answer;
}

std::string Utf16FileBytes(std::wstring_view text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

const std::string kOldList = Utf16FileBytes(L"old\r\n0\r\n");

class CaptureCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shell.running());
        standin::Faults faults;
        faults.noTaskbarChain = true;  // as Wine's own taskbar: a FakeTaskbar brings the toolbar
        ASSERT_TRUE(shell.SetFaults(faults));
        boxes.clear();
        answer = IDOK;
        win32::SetMessageBoxHookForTests(AnswerBox);
        session.SetText(control::kListNumber, "4");
        session.SetText(control::kListTitle, "スナップ 1");
        session.SetText(control::kListText, "before");
        session.SetCheck(control::kReportResults, true);
        SetWindowTextA(session.window(), "Pavorin");
    }
    void TearDown() override {
        win32::SetMessageBoxHookForTests(nullptr);
        SetFileAttributesA(ListPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    std::string ListPath() const { return folder.PathOf("lists4.txt"); }
    Box BoxOf(const char* message, const char* caption, UINT type) const {
        return {session.window(), message, caption, type};
    }
    Box DoneBox() const { return BoxOf(text::kDoneText, text::kCaptureCaption, MB_OK); }
    std::string Caption() const {
        wchar_t caption[256] = {};
        const int length = GetWindowTextW(session.window(), caption, 256);
        return win32::WideToUtf8(std::wstring_view(caption, static_cast<size_t>(length)));
    }
    // The file, caption and list text are as they were before the command.
    void ExpectNothingChanged() const {
        EXPECT_EQ(ReadWholeFile(ListPath()), kOldList);
        EXPECT_EQ(Caption(), "Pavorin");
        EXPECT_EQ(session.Text(control::kListText), "before");
    }
    void ExpectEmptyCaptureWritten() const {
        EXPECT_EQ(ReadWholeFile(ListPath()), Utf16FileBytes(L"スナップ 1\r\n0\r\n"));
        EXPECT_EQ(Caption(), "Pavorin - スナップ 1");
        EXPECT_EQ(session.Text(control::kListText), "スナップ 1\r\n0\r\n");
    }

    standin::Shell shell;
    TemporaryFolder folder;
    MainWindowSession session;
};

// A taskbar whose toolbar can be read (it holds no folder window).
class CaptureWithTaskbarTest : public CaptureCommandTest {
protected:
    capture_test::FakeTaskbar taskbar;
};

TEST_F(CaptureWithTaskbarTest, NoFolderWindowGivesTheTitleAndZeroAndSaysDone) {
    CaptureWindows();
    ExpectEmptyCaptureWritten();
    EXPECT_EQ(boxes, std::vector<Box>{DoneBox()});
}

TEST_F(CaptureWithTaskbarTest, WithoutReportingNoBoxIsShownButTheTextsAreFilled) {
    session.SetCheck(control::kReportResults, false);
    CaptureWindows();
    ExpectEmptyCaptureWritten();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CaptureWithTaskbarTest, AReadOnlyFileIsRefusedBeforeAnyQuestionInEveryMode) {
    for (int mode : {0, 1, 2}) {
        WriteWholeFile(ListPath(), kOldList);
        SetFileAttributesA(ListPath().c_str(), FILE_ATTRIBUTE_READONLY);
        session.Select(control::kOverwriteMode, mode);
        boxes.clear();
        CaptureWindows();
        EXPECT_EQ(boxes, std::vector<Box>{BoxOf(text::kFileLockedText, text::kFileErrorCaption, MB_ICONWARNING)})
            << "mode " << mode;
        ExpectNothingChanged();
        SetFileAttributesA(ListPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(CaptureWithTaskbarTest, AskFirstKeepsTheFileUnlessTheAnswerIsOk) {
    WriteWholeFile(ListPath(), kOldList);
    session.Select(control::kOverwriteMode, 0);
    const Box question = BoxOf(text::kOverwriteQuestionText, text::kOverwriteCaption, 0x2121);
    for (int refusal : {IDCANCEL, IDCLOSE}) {
        answer = refusal;
        boxes.clear();
        CaptureWindows();
        EXPECT_EQ(boxes, std::vector<Box>{question});
        ExpectNothingChanged();
    }
    answer = IDOK;
    boxes.clear();
    CaptureWindows();
    EXPECT_EQ(boxes, (std::vector<Box>{question, DoneBox()}));
    ExpectEmptyCaptureWritten();
}

TEST_F(CaptureWithTaskbarTest, KeepExistingStopsWithAWarning) {
    WriteWholeFile(ListPath(), kOldList);
    session.Select(control::kOverwriteMode, 2);
    CaptureWindows();
    EXPECT_EQ(boxes, std::vector<Box>{BoxOf(text::kStoppedText, text::kStoppedCaption, MB_ICONWARNING)});
    ExpectNothingChanged();
}

TEST_F(CaptureWithTaskbarTest, OverwriteReplacesWithoutAsking) {
    WriteWholeFile(ListPath(), kOldList);
    session.Select(control::kOverwriteMode, 1);
    CaptureWindows();
    EXPECT_EQ(boxes, std::vector<Box>{DoneBox()});
    ExpectEmptyCaptureWritten();
}

TEST_F(CaptureWithTaskbarTest, AFileHeldOpenElsewhereIsReportedAsNotSaved) {
    WriteWholeFile(ListPath(), kOldList);
    session.Select(control::kOverwriteMode, 1);
    {
        const win32::UniqueFile held(
            CreateFileA(ListPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        CaptureWindows();
    }
    EXPECT_EQ(boxes, std::vector<Box>{BoxOf(text::kFileNotWrittenText, text::kFileErrorCaption, MB_OK)});
    EXPECT_EQ(ReadWholeFile(ListPath()), kOldList);
    EXPECT_EQ(session.Text(control::kListText), "before");
    EXPECT_EQ(Caption(), "Pavorin - スナップ 1");  // the caption has changed before the write
}

TEST_F(CaptureWithTaskbarTest, RefusedAccessIsReportedAsLockedWithoutIcon) {
    // A folder of the list file's name: it exists, is not read-only, and cannot be opened for writing.
    ASSERT_TRUE(CreateDirectoryA(ListPath().c_str(), nullptr));
    session.Select(control::kOverwriteMode, 1);
    CaptureWindows();
    RemoveDirectoryA(ListPath().c_str());
    EXPECT_EQ(boxes, std::vector<Box>{BoxOf(text::kFileLockedText, text::kFileErrorCaption, MB_OK)});
    EXPECT_EQ(session.Text(control::kListText), "before");
}

// A shell whose window list cannot be created would give a snapshot of nothing: it is not saved, in any
// overwrite mode, and no other box follows.
TEST_F(CaptureCommandTest, AWindowListThatCannotBeCreatedSavesNothing) {
    standin::Faults faults;
    faults.listCreationFails = true;
    ASSERT_TRUE(shell.SetFaults(faults));
    WriteWholeFile(ListPath(), kOldList);
    session.Select(control::kOverwriteMode, 1);
    CaptureWindows();
    EXPECT_EQ(boxes, std::vector<Box>{BoxOf(text::kShellListUnusableText, text::kCaptureCaption, MB_ICONWARNING)});
    ExpectNothingChanged();
}

// The stand-in's taskbar without its toolbar chain, as Wine's own taskbar has it.
TEST_F(CaptureCommandTest, ATaskbarThatCannotBeReadIsToldOnceWhenReporting) {
    CaptureWindows();
    EXPECT_EQ(boxes, (std::vector<Box>{BoxOf(text::kTaskbarUnreadableText, text::kCaptureCaption, MB_OK), DoneBox()}));
    ExpectEmptyCaptureWritten();

    session.SetCheck(control::kReportResults, false);
    session.Select(control::kOverwriteMode, 1);
    boxes.clear();
    CaptureWindows();
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
