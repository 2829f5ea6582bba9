#pragma once
// ShellExecuteW on a thread of its own: the shell may take a while to start the folder's program and
// to see it settle, and the program's messages keep flowing meanwhile.
#include <windows.h>

#include <cstdint>
#include <string>

class MessagePump;

// The launch's result, taken as a signed number.
int64_t LaunchWhilePumping(const wchar_t* verb, const std::wstring& target, int showCommand, MessagePump& pump);
