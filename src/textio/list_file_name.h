#pragma once
// The name of the list file of a list number, and the number the list-number box stands for.
#include <cstdint>
#include <string>
#include <string_view>

// "lists" + the text of the list-number box, unchanged, + ".txt".
std::u16string ListFileName(std::u16string_view listNumberText);
// The box text as a number, truncated toward zero and narrowed to 16 bits.
int16_t ListNumberFromText(std::string_view listNumberText);
