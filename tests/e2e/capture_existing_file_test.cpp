// A capture onto a list number whose file exists already: the read-only check comes first, then the
// overwrite mode of combo 1006 decides; a file held open elsewhere is reported, never taken as saved.
#include "capture_steps.h"

namespace e2e {
namespace {

constexpr char kOldList[] = "old list\r\n1\r\nC:\\old\r\n0:0:640:480:0:1:\r\n14\r\n1:0\r\n";

class CaptureOntoAnExistingFile : public CaptureScenario {
protected:
    void SetUp() override {
        CaptureScenario::SetUp();
        window = OpenFolder(standin::WindowKind::Folder, L"C:\\new");
        folder.Write("lists2.txt", Utf16File(kOldList));
    }

    void StartWithMode(int overwriteMode) {
        StartWithList("2", "new list");
        Control(id::kOverwriteMode).SelectComboItem(overwriteMode);
        shownBefore = Control(id::kListText).Text();
    }

    void ExpectReplaced() {
        ExpectListFile("2", "new list", {RecordOf(window)});
        ExpectShownList("new list", {RecordOf(window)});
    }

    void ExpectKept() {
        EXPECT_TRUE(FileHolds(folder, "lists2.txt", Utf16File(kOldList)));
        EXPECT_EQ(Control(id::kListText).Text(), shownBefore);
    }

    HWND window = nullptr;
    std::string shownBefore;
};

const ExpectedBox kLocked{capture_text::kFileErrorCaption, capture_text::kFileLocked, true};

ExpectedBox Question(int answer) {
    return {capture_text::kOverwriteCaption, capture_text::kOverwriteQuestion, true, answer, IDCANCEL, {IDOK, IDCANCEL}};
}

TEST_F(CaptureOntoAnExistingFile, AskFirstQuestionsWithCancelAsDefaultAndKeepsTheFileOnCancel) {
    StartWithMode(0);
    Capture({Question(IDCANCEL)});
    ExpectKept();
    EXPECT_EQ(app().MainWindow().Text(), "Pavorin - old list") << "a refused capture leaves the caption";
}

TEST_F(CaptureOntoAnExistingFile, AskFirstReplacesTheFileOnOk) {
    StartWithMode(0);
    Capture({Question(IDOK), Done()});
    ExpectReplaced();
}

TEST_F(CaptureOntoAnExistingFile, OverwriteReplacesWithoutAsking) {
    StartWithMode(1);
    Capture({Done()});
    ExpectReplaced();
}

TEST_F(CaptureOntoAnExistingFile, KeepExistingStopsWithAWarning) {
    StartWithMode(2);
    Capture({{capture_text::kStoppedCaption, capture_text::kStopped, true}});
    ExpectKept();
}

TEST_F(CaptureOntoAnExistingFile, AReadOnlyFileIsRefusedBeforeAnyQuestion) {
    ASSERT_TRUE(SetFileAttributesW(folder.PathOf("lists2.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    StartWithMode(0);
    Capture({kLocked});
    ExpectKept();
    SetFileAttributesW(folder.PathOf("lists2.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(CaptureOntoAnExistingFile, AFileHeldOpenElsewhereIsReportedAsNotSaved) {
    StartWithMode(1);
    {
        const FileLock held = folder.HoldOpenExclusively("lists2.txt");
        Capture({{capture_text::kFileErrorCaption, capture_text::kFileNotWritten}});
    }
    ExpectKept();
}

}  // namespace
}  // namespace e2e
