#include "capture/shell_windows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ClsidFromText, ReadsBracedTextAsAClsid) {
    CLSID clsid{};
    ASSERT_EQ(capture::ClsidFromText(capture::kShellWindowsClsidText, &clsid), S_OK);
    const CLSID expected = {0x9BA05972, 0xF6A8, 0x11CF, {0xA4, 0x42, 0x00, 0xA0, 0xC9, 0x0A, 0x8F, 0x39}};
    EXPECT_TRUE(IsEqualCLSID(clsid, expected));
}

TEST(ClsidFromText, HandsOnTheFailuresOfTheConversions) {
    CLSID clsid{};
    EXPECT_EQ(capture::ClsidFromText("{9BA05972-F6A8-11CF-A442}", &clsid), CO_E_CLASSSTRING);
    // Text without a brace is a ProgID; an unknown one is refused by CLSIDFromProgID.
    EXPECT_TRUE(FAILED(capture::ClsidFromText("Pavorin.NoSuchProgId", &clsid)));
    // Empty text cannot be converted at all: the conversion's own error.
    EXPECT_TRUE(FAILED(capture::ClsidFromText("", &clsid)));
}

TEST(PathFromUrl, TurnsFileUrlsIntoPathsWithinTheRoom) {
    EXPECT_EQ(capture::PathFromUrl(L"file:///C:/Users/Public", 260), L"C:\\Users\\Public");
    EXPECT_EQ(capture::PathFromUrl(L"file:///C:/Program%20Files", 260), L"C:\\Program Files");
    // Exactly the room fits; one unit more does not.
    EXPECT_EQ(capture::PathFromUrl(L"file:///C:/abc", 6), L"C:\\abc");
    EXPECT_EQ(capture::PathFromUrl(L"file:///C:/abcd", 6), L"");
}

TEST(PathFromUrl, GivesNothingForUrlsThatShowNoFolder) {
    EXPECT_EQ(capture::PathFromUrl(L"https://example.invalid/", 260), L"");
    EXPECT_EQ(capture::PathFromUrl(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", 260), L"");
    EXPECT_EQ(capture::PathFromUrl(L"", 260), L"");
    const std::wstring deep = L"file:///C:/" + std::wstring(270, L'a');
    EXPECT_EQ(capture::PathFromUrl(deep, 260), L"");
}

TEST(UrlFromPath, MakesTheFileUrlWhenItFitsTheLength) {
    const std::wstring url = capture::UrlFromPath(L"C:\\Users\\Public", 260);
    EXPECT_EQ(url, L"file:///C:/Users/Public");
    EXPECT_EQ(capture::UrlFromPath(L"C:\\Users\\Public", url.size()), url);
    EXPECT_EQ(capture::UrlFromPath(L"C:\\Users\\Public", url.size() - 1), L"");
}

TEST(UrlFromPath, RoundTripsThroughPathFromUrl) {
    for (const wchar_t* path : {L"C:\\windows", L"C:\\Program Files\\a b", L"D:\\x\\y\\z"}) {
        EXPECT_EQ(capture::PathFromUrl(capture::UrlFromPath(path, 260), 260), path) << path;
    }
}

}  // namespace
