#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace {

std::string Narrow(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) out += unit < 0x80 ? static_cast<char>(unit) : '?';
    return out;
}

// The request in one line, so that a table row states everything it expects.
std::string Summary(const CommandLineRequest& request) {
    static const char* const kActions[] = {"none", "restore", "capture", "bad"};
    std::string text = kActions[static_cast<int>(request.action)];
    if (request.action == CommandLineAction::kRestore || request.action == CommandLineAction::kCapture)
        text += " " + std::to_string(request.listNumber);
    if (request.replace) text += " replace";
    if (request.title) text += " title[" + Narrow(*request.title) + "]";
    if (request.quiet) text += " quiet";
    return text;
}

struct Case {
    std::vector<std::u16string_view> arguments;
    const char* expected;
};

const Case kCases[] = {
    {{}, "none"}, {{u"/restore", u"3"}, "restore 3"},
    {{u"-RESTORE", u"007", u"/Replace", u"-quiet"}, "restore 7 replace quiet"},
    {{u"/quiet", u"/replace", u"/restore", u"999"}, "restore 999 replace quiet"}, {{u"/capture", u"0"}, "capture 0"},
    {{u"/capture", u"12", u"/TITLE", u"Two words"}, "capture 12 title[Two words]"},
    {{u"/capture", u"12", u"/title", u""}, "capture 12 title[]"},
    {{u"/capture", u"1", u"/title", u"/quiet"}, "capture 1 title[/quiet]"},
    {{u"/capture", u"1", u"/title", u"写真"}, "capture 1 title[??]"},
    // Bad arguments; quiet is told all the same.
    {{u"/restore"}, "bad"}, {{u"/restore", u"1000"}, "bad"}, {{u"/restore", u""}, "bad"},
    {{u"/restore", u"-1", u"/quiet"}, "bad quiet"}, {{u"/restore", u"1a"}, "bad"}, {{u"/restore", u"１"}, "bad"},
    {{u"/restore", u" 1"}, "bad"}, {{u"/restore", u"/quiet"}, "bad quiet"},
    {{u"/restore", u"1", u"/capture", u"2"}, "bad"}, {{u"/restore", u"1", u"/restore", u"1"}, "bad"},
    {{u"/restore", u"1", u"/title", u"x"}, "bad"}, {{u"/capture", u"1", u"/replace"}, "bad"},
    {{u"/capture", u"1", u"/title"}, "bad"}, {{u"/capture", u"1", u"/title", u"a", u"/title", u"b"}, "bad"},
    {{u"/capture", u"1", u"/title", u"line\nbreak", u"/quiet"}, "bad quiet"},
    {{u"/capture", u"1", u"/title", u"/quiet", u"/x"}, "bad"}, {{u"/capture", u"1", u"extra"}, "bad"},
    {{u"/restore", u"1", u"/restorex"}, "bad"}, {{u"restore", u"1"}, "bad"}, {{u"/", u"1"}, "bad"},
    {{u"/quiet"}, "bad quiet"}, {{u"/replace"}, "bad"}, {{u""}, "bad"},
};

TEST(CommandLine, ParsesEachCaseOfTheTable) {
    for (const Case& c : kCases) {
        std::string line;
        for (const std::u16string_view argument : c.arguments) line += "[" + Narrow(argument) + "] ";
        EXPECT_EQ(Summary(ParseCommandLine(c.arguments)), c.expected) << "arguments " << line;
    }
}

}  // namespace
