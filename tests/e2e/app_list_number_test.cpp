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
TEST_F(ListNumber, TypingKeepsAtMostThreeCharacters) {
    EXPECT_EQ(NumberBox().Send(EM_GETLIMITTEXT), 3);
    NumberBox().TypeOver("11111");
    EXPECT_EQ(NumberBox().Text(), "111");
    NumberBox().TypeOver("1.");
    NumberBox().Type("..");
    EXPECT_EQ(NumberBox().Text(), "1..");
}

TEST_F(ListNumber, UpArrowLowersAndDownArrowRaisesTheNumber) {
    NumberBox().TypeOver("5");
    app().UpDown().StepUp();
    EXPECT_EQ(NumberBox().Text(), "4");
    app().UpDown().StepDown();
    app().UpDown().StepDown();
    EXPECT_EQ(NumberBox().Text(), "6");
}

TEST_F(ListNumber, ArrowsStartFromTheNumberTyped) {
    NumberBox().TypeOver("007");
    app().UpDown().StepDown();
    EXPECT_EQ(NumberBox().Text(), "8");
}

TEST_F(ListNumber, ArrowsStopAtZeroAndAtOneHundred) {
    app().UpDown().StepUp();
    EXPECT_EQ(NumberBox().Text(), "0");
    NumberBox().TypeOver("99");
    app().UpDown().StepDown();
    EXPECT_EQ(NumberBox().Text(), "100");
    app().UpDown().StepDown();
    EXPECT_EQ(NumberBox().Text(), "100");
}

TEST_F(ListNumber, UpDownSitsAtTheRightEdgeOfTheBoxItSteps) {
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
}

TEST_F(ListNumber, SteppingAndTypingLeaveNoFileBehind) {
    app().UpDown().StepDown();
    NumberBox().TypeOver("12");
    EXPECT_EQ(ClosePavorin(), 0u);
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{});
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
