#pragma once
// What the capture and restore scenarios share: the texts of the capture, the list file a capture should
// write (built from the windows the scenario opened, never from the program's output), and the message
// boxes a command should show, answered one by one.
#include <windows.h>

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

}  // namespace e2e
