#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings_line.h"

namespace {

using namespace std::string_literals;
using Fields = std::vector<std::string>;

Settings SavedWithEverythingSet() {
    Settings s;
    s.saveState = -1;
    s.listNumber = "42";
    s.overwriteMode = 2;
    s.showStateMode = 1;
    s.reportResults = -1;
    s.duplicateCheckOnCapture = -1;
    s.options = {4, -1, 0, -1, -1, 2147483647u};
    return s;
}

TEST(SettingsLineWriter, WritesTabAfterFirstValueAndSingleSpacesWithoutLineEnd) {
    Settings defaults;
    defaults.saveState = -1;
    EXPECT_EQ(WriteSettingsLine(defaults), "-1\t0 0 0 1 0 1 0 1 1 0 500");
    EXPECT_EQ(WriteSettingsLine(SavedWithEverythingSet()), "-1\t42 2 1 -1 -1 4 -1 0 -1 -1 2147483647");
}

// The box text is kept as it is, unless it is empty or would split or swallow fields: then it is written as
// the number it stands for.
TEST(SettingsLineWriter, KeepsTheListNumberTextUnlessItWouldNotReadBackAsOneField) {
    const struct {
        std::string box;
        std::string written;
    } cases[] = {{"007", "007"}, {"abc", "abc"}, {"&H1", "&H1"}, {"-5", "-5"}, {"1.5", "1.5"}, {"\x82\x56", "\x82\x56"},
                 {"", "0"},       {" 7", "7"},   {"7 ", "7"},    {"1 2", "1"},  {"\t3", "3"},   {"4,5", "4"},
                 {"\"", "0"},     {"\"9\"", "9"}, {"\"-3\" 4", "-3"}, {"8\r\n", "8"}, {"6\n", "6"}, {"5\r", "5"},
                 {"a b", "0"}};
    Settings s;
    s.saveState = -1;
    s.overwriteMode = -1;
    s.showStateMode = -1;
    for (const auto& c : cases) {
        s.listNumber = c.box;
        EXPECT_EQ(WriteSettingsLine(s), "-1\t" + c.written + " -1 -1 1 0 1 0 1 1 0 500") << '[' << c.box << ']';
    }
}

TEST(SettingsFieldSplitter, SplitsByTheReadersRules) {
    const struct {
        std::string text;
        Fields fields;
    } cases[] = {
        {"a b\tc,d\ne\0f\r\ng"s, {"a", "b", "c", "d", "e", "f", "g"}},
        // Blanks before a field are skipped, and one comma after blanks.
        {"  \t a  \t b", {"a", "b"}}, {"a , b", {"a", "b"}}, {"a\t,\t,b", {"a", "", "b"}}, {"a,,b", {"a", "", "b"}},
        {"a,\n,b", {"a", "", "", "b"}},
        // A lone CR stays inside the field.
        {"a\rb c", {"a\rb", "c"}}, {"a\r\r\nb", {"a\r", "b"}}, {"a\r", {"a\r"}},
        // Quotes shield blanks and commas but not line ends.
        {"\"a b,\tc\" d", {"a b,\tc", "d"}}, {"x\"y z\"w v", {"xy zw", "v"}}, {"\"\" e", {"", "e"}},
        {"\"a\nb", {"a", "b"}}, {"\"open to the end", {"open to the end"}},
        // The end where a field should begin ends the reading.
        {"", {}}, {" \t ", {}}, {"a,", {"a"}}, {"a\r\n", {"a"}}, {"a , ", {"a"}}, {"a,\t", {"a"}}, {"a,,", {"a", ""}}};
    for (const auto& c : cases) EXPECT_EQ(SplitSettingsFields(c.text), c.fields) << '[' << c.text << ']';
    EXPECT_EQ(SplitSettingsFields("1 2 3 4 5 6 7 8 9 10 11 12 13 14").size(), 12u);
    EXPECT_EQ(SplitSettingsFields("1 2 3", 2), (Fields{"1", "2"}));
}

TEST(SettingsLineReader, ReadsBackEveryValueItWrote) {
    for (Settings s : {Settings{}, SavedWithEverythingSet()}) {
        s.saveState = -1;
        const SettingsRead read = ReadSettingsLine(WriteSettingsLine(s), Settings{});
        EXPECT_EQ(read.valuesRead, 12u);
        EXPECT_TRUE(read.settings == s) << WriteSettingsLine(read.settings);
    }
}

TEST(SettingsLineReader, ReadsTheListNumberAsANumber) {
    for (const auto& [line, number] : {std::pair{"0\t007", "7"}, {"0 &H1F", "31"}, {"0 x", "0"}, {"0 -3.9", "-3"}})
        EXPECT_EQ(ReadSettingsLine(line, Settings{}).settings.listNumber, number) << line;
}

// Whatever the box held at exit, the values after the list number come back in their places.
TEST(SettingsLineReader, NoListNumberTextShiftsTheLaterValues) {
    for (const std::string box : {"", " ", "1 2", "\"", ",", "\t", "a\"b", "9\r\n", "\"1 2\""}) {
        Settings s = SavedWithEverythingSet();
        s.listNumber = box;
        const SettingsRead read = ReadSettingsLine(WriteSettingsLine(s), Settings{});
        EXPECT_EQ(read.valuesRead, 12u) << '[' << box << ']';
        EXPECT_TRUE(read.settings.options == s.options) << '[' << box << ']';
        EXPECT_EQ(read.settings.overwriteMode, s.overwriteMode) << '[' << box << ']';
    }
}

}  // namespace
