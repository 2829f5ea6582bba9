#pragma once
// What the capture scenarios share: the stand-in shell beside the program, the list file a capture
// should write (built from the windows the scenario opened, never from the program's output), and the
// message boxes a capture should show, answered one by one.
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "control/standin_control.h"
#include "driver/pavorin_driver.h"

namespace e2e {

// The capture's texts and captions (UTF-8).
namespace capture_text {
inline constexpr char kLostHandle[] = "ハンドルを見失いました";
inline constexpr char kAlignCaption[] = "AlignWindowInOrder";
inline constexpr char kFileLocked[] = "ファイルはロックされています\n保存できませんでした";
inline constexpr char kFileErrorCaption[] = "ファイルエラー";
inline constexpr char kOverwriteQuestion[] = "番号のファイルは既に存在します。\r\nファイルを上書きしますか？";
inline constexpr char kOverwriteCaption[] = "ファイルの上書き確認";
inline constexpr char kStopped[] = "番号のファイルが既にあるので、処理を中止しました";
inline constexpr char kStoppedCaption[] = "中止";
inline constexpr char kBrowserNotSupported[] = "Internet Explorerのウィンドウはサポートしていません。\n完了しました";
inline constexpr char kCaptureCaption[] = "ウィンドウを取得";
inline constexpr char kDone[] = "完了しました";
inline constexpr char kFileNotWritten[] = "ファイルに書き込めませんでした\n保存できませんでした";
inline constexpr char kTaskbarUnreadable[] = "タスクバーの並び順を読み取れませんでした\nウィンドウリストの順に保存します";
}  // namespace capture_text

// One folder window as a list file holds it.
struct ExpectedRecord {
    std::wstring path;
    RECT normal{};
    int flags = 0;
    int showCmd = SW_SHOWNORMAL;
    size_t urlLength = 0;
    int viewMode = 0;
    int classFlag = 0;
};

// The text of a list file (UTF-8, before it becomes UTF-16 with its byte order mark).
std::string ListFileText(std::string_view title, const std::vector<ExpectedRecord>& records);

// A window of the stand-in showing a file-system folder.
standin::WindowSpec FolderSpec(standin::WindowKind kind, const std::wstring& path, RECT normal = {100, 100, 740, 580},
                               int viewMode = 1);

struct ExpectedBox {
    std::string caption;
    std::string text;
    bool icon = false;
    int press = IDOK;
    int defaultButton = 0;     // checked when not 0
    std::vector<int> buttons = {};  // in the order shown; checked when not empty
};

// Answers the message boxes that must follow a click, in order, waits until the program has handled
// everything, and fails on any other box.
void AnswerBoxes(const Pavorin& app, const std::vector<ExpectedBox>& boxes);

class CaptureScenario : public PavorinScenario {
protected:
    void SetUp() override;

    // Opens a window of the stand-in shell and remembers how it was opened.
    HWND Open(const standin::WindowSpec& spec);
    HWND OpenFolder(standin::WindowKind kind, const std::wstring& path, int viewMode = 1);
    // What the list file should hold for a window opened here: its path, rectangle and view mode as
    // opened, its class from its kind, the length of the location URL the shell shows for it.
    ExpectedRecord RecordOf(HWND window, int flags = 0, int showCmd = SW_SHOWNORMAL) const;

    // Starts the program with list number and title typed in.
    void StartWithList(std::string_view number, std::string_view title);
    // Clicks "ウィンドウを取得" and answers the boxes that must follow, in order; no other box may show.
    void Capture(const std::vector<ExpectedBox>& boxes);
    void ExpectListFile(std::string_view number, std::string_view title, const std::vector<ExpectedRecord>& records);
    // The main window after a capture: caption, and edit 1003 holding the text of the list file.
    void ExpectShownList(std::string_view title, const std::vector<ExpectedRecord>& records);

    static ExpectedBox Done() { return {capture_text::kCaptureCaption, capture_text::kDone}; }

    standin::Shell shell;

private:
    std::map<HWND, standin::WindowSpec> opened_;
};

}  // namespace e2e
