// A capture onto a list number whose file exists already: the read-only check comes first, then the
// overwrite mode of combo 1006 decides; a file held open elsewhere is reported, never taken as saved.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell_steps.h"

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

ExpectedBox OverwriteQuestion(int answer) {
    return {capture_text::kOverwriteCaption, capture_text::kOverwriteQuestion, true, answer, IDCANCEL, {IDOK, IDCANCEL}};
}

// Ask first (Cancel is its default), overwrite without asking, or stop with a warning.
TEST_F(CaptureOntoAnExistingFile, TheOverwriteModeDecidesWhetherTheFileIsReplaced) {
    const struct {
        const char* name;
        int mode;
        std::vector<ExpectedBox> boxes;
        bool replaced;
    } cases[] = {{"ask, Cancel", 0, {OverwriteQuestion(IDCANCEL)}, false},
                 {"ask, OK", 0, {OverwriteQuestion(IDOK), Done()}, true},
                 {"overwrite", 1, {Done()}, true},
                 {"keep", 2, {{capture_text::kStoppedCaption, capture_text::kStopped, true}}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write("lists2.txt", Utf16File(kOldList));
        StartWithMode(c.mode);
        Capture(c.boxes);
        if (c.replaced) {
            ExpectReplaced();
        } else {
            ExpectKept();
            EXPECT_EQ(app().MainWindow().Text(), "Pavorin - old list") << "a refused capture leaves the caption";
        }
        EXPECT_EQ(ClosePavorin(), 0u);
    }
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
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"lists2.txt"}) << "nothing of the new list is left";
}

// A disk that fills up part way through the new list: the old list stays whole and nothing of the new
// one is left. The disk is a real one, a small tmpfs that scripts/test mounts and names in
// PAVORIN_SMALL_DISK (its Unix path, Z: under Wine), filled here before the capture.
TEST(CaptureOntoAFullDisk, TheOldListStaysWholeAndNothingIsLeftBehind) {
    const char* disk = std::getenv("PAVORIN_SMALL_DISK");
    if (!disk) GTEST_SKIP() << "no small disk: run through scripts/test";
    std::wstring root = L"Z:" + Wide(disk);
    std::replace(root.begin(), root.end(), L'/', L'\\');
    namespace fs = std::filesystem;
    const fs::path desk = fs::path(root) / L"desk", filler = fs::path(root) / L"filler";
    fs::remove_all(desk);
    fs::remove(filler);
    fs::create_directory(desk);
    std::ofstream(desk / L"lists0.txt", std::ios::binary) << Utf16File(kOldList);
    std::ofstream(desk / L"Pavorin.ini", std::ios::binary) << "0\t0 1 0 -1 0 1 0 1 1 0 500";
    {
        std::ofstream fill(filler, std::ios::binary);
        const std::string block(4096, 'x');
        while (fill.write(block.data(), block.size()).flush()) {}
    }
    standin::Shell shell;
    for (wchar_t letter : std::wstring(L"abcdefgh")) {  // 8 paths of 200 characters: 4 KB of list and more
        ASSERT_TRUE(shell.Open(FolderSpec(standin::WindowKind::Folder, L"C:\\" + std::wstring(200, letter))));
    }
    Pavorin app(desk.wstring());
    app.Control(id::kCaptureButton).Click();
    const MessageBoxWindow box = app.WaitForMessageBox();
    EXPECT_EQ(box.Caption(), capture_text::kFileErrorCaption);
    EXPECT_EQ(box.Text(), capture_text::kFileNotWritten);
    box.Press(IDOK);
    EXPECT_EQ(app.CloseAndWaitForExit(), 0u);

    std::ostringstream kept;
    kept << std::ifstream(desk / L"lists0.txt", std::ios::binary).rdbuf();
    EXPECT_TRUE(SameBytes(kept.str(), Utf16File(kOldList)));
    EXPECT_EQ(std::distance(fs::directory_iterator(desk), fs::directory_iterator()), 2) << "lists0.txt, Pavorin.ini";
    fs::remove(filler);
    fs::remove_all(desk);
}

}  // namespace
}  // namespace e2e
