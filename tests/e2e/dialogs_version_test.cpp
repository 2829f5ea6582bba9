// The version dialog as the user meets it: opened from the face button, modeless, its controls, the
// faces it puts on the face button, removing that button, and every way of closing it.
#include <functional>

#include "dialogs_steps.h"

namespace e2e {
namespace {

const DialogControlSpec kVersionControls[] = {
    {id::kVersionText, "Static", "Pavorin Version 1.00", {29, 13, 327, 22}, SS_CENTER},
    {id::kOk, "Button", "OK", {145, 117, 107, 35}, BS_DEFPUSHBUTTON},
    {id::kReleaseDate, "Static", "Released: 2007/03/21", {103, 80, 173, 19}, SS_LEFT},
    {id::kNextFace, "Button", "絵柄変更", {20, 117, 107, 35}, BS_DEFPUSHBUTTON},
    {id::kRemoveFace, "Button", "存在を消す", {270, 117, 107, 35}, BS_DEFPUSHBUTTON},
    {id::kCredit, "Static", nullptr, {72, 35, 248, 22}, SS_CENTER},
};

class VersionDialog : public RunningPavorin {
protected:
    Window Open() { return OpenVersionDialog(app()); }
    Window FaceButton() { return Control(id::kFaceButton); }
    void PressNextFace(const Window& dialog, int times) {
        for (int i = 0; i < times; ++i) dialog.Control(id::kNextFace).Click();
    }
};

TEST_F(VersionDialog, OpensCentredWithItsTitleAndSixControls) {
    SetWindowPos(app().MainWindow().handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const Window dialog = Open();
    ExpectDialogFrame(app(), dialog, 394, 185);
    EXPECT_EQ(dialog.Text(), kVersionTitle);
    ExpectDialogControls(dialog, kVersionControls);
    EXPECT_TRUE(app().MainWindow().IsEnabled()) << "modeless: the main window stays usable";
}

TEST_F(VersionDialog, FaceButtonIsDisabledUntilTheDialogClosesByOkCaptionButtonOrAltF4) {
    const std::pair<const char*, std::function<void(const Window&)>> closings[] = {
        {"OK", [&](const Window& dialog) { ClickClosing(app(), dialog.Control(id::kOk)); }},
        {"caption button", [&](const Window& dialog) { dialog.Post(WM_SYSCOMMAND, SC_CLOSE); app().Settle(); }},
        {"Alt+F4", [&](const Window& dialog) { PressAltF4(app(), dialog); }},
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

TEST_F(VersionDialog, NinePressesOfNextFaceBringTheFirstFaceBack) {
    const Window dialog = Open();
    for (size_t press = 1; press <= kFaces.size(); ++press) {
        PressNextFace(dialog, 1);
        EXPECT_EQ(FaceButton().Text(), kFaces[press % kFaces.size()]) << "press " << press;
    }
    EXPECT_EQ(app().Dialogs(kVersionTitle).size(), 1u) << "the dialog stays open";
}

TEST_F(VersionDialog, TheFaceSurvivesClosingAndReopening) {
    Window dialog = Open();
    PressNextFace(dialog, 2);
    ClickClosing(app(), dialog.Control(id::kOk));
    EXPECT_EQ(FaceButton().Text(), kFaces[2]);
    dialog = Open();
    PressNextFace(dialog, 1);
    EXPECT_EQ(FaceButton().Text(), kFaces[3]);
    ClickClosing(app(), dialog.Control(id::kOk));
}

struct ShownControl {
    int id;
    std::string text;
    Box place;
    bool enabled;
    friend bool operator==(const ShownControl&, const ShownControl&) = default;
};

void PrintTo(const ShownControl& control, std::ostream* out) {
    *out << control.id << " \"" << control.text << "\" " << ::testing::PrintToString(control.place)
         << (control.enabled ? "" : " disabled");
}

std::vector<ShownControl> ShownControls(const Window& window) {
    std::vector<ShownControl> shown;
    for (const Window& child : window.Children())
        shown.push_back({child.Id(), child.Text(), child.PlaceInParent(), child.IsEnabled()});
    return shown;
}

TEST_F(VersionDialog, RemovingTheFaceButtonClosesTheDialogAndChangesNothingElse) {
    std::vector<ShownControl> expected = ShownControls(app().MainWindow());
    std::erase_if(expected, [](const ShownControl& c) { return c.id == id::kFaceButton; });
    const std::string caption = app().MainWindow().Text();
    const Window dialog = Open();
    ClickClosing(app(), dialog.Control(id::kRemoveFace));
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
    ClickClosing(app(), version.Control(id::kOk));
    EXPECT_TRUE(app().Dialogs(kVersionTitle).empty());
    EXPECT_TRUE(FaceButton().IsEnabled());
    EXPECT_EQ(app().Dialogs(kOptionsTitle).size(), 1u) << "the options dialog is still open";
    ClickClosing(app(), options.Control(id::kOk));
    EXPECT_TRUE(app().MainWindow().IsEnabled());
}

}  // namespace
}  // namespace e2e
