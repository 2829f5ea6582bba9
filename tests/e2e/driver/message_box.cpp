#include "driver/message_box.h"

#include <algorithm>

namespace e2e {

Window MessageBoxWindow::Static(bool icon) const {
    for (const Window& child : box_.Children())
        if (HasClass(child.handle(), L"Static") && ((child.Style() & SS_TYPEMASK) == SS_ICON) == icon) return child;
    return {};
}

std::string MessageBoxWindow::Text() const {
    const Window text = Static(false);
    return text ? text.Text() : std::string();
}

bool MessageBoxWindow::HasIcon() const {
    const Window icon = Static(true);
    return icon && icon.Send(STM_GETICON) != 0;
}

std::vector<Window> MessageBoxWindow::VisibleButtons() const {
    std::vector<Window> buttons = box_.Children();
    std::erase_if(buttons, [](const Window& w) { return !HasClass(w.handle(), L"Button") || !w.IsVisible(); });
    std::sort(buttons.begin(), buttons.end(),
              [](const Window& a, const Window& b) { return a.ScreenBox().x < b.ScreenBox().x; });
    return buttons;
}

std::vector<int> MessageBoxWindow::ButtonIds() const {
    std::vector<int> ids;
    for (const Window& button : VisibleButtons()) ids.push_back(button.Id());
    return ids;
}

int MessageBoxWindow::DefaultButton() const {
    for (const Window& button : VisibleButtons())
        if ((button.Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return button.Id();
    return 0;
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
    std::string described = "caption \"" + Caption() + "\", text \"" + Text() + "\", buttons [";
    for (const Window& button : VisibleButtons())
        described += std::to_string(button.Id()) + " \"" + button.Text() + "\" ";
    return described + "], icon " + (HasIcon() ? "yes" : "no");
}

void PrintTo(const MessageBoxWindow& box, std::ostream* out) { *out << box.Describe(); }

}  // namespace e2e
