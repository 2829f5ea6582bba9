#pragma once
// The six program-wide restore options. Written by the settings loader and the options dialog's OK;
// read by the restore command and the settings writer.
#include <cstdint>

struct RestoreOptions {
    int32_t openMethod = 1;         // 1 class as captured, 2 always "open", 4 always "explore"
    int32_t duplicatePathMode = 0;  // booleans: non-zero is on; the dialog writes -1 / 0
    int32_t applyPlacement = 1;
    int32_t applyViewMode = 1;
    int32_t unmaximize = 0;
    uint32_t timeoutMs = 500;

    bool operator==(const RestoreOptions&) const = default;
};
