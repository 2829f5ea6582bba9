#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "restore/open_window_pool.h"

namespace {
using Comparisons = std::vector<std::pair<std::u16string, std::u16string>>;  // (wanted, location)
Comparisons comparisons;

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

const std::u16string kA = u"file:///C:/a", kB = u"file:///C:/b", kC = u"file:///C:/c", kUpperA = u"FILE:///C:/A";
}  // namespace

// The pool is searched first to last; a match ends the search, and the pool's last entry moves into the
// used place.
TEST(OpenWindowPool, MarksEachRecordWhoseFolderAWindowOfThePoolShows) {
    const struct {
        const char* name;
        std::vector<std::u16string> wanted, pool;
        std::vector<bool> marks;
        Comparisons comparisons;
    } cases[] = {
        {"open twice, recorded three times", {kA, kA, kA}, {kA, kB, kA}, {true, true, false},
         {{kA, kA}, {kA, kA}, {kA, kB}}},
        {"the given comparison, not plain equality", {kUpperA, kB}, {kA}, {true, false}, {{kUpperA, kA}}},
        {"C moves to the used place and is met first", {kA, kC, kB}, {kA, kB, kC}, {true, true, true},
         {{kA, kA}, {kC, kC}, {kB, kB}}},
        {"stops at the first match", {kB, kC}, {kB, kA, kB}, {true, false}, {{kB, kB}, {kC, kB}, {kC, kA}}},
        {"an empty wanted URL matches nothing", {u"", kA}, {u"", kA}, {false, true}, {{kA, u""}, {kA, kA}}},
        {"no records", {}, {kA}, {}, {}},
        {"no windows", {kA, kB}, {}, {false, false}, {}},
    };
    for (const auto& c : cases) {
        comparisons.clear();
        EXPECT_EQ(MarkAlreadyOpen(c.wanted, c.pool, LoggingCaselessCompare), c.marks) << c.name;
        EXPECT_EQ(comparisons, c.comparisons) << c.name;
    }
    EXPECT_FALSE(ShowsWantedUrl(u"", u"", LoggingCaselessCompare));
    EXPECT_TRUE(ShowsWantedUrl(kA, kUpperA, LoggingCaselessCompare));
    EXPECT_FALSE(ShowsWantedUrl(kA, kB, LoggingCaselessCompare));
}
