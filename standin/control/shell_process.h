#pragma once
// Starting and stopping the stand-in shell process, and where its files are.
#include <windows.h>

#include <string>

namespace standin {

// The folder holding the stand-in's programs and its COM server, as a Windows path.
std::wstring StandInBinDir();

// Ends any running shell (asked first, then ended by force), starts a new one and waits until it
// answers. Returns its process id, 0 on failure.
DWORD StartShellProcess();
// Ends the running shell, if any; waits for it to be gone.
void StopShellProcess();

}  // namespace standin
