// The command-line parser on any arguments (the bytes are UTF-16 units; a NUL unit ends an argument):
// it may not crash or read past them, and what it accepts must hold together.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    std::vector<std::u16string_view> arguments;
    for (size_t start = 0; start < units.size();) {
        const size_t end = std::min(units.find(u'\0', start), units.size());
        arguments.push_back(std::u16string_view(units).substr(start, end - start));
        start = end + 1;
    }
    const CommandLineRequest request = ParseCommandLine(arguments);
    Require((request.action == CommandLineAction::kNone) == arguments.empty());
    if (request.action == CommandLineAction::kBadArguments) {
        Require(request.listNumber == 0 && !request.replace && !request.title);
        return 0;
    }
    Require(request.listNumber >= 0 && request.listNumber <= 999);
    Require(!request.replace || request.action == CommandLineAction::kRestore);
    Require(!request.title || request.action == CommandLineAction::kCapture);
    if (request.title) Require(request.title->find_first_of(std::u16string_view(u"\r\n\0", 3)) == std::u16string::npos);
    return 0;
}
