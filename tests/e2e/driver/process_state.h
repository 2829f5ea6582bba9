#pragma once
#include <windows.h>

#include <string>

namespace e2e {

// "process 42" while it runs, "process 42, ended with 0xC0000005 (access violation)" after.
std::string DescribeProcess(DWORD processId);

}  // namespace e2e
