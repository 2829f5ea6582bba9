// The driver's own promises that do not need the program: exact byte comparison with a readable
// message, UTF-16 list-file bytes, the scenario folder, and crash codes in words.
#include "driver/pavorin_driver.h"

namespace e2e {
namespace {

TEST(DriverBytes, EqualBytesPass) { EXPECT_TRUE(SameBytes("-1\t0 500", "-1\t0 500")); }

TEST(DriverBytes, DifferenceIsShownEscapedWithItsOffset) {
    const auto result = SameBytes("-1\t0 500", "-1\t0 500\r\n");
    ASSERT_FALSE(result);
    const std::string message = result.message();
    EXPECT_NE(message.find("offset 8 (actual 8 bytes, expected 10)"), std::string::npos) << message;
    EXPECT_NE(message.find("\"-1\\t0 500\\r\\n\""), std::string::npos) << message;
}

TEST(DriverBytes, LongFilesAreCutAroundTheDifference) {
    const std::string expected(100000, 'a');
    std::string actual = expected;
    actual[70000] = '\x01';
    const std::string message = SameBytes(actual, expected).message();
    EXPECT_NE(message.find("offset 70000"), std::string::npos);
    EXPECT_NE(message.find("\\x01"), std::string::npos);
    EXPECT_LT(message.size(), 1000u);
}

TEST(DriverBytes, Utf16FileHasByteOrderMarkAndLittleEndianUnits) {
    EXPECT_EQ(Utf16File("A\u8868\r\n"), std::string("\xFF\xFE" "A\0\x68\x88\r\0\n\0", 10));
}

TEST(DriverFolder, WritesAndReadsExactBytesAndCleansUp) {
    std::wstring path;
    {
        TestFolder folder;
        path = folder.Path();
        const std::string bytes("a\0b\r\n\xFF", 6);
        folder.Write("x.bin", bytes);
        EXPECT_TRUE(FileHolds(folder, "x.bin", bytes));
        EXPECT_FALSE(FileHolds(folder, "missing.bin", ""));
        EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"x.bin"});
    }
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(DriverFolder, AMissingListFileIsNamedWithTheTextExpected) {
    TestFolder folder;
    const std::string message = FileHolds(folder, "lists3.txt", Utf16File("\u8868\r\n")).message();
    EXPECT_NE(message.find("lists3.txt does not exist"), std::string::npos) << message;
    EXPECT_NE(message.find("as UTF-16 text: \"\u8868\\r\\n\""), std::string::npos) << message;
}

TEST(DriverFolder, AnExclusiveHoldRefusesOtherOpeners) {
    TestFolder folder;
    folder.Write("held.txt", "x");
    {
        const FileLock hold = folder.HoldOpenExclusively("held.txt");
        EXPECT_THROW(folder.Read("held.txt"), DriverError);
    }
    EXPECT_EQ(folder.Read("held.txt"), "x");
}

TEST(DriverText, ExitCodesAreNamed) {
    EXPECT_EQ(DescribeExitCode(0), "0");
    EXPECT_EQ(DescribeExitCode(0xC0000005), "0xC0000005 (access violation)");
}

}  // namespace
}  // namespace e2e
