// The list-number box and its up-down control, and the title box that takes focus without being disabled.
#include "app_steps.h"

#include <commctrl.h>

namespace e2e {
namespace {

class ListNumber : public RunningPavorin {
protected:
    Window NumberBox() { return Control(id::kListNumber); }
};

// Narrow characters: a box without room for a fourth wide digit would stop it even without the limit.
// The arrows start from the number typed, up lowers and down raises, and they stop at 0 and 100.
TEST_F(ListNumber, TypingKeepsThreeCharactersAndTheArrowsStepBetweenZeroAndOneHundred) {
    struct Step {
        const char* typed;
        bool up;
        const char* shown;
    };
    for (const Step& step : {Step{"", true, "0"}, Step{"5", true, "4"}, Step{"", false, "5"}, Step{"007", false, "8"},
                             Step{"99", false, "100"}, Step{"", false, "100"}}) {
        if (*step.typed) NumberBox().TypeOver(step.typed);
        app().UpDown().Step(step.up);
        EXPECT_EQ(NumberBox().Text(), step.shown) << "typed \"" << step.typed << "\", " << (step.up ? "up" : "down");
    }
    EXPECT_EQ(NumberBox().Send(EM_GETLIMITTEXT), 3);
    NumberBox().TypeOver("11111");
    EXPECT_EQ(NumberBox().Text(), "111");
    const Window upDown = app().UpDown();
    EXPECT_EQ(reinterpret_cast<HWND>(upDown.Send(UDM_GETBUDDY)), NumberBox().handle());
    EXPECT_EQ(upDown.Style(), 0x50000096u) << Hex(upDown.Style());
    const Box arrows = upDown.PlaceInParent();
    const Box box = NumberBox().PlaceInParent();
    EXPECT_EQ(arrows.y, 25);
    EXPECT_EQ(arrows.height, 38);
    EXPECT_LE(arrows.right(), 180 + 98) << "the box and its arrows share the box's original 98 pixels";
    EXPECT_GE(box.right(), arrows.x) << "no gap between the box and its arrows";
    EXPECT_LT(box.right(), arrows.right());
    EXPECT_EQ(ClosePavorin(), 0u);
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{}) << "stepping and typing leave no file behind";
}

// The title box is told it is enabled when it gets the focus and disabled when it loses it, so its text is
// drawn grey while another control has the focus; its window stays enabled, so a title can always be typed.
TEST_F(RunningPavorin, TitleBoxIsDrawnDisabledWithoutTheFocusYetStaysUsable) {
    const Window title = Control(id::kListTitle);
    const Window number = Control(id::kListNumber);
    const auto textLevel = [&] { return DarkestLevel(CaptureClientArea(title)); };
    title.ClickAt(5, 5);
    ASSERT_TRUE(title.HasFocus());
    title.Type("WWW");
    EXPECT_TRUE(WaitUntil([&] { return textLevel() < 0x40; })) << "black text while focused: " << textLevel();

    number.ClickAt(5, 5);
    ASSERT_TRUE(number.HasFocus());
    EXPECT_TRUE(title.IsEnabled());
    EXPECT_TRUE(WaitUntil([&] { return textLevel() >= 0x40 && textLevel() < 0xC0; }))
        << "grey text without the focus: " << textLevel();

    title.ClickAt(5, 5);
    title.PressKey(VK_END);
    title.Type("c");
    EXPECT_TRUE(WaitUntil([&] { return textLevel() < 0x40; })) << "black text again: " << textLevel();
    EXPECT_EQ(title.Text(), "WWWc");
    EXPECT_TRUE(title.IsEnabled());
}

}  // namespace
}  // namespace e2e
