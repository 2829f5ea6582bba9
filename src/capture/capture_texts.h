#pragma once
// The capture's message texts and captions, as the user sees them (UTF-8; the boxes show them wide).

namespace capture::text {

inline constexpr char kLostHandleText[] = "ハンドルを見失いました";
inline constexpr char kAlignCaption[] = "AlignWindowInOrder";
inline constexpr char kFileLockedText[] = "ファイルはロックされています\n保存できませんでした";
inline constexpr char kFileErrorCaption[] = "ファイルエラー";
inline constexpr char kOverwriteQuestionText[] = "番号のファイルは既に存在します。\r\nファイルを上書きしますか？";
inline constexpr char kOverwriteCaption[] = "ファイルの上書き確認";
inline constexpr char kStoppedText[] = "番号のファイルが既にあるので、処理を中止しました";
inline constexpr char kStoppedCaption[] = "中止";
inline constexpr char kBrowserNotSupportedText[] = "Internet Explorerのウィンドウはサポートしていません。\n完了しました";
inline constexpr char kCaptureCaption[] = "ウィンドウを取得";
inline constexpr char kDoneText[] = "完了しました";
// A list file that could not be created or written for another reason than a refused access (held
// open by another program, a full disk): told like the refused access, never as a success.
inline constexpr char kFileNotWrittenText[] = "ファイルに書き込めませんでした\n保存できませんでした";
// A shell whose window list cannot be had at all: a snapshot of it would hold no window, so none is
// saved over the list that may stand there.
inline constexpr char kShellListUnusableText[] = "ウィンドウの一覧を取得できませんでした\n保存できませんでした";
// No taskbar, or a toolbar taskbar that could not be read: the windows keep the shell list's order.
inline constexpr char kTaskbarUnreadableText[] = "タスクバーの並び順を読み取れませんでした\nウィンドウリストの順に保存します";

}  // namespace capture::text
