#pragma once
// Process-wide state made once at start-up: the shared fonts and brush (released when the main window is
// destroyed), the settings path, the list-file field separator, the screen size, the face texts and the
// restore options. Each value is written here at start-up (or by the named writer) and only read elsewhere.
#include <windows.h>

#include <string>

#include "ui/restore_options.h"

void CreateUiResources();   // controlFont, dialogFont, titleFont, then backgroundBrush
void ReleaseUiResources();  // DeleteObject on controlFont, dialogFont, titleFont, backgroundBrush, in that order

HFONT ControlFont();
HFONT DialogFont();
HFONT TitleFont();
HBRUSH BackgroundBrush();

// A font of the face every window of the program uses ("ＭＳ Ｐゴシック"); the caller owns it.
HFONT CreateProgramFont(int height, int weight, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                        DWORD quality, DWORD pitchAndFamily);

// Absolute path of "Pavorin.ini" in the current directory, fixed at start-up; empty if it could not be made.
const std::wstring& SettingsPath();
void FixSettingsPath();
bool SettingsFileExists();

// The UTF-16 unit of ":" in the ANSI code page, the separator inside list-file lines.
char16_t FieldSeparator();
void MakeFieldSeparator();

SIZE ScreenSize();
void ReadScreenSize();

// The nine face texts for the face button, index 0..8; null outside that range.
constexpr int kFaceCount = 9;
const wchar_t* FaceText(int index);

// Restore options live for the whole run: the settings loader and the options dialog write them.
const RestoreOptions& Options();
void SetOptions(const RestoreOptions& options);
