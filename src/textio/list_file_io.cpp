#include <algorithm>
#include <climits>

#include "textio/line_buffers.h"
#include "textio/line_input_files.h"
#include "textio/list_file.h"
#include "textio/list_file_writer.h"
#include "win32/text_conversion.h"

namespace {
constexpr uint16_t kWriteBuffer = 0;
constexpr int16_t kReadSlot = 1;

class LineBufferSink final : public ListTextSink {
public:
    bool AddLine(std::u16string_view text) override { return AddLineW(kWriteBuffer, win32::AsWide(text)) > 0; }
    bool AddInfoLine(const PlacementRecord& placement) override {
        return AddInfoLineW(kWriteBuffer, placement) > 0;
    }
    bool JoinWithSep(std::u16string_view text, char16_t separator) override {
        return JoinWithSepW(kWriteBuffer, win32::AsWide(text), static_cast<wchar_t>(separator)) > 0;
    }
};

std::optional<std::u16string> NextLineOfSlot() {
    std::wstring line;
    // A fatal report closes the slot and answers 0: that ends the reading as the end of the file does.
    if (FileLineInputW(kReadSlot, line) < 0 || !IsLineInputOpen(kReadSlot)) return std::nullopt;
    return std::u16string(win32::AsUtf16(line));
}
}  // namespace

ListFileWriteResult WriteListFileW(std::u16string_view title, std::span<const WindowRecord> records,
                                   std::wstring_view fullPath, HWND owner) {
    const int64_t size = std::min<int64_t>(ListFileTextSize(title, records), INT32_MAX - 1);
    if (CreateBufferW(kWriteBuffer, static_cast<int32_t>(size), owner) != 1) return {};
    ListFileWriteResult written;
    LineBufferSink sink;
    if (AppendListText(sink, title, records)) {
        written.result = FileWriteW(kWriteBuffer, fullPath);
        const wchar_t* text = nullptr;
        GetWriteBufferW(kWriteBuffer, &text);
        if (text) written.text = text;
    }
    DeleteBufferW(kWriteBuffer);
    return written;
}

ListFileReadResult ReadListFileW(std::wstring_view fullPath, HWND owner) {
    ListFileReadResult read;
    read.openResult = FileLIOpenW(kReadSlot, fullPath, owner);
    if (read.openResult < 0) return read;
    read.contents = ReadListFileText(NextLineOfSlot, read.openResult / 2);
    FileLICloseW(kReadSlot);
    return read;
}
