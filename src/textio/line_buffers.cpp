#include "textio/line_buffers.h"

#include <span>
#include <string>

#include "textio/fatal_report.h"
#include "textio/line_buffer_slots.h"
#include "textio/slot_messages.h"
#include "textio/whole_file_write.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"

namespace {
using textio::BufferFault;
using textio::BufferOutcome;

textio::LineBufferSlots& Slots() {
    static textio::LineBufferSlots slots;
    return slots;
}

// Owns the boxes of the whole table; set by every successful creation.
HWND bufferOwner = nullptr;

void ReleaseEveryBuffer() { Slots().ReleaseAll(); }

// Shows the report an outcome calls for and hands back its result.
int32_t Answer(const BufferOutcome& outcome, uint16_t index, std::string_view routine) {
    if (outcome.fault == BufferFault::kNone) return outcome.result;
    std::string message = textio::BufferFaultMessage(outcome.fault, index);
    if (outcome.fatal) {
        message.append(textio::BufferFatalSuffix());
        textio::ReportFatal(bufferOwner, message, routine, ReleaseEveryBuffer);
    } else {
        win32::ShowMessageBox(bufferOwner, message, routine, MB_OK);
    }
    return outcome.result;
}
}  // namespace

int CreateBufferW(uint16_t index, int32_t size, HWND owner) {
    const BufferOutcome outcome = Slots().Create(index, size);
    if (outcome.fault == BufferFault::kNone) bufferOwner = owner;
    return Answer(outcome, index, "CreateBufferW");
}

int32_t AddLineW(uint16_t index, std::wstring_view text) {
    return Answer(Slots().AddLine(index, win32::AsUtf16(text)), index, "AddLineW");
}

int32_t JoinWithSepW(uint16_t index, std::wstring_view text, wchar_t separator) {
    return Answer(Slots().JoinWithSep(index, win32::AsUtf16(text), static_cast<char16_t>(separator)), index,
                  "JoinWithSepW");
}

int32_t AddInfoLineW(uint16_t index, const PlacementRecord& placement) {
    return Answer(Slots().AddInfoLine(index, placement), index, "AddInfoLineW");
}

int32_t GetWriteBufferW(uint16_t index, const wchar_t** text) {
    const char16_t* units = nullptr;
    const BufferOutcome outcome = Slots().WriteBuffer(index, &units);
    if (units) *text = reinterpret_cast<const wchar_t*>(units);
    return Answer(outcome, index, "GetWriteBufferW");
}

int FileWriteW(uint16_t index, std::wstring_view path) {
    const BufferOutcome writable = Slots().CheckWritable(index);
    if (writable.fault != BufferFault::kNone) return Answer(writable, index, "FileWriteW");
    static constexpr unsigned char kByteOrderMark[] = {0xFF, 0xFE};
    const std::u16string_view text = Slots().Text(index);
    return WriteWholeFile(path,
                          {std::as_bytes(std::span(kByteOrderMark)), std::as_bytes(std::span(text))});
}

int DeleteBufferW(uint16_t index) { return Answer(Slots().Delete(index), index, "DeleteBufferW"); }
