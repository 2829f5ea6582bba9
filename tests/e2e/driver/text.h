#pragma once
// Text helpers of the driver: the driver speaks UTF-8 to the scenarios (their sources are UTF-8, and
// GoogleTest prints UTF-8 strings legibly) and UTF-16 to the windows.
#include <cstdint>
#include <string>
#include <string_view>

namespace e2e {

std::string Utf8(std::wstring_view wide);
std::wstring Wide(std::string_view utf8);
std::string Hex(uint32_t value);  // "0xC0000005"
std::string DescribeExitCode(uint32_t code);  // "0", "0xC0000005 (access violation)"
std::string DescribeProcess(uint32_t processId);  // "process 42", after its end "process 42, ended with 3"

}  // namespace e2e
