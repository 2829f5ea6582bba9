#pragma once
// The control ids the user's windows carry, as the scenarios refer to them. Kept apart from the
// program's own header on purpose: a wrong id in the program must make a scenario fail.

namespace e2e::id {

// Main window (class NORMAL0)
inline constexpr int kCaptureButton = 1000;
inline constexpr int kRestoreButton = 1001;
inline constexpr int kTaskbarListing = 1002;
inline constexpr int kListText = 1003;
inline constexpr int kListTitle = 1004;
inline constexpr int kListNumber = 1005;
inline constexpr int kOverwriteMode = 1006;
inline constexpr int kReportResults = 1007;
inline constexpr int kSaveState = 1008;
inline constexpr int kOptionsButton = 1009;
inline constexpr int kDuplicateCheckButton = 1010;
inline constexpr int kDuplicateCheckOnCapture = 1011;
inline constexpr int kFaceButton = 1012;
inline constexpr int kShowStateMode = 1013;

// Options dialog (class NORMALDLG)
inline constexpr int kDuplicatePathMode = 1014;
inline constexpr int kOk = 1017;  // also the version dialog's OK
inline constexpr int kApplyPlacement = 1019;
inline constexpr int kApplyViewMode = 1020;
inline constexpr int kDefaults = 1022;
inline constexpr int kOpenWithCapturedClass = 1023;
inline constexpr int kOpenAsFolder = 1024;
inline constexpr int kOpenAsExplorer = 1025;
inline constexpr int kUnmaximize = 1026;
inline constexpr int kTimeout = 1027;

// Version dialog (class NORMALDLG)
inline constexpr int kVersionText = 1029;
inline constexpr int kReleaseDate = 1030;
inline constexpr int kNextFace = 1031;
inline constexpr int kRemoveFace = 1032;

}  // namespace e2e::id
