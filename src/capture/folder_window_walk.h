#pragma once
// One walk over the shell's window list, keeping every window that shows a file-system folder.
#include <cstdint>
#include <vector>

#include "textio/window_record.h"

namespace capture {

struct FolderWindowWalk {
    bool listOpened = false;            // false: the shell's window list could not be created at all
    std::vector<WindowRecord> records;  // in the shell list's order
    int32_t skippedEntries = 0;         // absent entries, browser windows and windows without a path
    int32_t browserWindows = 0;         // entries that show no folder (a web page)
};

// Starts COM for the walk and stops it again; every shell object is released before it returns.
FolderWindowWalk WalkFolderWindows();

}  // namespace capture
