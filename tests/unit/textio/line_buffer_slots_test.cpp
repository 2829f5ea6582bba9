#include <gtest/gtest.h>

#include <string>

#include "textio/line_buffer_slots.h"

namespace {
using textio::BufferFault;
using textio::BufferOutcome;
using textio::LineBufferSlots;

void ExpectOutcome(const BufferOutcome& outcome, int32_t result, BufferFault fault, bool fatal) {
    EXPECT_EQ(outcome.result, result);
    EXPECT_EQ(outcome.fault, fault);
    EXPECT_EQ(outcome.fatal, fatal);
}
}  // namespace

TEST(LineBufferSlots, ALineOfSizeMinusTwoFitsAndOneUnitMoreIsRefused) {
    for (int32_t size : {2, 10, 1000}) {
        LineBufferSlots slots;
        ASSERT_EQ(slots.Create(0, size).result, 1);
        const std::u16string fits(static_cast<size_t>(size - 2), u'x');
        ExpectOutcome(slots.AddLine(0, fits + u'x'), 0, BufferFault::kSizeExceeded, false);
        EXPECT_EQ(slots.Text(0), u"") << "a refused line leaves the buffer unchanged";
        ExpectOutcome(slots.AddLine(0, fits), size, BufferFault::kNone, false);
        EXPECT_EQ(slots.Text(0), fits + u"\r\n");
        ExpectOutcome(slots.AddLine(0, u""), 0, BufferFault::kSizeExceeded, false);
    }
}

TEST(LineBufferSlots, AFieldOfSizeMinusOneFitsWithItsSeparator) {
    LineBufferSlots slots;
    slots.Create(3, 5);
    ExpectOutcome(slots.JoinWithSep(3, u"abcde", u' '), 0, BufferFault::kSizeExceeded, false);
    ExpectOutcome(slots.JoinWithSep(3, u"abcd", u' '), 5, BufferFault::kNone, false);
    EXPECT_EQ(slots.Text(3), u"abcd ");
}

TEST(LineBufferSlots, AppendsLinesFieldsAndPlacementsInOrder) {
    LineBufferSlots slots;
    slots.Create(1, 100);
    EXPECT_EQ(slots.AddLine(1, u"").result, 2) << "count 0 appends just CR LF";
    EXPECT_EQ(slots.JoinWithSep(1, u"4", u':').result, 4);
    EXPECT_EQ(slots.AddLine(1, u"0").result, 7);
    EXPECT_EQ(slots.AddInfoLine(1, {0, 2, 3, {}, {}, {-8, -8, 1288, 1008}}).result, 29);
    EXPECT_EQ(slots.Text(1), u"\r\n4:0\r\n-8:-8:1288:1008:2:3:\r\n");
    const char16_t* text = nullptr;
    ExpectOutcome(slots.WriteBuffer(1, &text), 101, BufferFault::kNone, false);
    EXPECT_EQ(std::u16string(text), slots.Text(1)) << "the text is zero-terminated";
}

TEST(LineBufferSlots, APlacementLineThatDoesNotFitLeavesThePiecesThatDid) {
    const PlacementRecord placement{0, 0, 1, {}, {}, {10, 20, 810, 620}};  // 10:20:810:620:0:1: is 18 units
    LineBufferSlots slots;
    slots.Create(0, 8);  // room for "10:20:" and "810:" would need 11
    ExpectOutcome(slots.AddInfoLine(0, placement), 0, BufferFault::kPieceExceeded, false);
    EXPECT_EQ(slots.Text(0), u"10:20:");
    slots.Delete(0);
    slots.Create(0, 19);  // every piece fits, the line end does not
    ExpectOutcome(slots.AddInfoLine(0, placement), 0, BufferFault::kSizeExceeded, false);
    EXPECT_EQ(slots.Text(0), u"10:20:810:620:0:1:");
    slots.Delete(0);
    slots.Create(0, 20);
    EXPECT_EQ(slots.AddInfoLine(0, placement).result, 20);
}

TEST(LineBufferSlots, AnIndexOutsideTheTableIsFatalEverywhere) {
    for (uint16_t index : {uint16_t{5}, uint16_t{65535}}) {
        LineBufferSlots slots;
        const char16_t* text = nullptr;
        ExpectOutcome(slots.Create(index, 10), 0, BufferFault::kBadIndex, true);
        ExpectOutcome(slots.AddLine(index, u"x"), 0, BufferFault::kBadIndex, true);
        ExpectOutcome(slots.JoinWithSep(index, u"x", u' '), 0, BufferFault::kBadIndex, true);
        ExpectOutcome(slots.AddInfoLine(index, {}), 0, BufferFault::kBadIndex, true);
        ExpectOutcome(slots.WriteBuffer(index, &text), 0, BufferFault::kBadIndex, true);
        ExpectOutcome(slots.CheckWritable(index), 0, BufferFault::kBadIndex, true);
        ExpectOutcome(slots.Delete(index), 0, BufferFault::kBadIndex, true);
    }
}

TEST(LineBufferSlots, ReleaseAllDeletesEverySlot) {
    LineBufferSlots slots;
    for (uint16_t index = 0; index < LineBufferSlots::kSlotCount; index += 2) slots.Create(index, 10);
    slots.ReleaseAll();
    for (uint16_t index = 0; index < LineBufferSlots::kSlotCount; ++index)
        EXPECT_EQ(slots.Delete(index).result, -3) << index;
}
