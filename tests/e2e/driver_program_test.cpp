// The driver against a small program of its own (driver_test_program.cpp): message boxes read and
// answered, icons told apart, a crash seen as its exit code, a dialog found by its owner.
#include "driver/pavorin_driver.h"

namespace e2e {
namespace {

class DriverWithTestProgram : public ::testing::Test {
protected:
    Pavorin& Start(UINT boxType) {
        StartOptions options;
        options.exe = Wide(E2E_TEST_PROGRAM_PATH);
        if (options.exe[0] == L'/') options.exe = L"Z:" + options.exe;
        options.arguments = std::to_wstring(boxType);
        app_ = std::make_unique<Pavorin>(folder_.Path(), options);
        return *app_;
    }

private:
    TestFolder folder_;
    std::unique_ptr<Pavorin> app_;
};

TEST_F(DriverWithTestProgram, MessageBoxIsReadAndAnsweredWithItsButtons) {
    Pavorin& app = Start(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    app.Control(1).Click();
    const std::vector<MessageBoxWindow> boxes = app.MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    const MessageBoxWindow& box = boxes.front();
    EXPECT_EQ(box.Owner(), app.MainWindow());
    EXPECT_EQ(box.Caption(), "\u78BA\u8A8D");
    EXPECT_EQ(box.Text(), "\u4E00\u884C\u76EE\n2");
    EXPECT_EQ(box.ButtonIds(), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(box.DefaultButton(), IDNO);
    EXPECT_EQ(box.Icon(), BoxIcon::kWarning);
    box.Press(IDNO);
    app.Settle();
    EXPECT_TRUE(app.MessageBoxes().empty());
    EXPECT_EQ(app.Control(10).Text(), std::to_string(IDNO));
    EXPECT_EQ(app.CloseAndWaitForExit(), 0u);
}

class BoxIcons : public DriverWithTestProgram, public ::testing::WithParamInterface<std::pair<UINT, BoxIcon>> {};

TEST_P(BoxIcons, EachKindIsRecognised) {
    Pavorin& app = Start(MB_OK | GetParam().first);
    app.Control(1).Click();
    const MessageBoxWindow box = app.WaitForMessageBox();
    EXPECT_EQ(box.ButtonIds(), std::vector<int>{IDOK});
    EXPECT_EQ(box.Icon(), GetParam().second);
    box.Press(IDOK);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BoxIcons,
                         ::testing::Values(std::pair{0u, BoxIcon::kNone}, std::pair{UINT{MB_ICONERROR}, BoxIcon::kError},
                                           std::pair{UINT{MB_ICONQUESTION}, BoxIcon::kQuestion},
                                           std::pair{UINT{MB_ICONINFORMATION}, BoxIcon::kInformation}));

TEST_F(DriverWithTestProgram, CrashInAPostedMessageShowsAsAccessViolation) {
    Pavorin& app = Start(MB_OK);
    app.Control(2).PostClick();
    EXPECT_EQ(app.WaitForExit(), 0xC0000005u);
    EXPECT_NE(app.Describe().find("access violation"), std::string::npos) << app.Describe();
}

TEST_F(DriverWithTestProgram, DialogOwnedByTheMainWindowIsFoundByItsCaption) {
    Pavorin& app = Start(MB_OK);
    EXPECT_TRUE(app.Dialogs().empty());
    app.Control(3).Click();
    const Window dialog = app.WaitForDialog("dialog");
    EXPECT_EQ(dialog.Owner(), app.MainWindow());
    EXPECT_TRUE(app.Dialogs("another").empty());
    EXPECT_EQ(app.CloseAndWaitForExit(), 0u);
}

}  // namespace
}  // namespace e2e
