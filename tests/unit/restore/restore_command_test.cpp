#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/control_ids.h"
#include "restore/restore_command.h"
#include "unit/app/main_window_session.h"
#include "unit/textio/file_bytes.h"
#include "win32/message_box.h"

namespace {

struct Box {
    HWND owner;
    std::string text;  // UTF-8, as the program passes it
    std::string caption;
    UINT type;
};

std::vector<Box> boxes;
int answer = IDOK;

// Expected texts are written as UTF-8 literals, whatever execution character set the tests are built with.
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

int RecordBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    boxes.push_back({owner, std::string(text), std::string(caption), type});
    return answer;
}

const std::string kFileError = U8(u8"ファイルエラー");
const std::string kCommand = U8(u8"ウィンドウを反映");
const std::string kQuestion = U8(u8"現在のウィンドウを全て閉じますか？\r\n\r\n＊「はい」 ウィンドウの入れ替え\r\n＊「いいえ」 ウィンドウを追加する");
const std::string kQuestionCaption = U8(u8"ウィンドウの確認");
const std::string kDone = U8(u8"完了しました");
const UINT kQuestionType = MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TASKMODAL;

// A folder window of this process: the restore counts and closes windows by their class alone.
class LocalFolderWindow {
public:
    LocalFolderWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "CabinetWClass";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "CabinetWClass", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }
    ~LocalFolderWindow() {
        if (IsWindow(window_)) DestroyWindow(window_);
        UnregisterClassA("CabinetWClass", GetModuleHandleA(nullptr));
    }
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

class RestoreCommand : public ::testing::Test {
protected:
    void SetUp() override {
        boxes.clear();
        answer = IDOK;
        previousHook_ = win32::SetMessageBoxHookForTests(RecordBox);
        session.SetText(control::kListNumber, "4");
        session.SetText(control::kListTitle, "before");
        boxes.clear();  // the preview of the new list number may speak; the restore is what is tested
    }
    void TearDown() override { win32::SetMessageBoxHookForTests(previousHook_); }

    void WriteList(std::u16string_view text) { WriteWholeFile(folder.PathOf("lists4.txt"), textio_test::ListFileBytes(text)); }
    void Restore() {
        boxes.clear();
        RestoreWindows();
    }
    void ExpectOnlyBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].owner, owner);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].caption, caption);
        EXPECT_EQ(boxes[0].type, type);
    }

    TemporaryFolder folder;
    MainWindowSession session;

private:
    win32::MessageBoxHook previousHook_ = nullptr;
};

}  // namespace

TEST_F(RestoreCommand, AMissingListFileIsAWarningOnlyWhileReporting) {
    Restore();
    ExpectOnlyBox(session.window(), U8(u8"ファイルがありません"), kFileError, MB_ICONWARNING);

    session.SetCheck(control::kReportResults, false);
    Restore();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(session.Text(control::kListTitle), "before");
}

// Held open elsewhere without sharing, the file cannot be opened: the command says so and ends, whatever the
// reporting, and the program goes on (the slot table's fatal report is never reached).
TEST_F(RestoreCommand, AListFileThatCannotBeOpenedEndsTheCommandWithAFileError) {
    WriteList(u"title\r\n0\r\n");
    const HANDLE lock = CreateFileA(folder.PathOf("lists4.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const LocalFolderWindow open;
    session.SetCheck(control::kReportResults, false);

    Restore();
    CloseHandle(lock);

    ExpectOnlyBox(session.window(), U8(u8"ファイルを開けませんでした"), kFileError, MB_ICONWARNING);
    EXPECT_TRUE(IsWindow(session.window()));
    EXPECT_TRUE(IsWindow(open.get()));  // nothing was asked or closed
    EXPECT_EQ(session.Text(control::kListTitle), "before");
}

TEST_F(RestoreCommand, AnEmptyListWithNoFolderWindowOpenAsksNothingAndIsDone) {
    WriteList(u"my title\r\n0\r\n");
    Restore();
    ExpectOnlyBox(session.window(), kDone, kCommand, MB_OK);
    EXPECT_EQ(session.Text(control::kListTitle), "my title");
}

TEST_F(RestoreCommand, CancelAtTheQuestionLeavesEverythingAsItWas) {
    WriteList(u"my title\r\n0\r\n");
    const LocalFolderWindow open;
    answer = IDCANCEL;
    Restore();
    ExpectOnlyBox(nullptr, kQuestion, kQuestionCaption, kQuestionType);
    EXPECT_TRUE(IsWindow(open.get()));
    EXPECT_EQ(session.Text(control::kListTitle), "before");
}

TEST_F(RestoreCommand, YesClosesTheFolderWindowsAndNoKeepsThem) {
    WriteList(u"my title\r\n0\r\n");
    const LocalFolderWindow open;
    for (const int reply : {IDNO, IDYES}) {
        session.SetText(control::kListTitle, "before");
        answer = reply;
        Restore();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0].text, kQuestion);
        EXPECT_EQ(boxes[1].text, kDone);
        EXPECT_EQ(IsWindow(open.get()) != FALSE, reply == IDNO);
        EXPECT_EQ(session.Text(control::kListTitle), "my title");
    }
}

// The file promises three records and holds two complete ones and a broken third: the two are launched,
// neither folder exists, so neither is launched and both are reported, and nothing past the end is read.
TEST_F(RestoreCommand, OnlyCompleteRecordsAreLaunchedAndRefusedLaunchesAreReported) {
    WriteList(u"t\r\n3\r\n"
              u"C:\\pavorin-missing-folder-1\r\n10:20:810:620:0:1:\r\n37\r\n4:0\r\n"
              u"C:\\pavorin-missing-folder-2\r\n10:20:810:620:0:1:\r\n37\r\n4:1\r\n"
              u"C:\\pavorin-missing-folder-3\r\n10:20:810:620:0:1:\r\n");
    Restore();
    ExpectOnlyBox(session.window(), U8(u8"開けなかったウィンドウが2個ありました"), kCommand, MB_OK);
}
