#include "restore/restore_report.h"

#include "convert/number_text.h"

namespace {
std::string CountMessage(std::string_view prefix, int32_t count, const ReportTexts& texts, std::string_view hint) {
    std::string message(prefix);
    message += NumberToText(count);
    message += texts.countSuffix;
    message += hint;
    return message;
}
}  // namespace

bool AnyCounted(const RestoreCounters& counters) {
    const int64_t sum = int64_t{counters.notOpened} + counters.alreadyOpen + counters.lost + counters.noView;
    return sum != 0;
}

std::vector<std::string> RestoreReportMessages(const RestoreCounters& counters, const ReportTexts& texts) {
    if (!AnyCounted(counters)) return {std::string(texts.done)};
    std::vector<std::string> messages;
    if (counters.notOpened > 0) messages.push_back(CountMessage(texts.notOpenedPrefix, counters.notOpened, texts, {}));
    if (counters.alreadyOpen > 0)
        messages.push_back(CountMessage(texts.alreadyOpenPrefix, counters.alreadyOpen, texts, {}));
    if (counters.lost > 0) messages.push_back(CountMessage(texts.lostPrefix, counters.lost, texts, texts.lostHint));
    return messages;
}
