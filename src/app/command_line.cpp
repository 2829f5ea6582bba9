#include "app/command_line.h"

#include <iterator>

namespace {

enum class Switch { kRestore, kCapture, kReplace, kQuiet, kTitle, kUnknown };

constexpr std::u16string_view kSwitchNames[] = {u"restore", u"capture", u"replace", u"quiet", u"title"};

char16_t AsciiLower(char16_t unit) { return unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit; }

bool EqualsIgnoringAsciiCase(std::u16string_view text, std::u16string_view lowerName) {
    if (text.size() != lowerName.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != lowerName[i]) return false;
    return true;
}

Switch SwitchOf(std::u16string_view argument) {
    if (argument.empty() || (argument[0] != u'/' && argument[0] != u'-')) return Switch::kUnknown;
    const std::u16string_view name = argument.substr(1);
    for (size_t i = 0; i < std::size(kSwitchNames); ++i)
        if (EqualsIgnoringAsciiCase(name, kSwitchNames[i])) return static_cast<Switch>(i);
    return Switch::kUnknown;
}

// A title is the first line of a list file: a line break (or a terminator) would cut it.
bool IsOneLine(std::u16string_view text) {
    return text.find_first_of(std::u16string_view(u"\r\n\0", 3)) == std::u16string_view::npos;
}

// /quiet counts wherever it stands as a switch, also in a command line that is wrong otherwise; the
// argument after /title is its text, never a switch.
bool AsksForQuiet(std::span<const std::u16string_view> arguments) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const Switch found = SwitchOf(arguments[i]);
        if (found == Switch::kQuiet) return true;
        if (found == Switch::kTitle) ++i;
    }
    return false;
}

class Parser {
public:
    explicit Parser(std::span<const std::u16string_view> arguments) : arguments_(arguments) {}

    bool Parse(CommandLineRequest& request) {
        for (next_ = 0; next_ < arguments_.size();) {
            const Switch found = SwitchOf(arguments_[next_++]);
            if (found == Switch::kUnknown || seen_[static_cast<size_t>(found)]) return false;
            seen_[static_cast<size_t>(found)] = true;
            if (!Take(found, request)) return false;
        }
        if (request.action == CommandLineAction::kNone) return false;
        if (request.replace && request.action != CommandLineAction::kRestore) return false;
        return !request.title || request.action == CommandLineAction::kCapture;
    }

private:
    bool Take(Switch found, CommandLineRequest& request) {
        switch (found) {
        case Switch::kRestore:
        case Switch::kCapture: {
            if (request.action != CommandLineAction::kNone || next_ == arguments_.size()) return false;
            const std::optional<int32_t> number = ParseListNumber(arguments_[next_++]);
            if (!number) return false;
            request.action = found == Switch::kRestore ? CommandLineAction::kRestore : CommandLineAction::kCapture;
            request.listNumber = *number;
            return true;
        }
        case Switch::kReplace: request.replace = true; return true;
        case Switch::kQuiet: request.quiet = true; return true;
        case Switch::kTitle:
            if (next_ == arguments_.size() || !IsOneLine(arguments_[next_])) return false;
            request.title = std::u16string(arguments_[next_++]);
            return true;
        case Switch::kUnknown: break;
        }
        return false;
    }

    std::span<const std::u16string_view> arguments_;
    size_t next_ = 0;
    bool seen_[std::size(kSwitchNames)] = {};
};

}  // namespace

std::optional<int32_t> ParseListNumber(std::u16string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int32_t number = 0;
    for (const char16_t unit : text) {
        if (unit < u'0' || unit > u'9') return std::nullopt;
        number = number * 10 + (unit - u'0');
    }
    return number;
}

CommandLineRequest ParseCommandLine(std::span<const std::u16string_view> arguments) {
    if (arguments.empty()) return {};
    CommandLineRequest request;
    if (Parser(arguments).Parse(request)) return request;
    CommandLineRequest bad;
    bad.action = CommandLineAction::kBadArguments;
    bad.quiet = AsksForQuiet(arguments);
    return bad;
}
