// The list preview: choosing a list number shows that list's title in edit 1004 and the caption, and its
// windows two lines each in edit 1003; a number without a list file clears them and edit 1002. Damaged files,
// and the preview at start-up: bad_input_list_files_test.cpp.
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
    void ExpectShown(std::string_view title, std::string_view listing) {
        EXPECT_EQ(Control(id::kListTitle).Text(), title);
        EXPECT_EQ(app().MainWindow().Text(), "Pavorin - " + std::string(title));
        EXPECT_EQ(Control(id::kListText).Text(), listing);
    }
};

TEST_F(ListPreview, TypingOrSteppingToANumberShowsItsListOrClearsThePreview) {
    folder.Write("lists3.txt", Utf16File(kTwoWindows));
    folder.Write("lists4.txt", Utf16File("fourth\r\n1\r\nE:\\\r\n0:0:640:480:0:3:\r\n12\r\n3:1\r\n"));
    folder.Write("lists007.txt", Utf16File("with zeros\r\n0\r\n"));
    folder.Write("lists2.txt", Utf16File(kTwoWindows));
    StartPavorin();
    const Window number = Control(id::kListNumber), taskbar = Control(id::kTaskbarListing);
    // The preview writes 1002 only to clear it: something to clear is put there first.
    taskbar.SetText("taskbar listing");
    number.TypeOver("3");
    ExpectShown("my desk", kTwoWindowsListing);
    EXPECT_EQ(taskbar.Text(), "taskbar listing") << "a found file leaves 1002 alone";

    app().UpDown().Step(false);
    ASSERT_EQ(number.Text(), "4");
    ExpectShown("fourth", "E:\\\r\n0:0:640:480:0:3: 12 3 1\r\n");

    number.TypeOver("5");
    ExpectShown("", "");
    EXPECT_EQ(taskbar.Text(), "");

    number.TypeOver("007");
    ExpectShown("with zeros", "");
    number.TypeOver("7");
    ExpectShown("", "");

    // A list held open by another program shows nothing and never stops the program.
    taskbar.SetText("taskbar listing");
    {
        const FileLock lock = folder.HoldOpenExclusively("lists2.txt");
        number.TypeOver("2");
        ExpectShown("", "");
        EXPECT_EQ(taskbar.Text(), "taskbar listing") << "the file exists: 1002 stays";
        EXPECT_TRUE(app().IsRunning());
        EXPECT_TRUE(app().MessageBoxes().empty());
    }
    number.TypeOver("5");
    number.TypeOver("2");
    ExpectShown("my desk", kTwoWindowsListing);
}

}  // namespace
}  // namespace e2e
