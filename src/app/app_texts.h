#pragma once
// The texts of the main window and its fonts, Shift-JIS at run time (the sources are UTF-8).

namespace app_text {

inline constexpr const char* kFontFace = "ＭＳ Ｐゴシック";

inline constexpr const char* kCaptureButtonText = "ウィンドウを取得";
inline constexpr const char* kRestoreButtonText = "ウィンドウを反映";
inline constexpr const char* kReportResultsText = "結果の報告";
inline constexpr const char* kSaveStateText = "状態の保存";
inline constexpr const char* kOptionsButtonText = "特殊オプション";
inline constexpr const char* kDuplicateCheckButtonText = "↓重複チェック";
inline constexpr const char* kDuplicateCheckOnCaptureText = "取得時に重複チェックを行う";

// Items of the two combo boxes; the item index is the stored value.
inline constexpr const char* kOverwriteModeItems[] = {"上書き確認", "常に上書き", "報告のみ"};
inline constexpr const char* kShowStateModeItems[] = {"取得した状態", "全て最小化", "最小化を解除"};

// The faces the face button can wear; the first is the one it starts with.
inline constexpr const char* kFaces[] = {
    "(´･ω･`)",
    "＃・Å・≪",
    "(@益@)",
    "(　ﾟ∀ﾟ)",
    "|・∀・|",
    "(´ζ_｀）",
    "(ζ_,`ﾒ)",
    "( ﾟдﾟ )",
    "(・Å・)л",
};

}  // namespace app_text
