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

Pixels CaptureClientArea(const Window& window);  // as the screen shows it now, with whatever covers it
Pixels CaptureScreen();
void SaveBitmap(const Pixels& pixels, const std::wstring& path);  // a BMP file; DriverError when it fails

// The darkest pixel's brightness (the largest of its red, green and blue, 0 to 255): text on a light
// background is black when this is near 0 and grey when it is in the middle.
int DarkestLevel(const Pixels& pixels);

}  // namespace e2e
