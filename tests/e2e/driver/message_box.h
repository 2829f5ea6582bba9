#pragma once
// A message box the program shows (a top-level "#32770" window of its process), read and answered from the
// test. Under Wine a box shows its owner, caption, text, buttons (left to right), default button, and whether
// it carries an icon: MB_SYSTEMMODAL and the icon's kind leave no trace in the window itself.
#include "driver/wait.h"
#include "driver/window.h"

namespace e2e {

class MessageBoxWindow {
public:
    explicit MessageBoxWindow(Window box) : box_(box) {}

    std::string Caption() const { return box_.Text(); }
    std::string Text() const;
    std::vector<int> ButtonIds() const;  // IDOK, IDCANCEL, IDYES, IDNO... in the order shown
    int DefaultButton() const;  // the id of the BS_DEFPUSHBUTTON button, 0 when none
    bool HasIcon() const;
    void Press(int buttonId) const;  // posts BM_CLICK and waits until the box has gone
    std::string Describe() const;  // caption "...", text "...", buttons [1 "OK"], icon yes/no

private:
    std::vector<Window> VisibleButtons() const;
    Window Static(bool icon) const;  // the static control of the icon, or of the text
    Window box_;
};
void PrintTo(const MessageBoxWindow& box, std::ostream* out);

}  // namespace e2e
