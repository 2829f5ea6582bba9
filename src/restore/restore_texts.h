#pragma once
// The restore command's user-interface texts, in the execution character set of the including file:
// Shift-JIS in the program (its Win32 sources are compiled for code page 932), UTF-8 in the native tests.
#include <string_view>

#include "restore/restore_report.h"

namespace restore_text {

inline constexpr std::string_view kCommandCaption = "ウィンドウを反映";
inline constexpr std::string_view kFileErrorCaption = "ファイルエラー";
inline constexpr std::string_view kNoListFile = "ファイルがありません";
// The list file exists but could not be opened or read (locked, no access): the command ends here.
inline constexpr std::string_view kListFileUnreadable = "ファイルを開けませんでした";

inline constexpr std::string_view kReplaceQuestionCaption = "ウィンドウの確認";
inline constexpr std::string_view kReplaceQuestion = "現在のウィンドウを全て閉じますか？\r\n\r\n＊「はい」 ウィンドウの入れ替え\r\n＊「いいえ」 ウィンドウを追加する";

inline constexpr std::string_view kDone = "完了しました";
inline constexpr std::string_view kCountSuffix = "個ありました";
inline constexpr std::string_view kNotOpenedPrefix = "開けなかったウィンドウが";
inline constexpr std::string_view kAlreadyOpenPrefix = "既に開いていたウィンドウが";
inline constexpr std::string_view kLostPrefix = "見失ったウィンドウが";
inline constexpr std::string_view kLostHint = "\nタイムアウト値を増やしてみてください。";
inline constexpr std::string_view kWrongOpenPrefix = "正しく開けなかったウィンドウが";
inline constexpr std::string_view kWrongOpenHint = "\nウィンドウリストを確認してください";

inline constexpr ReportTexts kReportTexts = {kDone,       kCountSuffix, kNotOpenedPrefix, kAlreadyOpenPrefix,
                                             kLostPrefix, kLostHint,    kWrongOpenPrefix, kWrongOpenHint};

}  // namespace restore_text
