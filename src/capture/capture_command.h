#pragma once
// The capture into a list file, as button 1000 runs it and as a run from the command line does.
#include <cstdint>
#include <optional>
#include <string>

struct CaptureRequest {
    std::wstring listNumberText;  // as the list-number box holds it
    int16_t overwriteMode = 0;   // combo 1006: 0 ask first, 1 overwrite, 2 keep the existing file
    // The list's title; none: the title of the list being replaced, else empty.
    std::optional<std::wstring> title;
    bool reportResults = true;  // check box 1007: the completion boxes
};

// True when the list file was written.
bool RunCapture(const CaptureRequest& request);

// Button 1000: the list and title of the main window, its overwrite mode and check box 1007.
void CaptureWindows();
