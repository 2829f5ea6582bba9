#pragma once
// The stand-by folder of duplicate-path mode: "dummy" in the user's temporary folder. Every record is
// launched on it, so each launch opens a new window even when several records show one folder.
#include <string>

// Creates the folder when it is missing (and leaves it there); the long form of its path, empty when
// the folder cannot be made.
std::wstring PrepareDummyFolderW();

// True when path names an existing directory.
bool IsExistingDirectory(const wchar_t* path);
