#include "driver/message_box.h"

#include <algorithm>
#include <sstream>

#include "driver/bytes.h"
#include "driver/screen.h"
#include "driver/text.h"

namespace e2e {

namespace {

bool IsClass(const Window& window, const char* name) {
    return CompareStringOrdinal(Wide(window.ClassName()).c_str(), -1, Wide(name).c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool IsIconStatic(const Window& window) { return (window.Style() & SS_TYPEMASK) == SS_ICON; }

}  // namespace

std::string MessageBoxWindow::Text() const {
    for (const Window& child : box_.Children())
        if (IsClass(child, "Static") && !IsIconStatic(child)) return child.Text();
    return {};
}

std::vector<Window> MessageBoxWindow::VisibleButtons() const {
    std::vector<Window> buttons;
    for (const Window& child : box_.Children())
        if (IsClass(child, "Button") && child.IsVisible()) buttons.push_back(child);
    std::sort(buttons.begin(), buttons.end(),
              [](const Window& a, const Window& b) { return a.ScreenBox().x < b.ScreenBox().x; });
    return buttons;
}

std::vector<int> MessageBoxWindow::ButtonIds() const {
    std::vector<int> ids;
    for (const Window& button : VisibleButtons()) ids.push_back(button.Id());
    return ids;
}

std::vector<std::string> MessageBoxWindow::ButtonTexts() const {
    std::vector<std::string> texts;
    for (const Window& button : VisibleButtons()) texts.push_back(button.Text());
    return texts;
}

int MessageBoxWindow::DefaultButton() const {
    for (const Window& button : VisibleButtons())
        if ((button.Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return button.Id();
    return 0;
}

Window MessageBoxWindow::IconStatic() const {
    for (const Window& child : box_.Children())
        if (IsClass(child, "Static") && IsIconStatic(child)) return child;
    return {};
}

bool MessageBoxWindow::HasIcon() const {
    const Window icon = IconStatic();
    return icon && icon.Send(STM_GETICON) != 0;
}

namespace {

// The system icon drawn by this process the way a static control draws it, on the given background.
Pixels SystemIconPixels(LPCSTR iconName, int width, int height, uint32_t background) {
    Pixels pixels{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
    const HICON icon = LoadIconA(nullptr, iconName);  // shared: not to be destroyed
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const HBRUSH brush = CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
    const RECT all = {0, 0, width, height};
    FillRect(memory, &all, brush);
    DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF color = GetPixel(memory, x, y);
            pixels.rgb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        }
    SelectObject(memory, old);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

BoxIcon MessageBoxWindow::Icon() const {
    if (!HasIcon()) return BoxIcon::kNone;
    const Window icon = IconStatic();
    struct Known {
        BoxIcon kind;
        LPCSTR name;
    };
    const Known known[] = {{BoxIcon::kWarning, IDI_WARNING}, {BoxIcon::kError, IDI_ERROR},
                           {BoxIcon::kQuestion, IDI_QUESTION}, {BoxIcon::kInformation, IDI_INFORMATION}};
    BoxIcon found = BoxIcon::kUnrecognised;
    WaitUntil([&] {
        const Pixels shown = CaptureClientArea(icon);
        if (shown.rgb.empty()) return false;
        for (const Known& candidate : known)
            if (SystemIconPixels(candidate.name, shown.width, shown.height, shown.At(0, 0)).rgb == shown.rgb) {
                found = candidate.kind;
                return true;
            }
        return false;
    }, 2s);
    return found;
}

void PrintTo(BoxIcon icon, std::ostream* out) {
    static const char* const names[] = {"no icon", "warning", "error", "question", "information", "an unrecognised icon"};
    *out << names[static_cast<int>(icon)];
}

void MessageBoxWindow::Press(int buttonId) const {
    const Window button = box_.FindControl(buttonId);
    if (!button || !button.IsVisible())
        throw DriverError("no button " + std::to_string(buttonId) + " in the message box " + Describe());
    button.PostClick();
    WaitFor("the message box to close after pressing button " + std::to_string(buttonId),
            [&] { return !box_.Exists() || !box_.IsVisible(); });
}

std::string MessageBoxWindow::Describe() const {
    if (!box_.Exists()) return "(a message box that has closed)";
    std::string described = "caption \"" + Caption() + "\", text \"" + EscapeText(Text()) + "\", buttons [";
    const std::vector<int> ids = ButtonIds();
    const std::vector<std::string> texts = ButtonTexts();
    for (size_t i = 0; i < ids.size(); ++i)
        described += (i ? ", " : "") + std::to_string(ids[i]) + " \"" + texts[i] + "\"";
    std::ostringstream icon;
    PrintTo(Icon(), &icon);
    return described + "], " + icon.str();
}

void PrintTo(const MessageBoxWindow& box, std::ostream* out) { *out << box.Describe(); }

}  // namespace e2e
