#include "capture/taskbar_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using capture::TaskbarRows;
using Ints = std::vector<int32_t>;

WindowRecord RecordOf(uintptr_t hwnd, std::u16string path = u"") {
    WindowRecord record;
    record.hwnd = hwnd;
    record.path = std::move(path);
    return record;
}

// Position and class flag of every record, in array order.
std::pair<Ints, Ints> PositionsAndFlags(const std::vector<WindowRecord>& records) {
    std::pair<Ints, Ints> fields;
    for (const auto& record : records) {
        fields.first.push_back(record.taskbarPosition);
        fields.second.push_back(record.classFlag);
    }
    return fields;
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
    // Handle 0 is a button without a window.
    for (const auto& [handle, className] : {std::pair{101u, "CabinetWClass"}, {102u, "Notepad"}, {0u, "CabinetWClass"},
                                           {103u, "ExploreWClass"}, {104u, "IEFrame"}, {105u, "CabinetWClass"}})
        rows.AddButton(handle, className);
    std::vector<Ints> fields;
    for (const auto& row : rows.rows()) fields.push_back({int32_t(row.handle), row.position, row.classFlag});
    EXPECT_EQ(fields, (std::vector<Ints>{{101, 0, 0}, {103, 1, 1}, {105, 2, 0}}));
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
    for (const auto& [handle, className] :
         {std::pair{30u, "ExploreWClass"}, {7u, "Shell_TrayWnd"}, {10u, "CabinetWClass"}, {20u, "CabinetWClass"}})
        rows.AddButton(handle, className);
    std::vector<WindowRecord> records{RecordOf(10), RecordOf(20), RecordOf(30), RecordOf(10), RecordOf(55)};
    records[3].taskbarPosition = 9;  // a second record of the same window keeps what it had
    records[3].classFlag = 1;
    EXPECT_EQ(capture::AssignTaskbarRows(rows, records), (std::vector<size_t>{3, 4}));
    EXPECT_EQ(PositionsAndFlags(records), std::pair(Ints{1, 2, 0, 9, 0}, Ints{0, 0, 1, 1, 0}));
    EXPECT_TRUE(rows.rows().empty());

    TaskbarRows none(0);
    EXPECT_EQ(capture::AssignTaskbarRows(none, records), (std::vector<size_t>{0, 1, 2, 3, 4}));
}

TEST(AssignTaskbarRows, MatchesHandlesByTheirLow32Bits) {
    TaskbarRows rows(1);
    rows.AddButton(0xFFFF1234u, "ExploreWClass");
    std::vector<WindowRecord> records{RecordOf(static_cast<uintptr_t>(0xFFFFFFFFFFFF1234ull))};
    EXPECT_TRUE(capture::AssignTaskbarRows(rows, records).empty());
    EXPECT_EQ(records[0].classFlag, 1);
}

TEST(KeepShellListOrder, NumbersTheRecordsInListOrderAndReadsTheClassName) {
    std::vector<WindowRecord> records{RecordOf(1), RecordOf(2), RecordOf(3)};
    records[1].taskbarPosition = 5;
    const std::vector<std::string> classes{"ExploreWClass", "CabinetWClass", "ExplorerWClass"};
    capture::KeepShellListOrder(records, classes);
    EXPECT_EQ(PositionsAndFlags(records), std::pair(Ints{0, 1, 2}, Ints{1, 0, 0}));
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
