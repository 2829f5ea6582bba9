#include "textio/list_file_writer.h"

#include <algorithm>
#include <string>

#include "textio/decimal_text.h"
#include "textio/placement_line.h"

namespace {
constexpr int64_t kLineEnd = 2;

int64_t Digits(int64_t value) { return static_cast<int64_t>(DecimalText(value).size()); }

bool AppendRecord(ListTextSink& sink, const WindowRecord& record) {
    return sink.AddLine(RecordPathText(record)) && sink.AddInfoLine(record.placement) &&
           sink.AddLine(DecimalText(record.urlLength)) &&
           sink.JoinWithSep(DecimalText(record.viewMode), kFieldSeparator) &&
           sink.AddLine(DecimalText(record.classFlag));
}
}  // namespace

std::u16string_view RecordPathText(const WindowRecord& record) {
    const size_t length = static_cast<size_t>(std::max(record.pathLength, 0));
    return std::u16string_view(record.path).substr(0, length);
}

int64_t ListFileTextSize(std::u16string_view title, std::span<const WindowRecord> records) {
    int64_t size = static_cast<int64_t>(title.size()) + kLineEnd;
    size += Digits(static_cast<int64_t>(records.size())) + kLineEnd;
    for (const WindowRecord& record : records) {
        size += static_cast<int64_t>(RecordPathText(record).size()) + kLineEnd;
        size += PlacementLineLength(record.placement) + kLineEnd;
        size += Digits(record.urlLength) + kLineEnd;
        size += Digits(record.viewMode) + 1 + Digits(record.classFlag) + kLineEnd;
    }
    return size;
}

bool AppendListText(ListTextSink& sink, std::u16string_view title, std::span<const WindowRecord> records) {
    if (!sink.AddLine(title) || !sink.AddLine(DecimalText(static_cast<int64_t>(records.size())))) return false;
    return std::all_of(records.begin(), records.end(),
                       [&](const WindowRecord& record) { return AppendRecord(sink, record); });
}
