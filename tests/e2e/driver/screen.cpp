#include "driver/screen.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "driver/text.h"
#include "driver/wait.h"
#include "win32/unique_handle.h"

namespace e2e {
namespace {

// 32 bits a pixel, rows from the top: the layout of Pixels.
BITMAPINFOHEADER HeaderOf(int width, int height) {
    return {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
}

Pixels CaptureScreenRect(const RECT& rect) {
    Pixels pixels{std::max(0, static_cast<int>(rect.right - rect.left)),
                  std::max(0, static_cast<int>(rect.bottom - rect.top)), {}};
    if (pixels.width == 0 || pixels.height == 0) return pixels;
    const BITMAPINFO info = {HeaderOf(pixels.width, pixels.height), {}};
    const std::unique_ptr<HDC__, decltype([](HDC dc) { ReleaseDC(nullptr, dc); })> screen{GetDC(nullptr)};
    const std::unique_ptr<HDC__, decltype(&DeleteDC)> memory(CreateCompatibleDC(screen.get()), DeleteDC);
    void* bits = nullptr;
    const win32::UniqueHandle<win32::GdiObjectTraits<HBITMAP>> bitmap(
        CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) throw DriverError("cannot make a bitmap to capture the screen");
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    const BOOL copied =
        BitBlt(memory.get(), 0, 0, pixels.width, pixels.height, screen.get(), rect.left, rect.top, SRCCOPY);
    SelectObject(memory.get(), old);
    if (!copied) throw DriverError("cannot read the screen back");
    const auto* source = static_cast<const uint32_t*>(bits);
    pixels.rgb.assign(source, source + static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height));
    for (uint32_t& pixel : pixels.rgb) pixel &= 0x00FFFFFF;
    return pixels;
}

}  // namespace

Pixels CaptureClientArea(const Window& window) {
    RECT rect = {};
    GetClientRect(window.handle(), &rect);
    MapWindowPoints(window.handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return CaptureScreenRect(rect);
}

Pixels CaptureScreen() {
    return CaptureScreenRect({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

void SaveBitmap(const Pixels& pixels, const std::wstring& path) {
    const BITMAPINFOHEADER header = HeaderOf(pixels.width, pixels.height);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    const BITMAPFILEHEADER file = {0x4D42 /* BM */, offset + static_cast<DWORD>(pixels.rgb.size() * 4), 0, 0, offset};
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(pixels.rgb.data()), static_cast<std::streamsize>(pixels.rgb.size() * 4));
    if (!out) throw DriverError("cannot write the screenshot " + Utf8(path));
}

int DarkestLevel(const Pixels& pixels) {
    int darkest = 255;
    for (const uint32_t pixel : pixels.rgb)
        darkest = std::min(darkest, static_cast<int>(std::max({pixel & 0xFF, (pixel >> 8) & 0xFF, pixel >> 16})));
    return darkest;
}

}  // namespace e2e
