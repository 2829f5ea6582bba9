#include <gtest/gtest.h>

#include "win32/text_conversion.h"

// The program's texts are code page 932; 表 has 0x5C as its second byte, the trap of naive converters.
TEST(TextConversion, Cp932RoundTripsThroughUtf16) {
    ASSERT_EQ(GetACP(), 932u) << "the Wine prefix must run with LC_ALL=ja_JP.UTF-8";
    const std::string ansi = "\x95\x5C:\x83\x5C";  // 表:ソ
    const std::wstring wide = win32::AnsiToWideText(ansi);
    EXPECT_EQ(wide, L"\u8868:\u30BD");
    EXPECT_EQ(win32::WideToAnsiText(wide), ansi);
}

TEST(TextConversion, EmptyStaysEmpty) {
    EXPECT_TRUE(win32::AnsiToWideText("").empty());
    EXPECT_TRUE(win32::WideToAnsiText(L"").empty());
}
