#include "win32/message_box.h"

#include <string>

namespace win32 {
namespace {
MessageBoxHook messageBoxHook = nullptr;
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    if (messageBoxHook) return messageBoxHook(owner, text, caption, type);
    const std::string textZ(text);
    const std::string captionZ(caption);
    return MessageBoxA(owner, textZ.c_str(), captionZ.c_str(), type);
}

MessageBoxHook SetMessageBoxHookForTests(MessageBoxHook hook) {
    MessageBoxHook previous = messageBoxHook;
    messageBoxHook = hook;
    return previous;
}

}  // namespace win32
