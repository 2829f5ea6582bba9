#pragma once
// Byte-exact comparison of files with a failure message a person can read: both sides escaped (\xNN)
// around the first differing offset.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "driver/test_folder.h"

namespace e2e {

::testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected);

// EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", "-1\t0 0 0 -1 0 1 0 1 1 0 500"));
// Fails, naming the file, when it is missing or differs in any byte.
::testing::AssertionResult FileHolds(const TestFolder& folder, std::string_view name, std::string_view expected);

// The bytes of a UTF-16 little-endian file with byte order mark, from UTF-8 text (list files).
std::string Utf16File(std::string_view utf8);

}  // namespace e2e
