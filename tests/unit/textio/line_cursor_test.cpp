#include <gtest/gtest.h>

#include <vector>

#include "file_bytes.h"
#include "textio/line_cursor.h"

namespace {
using textio_test::ListFileBytes;
using Lines = std::vector<std::u16string>;
}  // namespace

// "<end>" stands for a read that reports the end of the file.
TEST(LineCursor, HandsOutTheLinesAfterTheMarkThenTheEndThenTheFirstLineAgain) {
    const struct {
        const char* name;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"every kind of line end", ListFileBytes(u"a\r\nb\rc\nd"), {u"a", u"b", u"c", u"d", u"<end>"}},
        // An LF right after the end unit is taken with it: LF LF is one line end, CR CR two.
        {"LF LF and CR CR", ListFileBytes(u"a\n\nb\r\rc"), {u"a", u"b", u"", u"c", u"<end>"}},
        {"empty lines", ListFileBytes(u"\r\n\r\nx\r\n"), {u"", u"", u"x", u"<end>"}},
        {"rewinds", ListFileBytes(u"one\r\ntwo\r\n"), {u"one", u"two", u"<end>", u"one"}},
        {"rewinds one line", ListFileBytes(u"only\r\n"), {u"only", u"<end>", u"only"}},
        {"last line without line end", ListFileBytes(u"first\r\nlast"), {u"first", u"last", u"<end>"}},
        {"only the mark", ListFileBytes(u""), {u"<end>", u"<end>"}},
        {"no bytes", "", {u"<end>"}},
        {"half a mark", "\xFF", {u"<end>"}},
        {"mark and half a unit", "\xFF\xFE" "A", {u"<end>"}},
        {"the odd last byte is never read", std::string("\xFF\xFE" "A\0" "B", 5), {u"A", u"<end>"}},
        {"the first unit is skipped whatever it holds", textio_test::Utf16LeBytes(u"XYZ\r\n"), {u"YZ", u"<end>"}},
        {"non-ASCII units as they are", ListFileBytes(u"C:\\\u8868\u30BD\r\n"), {u"C:\\\u8868\u30BD"}},
    };
    for (const auto& c : cases) {
        LineCursor cursor(FileUnitsFromBytes(c.bytes));
        Lines lines;
        for (size_t i = 0; i < c.lines.size(); ++i) lines.push_back(cursor.NextLine().value_or(u"<end>"));
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

TEST(LineCursor, ReadsUpToASeparatorAcrossLinesAndTakesDoubledSeparatorsAsOne) {
    LineCursor viewLine(FileUnitsFromBytes(ListFileBytes(u"4:0\r\n")));
    EXPECT_EQ(viewLine.Next(u':', u':'), u"4");
    EXPECT_EQ(viewLine.NextLine(), u"0");
    EXPECT_EQ(viewLine.NextLine(), std::nullopt);

    LineCursor doubled(FileUnitsFromBytes(ListFileBytes(u"a::b:::c\r\nd:")));
    EXPECT_EQ(doubled.Next(u':', u':'), u"a");
    EXPECT_EQ(doubled.Next(u':', u':'), u"b");
    EXPECT_EQ(doubled.Next(u':', u':'), u"");
    EXPECT_EQ(doubled.Next(u':', u':'), u"c\r\nd");
    EXPECT_EQ(doubled.Next(u':', u':'), std::nullopt);
    EXPECT_EQ(doubled.Next(u':', u':'), u"a");
}

TEST(LineCursor, CountsTheTextUnitsAfterTheMark) {
    EXPECT_EQ(LineCursor(FileUnitsFromBytes(ListFileBytes(u"ab\r\n"))).TextUnits(), 4);
    EXPECT_EQ(LineCursor(FileUnitsFromBytes("")).TextUnits(), 0);
}
