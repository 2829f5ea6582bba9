#pragma once
// What the scenarios against the stand-in shell share: the commands' texts, real folders to launch, the
// list file and settings a scenario starts from (built from what the scenario opened, never from the
// program's output), the message boxes a command must show, answered in order, and the desktop a
// scenario expects at the end, window by window.
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "control/standin_control.h"
#include "driver/pavorin_driver.h"

namespace e2e {

namespace capture_text {
inline constexpr char kCaptureCaption[] = "ウィンドウを取得";
inline constexpr char kDone[] = "完了しました";
inline constexpr char kLostHandle[] = "ハンドルを見失いました";
inline constexpr char kAlignCaption[] = "AlignWindowInOrder";
inline constexpr char kFileErrorCaption[] = "ファイルエラー";
inline constexpr char kFileLocked[] = "ファイルはロックされています\n保存できませんでした";
inline constexpr char kFileNotWritten[] = "ファイルに書き込めませんでした\n保存できませんでした";
inline constexpr char kOverwriteCaption[] = "ファイルの上書き確認";
inline constexpr char kOverwriteQuestion[] = "番号のファイルは既に存在します。\r\nファイルを上書きしますか？";
inline constexpr char kStoppedCaption[] = "中止";
inline constexpr char kStopped[] = "番号のファイルが既にあるので、処理を中止しました";
inline constexpr char kBrowserNotSupported[] = "Internet Explorerのウィンドウはサポートしていません。\n完了しました";
inline constexpr char kTaskbarUnreadable[] = "タスクバーの並び順を読み取れませんでした\nウィンドウリストの順に保存します";
}  // namespace capture_text

namespace restore_text {
inline constexpr char kCaption[] = "ウィンドウを反映";
inline constexpr char kFileErrorCaption[] = "ファイルエラー";
inline constexpr char kNoFile[] = "ファイルがありません";
inline constexpr char kUnreadable[] = "ファイルを開けませんでした";
inline constexpr char kQuestionCaption[] = "ウィンドウの確認";
inline constexpr char kQuestion[] = "現在のウィンドウを全て閉じますか？\r\n\r\n＊「はい」 ウィンドウの入れ替え\r\n＊「いいえ」 ウィンドウを追加する";
inline constexpr char kDone[] = "完了しました";
inline constexpr char kCountSuffix[] = "個ありました";
inline constexpr char kNotOpened[] = "開けなかったウィンドウが";
inline constexpr char kAlreadyOpen[] = "既に開いていたウィンドウが";
inline constexpr char kLost[] = "見失ったウィンドウが";
inline constexpr char kLostHint[] = "\nタイムアウト値を増やしてみてください。";
}  // namespace restore_text

// Normal rectangles the scenarios give their windows.
inline constexpr RECT kLeft{10, 20, 810, 620};
inline constexpr RECT kRight{200, 150, 1000, 700};
inline constexpr RECT kSmall{50, 60, 450, 460};
inline constexpr RECT kWide{300, 30, 1250, 500};

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
    int defaultButton = 0;          // checked when not 0
    std::vector<int> buttons = {};  // in the order shown; checked when not empty
};

// Answers the message boxes that must follow a click, in order, waits for the command to end (1000
// enabled again), and fails on any other box.
void AnswerBoxes(const Pavorin& app, const std::vector<ExpectedBox>& boxes);

// The options and main-window settings a restore runs with, written into Pavorin.ini before the start.
struct RestoreSettings {
    int showStateMode = 0;  // 0 as captured, 1 minimise all, 2 cancel minimising
    bool reportResults = true;
    int openMethod = 1;
    bool duplicatePathMode = false;
    bool applyPlacement = true;
    bool applyViewMode = true;
    bool unmaximize = false;
    unsigned timeoutMs = 2000;
};

// One window of the stand-in desktop as a scenario expects it at the end.
struct ExpectedWindow {
    std::wstring path;
    standin::WindowKind kind = standin::WindowKind::Folder;
    RECT normal{};
    int showCmd = SW_SHOWNORMAL;  // as GetWindowPlacement reports it
    bool restoresToMaximized = false;
    int viewMode = 1;
};

class RestoreScenario : public PavorinScenario {
protected:
    void SetUp() override;

    // A real folder inside the scenario's folder (the shell opens only folders that exist).
    std::wstring MakeFolder(std::string_view name) const;
    // A record for a folder window of this kind; the URL length is that of the folder's file URL.
    static ExpectedRecord Record(const std::wstring& path, standin::WindowKind kind, RECT normal,
                                 int showCmd = SW_SHOWNORMAL, int viewMode = 1, int flags = 0);
    // A window the shell opens itself before the restore.
    HWND OpenWindow(const ExpectedRecord& as, standin::CloseResponse close = standin::CloseResponse::Close);

    // Pavorin.ini (list number 1), and list 1 with these records beside it; Start... then starts the program.
    void WriteSettings(const RestoreSettings& settings = {});
    void StartWithSettings(const RestoreSettings& settings = {});
    void WriteList(const std::vector<ExpectedRecord>& records, const RestoreSettings& settings = {});
    void StartWithList(const std::vector<ExpectedRecord>& records, const RestoreSettings& settings = {});
    // Clicks "ウィンドウを反映" (or "ウィンドウを取得") and answers the boxes that must follow.
    void Restore(const std::vector<ExpectedBox>& boxes) { RunCommand(id::kRestoreButton, boxes); }
    void Capture(const std::vector<ExpectedBox>& boxes) { RunCommand(id::kCaptureButton, boxes); }
    void AnswerBoxes(const std::vector<ExpectedBox>& boxes) { e2e::AnswerBoxes(app(), boxes); }

    static ExpectedWindow AsRecorded(const ExpectedRecord& record);
    static ExpectedWindow AsSeen(const standin::WindowState& window);
    // Where the stand-in shell puts the n-th window of its desktop (0-based) when nobody places it.
    static RECT ShellPlace(int windowsBefore);
    // Every window of the shell, in the order they were opened, must be these.
    void ExpectDesktop(const std::vector<ExpectedWindow>& windows);
    // Waits until the shell shows this many windows (a late window of a slow shell).
    void WaitForWindowCount(size_t count);

    static ExpectedBox Question(int press) {
        return {restore_text::kQuestionCaption, restore_text::kQuestion, true, press, IDNO, {IDYES, IDNO, IDCANCEL}};
    }
    static ExpectedBox Done() { return {restore_text::kCaption, restore_text::kDone}; }
    static ExpectedBox Counted(const char* prefix, int count, std::string_view hint = {}) {
        return {restore_text::kCaption, prefix + std::to_string(count) + restore_text::kCountSuffix + std::string(hint)};
    }

    standin::Shell shell;

private:
    void RunCommand(int button, const std::vector<ExpectedBox>& boxes);
};

// The capture scenarios: windows the stand-in opens on made-up folder paths, and the list file and list
// text a capture should give for them.
class CaptureScenario : public RestoreScenario {
protected:
    HWND Open(const standin::WindowSpec& spec);
    HWND OpenFolder(standin::WindowKind kind, const std::wstring& path, int viewMode = 1);
    // The record of a window opened here: its path, rectangle and view mode as opened, its class from its
    // kind, the length of the location URL the shell shows for it.
    ExpectedRecord RecordOf(HWND window, int flags = 0, int showCmd = SW_SHOWNORMAL) const;

    // Starts the program with list number and title typed in.
    void StartWithList(std::string_view number, std::string_view title);
    void ExpectListFile(std::string_view number, std::string_view title, const std::vector<ExpectedRecord>& records);
    // The main window after a capture: caption, and edit 1003 holding the text of the list file.
    void ExpectShownList(std::string_view title, const std::vector<ExpectedRecord>& records);

    static ExpectedBox Done() { return {capture_text::kCaptureCaption, capture_text::kDone}; }

private:
    std::map<HWND, standin::WindowSpec> opened_;
};

}  // namespace e2e
