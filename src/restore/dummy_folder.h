#pragma once
// The stand-by folder of duplicate-path mode: "dummy" in the user's temporary folder. Every record is
// launched on it, so each launch opens a new window even when several records show one folder.
#include <string>
#include <string_view>

// Creates the folder when it is missing (and leaves it there); the long form of its path, empty when
// the folder cannot be made.
std::wstring PrepareDummyFolderW();

// True when path (ANSI) names an existing directory.
bool IsExistingDirectory(const char* path);

// ANSI text of the system code page as UTF-16.
std::wstring AnsiToWide(std::string_view ansi);
