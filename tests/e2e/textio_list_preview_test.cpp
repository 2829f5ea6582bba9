// The list preview: choosing a list number shows that list's title in edit 1004 and the caption, and its
// windows two lines each in edit 1003; a number without a list file clears them; a locked list file never
// stops the program. Damaged files, and the preview at start-up: bad_input_list_files_test.cpp.
#include "driver/pavorin_driver.h"

namespace e2e {
namespace {

// A list file as the capture writes it: two windows, in taskbar order.
constexpr char kTwoWindows[] =
    "my desk\r\n2\r\n"
    "C:\\Work\r\n100:80:900:680:0:1:\r\n16\r\n4:0\r\n"
    "D:\\表 ソ:x\r\n-8:-8:1288:1008:2:3:\r\n2083\r\n1:1\r\n";
// What edit 1003 shows of it.
constexpr char kTwoWindowsListing[] =
    "C:\\Work\r\n100:80:900:680:0:1: 16 4 0\r\n"
    "D:\\表 ソ:x\r\n-8:-8:1288:1008:2:3: 2083 1 1\r\n";

class ListPreview : public PavorinScenario {
protected:
    Window NumberBox() { return Control(id::kListNumber); }

    void WriteList(std::string_view number, std::string_view utf8) {
        folder.Write("lists" + std::string(number) + ".txt", Utf16File(utf8));
    }

    // The title box, the caption and the listing, as the user sees them.
    void ExpectShown(std::string_view title, std::string_view listing) {
        EXPECT_EQ(Control(id::kListTitle).Text(), title);
        EXPECT_EQ(app().MainWindow().Text(), "Pavorin - " + std::string(title));
        EXPECT_EQ(Control(id::kListText).Text(), listing);
    }

    // The preview writes 1002 only to clear it; something to clear is put there first.
    void FillTaskbarListing() { Control(id::kTaskbarListing).SetText("taskbar listing"); }

    void ExpectRunningWithoutMessages() {
        EXPECT_TRUE(app().IsRunning());
        EXPECT_TRUE(app().MessageBoxes().empty());
    }
};

TEST_F(ListPreview, TypingANumberShowsThatListTwoLinesPerWindow) {
    WriteList("3", kTwoWindows);
    StartPavorin();
    FillTaskbarListing();
    NumberBox().TypeOver("3");
    ExpectShown("my desk", kTwoWindowsListing);
    EXPECT_EQ(Control(id::kTaskbarListing).Text(), "taskbar listing") << "a found file leaves 1002 alone";
    ExpectRunningWithoutMessages();
}

TEST_F(ListPreview, SteppingTheUpDownShowsTheNextList) {
    WriteList("4", "fourth\r\n1\r\nE:\\\r\n0:0:640:480:0:3:\r\n12\r\n3:1\r\n");
    StartPavorin();
    NumberBox().TypeOver("3");
    app().UpDown().Step(false);
    ASSERT_EQ(NumberBox().Text(), "4");
    ExpectShown("fourth", "E:\\\r\n0:0:640:480:0:3: 12 3 1\r\n");
}

TEST_F(ListPreview, ANumberWithoutAFileClearsTitleCaptionAndBothListings) {
    WriteList("3", kTwoWindows);
    StartPavorin();
    NumberBox().TypeOver("3");
    FillTaskbarListing();
    NumberBox().TypeOver("5");
    ExpectShown("", "");
    EXPECT_EQ(Control(id::kTaskbarListing).Text(), "");
}

TEST_F(ListPreview, LeadingZerosNameTheirOwnFile) {
    WriteList("007", "with zeros\r\n0\r\n");
    StartPavorin();
    NumberBox().TypeOver("007");
    ExpectShown("with zeros", "");
    NumberBox().TypeOver("7");
    ExpectShown("", "");
}

TEST_F(ListPreview, AListHeldOpenByAnotherProgramShowsNothingAndTheProgramGoesOn) {
    WriteList("2", kTwoWindows);
    StartPavorin();
    NumberBox().TypeOver("3");  // leave list 0 behind before the lock
    FillTaskbarListing();
    {
        const FileLock lock = folder.HoldOpenExclusively("lists2.txt");
        NumberBox().TypeOver("2");
        ExpectShown("", "");
        EXPECT_EQ(Control(id::kTaskbarListing).Text(), "taskbar listing") << "the file exists: 1002 stays";
        ExpectRunningWithoutMessages();
    }
    NumberBox().TypeOver("3");
    NumberBox().TypeOver("2");
    ExpectShown("my desk", kTwoWindowsListing);
}

}  // namespace
}  // namespace e2e
