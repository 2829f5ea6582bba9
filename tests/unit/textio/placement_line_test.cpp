#include <gtest/gtest.h>

#include "textio/placement_line.h"

namespace {
void ExpectPlacement(const PlacementRecord& placement, RectRecord normal, int32_t flags, int32_t showCmd) {
    EXPECT_EQ(placement.length, 44);
    EXPECT_EQ(placement.rcNormalPosition.left, normal.left);
    EXPECT_EQ(placement.rcNormalPosition.top, normal.top);
    EXPECT_EQ(placement.rcNormalPosition.right, normal.right);
    EXPECT_EQ(placement.rcNormalPosition.bottom, normal.bottom);
    EXPECT_EQ(placement.flags, flags);
    EXPECT_EQ(placement.showCmd, showCmd);
    EXPECT_EQ(placement.ptMinPosition.x, -1);
    EXPECT_EQ(placement.ptMinPosition.y, -1);
    EXPECT_EQ(placement.ptMaxPosition.x, -1);
    EXPECT_EQ(placement.ptMaxPosition.y, -1);
}
}  // namespace

TEST(WideTextToInt, ReadsTheLowByteOfEveryUnitAsANumber) {
    EXPECT_EQ(WideTextToInt(u"16"), 16);
    EXPECT_EQ(WideTextToInt(u"-1288"), -1288);
    EXPECT_EQ(WideTextToInt(u""), 0);
    EXPECT_EQ(WideTextToInt(u" 7x"), 7);
    EXPECT_EQ(WideTextToInt(u"12.9"), 12);
    EXPECT_EQ(WideTextToInt(u"&H1F4"), 500);
    EXPECT_EQ(WideTextToInt(u"4294967295"), INT32_MIN);
    // U+0134 has the low byte of "4"; U+FF11 (full-width 1) has 0x11, no digit.
    EXPECT_EQ(WideTextToInt(u"\u0134\u0132"), 42);
    EXPECT_EQ(WideTextToInt(u"\uFF11"), 0);
    // A unit whose low byte is 0 ends nothing early or late: it is simply not a digit.
    EXPECT_EQ(WideTextToInt(u"3\u01005"), 3);
}

TEST(ParsePlacementW, CutsTheLineAtItsFirstSixSeparators) {
    ExpectPlacement(ParsePlacementW(u"10:20:810:620:0:1:"), {10, 20, 810, 620}, 0, 1);
    ExpectPlacement(ParsePlacementW(u"-8:-8:1288:1008:2:3:"), {-8, -8, 1288, 1008}, 2, 3);
    ExpectPlacement(ParsePlacementW(u"1:2:3:4:5:6:7:8:"), {1, 2, 3, 4}, 5, 6);
}

TEST(ParsePlacementW, ALineWithFewerSeparatorsGivesZeroForWhatItLacks) {
    ExpectPlacement(ParsePlacementW(u"10:20:810:620:0:1"), {10, 20, 810, 620}, 0, 1);
    ExpectPlacement(ParsePlacementW(u"10:20:810"), {10, 20, 810, 0}, 0, 0);
    ExpectPlacement(ParsePlacementW(u"77"), {77, 0, 0, 0}, 0, 0);
    ExpectPlacement(ParsePlacementW(u""), {0, 0, 0, 0}, 0, 0);
    ExpectPlacement(ParsePlacementW(u"::::::"), {0, 0, 0, 0}, 0, 0);
    ExpectPlacement(ParsePlacementW(u"a:b:c"), {0, 0, 0, 0}, 0, 0);
}

TEST(PlacementLine, PiecesEndInTheSeparatorAndReadBackToTheSameValues) {
    PlacementRecord placement;
    placement.rcNormalPosition = {-32000, INT32_MIN, INT32_MAX, 0};
    placement.flags = 2;
    placement.showCmd = 7;
    std::u16string line;
    for (const std::u16string& piece : PlacementLinePieces(placement)) {
        EXPECT_EQ(piece.back(), u':');
        line += piece;
    }
    EXPECT_EQ(line, u"-32000:-2147483648:2147483647:0:2:7:");
    EXPECT_EQ(PlacementLineLength(placement), static_cast<int64_t>(line.size()));
    ExpectPlacement(ParsePlacementW(line), placement.rcNormalPosition, 2, 7);
}
