#pragma once
// The texts of the two slot tables' reports (UTF-8), each with the index it names.
#include <cstdint>
#include <string>
#include <string_view>

#include "textio/line_buffer_slots.h"

namespace textio {

std::string BufferFaultMessage(BufferFault fault, uint16_t index);
// Appended to a line-buffer message when the program is about to end.
std::string_view BufferFatalSuffix();

// "routine(index,*) ..." for a bad index; FileLICloseW has its own form without the "*".
std::string InputBadIndexMessage(std::string_view routine, int16_t index);
std::string InputCloseBadIndexMessage(int16_t index);
std::string InputNotOpenMessage(int16_t index);
std::string InputFileSizeMessage(int16_t index);
// Appended to a line-input message when the program is about to end.
std::string_view InputFatalSuffix();

}  // namespace textio
