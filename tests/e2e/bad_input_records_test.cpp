// Single fields of a list file that the program never writes so: a path too long for any folder, a
// placement or a view line without its colon, a URL length that is no number. The preview shows them as
// they stand, the restore does what it can with them and says what it could not do, and the file stays as
// it was.
#include "shell_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

class DamagedRecords : public RestoreScenario {
protected:
    // Writes list 1 from the records with one line of the text replaced, and starts the program on it.
    std::string StartWithChangedLine(const std::vector<ExpectedRecord>& records, std::string_view line,
                                     std::string_view replacement) {
        std::string text = ListFileText("desk", records);
        text.replace(text.find(std::string(line) + "\r\n"), line.size(), replacement);
        const std::string bytes = Utf16File(text);
        folder.Write("lists1.txt", bytes);
        StartWithSettings({.timeoutMs = 5000});
        return bytes;
    }
};

TEST_F(DamagedRecords, APathTooLongForAnyFolderIsNotOpenedAndTheOthersAre) {
    const std::wstring tooLong = folder.Path() + L"\\" + std::wstring(300 - folder.Path().size() - 1, L'x');
    ASSERT_EQ(tooLong.size(), 300u);
    const ExpectedRecord beta = Record(MakeFolder("beta"), WindowKind::Explorer, kRight, SW_SHOWNORMAL, 3);
    const ExpectedRecord longOne = Record(tooLong, WindowKind::Folder, kLeft);
    const std::string bytes = Utf16File(ListFileText("desk", {longOne, beta}));
    folder.Write("lists1.txt", bytes);
    StartWithSettings({.timeoutMs = 5000});
    EXPECT_EQ(Control(id::kListText).Text().substr(0, 301), Utf8(tooLong) + "\r");

    Restore({Counted(restore_text::kNotOpened, 1)});

    ExpectDesktop({AsRecorded(beta)});
    EXPECT_TRUE(FileHolds(folder, "lists1.txt", bytes));
}

// The last value of a placement runs to the end of its line when its colon is missing; the preview shows
// the line as it stands.
TEST_F(DamagedRecords, APlacementWithoutItsLastColonIsReadToTheEndOfItsLine) {
    const ExpectedRecord alpha = Record(MakeFolder("alpha"), WindowKind::Folder, kLeft, SW_SHOWMAXIMIZED, 4);
    const std::string bytes = StartWithChangedLine({alpha}, "10:20:810:620:0:3:", "10:20:810:620:0:3");
    EXPECT_EQ(Control(id::kListText).Text(),
              Utf8(alpha.path) + "\r\n10:20:810:620:0:3 " + std::to_string(alpha.urlLength) + " 4 0\r\n");

    Restore({Done()});

    ExpectDesktop({AsRecorded(alpha)});
    EXPECT_TRUE(FileHolds(folder, "lists1.txt", bytes));
}

// The view line is read whole: its number as far as it goes, and no class flag, which means a plain
// folder window.
TEST_F(DamagedRecords, AViewLineWithoutItsColonReopensAPlainFolderWindow) {
    const ExpectedRecord beta = Record(MakeFolder("beta"), WindowKind::Explorer, kRight, SW_SHOWNORMAL, 3);
    const std::string bytes = StartWithChangedLine({beta}, "3:1", "3 1");

    Restore({Done()});

    ExpectedWindow reopened = AsRecorded(beta);
    reopened.kind = WindowKind::Folder;
    ExpectDesktop({reopened});
    EXPECT_TRUE(FileHolds(folder, "lists1.txt", bytes));
}

// Without a URL length there is no room to rebuild the folder's URL: the folder opens, but its window
// cannot be told from others and keeps the place the shell gave it.
TEST_F(DamagedRecords, AUrlLengthThatIsNoNumberOpensTheFolderButLosesItsWindow) {
    const ExpectedRecord alpha = Record(MakeFolder("alpha"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4);
    const std::string bytes = StartWithChangedLine({alpha}, std::to_string(alpha.urlLength), "long");

    Restore({Counted(restore_text::kLost, 1, restore_text::kLostHint)});

    ExpectDesktop({{alpha.path, WindowKind::Folder, ShellPlace(0), SW_SHOWMINIMIZED, false, 1}});
    EXPECT_TRUE(FileHolds(folder, "lists1.txt", bytes));
}

}  // namespace
}  // namespace e2e
