#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/settings_line.h"

void PrintTo(const RestoreOptions& o, std::ostream* out) {
    *out << '{' << o.openMethod << ' ' << o.duplicatePathMode << ' ' << o.applyPlacement << ' ' << o.applyViewMode
         << ' ' << o.unmaximize << ' ' << o.timeoutMs << '}';
}

void PrintTo(const Settings& s, std::ostream* out) {
    *out << '{' << s.saveState << " [" << s.listNumber << "] " << s.overwriteMode << ' ' << s.showStateMode << ' '
         << s.reportResults << ' ' << s.duplicateCheckOnCapture << ' ';
    PrintTo(s.options, out);
    *out << '}';
}

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

TEST(SettingsLineWriter, KeepsTheListNumberTextAsTheBoxHoldsIt) {
    Settings s;
    s.saveState = -1;
    s.overwriteMode = -1;
    s.showStateMode = -1;
    for (const std::string text : {"007", "abc", "&H1", "-5", "1.5", "\x82\x56"}) {
        s.listNumber = text;
        EXPECT_EQ(WriteSettingsLine(s), "-1\t" + text + " -1 -1 1 0 1 0 1 1 0 500") << text;
    }
}

// An empty box or one whose text would split or swallow fields is written as the number it stands for.
TEST(SettingsLineWriter, WritesAListNumberThatWouldNotReadBackAsOneFieldAsItsNumber) {
    const struct {
        std::string box;
        std::string written;
    } cases[] = {{"", "0"},       {" 7", "7"},          {"7 ", "7"},    {"1 2", "1"},   {"\t3", "3"},
                 {"4,5", "4"},    {"\"", "0"},          {"\"9\"", "9"},  {"\"-3\" 4", "-3"}, {"8\r\n", "8"},
                 {"6\n", "6"},    {"5\r", "5"},          {"a b", "0"}};
    for (const auto& c : cases) {
        Settings s;
        s.listNumber = c.box;
        EXPECT_EQ(WriteSettingsLine(s), "0\t" + c.written + " 0 0 1 0 1 0 1 1 0 500") << '[' << c.box << ']';
    }
}

TEST(SettingsFieldSplitter, SplitsAtEverySeparator) {
    EXPECT_EQ(SplitSettingsFields("a b\tc,d\ne\0f\r\ng"s), (Fields{"a", "b", "c", "d", "e", "f", "g"}));
}

TEST(SettingsFieldSplitter, SkipsBlanksBeforeAFieldAndOneCommaAfterBlanks) {
    EXPECT_EQ(SplitSettingsFields("  \t a  \t b"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitSettingsFields("a , b"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitSettingsFields("a\t,\t,b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitSettingsFields("a,,b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitSettingsFields("a,\n,b"), (Fields{"a", "", "", "b"}));
}

TEST(SettingsFieldSplitter, KeepsALoneCarriageReturnInsideTheField) {
    EXPECT_EQ(SplitSettingsFields("a\rb c"), (Fields{"a\rb", "c"}));
    EXPECT_EQ(SplitSettingsFields("a\r\r\nb"), (Fields{"a\r", "b"}));
    EXPECT_EQ(SplitSettingsFields("a\r"), (Fields{"a\r"}));
}

TEST(SettingsFieldSplitter, QuotesShieldBlanksAndCommasButNotLineEnds) {
    EXPECT_EQ(SplitSettingsFields("\"a b,\tc\" d"), (Fields{"a b,\tc", "d"}));
    EXPECT_EQ(SplitSettingsFields("x\"y z\"w v"), (Fields{"xy zw", "v"}));
    EXPECT_EQ(SplitSettingsFields("\"\" e"), (Fields{"", "e"}));
    EXPECT_EQ(SplitSettingsFields("\"a\nb"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitSettingsFields("\"open to the end"), (Fields{"open to the end"}));
}

TEST(SettingsFieldSplitter, StopsWhereAFieldShouldBeginAtTheEnd) {
    EXPECT_EQ(SplitSettingsFields(""), Fields{});
    EXPECT_EQ(SplitSettingsFields(" \t "), Fields{});
    EXPECT_EQ(SplitSettingsFields("a,"), Fields{"a"});
    EXPECT_EQ(SplitSettingsFields("a\r\n"), Fields{"a"});
    EXPECT_EQ(SplitSettingsFields("a , "), Fields{"a"});
    EXPECT_EQ(SplitSettingsFields("a,\t"), Fields{"a"});
    EXPECT_EQ(SplitSettingsFields("a,,"), (Fields{"a", ""}));
}

TEST(SettingsFieldSplitter, TakesNoMoreThanAskedFor) {
    EXPECT_EQ(SplitSettingsFields("1 2 3 4 5 6 7 8 9 10 11 12 13 14").size(), 12u);
    EXPECT_EQ(SplitSettingsFields("1 2 3", 2), (Fields{"1", "2"}));
}

TEST(SettingsLineReader, ReadsBackEveryValueItWrote) {
    for (Settings s : {Settings{}, SavedWithEverythingSet()}) {
        s.saveState = -1;
        const SettingsRead read = ReadSettingsLine(WriteSettingsLine(s), Settings{});
        EXPECT_EQ(read.valuesRead, 12u);
        EXPECT_EQ(read.settings, s);
    }
}

TEST(SettingsLineReader, ReadsTheListNumberAsANumber) {
    Settings s;
    s.listNumber = "007";
    EXPECT_EQ(ReadSettingsLine(WriteSettingsLine(s), Settings{}).settings.listNumber, "7");
    EXPECT_EQ(ReadSettingsLine("0 &H1F", Settings{}).settings.listNumber, "31");
    EXPECT_EQ(ReadSettingsLine("0 x", Settings{}).settings.listNumber, "0");
    EXPECT_EQ(ReadSettingsLine("0 -3.9", Settings{}).settings.listNumber, "-3");
}

// Hand-written files, hexadecimal, quotes and line ends: the end-to-end settings table.
// Whatever the box held at exit, the values after the list number come back in their places.
TEST(SettingsLineReader, NoListNumberTextShiftsTheLaterValues) {
    for (const std::string box : {"", " ", "1 2", "\"", ",", "\t", "a\"b", "9\r\n", "\"1 2\""}) {
        Settings s = SavedWithEverythingSet();
        s.listNumber = box;
        const SettingsRead read = ReadSettingsLine(WriteSettingsLine(s), Settings{});
        EXPECT_EQ(read.valuesRead, 12u) << '[' << box << ']';
        EXPECT_EQ(read.settings.options, s.options) << '[' << box << ']';
        EXPECT_EQ(read.settings.overwriteMode, s.overwriteMode) << '[' << box << ']';
    }
}

}  // namespace
