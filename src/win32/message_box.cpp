#include "win32/message_box.h"

#include <string>

#include "win32/text_conversion.h"

namespace win32 {
namespace {
MessageBoxHook messageBoxHook = nullptr;
bool boxesShown = true;
}  // namespace

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    if (!boxesShown) return 0;
    if (messageBoxHook) return messageBoxHook(owner, text, caption, type);
    return MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
}

int ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT type) {
    if (!boxesShown) return 0;
    if (messageBoxHook) return messageBoxHook(owner, WideToUtf8(text), WideToUtf8(caption), type);
    const std::wstring textZ(text);
    const std::wstring captionZ(caption);
    return MessageBoxW(owner, textZ.c_str(), captionZ.c_str(), type);
}

NoMessageBoxes::NoMessageBoxes() : wereShown_(boxesShown) { boxesShown = false; }
NoMessageBoxes::~NoMessageBoxes() { boxesShown = wereShown_; }

MessageBoxHook SetMessageBoxHookForTests(MessageBoxHook hook) {
    MessageBoxHook previous = messageBoxHook;
    messageBoxHook = hook;
    return previous;
}

}  // namespace win32
