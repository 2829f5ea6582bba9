#include "capture/taskbar_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_fields.h"

namespace {

using capture::TaskbarRows;
using capture_test::ClassFlagsOf;
using capture_test::PositionsOf;

WindowRecord RecordOf(uintptr_t hwnd, std::u16string path = u"") {
    WindowRecord record;
    record.hwnd = hwnd;
    record.path = std::move(path);
    return record;
}

TEST(FolderClassFlag, KnowsOnlyTheTwoFolderClassesExactly) {
    EXPECT_EQ(capture::FolderClassFlag("CabinetWClass"), 0);
    EXPECT_EQ(capture::FolderClassFlag("ExploreWClass"), 1);
    for (const char* other : {"cabinetwclass", "ExplorerWClass", "IEFrame", "CabinetWClass ", ""}) {
        EXPECT_FALSE(capture::FolderClassFlag(other).has_value()) << other;
    }
}

TEST(TaskbarRows, OnlyFolderWindowButtonsTakePositionsInButtonOrder) {
    TaskbarRows rows(6);
    rows.AddButton(101, "CabinetWClass");
    rows.AddButton(102, "Notepad");
    rows.AddButton(0, "CabinetWClass");  // a button without a window
    rows.AddButton(103, "ExploreWClass");
    rows.AddButton(104, "IEFrame");
    rows.AddButton(105, "CabinetWClass");
    ASSERT_EQ(rows.rows().size(), 3u);
    EXPECT_EQ(rows.rows()[0].handle, 101u);
    EXPECT_EQ(rows.rows()[0].position, 0);
    EXPECT_EQ(rows.rows()[0].classFlag, 0);
    EXPECT_EQ(rows.rows()[1].handle, 103u);
    EXPECT_EQ(rows.rows()[1].position, 1);
    EXPECT_EQ(rows.rows()[1].classFlag, 1);
    EXPECT_EQ(rows.rows()[2].handle, 105u);
    EXPECT_EQ(rows.rows()[2].position, 2);
}

TEST(TaskbarRows, TakingARowMovesTheLastRowIntoItsPlace) {
    TaskbarRows rows(4);
    for (uint32_t handle : {11u, 12u, 13u, 14u}) rows.AddButton(handle, "CabinetWClass");
    const auto taken = rows.Take(12);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->position, 1);
    std::vector<uint32_t> left;
    for (const auto& row : rows.rows()) left.push_back(row.handle);
    EXPECT_EQ(left, (std::vector<uint32_t>{11, 14, 13}));
    EXPECT_FALSE(rows.Take(12).has_value());
    EXPECT_FALSE(rows.Take(99).has_value());
}

TEST(AssignTaskbarRows, GivesEachRecordItsWindowsPositionAndClassOnce) {
    TaskbarRows rows(5);
    rows.AddButton(30, "ExploreWClass");
    rows.AddButton(7, "Shell_TrayWnd");
    rows.AddButton(10, "CabinetWClass");
    rows.AddButton(20, "CabinetWClass");
    std::vector<WindowRecord> records{RecordOf(10), RecordOf(20), RecordOf(30), RecordOf(10), RecordOf(55)};
    records[3].taskbarPosition = 9;  // a second record of the same window keeps what it had
    records[3].classFlag = 1;

    const std::vector<size_t> lost = capture::AssignTaskbarRows(rows, records);

    EXPECT_EQ(lost, (std::vector<size_t>{3, 4}));
    EXPECT_EQ(PositionsOf(records), (std::vector<int32_t>{1, 2, 0, 9, 0}));
    EXPECT_EQ(ClassFlagsOf(records), (std::vector<int32_t>{0, 0, 1, 1, 0}));
    EXPECT_TRUE(rows.rows().empty());
}

TEST(AssignTaskbarRows, MatchesHandlesByTheirLow32Bits) {
    TaskbarRows rows(1);
    rows.AddButton(0xFFFF1234u, "ExploreWClass");
    std::vector<WindowRecord> records{RecordOf(static_cast<uintptr_t>(0xFFFFFFFFFFFF1234ull))};
    EXPECT_TRUE(capture::AssignTaskbarRows(rows, records).empty());
    EXPECT_EQ(records[0].classFlag, 1);
}

TEST(AssignTaskbarRows, AnEmptyTaskbarLosesEveryRecord) {
    TaskbarRows rows(0);
    std::vector<WindowRecord> records{RecordOf(1), RecordOf(2)};
    EXPECT_EQ(capture::AssignTaskbarRows(rows, records), (std::vector<size_t>{0, 1}));
}

TEST(KeepShellListOrder, NumbersTheRecordsInListOrderAndReadsTheClassName) {
    std::vector<WindowRecord> records{RecordOf(1), RecordOf(2), RecordOf(3)};
    records[1].taskbarPosition = 5;
    const std::vector<std::string> classes{"ExploreWClass", "CabinetWClass", "ExplorerWClass"};
    capture::KeepShellListOrder(records, classes);
    EXPECT_EQ(PositionsOf(records), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(ClassFlagsOf(records), (std::vector<int32_t>{1, 0, 0}));
}

TEST(SortByTaskbarPosition, OrdersAscendingAndKeepsTiesInListOrder) {
    std::vector<WindowRecord> records;
    const std::vector<std::pair<int32_t, std::u16string>> input{
        {4, u"d"}, {0, u"lost1"}, {2, u"b"}, {0, u"first"}, {7, u"e"}, {0, u"lost2"}, {3, u"c"}};
    for (const auto& [position, path] : input) {
        records.push_back(RecordOf(0, path));
        records.back().taskbarPosition = position;
    }
    capture::SortByTaskbarPosition(records);
    std::vector<std::u16string> order;
    for (const auto& record : records) order.push_back(record.path);
    EXPECT_EQ(order, (std::vector<std::u16string>{u"lost1", u"first", u"lost2", u"b", u"c", u"d", u"e"}));
}

TEST(TaskbarListingLine, FillsTheIndexToTwoAndWritesTheHandleUnsigned) {
    EXPECT_EQ(capture::TaskbarListingLine(1, "CabinetWClass", 65606, "Documents"),
              " 1 CabinetWClass:\t65606:\t\tDocuments\r\n");
    EXPECT_EQ(capture::TaskbarListingLine(12, "", 0, ""), "12 :\t0:\t\t\r\n");
    EXPECT_EQ(capture::TaskbarListingLine(123, "ExploreWClass", 4294967295u, "C:\\"),
              "123 ExploreWClass:\t4294967295:\t\tC:\\\r\n");
}

}  // namespace
