// The version dialog: opened from the face button, modeless, the faces it puts on that button, every way of
// closing it, and removing the button.
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "dialogs_steps.h"

namespace e2e {
namespace {

// The face button's faces, in the order "絵柄変更" steps through them.
const std::vector<std::string> kFaces = {
    "(´･ω･`)", "＃・Å・≪", "(@益@)", "(　ﾟ∀ﾟ)", "|・∀・|", "(´ζ_｀）", "(ζ_,`ﾒ)", "( ﾟдﾟ )", "(・Å・)л",
};

class VersionDialog : public RunningPavorin {
protected:
    Window Open() { return OpenVersionDialog(app()); }
    Window FaceButton() { return Control(id::kFaceButton); }
};

// Nine presses of "絵柄変更" bring the first face back; the face button stays disabled while the dialog is
// open and the face survives every way of closing it. The options dialog's nested loop serves every window
// of the program, so the version dialog keeps working under it.
TEST_F(VersionDialog, OpensCentredChangesTheFaceClosesEveryWayAndRemovesTheFaceButtonAlone) {
    // Every control of the main window but the face button, as shown: id, text, place, enabled.
    const auto shownControls = [&] {
        std::vector<std::tuple<int, std::string, Box, bool>> shown;
        for (const Window& child : app().MainWindow().Children())
            if (child.Id() != id::kFaceButton) shown.emplace_back(child.Id(), child.Text(), child.PlaceInParent(), child.IsEnabled());
        return shown;
    };
    const auto controls = shownControls();
    const std::string caption = app().MainWindow().Text();
    SetWindowPos(app().MainWindow().handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Window dialog = Open();
    ExpectDialogFrame(app(), dialog, 394, 185);
    EXPECT_EQ(dialog.Text(), kVersionTitle);
    EXPECT_EQ(dialog.Control(id::kVersionText).Text(), "Pavorin Version 1.00");
    EXPECT_EQ(dialog.Control(id::kReleaseDate).Text(), "Released: 2007/03/21");
    EXPECT_TRUE(app().MainWindow().IsEnabled()) << "modeless: the main window stays usable";
    size_t presses = 0;
    const auto pressNextFace = [&] {
        dialog.Control(id::kNextFace).Click();
        ++presses;
        EXPECT_EQ(FaceButton().Text(), kFaces[presses % kFaces.size()]) << "press " << presses;
    };
    while (presses < kFaces.size() + 2) pressNextFace();
    const std::pair<const char*, std::function<void()>> closings[] = {
        {"OK", [&] { dialog.Control(id::kOk).Click(); }},
        {"caption button", [&] { dialog.Post(WM_SYSCOMMAND, SC_CLOSE); app().Settle(); }},
        {"Alt+F4", [&] {
             const LPARAM keyData = 1 | (LPARAM{1} << 29) | static_cast<LPARAM>(MapVirtualKeyW(VK_F4, MAPVK_VK_TO_VSC)) << 16;
             dialog.Post(WM_SYSKEYDOWN, VK_F4, keyData);
             dialog.Post(WM_SYSKEYUP, VK_F4, keyData | (LPARAM{3} << 30));
             app().Settle();
         }},
    };
    for (const auto& [way, close] : closings) {
        SCOPED_TRACE(way);
        EXPECT_FALSE(FaceButton().IsEnabled());
        close();
        EXPECT_TRUE(app().Dialogs().empty());
        EXPECT_TRUE(FaceButton().IsEnabled());
        EXPECT_EQ(FaceButton().Text(), kFaces[presses % kFaces.size()]) << "the face survives closing";
        dialog = Open();
        pressNextFace();
    }

    const Window options = OpenOptionsDialog(app());
    EXPECT_FALSE(app().MainWindow().IsEnabled());
    pressNextFace();
    dialog.Control(id::kOk).Click();
    EXPECT_TRUE(app().Dialogs(kVersionTitle).empty());
    EXPECT_TRUE(FaceButton().IsEnabled());
    EXPECT_EQ(app().Dialogs(kOptionsTitle).size(), 1u) << "the options dialog is still open";
    options.Control(id::kOk).Click();
    EXPECT_TRUE(app().MainWindow().IsEnabled());

    Open().Control(id::kRemoveFace).Click();
    EXPECT_TRUE(app().Dialogs().empty());
    EXPECT_FALSE(app().MainWindow().FindControl(id::kFaceButton));
    EXPECT_EQ(shownControls(), controls);
    EXPECT_EQ(app().MainWindow().Text(), caption);
}

}  // namespace
}  // namespace e2e
