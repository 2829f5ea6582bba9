#pragma once
// A message box the program shows (a top-level "#32770" window of its process), read and answered
// from the test. Under Wine a box shows: owner, caption, text, its buttons (id and text, left to right),
// the default button, and whether it carries an icon. MB_SYSTEMMODAL and the exact icon kind leave no
// trace in the window itself; the icon's kind is recognised by its pixels on the screen. Unit tests with the
// message-box hook check the flags exactly.
#include <ostream>
#include <string>
#include <vector>

#include "driver/wait.h"
#include "driver/window.h"

namespace e2e {

// The system icons a message box can carry (MB_ICONWARNING, MB_ICONERROR, MB_ICONQUESTION,
// MB_ICONINFORMATION), told apart by their pixels on the screen.
enum class BoxIcon { kNone, kWarning, kError, kQuestion, kInformation, kUnrecognised };
void PrintTo(BoxIcon icon, std::ostream* out);

class MessageBoxWindow {
public:
    explicit MessageBoxWindow(Window box) : box_(box) {}

    const Window& window() const { return box_; }
    Window Owner() const { return box_.Owner(); }
    std::string Caption() const { return box_.Text(); }
    std::string Text() const;
    std::vector<int> ButtonIds() const;  // IDOK, IDCANCEL, IDYES, IDNO... in the order shown
    std::vector<std::string> ButtonTexts() const;
    int DefaultButton() const;  // the id of the BS_DEFPUSHBUTTON button, 0 when none
    bool HasIcon() const;
    BoxIcon Icon() const;  // compares the drawn icon with the system's own; waits briefly for the drawing

    // Clicks the button (posted BM_CLICK) and waits until the box has gone.
    void Press(int buttonId) const;

    // caption "...", text "...", buttons [1 "OK"], icon yes/no
    std::string Describe() const;

private:
    std::vector<Window> VisibleButtons() const;
    Window IconStatic() const;
    Window box_;
};
void PrintTo(const MessageBoxWindow& box, std::ostream* out);

}  // namespace e2e
