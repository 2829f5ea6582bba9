#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "restore/dummy_folder.h"

namespace {
std::string TempPath() {
    char buffer[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, buffer);
    return buffer;
}
}  // namespace

TEST(DummyFolder, IsTheLongPathOfDummyInTheTemporaryFolderAndExistsAfterwards) {
    const std::string dummy = TempPath() + "dummy";
    RemoveDirectoryA(dummy.c_str());  // only when empty: a leftover with contents stays as it is

    const std::wstring made = PrepareDummyFolderW();
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made.substr(made.size() - 6), L"\\dummy");
    EXPECT_TRUE(IsExistingDirectory(dummy.c_str()));
    char longForm[MAX_PATH + 1] = {};
    ASSERT_NE(GetLongPathNameA(dummy.c_str(), longForm, MAX_PATH), 0u);
    EXPECT_EQ(made, AnsiToWide(longForm));

    // A second run finds it and gives the same path.
    EXPECT_EQ(PrepareDummyFolderW(), made);
}

TEST(DummyFolder, IsExistingDirectoryTellsFoldersFromFilesAndMissingPaths) {
    const std::string base = TempPath();
    const std::string folder = base + "pavorin-restore-dir";
    const std::string file = base + "pavorin-restore-file.txt";
    CreateDirectoryA(folder.c_str(), nullptr);
    const HANDLE created = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                       nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);

    EXPECT_TRUE(IsExistingDirectory(folder.c_str()));
    EXPECT_FALSE(IsExistingDirectory(file.c_str()));
    EXPECT_FALSE(IsExistingDirectory((base + "pavorin-restore-missing").c_str()));
    EXPECT_FALSE(IsExistingDirectory(""));

    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(DummyFolder, AnsiToWideReadsCodePage932) {
    ASSERT_EQ(GetACP(), 932u);
    EXPECT_EQ(AnsiToWide("\x95\x5C\\dummy"), L"\u8868\\dummy");  // 表 ends in the byte of a backslash
    EXPECT_EQ(AnsiToWide("open"), L"open");
    EXPECT_TRUE(AnsiToWide("").empty());
}
