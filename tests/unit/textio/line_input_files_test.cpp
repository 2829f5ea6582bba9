#include <gtest/gtest.h>

#include <string>

#include "file_bytes.h"
#include "slot_report_fixture.h"
#include "textio/line_input_files.h"

namespace {
using textio_test::ListFileBytes;
using textio_test::SlotReportTest;

class LineInputFiles : public SlotReportTest {};

constexpr char kEnd[] = "\r\n終了します。";
}  // namespace

TEST_F(LineInputFiles, ReadsLinesThenTheEndThenTheFirstLineAgain) {
    const std::wstring path = TempFile(ListFileBytes(u"title\r\n4:0\r\n"));
    EXPECT_EQ(FileLIOpenW(1, path, Owner()), 24);
    std::wstring text;
    EXPECT_EQ(FileLineInputW(1, text), 5);
    EXPECT_EQ(text, L"title");
    EXPECT_EQ(FileInputToSepW(1, text, L':'), 1);
    EXPECT_EQ(text, L"4");
    EXPECT_EQ(FileLineInputW(1, text), 1);
    EXPECT_EQ(text, L"0");
    EXPECT_EQ(FileLineInputW(1, text), -1);
    EXPECT_EQ(text, L"0") << "the end leaves the output untouched";
    EXPECT_EQ(FileLineInputW(1, text), 5);
    EXPECT_EQ(text, L"title");
    EXPECT_EQ(FileLICloseW(1), 1);
    EXPECT_EQ(FileLICloseW(1), -1);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(LineInputFiles, AFileOfOneLineReadTwiceGivesTheLineThenTheEndThenTheLine) {
    const std::wstring path = TempFile(ListFileBytes(u"one"));
    FileLIOpenW(0, path, Owner());
    std::wstring line;
    EXPECT_EQ(FileLineInputW(0, line), 3);
    EXPECT_EQ(FileLineInputW(0, line), -1);
    EXPECT_EQ(FileLineInputW(0, line), 3);
    EXPECT_EQ(line, L"one");
}

TEST_F(LineInputFiles, OpeningAnswersTheTextSizeOrWhyTheFileCannotBeRead) {
    EXPECT_EQ(FileLIOpenW(0, TempFile("\xFF\xFE"), Owner()), 0);
    std::wstring line = L"untouched";
    EXPECT_EQ(FileLineInputW(0, line), -1);
    EXPECT_EQ(line, L"untouched");
    EXPECT_EQ(FileLIOpenW(2, TempFile(""), Owner()), 0) << "an empty file is an empty text, not -2";
    EXPECT_EQ(FileLIOpenW(3, L"Z:\\no such folder\\lists1.txt", Owner()), -3);

    const std::wstring held = TempFile(ListFileBytes(u"x"));
    const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FileLIOpenW(4, held, Owner()), -3);
    CloseHandle(holder);
    EXPECT_FALSE(IsLineInputOpen(3));
    EXPECT_FALSE(IsLineInputOpen(4));
    EXPECT_TRUE(Boxes().empty()) << "the caller decides what to say";
}

TEST_F(LineInputFiles, OpeningAnOpenSlotKeepsItsFileAndPosition) {
    FileLIOpenW(1, TempFile(ListFileBytes(u"first\r\nsecond\r\n")), Owner());
    std::wstring line;
    FileLineInputW(1, line);
    EXPECT_EQ(FileLIOpenW(1, TempFile(ListFileBytes(u"other\r\n")), Owner()), -5);
    FileLineInputW(1, line);
    EXPECT_EQ(line, L"second");
}

TEST_F(LineInputFiles, MisuseEndsTheProgramClosingEverySlotAndTheOwner) {
    const struct {
        const char* caption;
        std::string text;
        int32_t (*misuse)();
    } cases[] = {
        {"FileLineInputW", "FileLIOpenW(2,*) していません！", [] {
             std::wstring line;
             return FileLineInputW(2, line);
         }},
        {"FileInputToSepW", "FileInputToSepW(-1,*) 添え字が不正！", [] {
             std::wstring piece;
             return FileInputToSepW(-1, piece, L':');
         }},
        {"FileLineInputW", "FileLineInputW(5,*) 添え字が不正！", [] {
             std::wstring line;
             return FileLineInputW(5, line);
         }},
        {"FileLIOpenW", "FileLIOpenW(5,*) 添え字が不正！", [] { return FileLIOpenW(5, L"lists1.txt"); }},
        {"FileLICloseW", "FileLICloseW(7) 添え字が不正！", [] { return FileLICloseW(7); }},
    };
    for (const auto& misuse : cases) {
        FileLIOpenW(0, TempFile(ListFileBytes(u"a")), Owner());
        FileLIOpenW(3, TempFile(ListFileBytes(u"b")), Owner());
        ClearBoxes();
        EXPECT_EQ(misuse.misuse(), 0) << misuse.caption;
        const textio_test::RecordedBox box = OnlyBox();
        EXPECT_EQ(box.text, misuse.text + kEnd) << misuse.caption;
        EXPECT_EQ(box.caption, misuse.caption);
        EXPECT_EQ(box.type, static_cast<UINT>(MB_SYSTEMMODAL));
        EXPECT_EQ(box.owner, Owner());
        EXPECT_EQ(CloseRequests(), 1) << misuse.caption;
        EXPECT_FALSE(IsLineInputOpen(0)) << misuse.caption;
        EXPECT_FALSE(IsLineInputOpen(3)) << misuse.caption;
    }
}
