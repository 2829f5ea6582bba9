#include <gtest/gtest.h>

#include <vector>

#include "file_bytes.h"
#include "textio/line_buffer_slots.h"
#include "textio/line_cursor.h"
#include "textio/list_file_name.h"
#include "textio/list_file_reader.h"
#include "textio/list_file_writer.h"

namespace {
using textio_test::ListFileBytes;

// The writer's appends, taken by line buffer slot 0 of a pure table.
class SlotSink final : public ListTextSink {
public:
    explicit SlotSink(int64_t size) { slots_.Create(0, static_cast<int32_t>(size)); }
    bool AddLine(std::u16string_view text) override { return slots_.AddLine(0, text).result > 0; }
    bool AddInfoLine(const PlacementRecord& placement) override { return slots_.AddInfoLine(0, placement).result > 0; }
    bool JoinWithSep(std::u16string_view text, char16_t separator) override {
        return slots_.JoinWithSep(0, text, separator).result > 0;
    }
    std::u16string Text() const { return std::u16string(slots_.Text(0)); }

private:
    textio::LineBufferSlots slots_;
};

WindowRecord Record(std::u16string path, RectRecord normal, int32_t showCmd, int32_t urlLength, int32_t viewMode,
                    int32_t classFlag) {
    WindowRecord record;
    record.pathLength = static_cast<int32_t>(path.size());
    record.path = std::move(path);
    record.placement.rcNormalPosition = normal;
    record.placement.showCmd = showCmd;
    record.urlLength = urlLength;
    record.viewMode = viewMode;
    record.classFlag = classFlag;
    return record;
}

// Writes through a buffer of exactly the computed size; the text must fill it to the last unit.
std::u16string WriteExactly(std::u16string_view title, const std::vector<WindowRecord>& records) {
    const int64_t size = ListFileTextSize(title, records);
    SlotSink sink(size);
    EXPECT_TRUE(AppendListText(sink, title, records));
    EXPECT_EQ(static_cast<int64_t>(sink.Text().size()), size) << "the size rule counts every unit";
    SlotSink tooSmall(size - 1);
    EXPECT_FALSE(AppendListText(tooSmall, title, records));
    return sink.Text();
}

ListFileText Read(std::u16string_view text) {
    LineCursor cursor(FileUnitsFromBytes(ListFileBytes(text)));
    return ReadListFileText([&] { return cursor.NextLine(); }, cursor.TextUnits());
}

const std::vector<WindowRecord> kTwoWindows = {
    Record(u"C:\\Work", {100, 80, 900, 680}, 1, 16, 4, 0),
    Record(u"D:\\\u8868 \u30BD:x", {-8, -8, 1288, 1008}, 3, 2083, 1, 1),
};
}  // namespace

TEST(ListFileName, PutsTheBoxTextBetweenPrefixAndExtensionUnchanged) {
    EXPECT_EQ(ListFileName(u"0"), u"lists0.txt");
    EXPECT_EQ(ListFileName(u"12"), u"lists12.txt");
    EXPECT_EQ(ListFileName(u"007"), u"lists007.txt");
    EXPECT_EQ(ListFileName(u""), u"lists.txt");
}

TEST(ListFileName, TheListNumberIsTheBoxTextAsA16BitNumber) {
    EXPECT_EQ(ListNumberFromText("007"), 7);
    EXPECT_EQ(ListNumberFromText("12.9"), 12);
    EXPECT_EQ(ListNumberFromText("abc"), 0);
    EXPECT_EQ(ListNumberFromText("-1"), -1);
    EXPECT_EQ(ListNumberFromText("65537"), 1);
}

TEST(ListFileWriter, WritesTitleCountAndFourLinesPerWindow) {
    EXPECT_EQ(WriteExactly(u"my desk", kTwoWindows),
              u"my desk\r\n2\r\n"
              u"C:\\Work\r\n100:80:900:680:0:1:\r\n16\r\n4:0\r\n"
              u"D:\\\u8868 \u30BD:x\r\n-8:-8:1288:1008:0:3:\r\n2083\r\n1:1\r\n");
}

TEST(ListFileWriter, AnEmptySnapshotIsTitleAndZero) {
    EXPECT_EQ(WriteExactly(u"", {}), u"\r\n0\r\n");
}

TEST(ListFileWriter, CountsTheRealDigitsOfViewModeAndClassFlag) {
    const std::vector<WindowRecord> records = {Record(u"C:\\", {0, 0, 1, 1}, 1, 8, -2147483647, 12)};
    EXPECT_EQ(WriteExactly(u"t", records), u"t\r\n1\r\nC:\\\r\n0:0:1:1:0:1:\r\n8\r\n-2147483647:12\r\n");
}

TEST(ListFileWriter, WritesOnlyPathLengthUnitsOfThePath) {
    std::vector<WindowRecord> records = {Record(u"C:\\Longer", {}, 0, 0, 0, 0)};
    records[0].pathLength = 3;
    EXPECT_EQ(WriteExactly(u"", records), u"\r\n1\r\nC:\\\r\n0:0:0:0:0:0:\r\n0\r\n0:0\r\n");
    records[0].pathLength = 999;
    EXPECT_EQ(RecordPathText(records[0]), u"C:\\Longer");
}

TEST(ListFileReader, ReadsBackWhatTheWriterWrote) {
    const ListFileText file = Read(WriteExactly(u"my desk", kTwoWindows));
    EXPECT_EQ(file.title, u"my desk");
    EXPECT_EQ(file.declaredCount, 2);
    const std::vector<WindowRecord> records = ToWindowRecords(file);
    ASSERT_EQ(records.size(), 2u);
    for (size_t i = 0; i < records.size(); ++i) {
        const WindowRecord& r = records[i];
        const WindowRecord& e = kTwoWindows[i];
        EXPECT_EQ(r.path, e.path) << i;
        const RectRecord& box = r.placement.rcNormalPosition;
        const RectRecord& want = e.placement.rcNormalPosition;
        EXPECT_EQ((std::vector<int64_t>{r.pathLength, r.urlLength, r.viewMode, r.classFlag, box.left, box.top, box.right,
                                        box.bottom, r.placement.showCmd, r.placement.length, int64_t(r.hwnd), r.taskbarPosition}),
                  (std::vector<int64_t>{e.pathLength, e.urlLength, e.viewMode, e.classFlag, want.left, want.top, want.right,
                                        want.bottom, e.placement.showCmd, 44, 0, 0})) << i;
    }
    EXPECT_EQ(file.records[1].placement, u"-8:-8:1288:1008:0:3:") << "the line is kept as stored";
}

TEST(ListFileReader, AFileShorterThanItsCountGivesItsCompleteRecordsOnly) {
    const ListFileText file = Read(u"t\r\n3\r\nC:\\A\r\n1:2:3:4:0:1:\r\n9\r\n4:0\r\nC:\\B\r\n1:2:3:4:0:1:\r\n");
    EXPECT_EQ(file.declaredCount, 3);
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].path, u"C:\\A");
}

TEST(ListFileReader, ARecordWhoseLastLineHasNoLineEndIsComplete) {
    const ListFileText file = Read(u"t\r\n1\r\nC:\\A\r\n1:2:3:4:0:1:\r\n9\r\n4:1");
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].classFlag, u"1");
}

TEST(ListFileReader, AnAbsurdCountIsBoundedByWhatTheFileCanHold) {
    const ListFileText file = Read(u"t\r\n2147483647\r\nC:\\A\r\n1:2:3:4:0:1:\r\n9\r\n4:0\r\n");
    EXPECT_EQ(file.declaredCount, 2147483647);
    EXPECT_EQ(file.records.size(), 1u);
    // Eight empty lines after the count are two records of empty fields, however many are announced.
    EXPECT_EQ(Read(u"t\r99\r\r\r\r\r\r\r\r\r").records.size(), 2u);
    EXPECT_TRUE(Read(u"t\r\n-5\r\nC:\\A\r\nx\r\n9\r\n4:0\r\n").records.empty());
}

TEST(ListFileReader, MissingLinesGiveAnEmptyTitleOrNoRecords) {
    EXPECT_EQ(Read(u"").title, u"");
    EXPECT_EQ(Read(u"").declaredCount, 0);
    const ListFileText titleOnly = Read(u"only a title");
    EXPECT_EQ(titleOnly.title, u"only a title");
    EXPECT_TRUE(titleOnly.records.empty());
}

TEST(ListFileReader, TheViewModeLineIsCutWithinItsOwnLine) {
    // No separator: the whole line is the view mode and the class flag is empty (0), and the next
    // record's drive colon is not taken for it.
    const ListFileText file =
        Read(u"t\r\n2\r\nC:\\A\r\n1:2:3:4:0:1:\r\n9\r\n4\r\nC:\\B\r\n5:6:7:8:0:3:\r\n7\r\n6::1\r\n");
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[0].viewMode, u"4");
    EXPECT_EQ(file.records[0].classFlag, u"");
    EXPECT_EQ(file.records[1].path, u"C:\\B");
    EXPECT_EQ(file.records[1].viewMode, u"6") << "a doubled separator counts as one";
    EXPECT_EQ(file.records[1].classFlag, u"1");
    const WindowRecord first = ToWindowRecord(file.records[0]);
    EXPECT_EQ(first.viewMode, 4);
    EXPECT_EQ(first.classFlag, 0);
}

TEST(ListFileReader, ReadsCrOnlyAndLfOnlyLineEnds) {
    for (const std::u16string_view text : {std::u16string_view(u"t\r1\rC:\\A\r1:2:3:4:0:1:\r9\r4:1\r"),
                                           std::u16string_view(u"t\n1\nC:\\A\n1:2:3:4:0:1:\n9\n4:1\n")}) {
        const std::vector<WindowRecord> records = ToWindowRecords(Read(text));
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].path, u"C:\\A");
        EXPECT_EQ(records[0].placement.rcNormalPosition.right, 3);
        EXPECT_EQ(records[0].urlLength, 9);
        EXPECT_EQ(records[0].viewMode, 4);
        EXPECT_EQ(records[0].classFlag, 1);
    }
}
