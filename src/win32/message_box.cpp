#include "win32/message_box.h"

#include <string>

#include "win32/text_conversion.h"

namespace win32 {
namespace {
MessageBoxHook messageBoxHook = nullptr;
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    if (messageBoxHook) return messageBoxHook(owner, text, caption, type);
    return MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
}

MessageBoxHook SetMessageBoxHookForTests(MessageBoxHook hook) {
    MessageBoxHook previous = messageBoxHook;
    messageBoxHook = hook;
    return previous;
}

}  // namespace win32
