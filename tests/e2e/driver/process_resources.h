#pragma once
// What another process holds, for leak checks, read from outside through OpenProcess. Wine keeps no
// per-process handle count (GetProcessHandleCount) and answers GetGuiResources with nothing, so handles
// are counted in the system's handle table and USER objects as the windows the process owns. GDI
// objects cannot be read from outside under Wine at all: the stand-in shell's census reads them inside
// the program (standin::Shell::TakeProgramCensus).
#include <windows.h>

#include <cstddef>

namespace e2e {

size_t KernelHandleCount(DWORD processId);  // raises DriverError when the handle table cannot be read
size_t UserObjectCount(DWORD processId);  // GetGuiResources where it answers, else the windows it owns
size_t CommittedPrivateBytes(DWORD processId);  // private memory committed in its address space

}  // namespace e2e
