#include "capture/align_window_in_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/capture_texts.h"
#include "fake_taskbar.h"
#include "record_fields.h"
#include "win32/message_box.h"

namespace {

using capture::TaskbarOrder;
using capture_test::ClassFlagsOf;
using capture_test::FakeTaskbar;
using capture_test::ListingOwner;
using capture_test::PositionsOf;
using capture_test::TestWindows;

std::vector<std::string> boxes;

int RecordBox(HWND, std::string_view text, std::string_view caption, UINT type) {
    boxes.push_back(std::string(caption) + "|" + std::string(text) + "|" + std::to_string(type));
    return IDOK;
}

std::string Decimal(HWND window) { return std::to_string(HandleToULong(window)); }

WindowRecord RecordOf(HWND window) {
    WindowRecord record;
    record.hwnd = reinterpret_cast<uintptr_t>(window);
    return record;
}

class AlignWindowInOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        boxes.clear();
        win32::SetMessageBoxHookForTests(RecordBox);
    }
    void TearDown() override { win32::SetMessageBoxHookForTests(nullptr); }

    std::string LostBox() const {
        return std::string(capture::text::kAlignCaption) + "|" + capture::text::kLostHandleText + "|" +
               std::to_string(MB_OK);
    }

    TestWindows windows;
    ListingOwner owner;
};

TEST_F(AlignWindowInOrderTest, FolderButtonsGiveTheTaskbarOrderAndEveryButtonIsListed) {
    const HWND documents = windows.Create("CabinetWClass", "ドキュメント");
    const HWND notes = windows.Create("Notepad", "memo.txt - Notepad");
    const HWND tree = windows.Create("ExploreWClass", "C:\\");
    const HWND pictures = windows.Create("CabinetWClass", "Pictures");
    FakeTaskbar taskbar;
    taskbar.AddWindowButton(pictures);  // index 0 is never examined
    taskbar.AddWindowButton(documents);
    taskbar.AddWindowButton(notes);
    taskbar.AddWindowButton(tree);
    taskbar.AddWindowButton(nullptr);
    taskbar.AddWindowButton(pictures);

    std::vector<WindowRecord> records{RecordOf(pictures), RecordOf(documents), RecordOf(tree)};
    EXPECT_EQ(capture::AlignWindowInOrder(owner.window(), records), TaskbarOrder::kRead);

    EXPECT_EQ(PositionsOf(records), (std::vector<int32_t>{2, 0, 1}));
    EXPECT_EQ(ClassFlagsOf(records), (std::vector<int32_t>{0, 0, 1}));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(owner.Listing(), " 1 CabinetWClass:\t" + Decimal(documents) + ":\t\tドキュメント\r\n" +
                                   " 2 Notepad:\t" + Decimal(notes) + ":\t\tmemo.txt - Notepad\r\n" +
                                   " 3 ExploreWClass:\t" + Decimal(tree) + ":\t\tC:\\\r\n" +
                                   " 4 :\t0:\t\t\r\n" +
                                   " 5 CabinetWClass:\t" + Decimal(pictures) + ":\t\tPictures\r\n");
}

TEST_F(AlignWindowInOrderTest, AFailedReadTakesNothingFromTheButtonBefore) {
    const HWND tree = windows.Create("ExploreWClass", "tree");
    FakeTaskbar taskbar;
    taskbar.AddWindowButton(nullptr);
    taskbar.AddWindowButton(tree);
    taskbar.AddButtonWithData(0x10);  // no readable block behind the data
    taskbar.AddWindowButton(tree);    // the same window once more takes a second row
    taskbar.AddButtonWithHandleValue(0x7FFFFFF0);  // a value that is no window

    std::vector<WindowRecord> records{RecordOf(tree), RecordOf(tree)};
    capture::AlignWindowInOrder(owner.window(), records);

    EXPECT_EQ(PositionsOf(records), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(owner.Listing(), " 1 ExploreWClass:\t" + Decimal(tree) + ":\t\ttree\r\n" +
                                   " 2 :\t0:\t\t\r\n" +
                                   " 3 ExploreWClass:\t" + Decimal(tree) + ":\t\ttree\r\n" +
                                   " 4 :\t2147483632:\t\t\r\n");
}

TEST_F(AlignWindowInOrderTest, EachRecordWithoutAFolderButtonIsReportedAndKeepsItsFields) {
    const HWND shown = windows.Create("CabinetWClass", "shown");
    const HWND hidden = windows.Create("CabinetWClass", "hidden");
    const HWND other = windows.Create("Notepad", "other");
    FakeTaskbar taskbar;
    taskbar.AddWindowButton(nullptr);
    taskbar.AddWindowButton(other);
    taskbar.AddWindowButton(shown);

    std::vector<WindowRecord> records{RecordOf(hidden), RecordOf(shown), RecordOf(other)};
    capture::AlignWindowInOrder(owner.window(), records);

    EXPECT_EQ(PositionsOf(records), (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(boxes, (std::vector<std::string>{LostBox(), LostBox()}));
}

TEST_F(AlignWindowInOrderTest, ASingleButtonTaskbarListsNothingAndLosesEveryRecord) {
    const HWND folder = windows.Create("CabinetWClass", "folder");
    FakeTaskbar taskbar;
    taskbar.AddWindowButton(folder);
    owner.SetListing("earlier listing");

    std::vector<WindowRecord> records{RecordOf(folder)};
    EXPECT_EQ(capture::AlignWindowInOrder(owner.window(), records), TaskbarOrder::kRead);

    EXPECT_EQ(owner.Listing(), "earlier listing");
    EXPECT_EQ(boxes, (std::vector<std::string>{LostBox()}));
}

TEST_F(AlignWindowInOrderTest, WithoutATaskbarToolbarTheListOrderAndTheWindowClassesServe) {
    const HWND tree = windows.Create("ExploreWClass", "tree");
    const HWND folder = windows.Create("CabinetWClass", "folder");
    std::vector<WindowRecord> records{RecordOf(tree), RecordOf(folder), RecordOf(nullptr)};
    records[1].taskbarPosition = 7;

    EXPECT_EQ(capture::AlignWindowInOrder(owner.window(), records), TaskbarOrder::kUnreadable);

    EXPECT_EQ(PositionsOf(records), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(ClassFlagsOf(records), (std::vector<int32_t>{1, 0, 0}));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(owner.Listing(), "");
}

}  // namespace
