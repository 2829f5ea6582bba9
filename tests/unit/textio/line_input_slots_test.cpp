#include <gtest/gtest.h>

#include "file_bytes.h"
#include "textio/line_input_slots.h"

namespace {
using textio::InputFault;
using textio::InputOutcome;
using textio::LineInputSlots;
using textio_test::ListFileBytes;

constexpr char16_t kColon = u':';

InputOutcome ReadLine(LineInputSlots& slots, int16_t index, std::u16string& out) {
    return slots.Read(index, kCarriageReturn, kLineFeed, out);
}
}  // namespace

TEST(LineInputSlots, OpeningAnswersTheTextSizeAfterTheMark) {
    LineInputSlots slots;
    EXPECT_EQ(slots.Attach(0, FileUnitsFromBytes(ListFileBytes(u"ab\r\n"))), 8);
    EXPECT_EQ(slots.Attach(1, FileUnitsFromBytes(ListFileBytes(u""))), 0);
    EXPECT_EQ(slots.Attach(2, FileUnitsFromBytes(std::string_view("\xFF\xFE" "a", 3))), 1);
    // Too short for a mark: still opened, as an empty text, never a negative size.
    EXPECT_EQ(slots.Attach(3, FileUnitsFromBytes(std::string_view("\xFF", 1))), 0);
    EXPECT_EQ(slots.Attach(4, FileUnitsFromBytes(std::string_view())), 0);
    for (int16_t index = 0; index < LineInputSlots::kSlotCount; ++index) EXPECT_TRUE(slots.IsOpen(index)) << index;
}

TEST(LineInputSlots, ReadsLinesAndPiecesAndReportsTheEndWithoutTouchingTheOutput) {
    LineInputSlots slots;
    slots.Attach(1, FileUnitsFromBytes(ListFileBytes(u"title\r\n4:0\r\n")));
    std::u16string out;
    EXPECT_EQ(ReadLine(slots, 1, out).result, 5);
    EXPECT_EQ(out, u"title");
    EXPECT_EQ(slots.Read(1, kColon, kColon, out).result, 1);
    EXPECT_EQ(out, u"4");
    EXPECT_EQ(ReadLine(slots, 1, out).result, 1);
    EXPECT_EQ(out, u"0");
    out = u"untouched";
    const InputOutcome end = ReadLine(slots, 1, out);
    EXPECT_EQ(end.result, -1);
    EXPECT_EQ(end.fault, InputFault::kNone);
    EXPECT_EQ(out, u"untouched");
    EXPECT_EQ(ReadLine(slots, 1, out).result, 5) << "the read after the end starts at the first line";
    EXPECT_EQ(out, u"title");

    slots.Attach(0, FileUnitsFromBytes(ListFileBytes(u"\r\n")));
    EXPECT_EQ(ReadLine(slots, 0, out).result, 0) << "an empty line";
    EXPECT_EQ(out, u"");
    EXPECT_EQ(ReadLine(slots, 0, out).result, -1);
}

TEST(LineInputSlots, ReadingAClosedSlotOrABadIndexIsAFault) {
    LineInputSlots slots;
    std::u16string out = u"untouched";
    const InputOutcome notOpen = ReadLine(slots, 2, out);
    EXPECT_EQ(notOpen.result, 0);
    EXPECT_EQ(notOpen.fault, InputFault::kNotOpen);
    for (int16_t index : {int16_t{-1}, int16_t{5}, int16_t{-32768}}) {
        const InputOutcome bad = slots.Read(index, kColon, kColon, out);
        EXPECT_EQ(bad.result, 0);
        EXPECT_EQ(bad.fault, InputFault::kBadIndex);
        EXPECT_EQ(slots.Close(index).fault, InputFault::kBadIndex);
        EXPECT_FALSE(LineInputSlots::IsValidIndex(index));
    }
    EXPECT_EQ(out, u"untouched");
}

TEST(LineInputSlots, ClosingAnswersWhetherTheSlotWasOpen) {
    LineInputSlots slots;
    slots.Attach(4, FileUnitsFromBytes(ListFileBytes(u"x")));
    EXPECT_EQ(slots.Close(4).result, 1);
    EXPECT_FALSE(slots.IsOpen(4));
    const InputOutcome again = slots.Close(4);
    EXPECT_EQ(again.result, -1);
    EXPECT_EQ(again.fault, InputFault::kNone);
}
