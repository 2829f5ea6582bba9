#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "restore/open_window_pool.h"

namespace {
// Every comparison the pool makes, as (wanted, location).
std::vector<std::pair<std::u16string, std::u16string>> comparisons;

// Equal when the texts differ at most in ASCII letter case, as the restore compares locations.
int LoggingCaselessCompare(const char16_t* left, const char16_t* right) {
    comparisons.emplace_back(left, right);
    for (;; ++left, ++right) {
        const char16_t a = (*left >= u'A' && *left <= u'Z') ? *left + 32 : *left;
        const char16_t b = (*right >= u'A' && *right <= u'Z') ? *right + 32 : *right;
        if (a != b) return a < b ? -1 : 1;
        if (a == 0) return 0;
    }
}

class OpenWindowPool : public testing::Test {
protected:
    void SetUp() override { comparisons.clear(); }
};

const std::u16string kA = u"file:///C:/a";
const std::u16string kB = u"file:///C:/b";
const std::u16string kC = u"file:///C:/c";
}  // namespace

TEST_F(OpenWindowPool, AFolderOpenTwiceAndRecordedThreeTimesMarksTwoRecords) {
    EXPECT_EQ(MarkAlreadyOpen({kA, kA, kA}, {kA, kB, kA}, LoggingCaselessCompare),
              (std::vector<bool>{true, true, false}));
}

TEST_F(OpenWindowPool, UsesTheGivenComparisonNotPlainEquality) {
    EXPECT_EQ(MarkAlreadyOpen({u"FILE:///C:/A", kB}, {kA}, LoggingCaselessCompare),
              (std::vector<bool>{true, false}));
}

TEST_F(OpenWindowPool, SearchesFirstToLastAndMovesTheLastEntryIntoTheUsedPlace) {
    // Pool A B C: the record for A takes entry 0 and C moves there, so the search for C meets C first.
    EXPECT_EQ(MarkAlreadyOpen({kA, kC, kB}, {kA, kB, kC}, LoggingCaselessCompare),
              (std::vector<bool>{true, true, true}));
    const std::vector<std::pair<std::u16string, std::u16string>> expected = {
        {kA, kA},  // first record: found at the first entry
        {kC, kC},  // second: C now stands first
        {kB, kB},  // third: B is all that is left
    };
    EXPECT_EQ(comparisons, expected);
}

TEST_F(OpenWindowPool, StopsAtTheFirstMatchAndLeavesUnmatchedRecordsUnmarked) {
    EXPECT_EQ(MarkAlreadyOpen({kB, kC}, {kB, kA, kB}, LoggingCaselessCompare), (std::vector<bool>{true, false}));
    // B takes entry 0 and the other B moves there; the search for B ends, and C misses both that are left.
    const std::vector<std::pair<std::u16string, std::u16string>> expected = {{kB, kB}, {kC, kB}, {kC, kA}};
    EXPECT_EQ(comparisons, expected);
}

TEST_F(OpenWindowPool, AnEmptyWantedUrlNeverMatchesNotEvenAnEmptyLocation) {
    EXPECT_EQ(MarkAlreadyOpen({u"", kA}, {u"", kA}, LoggingCaselessCompare), (std::vector<bool>{false, true}));
    EXPECT_FALSE(ShowsWantedUrl(u"", u"", LoggingCaselessCompare));
    EXPECT_TRUE(ShowsWantedUrl(kA, u"FILE:///C:/A", LoggingCaselessCompare));
    EXPECT_FALSE(ShowsWantedUrl(kA, kB, LoggingCaselessCompare));
}

TEST_F(OpenWindowPool, NoRecordsOrNoWindowsMarkNothing) {
    EXPECT_TRUE(MarkAlreadyOpen({}, {kA}, LoggingCaselessCompare).empty());
    EXPECT_EQ(MarkAlreadyOpen({kA, kB}, {}, LoggingCaselessCompare), (std::vector<bool>{false, false}));
    EXPECT_TRUE(comparisons.empty());
}
