#pragma once
// The texts of the options and version dialogs, Shift-JIS at run time (the sources are UTF-8).
#include "resources/version.h"

namespace dialog_text {

// Options dialog
inline constexpr const char* kOptionsTitle = "特殊オプション";
inline constexpr const char* kDuplicatePathMode = "重複パス処理モード";
inline constexpr const char* kOpenMethodGroup = "フォルダの開き方";
inline constexpr const char* kDuplicatePathNote = "*推奨しません。　詳しくはReadMe.txtを参照";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kApplyGroup = "反映する情報";
inline constexpr const char* kApplyPlacement = "ウィンドウの位置とサイズ";
inline constexpr const char* kApplyViewMode = "表示モード";
inline constexpr const char* kApplyCaption = "フォルダを開いた後に適用";
inline constexpr const char* kDefaults = "デフォルト";
inline constexpr const char* kOpenWithCapturedClass = "取得時のクラスで開く";
inline constexpr const char* kOpenAsFolder = "フォルダとして開く [CabinetWClass]";
inline constexpr const char* kOpenAsExplorer = "エクスプローラ表示 [ExploreWClass]";
inline constexpr const char* kUnmaximize = "最大化状態を解除";
inline constexpr const char* kTimeoutUnit = "ms";

// Version dialog (its OK button shares kOk)
inline constexpr const char* kVersionTitle = "( ﾟДﾟ)/　＜アジア　アジア　アジア　アジア";
inline constexpr const char* kVersionText = "Pavorin Version " PAVORIN_VERSION;
inline constexpr const char* kReleaseDate = "Released: 2007/03/21";
inline constexpr const char* kNextFace = "絵柄変更";
inline constexpr const char* kRemoveFace = "存在を消す";
inline constexpr const char* kCredit = "Made for tidy desktops";

}  // namespace dialog_text
