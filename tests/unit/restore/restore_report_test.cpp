#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "restore/restore_report.h"
#include "restore/restore_texts.h"

namespace {
const ReportTexts kTexts = restore_text::kReportTexts;
using Messages = std::vector<std::string>;
}  // namespace

TEST(RestoreReport, NothingCountedIsDone) {
    EXPECT_EQ(RestoreReportMessages({}, kTexts), Messages{"完了しました"});
}

TEST(RestoreReport, EveryCounterAboveZeroHasItsBoxInTheFixedOrder) {
    RestoreCounters counters;
    counters.lost = 12;
    counters.alreadyOpen = 2;
    counters.notOpened = 3;
    counters.noView = 5;
    const Messages expected = {
        "開けなかったウィンドウが3個ありました",
        "既に開いていたウィンドウが2個ありました",
        "見失ったウィンドウが12個ありました\nタイムアウト値を増やしてみてください。",
    };
    EXPECT_EQ(RestoreReportMessages(counters, kTexts), expected);
}

TEST(RestoreReport, CountersAtZeroHaveNoBox) {
    RestoreCounters counters;
    counters.alreadyOpen = 2;
    EXPECT_EQ(RestoreReportMessages(counters, kTexts), Messages{"既に開いていたウィンドウが2個ありました"});
    counters = {};
    counters.lost = 1;
    counters.noView = 3;
    EXPECT_EQ(RestoreReportMessages(counters, kTexts), Messages{"見失ったウィンドウが1個ありました\nタイムアウト値を増やしてみてください。"});
}

TEST(RestoreReport, WindowsWithoutAFolderViewAloneShowNoBoxAtAll) {
    RestoreCounters counters;
    counters.noView = 4;
    EXPECT_TRUE(RestoreReportMessages(counters, kTexts).empty());
}
