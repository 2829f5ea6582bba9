#pragma once
// What the restore scenarios share: the stand-in shell beside the program, real folders to launch, the
// list file and settings a scenario restores from, the message boxes it answers in order, and the final
// desktop it expects, window by window.
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "capture_steps.h"
#include "control/standin_control.h"
#include "driver/pavorin_driver.h"

namespace e2e {

// The restore's texts and captions (UTF-8).
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

// One window of the stand-in desktop as a scenario expects it after the restore.
struct ExpectedWindow {
    std::wstring path;
    standin::WindowKind kind = standin::WindowKind::Folder;
    RECT normal{};
    int showCmd = SW_SHOWNORMAL;  // as GetWindowPlacement reports it: 1 normal, 2 minimised, 3 maximised
    bool restoresToMaximized = false;
    int viewMode = 1;
};

class RestoreScenario : public PavorinScenario {
protected:
    void SetUp() override;

    // A real folder inside the scenario's folder (the shell opens only folders that exist).
    std::wstring MakeFolder(std::string_view name) const;
    // A record of a list file for a folder window of this kind, placement and view mode; the URL length
    // is that of the folder's file URL.
    static ExpectedRecord Record(const std::wstring& path, standin::WindowKind kind, RECT normal,
                                 int showCmd = SW_SHOWNORMAL, int viewMode = 1, int flags = 0);
    // A window the shell opens itself before the restore.
    HWND OpenWindow(const ExpectedRecord& as, standin::CloseResponse close = standin::CloseResponse::Close);

    // Writes the settings (list number 1), and starts the program on them.
    void WriteSettings(const RestoreSettings& settings = {});
    void StartWithSettings(const RestoreSettings& settings = {});
    // Writes list 1 with these records and the settings, and starts the program on them.
    void WriteList(const std::vector<ExpectedRecord>& records, const RestoreSettings& settings = {});
    void StartWithList(const std::vector<ExpectedRecord>& records, const RestoreSettings& settings = {});
    // Clicks "ウィンドウを反映" (or "ウィンドウを取得"), answers the boxes that must follow, in order, and
    // waits for the command to end (1000 enabled again); no other box may show.
    void Restore(const std::vector<ExpectedBox>& boxes) { RunCommand(id::kRestoreButton, boxes); }
    void Capture(const std::vector<ExpectedBox>& boxes) { RunCommand(id::kCaptureButton, boxes); }
    // The second half of those: the boxes of a command clicked already, and its end.
    void AnswerBoxes(const std::vector<ExpectedBox>& boxes);

    // The window the record describes, restored exactly as recorded.
    static ExpectedWindow AsRecorded(const ExpectedRecord& record);
    // A window as the shell shows it now.
    static ExpectedWindow AsSeen(const standin::WindowState& window);
    // Where the stand-in shell puts a launched window when nobody places it: the n-th window of its
    // desktop (0-based, counting the windows that stood before it) cascades from the top left.
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
    // Opens a window of the stand-in shell and remembers how it was opened.
    HWND Open(const standin::WindowSpec& spec);
    HWND OpenFolder(standin::WindowKind kind, const std::wstring& path, int viewMode = 1);
    // What the list file should hold for a window opened here: its path, rectangle and view mode as
    // opened, its class from its kind, the length of the location URL the shell shows for it.
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
