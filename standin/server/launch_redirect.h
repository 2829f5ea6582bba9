#pragma once
// Wine answers every successful ShellExecuteW with 33, as Windows XP did for folders; Windows 7 and later
// answer 42. Once this server is loaded, the program's ShellExecuteW calls still go to shell32, but a
// success is answered with the number the shell process gives (see Faults::xpLaunchAnswer), and every
// call, whatever its target, is counted in the shared usage block.
namespace standin {

// Idempotent; covers the modules loaded so far.
void RedirectLaunchCalls();

}  // namespace standin
