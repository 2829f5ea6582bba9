#pragma once
// Writing a file whole or not at all: the bytes go into a new file beside it, which takes the old file's
// place only once every byte is on disk. A write that fails part way (a full disk, a network folder that
// drops) leaves the old file as it was and removes the new one.
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

// 1 written; -5 access denied (to the old file or the folder); -1 any other failure, an old file held
// open elsewhere included.
int WriteWholeFile(std::wstring_view path, std::initializer_list<std::span<const std::byte>> parts);
