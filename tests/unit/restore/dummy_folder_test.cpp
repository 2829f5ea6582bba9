#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "restore/dummy_folder.h"

namespace {
std::wstring TempPath() {
    wchar_t buffer[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, buffer);
    return buffer;
}
}  // namespace

TEST(DummyFolder, IsTheLongPathOfDummyInTheTemporaryFolderAndExistsAfterwards) {
    const std::wstring dummy = TempPath() + L"dummy";
    RemoveDirectoryW(dummy.c_str());  // only when empty: a leftover with contents stays as it is

    const std::wstring made = PrepareDummyFolderW();
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made.substr(made.size() - 6), L"\\dummy");
    EXPECT_TRUE(IsExistingDirectory(dummy.c_str()));
    wchar_t longForm[MAX_PATH + 1] = {};
    ASSERT_NE(GetLongPathNameW(dummy.c_str(), longForm, MAX_PATH), 0u);
    EXPECT_EQ(made, longForm);

    // A second run finds it and gives the same path.
    EXPECT_EQ(PrepareDummyFolderW(), made);
}

TEST(DummyFolder, IsExistingDirectoryTellsFoldersFromFilesAndMissingPaths) {
    const std::wstring base = TempPath();
    const std::wstring folder = base + L"pavorin-restore-dir-\u00DC";  // Ü: not in code page 932
    const std::wstring file = base + L"pavorin-restore-file.txt";
    CreateDirectoryW(folder.c_str(), nullptr);
    const HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                       nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);

    EXPECT_TRUE(IsExistingDirectory(folder.c_str()));
    EXPECT_FALSE(IsExistingDirectory(file.c_str()));
    EXPECT_FALSE(IsExistingDirectory((base + L"pavorin-restore-missing").c_str()));
    EXPECT_FALSE(IsExistingDirectory(L""));

    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}
