#pragma once
// Writing a list file: line 1 the title, line 2 the record count, then per record the path, the
// placement line, the URL length, and view mode ":" class flag; every line ends in CR LF.
#include <cstdint>
#include <span>
#include <string_view>

#include "textio/window_record.h"

// Where the text goes: a line buffer. Each append answers whether it was taken.
class ListTextSink {
public:
    virtual bool AddLine(std::u16string_view text) = 0;
    virtual bool AddInfoLine(const PlacementRecord& placement) = 0;
    virtual bool JoinWithSep(std::u16string_view text, char16_t separator) = 0;

protected:
    ~ListTextSink() = default;
};

// Units the text needs in a line buffer, every number counted by its real digits (a view mode or class
// flag of several digits included), so the last append always fits.
int64_t ListFileTextSize(std::u16string_view title, std::span<const WindowRecord> records);

// Appends the whole text in file order; stops at the first refused append and answers false then.
bool AppendListText(ListTextSink& sink, std::u16string_view title, std::span<const WindowRecord> records);

// The path as written: at most pathLength units of it.
std::u16string_view RecordPathText(const WindowRecord& record);
