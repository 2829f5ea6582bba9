#include <gtest/gtest.h>

#include <vector>

#include "file_bytes.h"
#include "textio/line_buffer_slots.h"
#include "textio/line_cursor.h"
#include "textio/list_file_name.h"
#include "textio/list_file_reader.h"
#include "textio/list_file_writer.h"

namespace {
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
    LineCursor cursor(FileUnitsFromBytes(textio_test::ListFileBytes(text)));
    return ReadListFileText([&] { return cursor.NextLine(); }, cursor.TextUnits());
}

const std::vector<WindowRecord> kTwoWindows = {
    Record(u"C:\\Work", {100, 80, 900, 680}, 1, 16, 4, 0),
    Record(u"D:\\\u8868 \u30BD:x", {-8, -8, 1288, 1008}, 3, 2083, 1, 1),
};
}  // namespace

TEST(ListFileName, PutsTheBoxTextBetweenPrefixAndExtensionUnchanged) {
    for (const auto& [box, name] : {std::pair{u"0", u"lists0.txt"}, {u"12", u"lists12.txt"}, {u"007", u"lists007.txt"},
                                   {u"", u"lists.txt"}})
        EXPECT_EQ(ListFileName(box), name) << testing::PrintToString(std::u16string(box));
}

TEST(ListFileName, TheListNumberIsTheBoxTextAsA16BitNumber) {
    for (const auto& [box, number] : {std::pair{"007", 7}, {"12.9", 12}, {"abc", 0}, {"-1", -1}, {"65537", 1}})
        EXPECT_EQ(ListNumberFromText(box), number) << box;
}

// The title, the count, and four lines per window: path, placement, URL length, view mode:class flag.
TEST(ListFileWriter, WritesTitleCountAndFourLinesPerWindow) {
    std::vector<WindowRecord> shortPath = {Record(u"C:\\Longer", {}, 0, 0, 0, 0)};
    shortPath[0].pathLength = 3;  // only pathLength units of the path are written
    const struct {
        std::u16string title;
        std::vector<WindowRecord> records;
        std::u16string text;
    } cases[] = {
        {u"my desk", kTwoWindows,
         u"my desk\r\n2\r\n"
         u"C:\\Work\r\n100:80:900:680:0:1:\r\n16\r\n4:0\r\n"
         u"D:\\\u8868 \u30BD:x\r\n-8:-8:1288:1008:0:3:\r\n2083\r\n1:1\r\n"},
        {u"", {}, u"\r\n0\r\n"},
        // The size counts the real digits of view mode and class flag.
        {u"t", {Record(u"C:\\", {0, 0, 1, 1}, 1, 8, -2147483647, 12)},
         u"t\r\n1\r\nC:\\\r\n0:0:1:1:0:1:\r\n8\r\n-2147483647:12\r\n"},
        {u"", shortPath, u"\r\n1\r\nC:\\\r\n0:0:0:0:0:0:\r\n0\r\n0:0\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(WriteExactly(c.title, c.records), c.text) << testing::PrintToString(c.text);
    shortPath[0].pathLength = 999;
    EXPECT_EQ(RecordPathText(shortPath[0]), u"C:\\Longer");
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

// Each record as path|placement|URL length|view mode|class flag, its lines as stored.
TEST(ListFileReader, ReadsTheCompleteRecordsOnlyNeverMoreThanTheFileCanHold) {
    const struct {
        const char* name;
        std::u16string text;
        std::u16string title;
        int32_t declaredCount;
        std::vector<std::u16string> records;
    } cases[] = {
        {"shorter than its count", u"t\r\n3\r\nC:\\A\r\n1:2:3:4:0:1:\r\n9\r\n4:0\r\nC:\\B\r\n1:2:3:4:0:1:\r\n", u"t", 3,
         {u"C:\\A|1:2:3:4:0:1:|9|4|0"}},
        {"the last line without line end", u"t\r\n1\r\nC:\\A\r\n1:2:3:4:0:1:\r\n9\r\n4:1", u"t", 1,
         {u"C:\\A|1:2:3:4:0:1:|9|4|1"}},
        {"an absurd count", u"t\r\n2147483647\r\nC:\\A\r\n1:2:3:4:0:1:\r\n9\r\n4:0\r\n", u"t", 2147483647,
         {u"C:\\A|1:2:3:4:0:1:|9|4|0"}},
        // Eight empty lines after the count are two records of empty fields, however many are announced.
        {"empty lines", u"t\r99\r\r\r\r\r\r\r\r\r", u"t", 99, {u"||||", u"||||"}},
        {"a negative count", u"t\r\n-5\r\nC:\\A\r\nx\r\n9\r\n4:0\r\n", u"t", -5, {}},
        {"an empty file", u"", u"", 0, {}},
        {"a title only", u"only a title", u"only a title", 0, {}},
        // No separator: the whole line is the view mode, and the next record's drive colon is not taken for
        // the class flag; a doubled separator counts as one.
        {"view mode line cut within its line",
         u"t\r\n2\r\nC:\\A\r\n1:2:3:4:0:1:\r\n9\r\n4\r\nC:\\B\r\n5:6:7:8:0:3:\r\n7\r\n6::1\r\n", u"t", 2,
         {u"C:\\A|1:2:3:4:0:1:|9|4|", u"C:\\B|5:6:7:8:0:3:|7|6|1"}},
        {"CR only", u"t\r1\rC:\\A\r1:2:3:4:0:1:\r9\r4:1\r", u"t", 1, {u"C:\\A|1:2:3:4:0:1:|9|4|1"}},
        {"LF only", u"t\n1\nC:\\A\n1:2:3:4:0:1:\n9\n4:1\n", u"t", 1, {u"C:\\A|1:2:3:4:0:1:|9|4|1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ListFileText file = Read(c.text);
        EXPECT_EQ(file.title, c.title);
        EXPECT_EQ(file.declaredCount, c.declaredCount);
        std::vector<std::u16string> records;
        for (const ListRecordText& r : file.records)
            records.push_back(r.path + u'|' + r.placement + u'|' + r.urlLength + u'|' + r.viewMode + u'|' + r.classFlag);
        EXPECT_EQ(records, c.records);
    }
    const WindowRecord noClassFlag = ToWindowRecord({u"C:\\A", u"1:2:3:4:0:1:", u"9", u"4", u""});
    EXPECT_EQ(noClassFlag.viewMode, 4);
    EXPECT_EQ(noClassFlag.classFlag, 0);
}
