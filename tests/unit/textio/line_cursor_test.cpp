#include <gtest/gtest.h>

#include <vector>

#include "file_bytes.h"
#include "textio/line_cursor.h"

namespace {
using textio_test::ListFileBytes;

// Reads count lines, writing "<end>" for a read that reports the end of the file.
std::vector<std::u16string> ReadLines(LineCursor& cursor, int count) {
    std::vector<std::u16string> lines;
    for (int i = 0; i < count; ++i) lines.push_back(cursor.NextLine().value_or(u"<end>"));
    return lines;
}

std::vector<std::u16string> ReadLines(std::string_view bytes, int count) {
    LineCursor cursor(FileUnitsFromBytes(bytes));
    return ReadLines(cursor, count);
}

using Lines = std::vector<std::u16string>;
}  // namespace

TEST(LineCursor, EveryKindOfLineEndEndsALine) {
    EXPECT_EQ(ReadLines(ListFileBytes(u"a\r\nb\rc\nd"), 5), (Lines{u"a", u"b", u"c", u"d", u"<end>"}));
    // An LF right after the end unit is taken with it: LF LF is one line end, CR CR two.
    EXPECT_EQ(ReadLines(ListFileBytes(u"a\n\nb\r\rc"), 5), (Lines{u"a", u"b", u"", u"c", u"<end>"}));
    EXPECT_EQ(ReadLines(ListFileBytes(u"\r\n\r\nx\r\n"), 4), (Lines{u"", u"", u"x", u"<end>"}));
}

TEST(LineCursor, RewindsToTheFirstLineAfterTheEnd) {
    EXPECT_EQ(ReadLines(ListFileBytes(u"one\r\ntwo\r\n"), 4), (Lines{u"one", u"two", u"<end>", u"one"}));
    EXPECT_EQ(ReadLines(ListFileBytes(u"only\r\n"), 3), (Lines{u"only", u"<end>", u"only"}));
}

TEST(LineCursor, ALastLineWithoutLineEndIsHandedOutWhole) {
    EXPECT_EQ(ReadLines(ListFileBytes(u"first\r\nlast"), 3), (Lines{u"first", u"last", u"<end>"}));
}

TEST(LineCursor, FilesTooShortForTextEndAtOnce) {
    EXPECT_EQ(ReadLines(ListFileBytes(u""), 2), (Lines{u"<end>", u"<end>"}));
    EXPECT_EQ(ReadLines(std::string_view(""), 1), (Lines{u"<end>"}));
    EXPECT_EQ(ReadLines(std::string_view("\xFF"), 1), (Lines{u"<end>"}));
    EXPECT_EQ(ReadLines(std::string_view("\xFF\xFE" "A"), 1), (Lines{u"<end>"}));
}

TEST(LineCursor, TheOddLastByteIsNeverRead) {
    EXPECT_EQ(ReadLines(std::string_view("\xFF\xFE" "A\0" "B", 5), 2), (Lines{u"A", u"<end>"}));
}

TEST(LineCursor, TheFirstUnitIsSkippedWhateverItHolds) {
    EXPECT_EQ(ReadLines(textio_test::Utf16LeBytes(u"XYZ\r\n"), 2), (Lines{u"YZ", u"<end>"}));
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

TEST(LineCursor, KeepsNonAsciiUnitsAsTheyAre) {
    EXPECT_EQ(ReadLines(ListFileBytes(u"C:\\\u8868\u30BD\r\n"), 1), (Lines{u"C:\\\u8868\u30BD"}));
}

TEST(LineCursor, CountsTheTextUnitsAfterTheMark) {
    EXPECT_EQ(LineCursor(FileUnitsFromBytes(ListFileBytes(u"ab\r\n"))).TextUnits(), 4);
    EXPECT_EQ(LineCursor(FileUnitsFromBytes("")).TextUnits(), 0);
}
