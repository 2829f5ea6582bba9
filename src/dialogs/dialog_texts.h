#pragma once
// The texts of the options and version dialogs, UTF-16 for the wide calls (the sources are UTF-8).
#include "resources/version.h"

namespace dialog_text {

// Options dialog
inline constexpr const wchar_t* kOptionsTitle = L"特殊オプション";
inline constexpr const wchar_t* kDuplicatePathMode = L"重複パス処理モード";
inline constexpr const wchar_t* kOpenMethodGroup = L"フォルダの開き方";
inline constexpr const wchar_t* kDuplicatePathNote = L"*推奨しません。　詳しくはReadMe.txtを参照";
inline constexpr const wchar_t* kOk = L"OK";
inline constexpr const wchar_t* kApplyGroup = L"反映する情報";
inline constexpr const wchar_t* kApplyPlacement = L"ウィンドウの位置とサイズ";
inline constexpr const wchar_t* kApplyViewMode = L"表示モード";
inline constexpr const wchar_t* kApplyCaption = L"フォルダを開いた後に適用";
inline constexpr const wchar_t* kDefaults = L"デフォルト";
inline constexpr const wchar_t* kOpenWithCapturedClass = L"取得時のクラスで開く";
inline constexpr const wchar_t* kOpenAsFolder = L"フォルダとして開く [CabinetWClass]";
inline constexpr const wchar_t* kOpenAsExplorer = L"エクスプローラ表示 [ExploreWClass]";
inline constexpr const wchar_t* kUnmaximize = L"最大化状態を解除";
inline constexpr const wchar_t* kTimeoutUnit = L"ms";

// Version dialog (its OK button shares kOk)
inline constexpr const wchar_t* kVersionTitle = L"( ﾟДﾟ)/　＜アジア　アジア　アジア　アジア";
inline constexpr const wchar_t* kVersionText = L"Pavorin Version " PAVORIN_VERSION;
inline constexpr const wchar_t* kReleaseDate = L"Released: 2007/03/21";
inline constexpr const wchar_t* kNextFace = L"絵柄変更";
inline constexpr const wchar_t* kRemoveFace = L"存在を消す";
inline constexpr const wchar_t* kCredit = L"Made for tidy desktops";

}  // namespace dialog_text
