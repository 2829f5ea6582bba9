#include "driver/screen.h"

#include <algorithm>

#include "driver/text.h"
#include "driver/wait.h"
#include "win32/unique_handle.h"

namespace e2e {

namespace {

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC compatibleWith) : dc(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() { DeleteDC(dc); }
};

Pixels CaptureScreenRect(const RECT& rect) {
    Pixels pixels;
    pixels.width = std::max(0L, rect.right - rect.left);
    pixels.height = std::max(0L, rect.bottom - rect.top);
    if (pixels.width == 0 || pixels.height == 0) return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const ScreenDc screen;
    const MemoryDc memory(screen.dc);
    void* bits = nullptr;
    const win32::UniqueHandle<win32::GdiObjectTraits<HBITMAP>> bitmap(
        CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) throw DriverError("cannot make a bitmap to capture the screen");
    const HGDIOBJ old = SelectObject(memory.dc, bitmap.get());
    const BOOL copied = BitBlt(memory.dc, 0, 0, pixels.width, pixels.height, screen.dc, rect.left, rect.top, SRCCOPY);
    SelectObject(memory.dc, old);
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
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.rgb.size() * 4);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = pixels.width;
    header.biHeight = -pixels.height;  // top-down rows of 32 bits, as captured
    header.biPlanes = 1;
    header.biBitCount = 32;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(pixels.rgb.data()), pixels.rgb.size() * 4);
    const win32::UniqueFile out(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!out || !WriteFile(out.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw DriverError("cannot write the screenshot " + Utf8(path));
}

int DarkestLevel(const Pixels& pixels) {
    int darkest = 255;
    for (const uint32_t pixel : pixels.rgb) {
        const int level = std::max({static_cast<int>(pixel & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                                    static_cast<int>((pixel >> 16) & 0xFF)});
        darkest = std::min(darkest, level);
    }
    return darkest;
}

}  // namespace e2e
