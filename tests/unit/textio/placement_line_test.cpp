#include <gtest/gtest.h>

#include <vector>

#include "textio/placement_line.h"

namespace {
// Every field of a parsed placement; the ones a line does not hold are fixed.
std::vector<int32_t> Fields(const PlacementRecord& p) {
    return {p.length,          p.rcNormalPosition.left, p.rcNormalPosition.top, p.rcNormalPosition.right,
            p.rcNormalPosition.bottom, p.flags, p.showCmd, p.ptMinPosition.x, p.ptMinPosition.y,
            p.ptMaxPosition.x, p.ptMaxPosition.y};
}

std::vector<int32_t> Parsed(std::vector<int32_t> rectFlagsShow) {
    rectFlagsShow.insert(rectFlagsShow.begin(), 44);
    rectFlagsShow.insert(rectFlagsShow.end(), {-1, -1, -1, -1});
    return rectFlagsShow;
}
}  // namespace

TEST(WideTextToInt, ReadsTheLowByteOfEveryUnitAsANumber) {
    const std::pair<std::u16string, int32_t> cases[] = {
        {u"16", 16}, {u"-1288", -1288}, {u"", 0}, {u" 7x", 7}, {u"12.9", 12}, {u"&H1F4", 500},
        {u"4294967295", INT32_MIN},
        // U+0134 has the low byte of "4"; U+FF11 (full-width 1) has 0x11, no digit.
        {u"\u0134\u0132", 42}, {u"\uFF11", 0},
        // A unit whose low byte is 0 ends nothing early or late: it is simply not a digit.
        {u"3\u01005", 3}};
    for (const auto& [text, number] : cases) EXPECT_EQ(WideTextToInt(text), number) << testing::PrintToString(text);
}

// The line is cut at its first six separators; a line with fewer gives zero for what it lacks.
TEST(ParsePlacementW, CutsTheLineAtItsFirstSixSeparators) {
    const std::pair<std::u16string, std::vector<int32_t>> cases[] = {
        {u"10:20:810:620:0:1:", {10, 20, 810, 620, 0, 1}}, {u"-8:-8:1288:1008:2:3:", {-8, -8, 1288, 1008, 2, 3}},
        {u"1:2:3:4:5:6:7:8:", {1, 2, 3, 4, 5, 6}},        {u"10:20:810:620:0:1", {10, 20, 810, 620, 0, 1}},
        {u"10:20:810", {10, 20, 810, 0, 0, 0}},          {u"77", {77, 0, 0, 0, 0, 0}},
        {u"", {0, 0, 0, 0, 0, 0}},                       {u"::::::", {0, 0, 0, 0, 0, 0}},
        {u"a:b:c", {0, 0, 0, 0, 0, 0}}};
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(Fields(ParsePlacementW(line)), Parsed(fields)) << testing::PrintToString(line);
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
    EXPECT_EQ(Fields(ParsePlacementW(line)), Parsed({-32000, INT32_MIN, INT32_MAX, 0, 2, 7}));
}
