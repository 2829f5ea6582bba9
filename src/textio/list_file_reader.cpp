#include "textio/list_file_reader.h"

#include <algorithm>

#include "textio/placement_line.h"

namespace {
constexpr int64_t kLinesPerRecord = 4;

// The view-mode line read as the writer joined it: up to the first separator (a doubled one counts as
// one), then the rest of the line.
void SplitViewModeLine(std::u16string_view line, ListRecordText& record) {
    const size_t separator = line.find(kFieldSeparator);
    if (separator == std::u16string_view::npos) {
        record.viewMode = line;
        return;
    }
    record.viewMode = line.substr(0, separator);
    size_t rest = separator + 1;
    if (rest < line.size() && line[rest] == kFieldSeparator) ++rest;
    record.classFlag = line.substr(rest);
}

std::optional<ListRecordText> ReadRecord(const NextLineReader& nextLine) {
    ListRecordText record;
    std::optional<std::u16string> lines[kLinesPerRecord];
    for (std::optional<std::u16string>& line : lines) {
        line = nextLine();
        if (!line) return std::nullopt;
    }
    record.path = std::move(*lines[0]);
    record.placement = std::move(*lines[1]);
    record.urlLength = std::move(*lines[2]);
    SplitViewModeLine(*lines[3], record);
    return record;
}
}  // namespace

ListFileText ReadListFileText(const NextLineReader& nextLine, int64_t textUnits) {
    ListFileText file;
    std::optional<std::u16string> title = nextLine();
    if (!title) return file;
    file.title = std::move(*title);
    const std::optional<std::u16string> count = nextLine();
    if (!count) return file;
    file.declaredCount = WideTextToInt(*count);

    const int64_t holdable = std::max<int64_t>(textUnits, 0) / kLinesPerRecord;
    const int64_t wanted = std::min<int64_t>(std::max(file.declaredCount, 0), holdable);
    for (int64_t k = 0; k < wanted; ++k) {
        std::optional<ListRecordText> record = ReadRecord(nextLine);
        if (!record) break;
        file.records.push_back(std::move(*record));
    }
    return file;
}

WindowRecord ToWindowRecord(const ListRecordText& text) {
    WindowRecord record;
    record.path = text.path;
    record.pathLength = static_cast<int32_t>(text.path.size());
    record.placement = ParsePlacementW(text.placement);
    record.urlLength = WideTextToInt(text.urlLength);
    record.viewMode = WideTextToInt(text.viewMode);
    record.classFlag = WideTextToInt(text.classFlag);
    return record;
}

std::vector<WindowRecord> ToWindowRecords(const ListFileText& file) {
    std::vector<WindowRecord> records;
    records.reserve(file.records.size());
    for (const ListRecordText& text : file.records) records.push_back(ToWindowRecord(text));
    return records;
}
