#include "textio/slot_messages.h"

#include "convert/number_text.h"

namespace textio {
namespace {
std::string Enclosed(std::string_view head, int32_t index, std::string_view tail) {
    std::string text(head);
    text.append(NumberToText(index)).append(tail);
    return text;
}
}  // namespace

std::string BufferFaultMessage(BufferFault fault, uint16_t index) {
    switch (fault) {
        case BufferFault::kBadIndex: return Enclosed("添え字 [", index, "] が不正です");
        case BufferFault::kAlreadyCreated: return Enclosed("バッファ [", index, "] は既に生成されています");
        case BufferFault::kCreateFirst: return "CreateBufferW()をしてください";
        case BufferFault::kSizeExceeded: return "確保したバッファ数を超えました";
        case BufferFault::kPieceExceeded: return "確保したバッファを超えました";
        case BufferFault::kNoBuffer: return "バッファがありません";
        case BufferFault::kNotCreated: return "バッファは生成されていません";
        case BufferFault::kNone: break;
    }
    return {};
}

std::string_view BufferFatalSuffix() { return "\n終了します。"; }

std::string InputBadIndexMessage(std::string_view routine, int16_t index) {
    return Enclosed(std::string(routine) + "(", index, ",*) 添え字が不正！");
}

std::string InputCloseBadIndexMessage(int16_t index) { return Enclosed("FileLICloseW(", index, ") 添え字が不正！"); }

std::string InputNotOpenMessage(int16_t index) { return Enclosed("FileLIOpenW(", index, ",*) していません！"); }

std::string InputFileSizeMessage(int16_t index) { return Enclosed("FileLIOpenW(", index, ",*) ファイルサイズの取得に失敗！"); }

std::string_view InputFatalSuffix() { return "\r\n終了します。"; }

}  // namespace textio
