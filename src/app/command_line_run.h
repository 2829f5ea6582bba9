#pragma once
// A run from the command line: the restore or capture it asks for, without the main window.
#include <optional>

// Reads the process's command line (UTF-16). Nothing there: nullopt, and the main window starts.
// Otherwise runs what it asks for, or shows how to use it, and gives the process's exit code.
std::optional<int> RunCommandLine();
