#pragma once
// Reading a list file back, shared by the restore and the list preview. The reader takes whole lines
// only, so no field ever runs past the end of its line, and it stops at the first end of the file.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "textio/window_record.h"

// The four lines of one record as stored, the fourth already cut at its separator.
struct ListRecordText {
    std::u16string path;
    std::u16string placement;  // left:top:right:bottom:flags:showCmd:
    std::u16string urlLength;
    std::u16string viewMode;
    std::u16string classFlag;  // empty when the fourth line has no separator
};

struct ListFileText {
    std::u16string title;
    int32_t declaredCount = 0;             // line 2 as written
    std::vector<ListRecordText> records;   // the complete records, never more than declared
};

// Yields the next line, or nullopt at the end of the file.
using NextLineReader = std::function<std::optional<std::u16string>()>;

// textUnits (the units after the byte order mark) bounds how many records the file can hold: a record
// takes at least four units, so an absurd count neither allocates nor loops beyond the file.
ListFileText ReadListFileText(const NextLineReader& nextLine, int64_t textUnits);

// The fields as numbers; hwnd and taskbarPosition stay 0.
WindowRecord ToWindowRecord(const ListRecordText& text);
std::vector<WindowRecord> ToWindowRecords(const ListFileText& file);
