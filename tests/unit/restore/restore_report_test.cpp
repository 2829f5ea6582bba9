#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "restore/restore_report.h"
#include "restore/restore_texts.h"

// One box per counter above zero, in a fixed order; windows without a folder view get none of their own.
TEST(RestoreReport, EveryCounterAboveZeroHasItsBoxInTheFixedOrder) {
    const std::string lost12 = "見失ったウィンドウが12個ありました\nタイムアウト値を増やしてみてください。";
    const struct {
        RestoreCounters counters;  // not opened, already open, lost, no view
        std::vector<std::string> messages;
    } cases[] = {
        {{}, {"完了しました"}},
        {{3, 2, 12, 5}, {"開けなかったウィンドウが3個ありました", "既に開いていたウィンドウが2個ありました", lost12}},
        {{0, 2, 0, 0}, {"既に開いていたウィンドウが2個ありました"}},
        {{0, 0, 1, 3}, {"見失ったウィンドウが1個ありました\nタイムアウト値を増やしてみてください。"}},
        {{0, 0, 0, 4}, {}},
    };
    for (const auto& c : cases) {
        const RestoreCounters& n = c.counters;
        EXPECT_EQ(RestoreReportMessages(n, restore_text::kReportTexts), c.messages)
            << n.notOpened << ' ' << n.alreadyOpen << ' ' << n.lost << ' ' << n.noView;
    }
}
