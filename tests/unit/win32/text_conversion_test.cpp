#include <gtest/gtest.h>

#include "win32/text_conversion.h"

// Pavorin.ini is code page 932 whatever the system's code page; 表 has 0x5C as its second byte, the trap
// of naive converters.
TEST(TextConversion, Cp932RoundTripsThroughUtf16) {
    const std::string bytes = "\x95\x5C:\x83\x5C";  // 表:ソ
    const std::wstring wide = win32::BytesToWide(bytes, win32::kSettingsCodePage);
    EXPECT_EQ(wide, L"\u8868:\u30BD");
    EXPECT_EQ(win32::WideToBytes(wide, win32::kSettingsCodePage), bytes);
    EXPECT_EQ(win32::WideToUtf8(L"\u8868\u00DC\uD55C"), "表Ü한");
    EXPECT_EQ(win32::Utf8ToWide("表Ü한"), L"\u8868\u00DC\uD55C");
}

TEST(TextConversion, EmptyStaysEmpty) {
    EXPECT_TRUE(win32::BytesToWide("", win32::kSettingsCodePage).empty());
    EXPECT_TRUE(win32::WideToBytes(L"", CP_UTF8).empty());
}
