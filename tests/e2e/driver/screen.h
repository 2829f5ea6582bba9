#pragma once
// What a window looks like on the display, read back as pixels: for the few things that only show in the
// drawing (the colour a text is drawn in), and for screenshots of a failing scenario.
#include <cstdint>
#include <string>
#include <vector>

#include "driver/window.h"

namespace e2e {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // 0x00RRGGBB, row by row from the top
};

// The window's client area as the screen shows it now (covered parts show what covers them).
Pixels CaptureClientArea(const Window& window);
// The whole screen.
Pixels CaptureScreen();

// Writes pixels as a 24-bit BMP file; raises DriverError when the file cannot be written.
void SaveBitmap(const Pixels& pixels, const std::wstring& path);

// The darkest pixel's brightness (the largest of its red, green and blue, 0 to 255): text on a light
// background is black when this is near 0 and grey when it is in the middle.
int DarkestLevel(const Pixels& pixels);

}  // namespace e2e
