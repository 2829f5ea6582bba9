// The version dialog as the user meets it: opened from the face button, modeless, its controls, the
// faces it puts on the face button, removing that button, and every way of closing it.
#include <functional>
#include <tuple>

#include "dialogs_steps.h"

namespace e2e {
namespace {

class VersionDialog : public RunningPavorin {
protected:
    Window Open() { return OpenVersionDialog(app()); }
    Window FaceButton() { return Control(id::kFaceButton); }
    void PressNextFace(const Window& dialog, int times) {
        for (int i = 0; i < times; ++i) dialog.Control(id::kNextFace).Click();
    }
};

TEST_F(VersionDialog, OpensCentredWithItsTitleAndVersion) {
    SetWindowPos(app().MainWindow().handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const Window dialog = Open();
    ExpectDialogFrame(app(), dialog, 394, 185);
    EXPECT_EQ(dialog.Text(), kVersionTitle);
    EXPECT_EQ(dialog.Control(id::kVersionText).Text(), "Pavorin Version 1.00");
    EXPECT_EQ(dialog.Control(id::kReleaseDate).Text(), "Released: 2007/03/21");
    EXPECT_TRUE(app().MainWindow().IsEnabled()) << "modeless: the main window stays usable";
}

TEST_F(VersionDialog, FaceButtonIsDisabledUntilTheDialogClosesByOkCaptionButtonOrAltF4) {
    const std::pair<const char*, std::function<void(const Window&)>> closings[] = {
        {"OK", [&](const Window& dialog) { dialog.Control(id::kOk).Click(); }},
        {"caption button", [&](const Window& dialog) { dialog.Post(WM_SYSCOMMAND, SC_CLOSE); app().Settle(); }},
        {"Alt+F4", [&](const Window& dialog) {
             const LPARAM keyData = 1 | (LPARAM{1} << 29) | static_cast<LPARAM>(MapVirtualKeyW(VK_F4, MAPVK_VK_TO_VSC)) << 16;
             dialog.Post(WM_SYSKEYDOWN, VK_F4, keyData);
             dialog.Post(WM_SYSKEYUP, VK_F4, keyData | (LPARAM{3} << 30));
             app().Settle();
         }},
    };
    for (const auto& [way, close] : closings) {
        SCOPED_TRACE(way);
        const Window dialog = Open();
        EXPECT_FALSE(FaceButton().IsEnabled());
        close(dialog);
        EXPECT_TRUE(app().Dialogs().empty());
        EXPECT_TRUE(FaceButton().IsEnabled());
    }
}

TEST_F(VersionDialog, NinePressesOfNextFaceBringTheFirstFaceBackAndTheFaceSurvivesReopening) {
    Window dialog = Open();
    for (size_t press = 1; press <= kFaces.size() + 2; ++press) {
        PressNextFace(dialog, 1);
        EXPECT_EQ(FaceButton().Text(), kFaces[press % kFaces.size()]) << "press " << press;
    }
    dialog.Control(id::kOk).Click();
    EXPECT_EQ(FaceButton().Text(), kFaces[2]);
    dialog = Open();
    PressNextFace(dialog, 1);
    EXPECT_EQ(FaceButton().Text(), kFaces[3]);
    dialog.Control(id::kOk).Click();
}

// Every control of the main window but the face button, as shown: id, text, place, enabled.
std::vector<std::tuple<int, std::string, Box, bool>> ShownControls(const Window& window) {
    std::vector<std::tuple<int, std::string, Box, bool>> shown;
    for (const Window& child : window.Children())
        if (child.Id() != id::kFaceButton) shown.emplace_back(child.Id(), child.Text(), child.PlaceInParent(), child.IsEnabled());
    return shown;
}

TEST_F(VersionDialog, RemovingTheFaceButtonClosesTheDialogAndChangesNothingElse) {
    const auto expected = ShownControls(app().MainWindow());
    const std::string caption = app().MainWindow().Text();
    const Window dialog = Open();
    dialog.Control(id::kRemoveFace).Click();
    EXPECT_TRUE(app().Dialogs().empty());
    EXPECT_FALSE(app().MainWindow().FindControl(id::kFaceButton));
    EXPECT_EQ(ShownControls(app().MainWindow()), expected);
    EXPECT_EQ(app().MainWindow().Text(), caption);
}

// The options dialog's nested loop serves every window of the program, so the version dialog keeps working.
TEST_F(VersionDialog, StaysUsableWhileTheOptionsDialogIsOpen) {
    const Window version = Open();
    const Window options = OpenOptionsDialog(app());
    EXPECT_FALSE(app().MainWindow().IsEnabled());
    PressNextFace(version, 1);
    EXPECT_EQ(FaceButton().Text(), kFaces[1]);
    version.Control(id::kOk).Click();
    EXPECT_TRUE(app().Dialogs(kVersionTitle).empty());
    EXPECT_TRUE(FaceButton().IsEnabled());
    EXPECT_EQ(app().Dialogs(kOptionsTitle).size(), 1u) << "the options dialog is still open";
    options.Control(id::kOk).Click();
    EXPECT_TRUE(app().MainWindow().IsEnabled());
}

}  // namespace
}  // namespace e2e
