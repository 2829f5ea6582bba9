#pragma once
// Control identifiers of the main window and the two dialogs.

namespace control {
// Main window
constexpr int kCaptureButton = 1000;
constexpr int kRestoreButton = 1001;
constexpr int kTaskbarListing = 1002;
constexpr int kListText = 1003;
constexpr int kListTitle = 1004;
constexpr int kListNumber = 1005;
constexpr int kOverwriteMode = 1006;
constexpr int kReportResults = 1007;
constexpr int kSaveState = 1008;
constexpr int kOptionsButton = 1009;
constexpr int kDuplicateCheckButton = 1010;
constexpr int kDuplicateCheckOnCapture = 1011;
constexpr int kFaceButton = 1012;
constexpr int kShowStateMode = 1013;
// Options dialog
constexpr int kDuplicatePathMode = 1014;
constexpr int kOpenMethodGroup = 1015;
constexpr int kDuplicatePathNote = 1016;
constexpr int kOk = 1017;
constexpr int kApplyGroup = 1018;
constexpr int kApplyPlacement = 1019;
constexpr int kApplyViewMode = 1020;
constexpr int kApplyCaption = 1021;
constexpr int kDefaults = 1022;
constexpr int kOpenWithCapturedClass = 1023;
constexpr int kOpenAsFolder = 1024;
constexpr int kOpenAsExplorer = 1025;
constexpr int kUnmaximize = 1026;
constexpr int kTimeout = 1027;
constexpr int kTimeoutUnit = 1028;
// Version dialog (shares kOk)
constexpr int kVersionText = 1029;
constexpr int kReleaseDate = 1030;
constexpr int kNextFace = 1031;
constexpr int kRemoveFace = 1032;
constexpr int kCredit = 1033;
}  // namespace control
