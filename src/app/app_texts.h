#pragma once
// The texts of the main window's controls, UTF-16 for the wide calls (the sources are UTF-8).

namespace app_text {

inline constexpr const wchar_t* kCaptureButtonText = L"ウィンドウを取得";
inline constexpr const wchar_t* kRestoreButtonText = L"ウィンドウを反映";
inline constexpr const wchar_t* kReportResultsText = L"結果の報告";
inline constexpr const wchar_t* kSaveStateText = L"状態の保存";
inline constexpr const wchar_t* kOptionsButtonText = L"特殊オプション";
inline constexpr const wchar_t* kDuplicateCheckButtonText = L"↓重複チェック";
inline constexpr const wchar_t* kDuplicateCheckOnCaptureText = L"取得時に重複チェックを行う";

// Items of the two combo boxes; the item index is the stored value.
inline constexpr const wchar_t* kOverwriteModeItems[] = {L"上書き確認", L"常に上書き", L"報告のみ"};
inline constexpr const wchar_t* kShowStateModeItems[] = {L"取得した状態", L"全て最小化", L"最小化を解除"};

}  // namespace app_text
