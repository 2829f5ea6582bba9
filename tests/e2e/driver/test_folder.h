#pragma once
// A fresh, empty folder per scenario under the temporary folder, used as the program's current directory.
// Files are written and read as exact bytes. The folder and its files are removed afterwards unless
// Keep() was called (the fixture keeps the folder of a failed scenario and names it).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win32/unique_handle.h"

namespace e2e {

// A file held open without sharing, as another program might hold it; released on destruction.
using FileLock = win32::UniqueFile;

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring PathOf(std::string_view name) const;

    void Write(std::string_view name, std::string_view bytes) const;
    std::optional<std::string> Read(std::string_view name) const;  // nullopt when the file is missing
    bool Exists(std::string_view name) const;
    std::vector<std::string> FileNames() const;  // sorted
    FileLock HoldOpenExclusively(std::string_view name) const;  // creates the file when missing
    void Keep() { keep_ = true; }

private:
    std::wstring path_;
    bool keep_ = false;
};

}  // namespace e2e
