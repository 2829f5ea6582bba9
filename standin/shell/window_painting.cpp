#include "shell/window_painting.h"

#include <string>

#include "shell/shell_window.h"

namespace standin {
namespace {

constexpr int kTreeWidth = 170;
constexpr int kMargin = 12;

const wchar_t* ViewModeName(int mode) {
    static const wchar_t* const names[] = {L"?",          L"icons",  L"small icons", L"list",
                                           L"details",    L"thumbnails", L"tiles", L"thumbstrip", L"content"};
    return mode >= 1 && mode <= 8 ? names[mode] : names[0];
}

const wchar_t* ShowStateName(HWND hwnd) {
    if (IsIconic(hwnd)) return L"minimized";
    if (IsZoomed(hwnd)) return L"maximized";
    return L"normal";
}

std::wstring BodyText(const ShellWindow& window) {
    std::wstring text = ClassNameOf(window.kind);
    text += L"\n\n";
    text += window.path.empty() ? window.url : window.path;
    if (window.HasFolderView()) {
        text += L"\n\nView mode " + std::to_wstring(window.viewMode) + L": " + ViewModeName(window.viewMode);
    }
    text += L"\nShown ";
    text += ShowStateName(window.hwnd);
    return text;
}

// The folder tree of an Explorer window: a pane on the left, one line per path element.
void PaintFolderTree(HDC dc, const ShellWindow& window, RECT& client) {
    RECT pane{client.left, client.top, client.left + kTreeWidth, client.bottom};
    HBRUSH brush = CreateSolidBrush(RGB(214, 226, 244));
    FillRect(dc, &pane, brush);
    DeleteObject(brush);
    std::wstring tree = L"Folders\n";
    std::wstring indent = L"  ";
    size_t start = 0;
    while (start < window.path.size()) {
        size_t end = window.path.find(L'\\', start);
        if (end == std::wstring::npos) end = window.path.size();
        if (end > start) {
            tree += indent + window.path.substr(start, end - start) + L"\n";
            indent += L"  ";
        }
        start = end + 1;
    }
    InflateRect(&pane, -6, -6);
    DrawTextW(dc, tree.c_str(), -1, &pane, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_END_ELLIPSIS);
    client.left += kTreeWidth;
}

}  // namespace

HBRUSH BackgroundBrushOf(wire::Kind kind) {
    switch (kind) {
        case wire::Kind::Folder: return CreateSolidBrush(RGB(255, 248, 214));
        case wire::Kind::Explorer: return CreateSolidBrush(RGB(236, 244, 255));
        case wire::Kind::Browser: return CreateSolidBrush(RGB(255, 255, 255));
        case wire::Kind::OtherApp: return CreateSolidBrush(RGB(228, 228, 228));
    }
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

void PaintShellWindow(const ShellWindow& window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window.hwnd, &paint);
    RECT client;
    GetClientRect(window.hwnd, &client);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    if (window.kind == wire::Kind::Explorer) PaintFolderTree(dc, window, client);
    InflateRect(&client, -kMargin, -kMargin);
    DrawTextW(dc, BodyText(window).c_str(), -1, &client, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, oldFont);
    EndPaint(window.hwnd, &paint);
}

}  // namespace standin
