#pragma once
// Process-wide user-interface resources made once at start-up and released when the main window is destroyed.
#include <windows.h>

#include <string>

#include "app/restore_options.h"

void CreateUiResources();   // fonts, brush (in that order)
void ReleaseUiResources();  // DeleteObject on controlFont, dialogFont, titleFont, backgroundBrush, in that order

HFONT ControlFont();
HFONT DialogFont();
HFONT TitleFont();
HBRUSH BackgroundBrush();

// Absolute path of "Pavorin.ini" in the current directory, fixed at start-up.
const std::string& SettingsPath();
void FixSettingsPath();

// The UTF-16 unit of ":" in the ANSI code page, the separator inside list-file lines.
char16_t FieldSeparator();
void MakeFieldSeparator();

SIZE ScreenSize();
void ReadScreenSize();

// The nine face texts (ANSI) for the face button; index 0..8.
const char* FaceText(int index);
constexpr int kFaceCount = 9;

// Restore options live for the whole run: the loader and the options dialog write them.
const RestoreOptions& Options();
void SetOptions(const RestoreOptions& options);
