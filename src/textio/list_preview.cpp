#include "textio/list_preview.h"

#include "textio/line_buffers.h"
#include "textio/list_file.h"
#include "ui/control_ids.h"
#include "ui/main_window_access.h"
#include "win32/text_conversion.h"

namespace {
constexpr uint16_t kListingBuffer = 1;
constexpr wchar_t kFieldGap = L' ';

void ShowTitle(std::wstring_view title) {
    SetControlTextW(control::kListTitle, title);
    SetCaptionText(title);
}

// Two lines per window: the path, then the placement line, URL length, view mode and class flag
// separated by single spaces.
bool AppendRecord(const ListRecordText& record) {
    using win32::AsWide;
    return AddLineW(kListingBuffer, AsWide(record.path)) > 0 &&
           JoinWithSepW(kListingBuffer, AsWide(record.placement), kFieldGap) > 0 &&
           JoinWithSepW(kListingBuffer, AsWide(record.urlLength), kFieldGap) > 0 &&
           JoinWithSepW(kListingBuffer, AsWide(record.viewMode), kFieldGap) > 0 &&
           AddLineW(kListingBuffer, AsWide(record.classFlag)) > 0;
}

// Built in line buffer 1, sized by the file's text: the listing is always shorter than twice that.
std::wstring Listing(const ListFileText& file, int32_t textBytes) {
    if (CreateBufferW(kListingBuffer, textBytes, MainWindow()) != 1) return {};
    for (const ListRecordText& record : file.records) {
        if (!AppendRecord(record)) break;
    }
    const wchar_t* text = nullptr;
    GetWriteBufferW(kListingBuffer, &text);
    std::wstring listing = text ? text : L"";
    DeleteBufferW(kListingBuffer);
    return listing;
}
}  // namespace

void ShowListPreview() {
    std::wstring path;
    if (LocateListFile(path) == -1) {
        SetControlTextW(control::kTaskbarListing, L"");
        SetControlTextW(control::kListText, L"");
        ShowTitle(L"");
        return;
    }
    // A file that exists but cannot be read (held open by another program, say) shows nothing of
    // its own; the taskbar listing stays, as it does for every file that is found.
    const ListFileReadResult read = ReadListFileW(path, MainWindow());
    if (read.openResult < 0) {
        SetControlTextW(control::kListText, L"");
        ShowTitle(L"");
        return;
    }
    ShowTitle(win32::AsWide(read.contents.title));
    SetControlTextW(control::kListText, Listing(read.contents, read.openResult));
}
