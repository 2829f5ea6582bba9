#include <gtest/gtest.h>

#include <string>

#include "file_bytes.h"
#include "slot_report_fixture.h"
#include "textio/line_buffers.h"

namespace {
using textio_test::SlotReportTest;

class LineBuffers : public SlotReportTest {};

constexpr char kExceeded[] = "確保したバッファ数を超えました";
constexpr char kCreateFirst[] = "CreateBufferW()をしてください";
}  // namespace

TEST_F(LineBuffers, RefusalsAreToldInAPlainBoxOwnedByTheCreatingWindow) {
    ASSERT_EQ(CreateBufferW(0, 10, Owner()), 1);
    EXPECT_EQ(CreateBufferW(0, 10, nullptr), -2);
    const textio_test::RecordedBox created = OnlyBox();
    EXPECT_EQ(created.owner, Owner());
    EXPECT_EQ(created.text, "バッファ [0] は既に生成されています");
    EXPECT_EQ(created.caption, "CreateBufferW");
    EXPECT_EQ(created.type, static_cast<UINT>(MB_OK));

    ClearBoxes();
    EXPECT_EQ(AddLineW(0, std::wstring(9, L'x')), 0);
    EXPECT_EQ(OnlyBox().text, kExceeded);
    EXPECT_EQ(OnlyBox().caption, "AddLineW");
    ClearBoxes();
    EXPECT_EQ(AddLineW(0, std::wstring(8, L'x')), 10) << "n - 2 units fit";
    EXPECT_TRUE(Boxes().empty());

    const struct {
        int result;
        const char* caption;
        std::string text;
    } refusals[] = {
        {AddLineW(3, L"x"), "AddLineW", kCreateFirst},
        {AddInfoLineW(3, {}), "AddInfoLineW", kCreateFirst},
        {FileWriteW(3, L"unused.txt"), "FileWriteW", kCreateFirst},
        {DeleteBufferW(3), "DeleteBufferW", "バッファは生成されていません"},
        {JoinWithSepW(0, L"x", L' '), "JoinWithSepW", kExceeded},
    };
    ASSERT_EQ(Boxes().size(), std::size(refusals));
    for (size_t i = 0; i < std::size(refusals); ++i) {
        EXPECT_EQ(Boxes()[i].caption, refusals[i].caption);
        EXPECT_EQ(Boxes()[i].text, refusals[i].text) << refusals[i].caption;
        EXPECT_EQ(Boxes()[i].type, static_cast<UINT>(MB_OK)) << refusals[i].caption;
    }
    EXPECT_EQ(refusals[0].result, 0);
    EXPECT_EQ(refusals[2].result, -3);
    EXPECT_EQ(refusals[3].result, -3);
    EXPECT_EQ(CloseRequests(), 0) << "plain reports never end the program";
}

TEST_F(LineBuffers, APlacementPieceThatDoesNotFitHasItsOwnText) {
    CreateBufferW(2, 8, Owner());
    PlacementRecord placement;
    placement.rcNormalPosition = {10, 20, 810, 620};
    EXPECT_EQ(AddInfoLineW(2, placement), 0);
    EXPECT_EQ(OnlyBox().text, "確保したバッファを超えました");
    EXPECT_EQ(OnlyBox().caption, "AddInfoLineW");
}

TEST_F(LineBuffers, MisuseEndsTheProgramReleasingEveryBufferAndClosingTheOwner) {
    const struct {
        const char* caption;
        std::string text;
        int (*misuse)();
    } cases[] = {
        {"AddLineW", "添え字 [5] が不正です", [] { return static_cast<int>(AddLineW(5, L"x")); }},
        {"CreateBufferW", "添え字 [65535] が不正です", [] { return CreateBufferW(uint16_t(-1), 1); }},
        {"DeleteBufferW", "添え字 [7] が不正です", [] { return DeleteBufferW(7); }},
        {"JoinWithSepW", kCreateFirst, [] { return static_cast<int>(JoinWithSepW(4, L"x", L' ')); }},
        {"GetWriteBufferW", "バッファがありません", [] {
             const wchar_t* text = nullptr;
             return static_cast<int>(GetWriteBufferW(4, &text));
         }},
    };
    for (const auto& misuse : cases) {
        ASSERT_EQ(CreateBufferW(0, 10, Owner()), 1);
        ASSERT_EQ(CreateBufferW(2, 10, Owner()), 1);
        ClearBoxes();
        EXPECT_EQ(misuse.misuse(), 0) << misuse.caption;
        const textio_test::RecordedBox box = OnlyBox();
        EXPECT_EQ(box.text, misuse.text + "\n終了します。") << misuse.caption;
        EXPECT_EQ(box.caption, misuse.caption);
        EXPECT_EQ(box.type, static_cast<UINT>(MB_SYSTEMMODAL));
        EXPECT_EQ(box.owner, Owner());
        EXPECT_EQ(CloseRequests(), 1) << misuse.caption;
        ClearBoxes();
        EXPECT_EQ(DeleteBufferW(0), -3) << "released by the fatal report: " << misuse.caption;
        EXPECT_EQ(DeleteBufferW(2), -3) << "released by the fatal report: " << misuse.caption;
    }
}

TEST_F(LineBuffers, WritesTheByteOrderMarkAndTheTextIntoANewFile) {
    const std::wstring path = TempFile("old contents that must go");
    CreateBufferW(0, 0, Owner());
    EXPECT_EQ(FileWriteW(0, path), 1);
    EXPECT_EQ(ReadBytes(path), "\xFF\xFE") << "an empty buffer gives the mark alone";

    CreateBufferW(1, 20, Owner());
    AddLineW(1, L"\u8868:");
    JoinWithSepW(1, L"4", L':');
    AddLineW(1, L"0");
    EXPECT_EQ(FileWriteW(1, path), 1);
    EXPECT_EQ(ReadBytes(path), textio_test::ListFileBytes(u"\u8868:\r\n4:0\r\n"));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(LineBuffers, AWriteThatIsRefusedAnswersWhyAndLeavesTheBuffer) {
    CreateBufferW(0, 10, Owner());
    AddLineW(0, L"keep");
    // A folder of that name cannot be opened for writing: access denied.
    const std::wstring folder = TempFile("") + L".folder";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    EXPECT_EQ(FileWriteW(0, folder), -5);
    RemoveDirectoryW(folder.c_str());

    const std::wstring held = TempFile("held");
    const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FileWriteW(0, held), -1) << "held open without sharing";
    CloseHandle(holder);
    EXPECT_EQ(ReadBytes(held), "held");
    EXPECT_EQ(FileWriteW(0, L"Z:\\no such folder\\lists1.txt"), -1);

    const wchar_t* text = nullptr;
    EXPECT_EQ(GetWriteBufferW(0, &text), 11);
    EXPECT_EQ(std::wstring(text), L"keep\r\n");
    EXPECT_TRUE(Boxes().empty()) << "the caller decides what to say";
}

TEST_F(LineBuffers, AReadOnlyFileIsAccessDenied) {
    const std::wstring readOnly = TempFile("locked");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    const HANDLE probe = CreateFileW(readOnly.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "this system lets the user write read-only files (Wine run by root)";
    }
    CreateBufferW(0, 10, Owner());
    EXPECT_EQ(FileWriteW(0, readOnly), -5);
    EXPECT_EQ(ReadBytes(readOnly), "locked");
}
