#pragma once
// What another process holds, for leak checks, read from outside through OpenProcess. Wine keeps no
// per-process handle count (GetProcessHandleCount) and answers GetGuiResources with nothing, so handles
// are counted in the system's handle table and USER objects as the windows the process owns. GDI
// objects cannot be read from outside under Wine at all: the stand-in shell's census reads them inside
// the program (standin::Shell::TakeProgramCensus).
#include <windows.h>

#include <cstddef>

namespace e2e {

// Open kernel handles of the process. Raises DriverError when the handle table cannot be read.
size_t KernelHandleCount(DWORD processId);

// USER objects of the process: GetGuiResources where it answers, else the windows it owns (top-level,
// children, message-only).
size_t UserObjectCount(DWORD processId);

// Private memory committed in the process (VirtualQueryEx over its address space).
size_t CommittedPrivateBytes(DWORD processId);

}  // namespace e2e
