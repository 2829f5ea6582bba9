// The options dialog's controls against the restore options, on a hidden window inside the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/control_ids.h"
#include "app/ui_resources.h"
#include "dialogs/options_dialog_fields.h"
#include "win32/unique_handle.h"

namespace {

class OptionsDialogFields : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog);
        CreateOptionsDialogControls(dialog.get());
    }
    void TearDown() override { SetOptions(saved); }

    void TypeTimeout(const char* text) const { SetDlgItemTextA(dialog.get(), control::kTimeout, text); }
    std::string TimeoutText() const {
        char text[32] = {};
        GetDlgItemTextA(dialog.get(), control::kTimeout, text, sizeof text);
        return text;
    }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog.get(), id) == BST_CHECKED; }
    void Check(int id, bool checked) const { CheckDlgButton(dialog.get(), id, checked ? BST_CHECKED : BST_UNCHECKED); }

    const RestoreOptions saved = Options();
    win32::UniqueWindow dialog{CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 460, 184, nullptr, nullptr,
                                               GetModuleHandleA(nullptr), nullptr)};
};

TEST_F(OptionsDialogFields, TimeoutTextIsReadAsTheBitPatternOfATruncatedSigned32BitNumber) {
    const struct {
        const char* text;
        uint32_t stored;
    } cases[] = {{" 750", 750}, {"&H1F4", 500}, {"12.9", 12},  {"1.9", 1},       {"abc", 0},
                 {"-5", 4294967291u}, {"", 0}, {"99999", 99999}, {"-9999", 4294957297u}, {"1e3", 1}};
    for (const auto& c : cases) {
        TypeTimeout(c.text);
        StoreOptionsFromDialog(dialog.get());
        EXPECT_EQ(Options().timeoutMs, c.stored) << '"' << c.text << '"';
    }
}

// The box takes five typed characters, but a longer value loaded from the settings file shows in full
// and is cut to its first five characters on OK.
TEST_F(OptionsDialogFields, OnlyTheFirstFiveCharactersOfTheTimeoutCount) {
    EXPECT_EQ(SendDlgItemMessageA(dialog.get(), control::kTimeout, EM_GETLIMITTEXT, 0, 0), 5);
    RestoreOptions options;
    options.timeoutMs = 123456;
    SetOptions(options);
    LoadOptionsIntoDialog(dialog.get());
    EXPECT_EQ(TimeoutText(), "123456");
    StoreOptionsFromDialog(dialog.get());
    EXPECT_EQ(Options().timeoutMs, 12345u);
}

TEST_F(OptionsDialogFields, NegativeEntryShowsAsItsUnsignedFormAtTheNextOpening) {
    TypeTimeout("-1");
    StoreOptionsFromDialog(dialog.get());
    EXPECT_EQ(Options().timeoutMs, 4294967295u);
    LoadOptionsIntoDialog(dialog.get());
    EXPECT_EQ(TimeoutText(), "4294967295");
}

TEST_F(OptionsDialogFields, LoadShowsEveryOption) {
    SetOptions({.openMethod = 2, .duplicatePathMode = 1, .applyPlacement = 0, .applyViewMode = -1, .unmaximize = 7,
                .timeoutMs = 250});
    LoadOptionsIntoDialog(dialog.get());
    EXPECT_FALSE(Checked(control::kOpenWithCapturedClass));
    EXPECT_TRUE(Checked(control::kOpenAsFolder));
    EXPECT_FALSE(Checked(control::kOpenAsExplorer));
    EXPECT_TRUE(Checked(control::kDuplicatePathMode));
    EXPECT_FALSE(Checked(control::kApplyPlacement));
    EXPECT_TRUE(Checked(control::kApplyViewMode));
    EXPECT_TRUE(Checked(control::kUnmaximize));
    EXPECT_EQ(TimeoutText(), "250");
}

TEST_F(OptionsDialogFields, EachRadioButtonStoresItsOpenMethod) {
    for (const auto& [method, id] : {std::pair{1, control::kOpenWithCapturedClass}, std::pair{2, control::kOpenAsFolder},
                                    std::pair{4, control::kOpenAsExplorer}}) {
        SetOptions({.openMethod = method});
        LoadOptionsIntoDialog(dialog.get());
        EXPECT_TRUE(Checked(id)) << method;
        EXPECT_EQ(StoreOptionsFromDialog(dialog.get()), method);
        EXPECT_EQ(Options().openMethod, method);
    }
}

TEST_F(OptionsDialogFields, OpenMethodOtherThanOneTwoOrFourChecksNoRadioButtonAndStoresZero) {
    SetOptions({.openMethod = 3});
    LoadOptionsIntoDialog(dialog.get());
    EXPECT_FALSE(Checked(control::kOpenWithCapturedClass) || Checked(control::kOpenAsFolder) ||
                 Checked(control::kOpenAsExplorer));
    EXPECT_EQ(StoreOptionsFromDialog(dialog.get()), 0);
    EXPECT_EQ(Options().openMethod, 0);
}

TEST_F(OptionsDialogFields, CheckBoxesAreStoredAsMinusOneOrZero) {
    Check(control::kDuplicatePathMode, true);
    Check(control::kApplyPlacement, false);
    Check(control::kApplyViewMode, true);
    Check(control::kUnmaximize, true);
    StoreOptionsFromDialog(dialog.get());
    EXPECT_EQ(Options().duplicatePathMode, -1);
    EXPECT_EQ(Options().applyPlacement, 0);
    EXPECT_EQ(Options().applyViewMode, -1);
    EXPECT_EQ(Options().unmaximize, -1);
}

TEST_F(OptionsDialogFields, DefaultsChangeOnlyTheControlsUntilStored) {
    const RestoreOptions chosen{.openMethod = 4, .duplicatePathMode = -1, .applyPlacement = 0, .applyViewMode = 0,
                                .unmaximize = -1, .timeoutMs = 9000};
    SetOptions(chosen);
    LoadOptionsIntoDialog(dialog.get());
    ResetOptionsToDefaults(dialog.get());
    EXPECT_EQ(Options(), chosen);
    EXPECT_EQ(TimeoutText(), "500");
    EXPECT_EQ(StoreOptionsFromDialog(dialog.get()), 1);
    EXPECT_EQ(Options(), (RestoreOptions{.openMethod = 1, .duplicatePathMode = 0, .applyPlacement = -1,
                                         .applyViewMode = -1, .unmaximize = 0, .timeoutMs = 500}));
}

}  // namespace
