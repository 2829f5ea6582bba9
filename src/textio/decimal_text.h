#pragma once
// Numbers in list files and listings: the program's decimal form, one ASCII character per UTF-16 unit.
#include <cstdint>
#include <string>

std::u16string DecimalText(int64_t value);
