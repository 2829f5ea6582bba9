#include "restore_steps.h"

#include <algorithm>

namespace e2e {

using namespace std::chrono_literals;
namespace {

std::string Number(long long value) { return std::to_string(value); }

}  // namespace

std::string ListFileText(std::string_view title, const std::vector<ExpectedRecord>& records) {
    std::string text = std::string(title) + "\r\n" + Number(static_cast<long long>(records.size())) + "\r\n";
    for (const ExpectedRecord& record : records) {
        const RECT& box = record.normal;
        text += Utf8(record.path) + "\r\n";
        for (long long value : {static_cast<long long>(box.left), static_cast<long long>(box.top),
                                static_cast<long long>(box.right), static_cast<long long>(box.bottom),
                                static_cast<long long>(record.flags), static_cast<long long>(record.showCmd)}) {
            text += Number(value) + ":";
        }
        text += "\r\n" + Number(static_cast<long long>(record.urlLength)) + "\r\n";
        text += Number(record.viewMode) + ":" + Number(record.classFlag) + "\r\n";
    }
    return text;
}

standin::WindowSpec FolderSpec(standin::WindowKind kind, const std::wstring& path, RECT normal, int viewMode) {
    standin::WindowSpec spec;
    spec.kind = kind;
    spec.path = path;
    spec.normal = normal;
    spec.viewMode = viewMode;
    return spec;
}

HWND CaptureScenario::Open(const standin::WindowSpec& spec) {
    const HWND window = shell.Open(spec);
    EXPECT_NE(window, nullptr) << "the stand-in shell did not open " << Utf8(spec.path);
    opened_[window] = spec;
    return window;
}

HWND CaptureScenario::OpenFolder(standin::WindowKind kind, const std::wstring& path, int viewMode) {
    return Open(FolderSpec(kind, path, standin::WindowSpec{}.normal, viewMode));
}

ExpectedRecord CaptureScenario::RecordOf(HWND window, int flags, int showCmd) const {
    const standin::WindowSpec& spec = opened_.at(window);
    ExpectedRecord record;
    record.path = spec.path;
    record.normal = spec.normal;
    record.flags = flags;
    record.showCmd = showCmd;
    record.viewMode = spec.viewMode;
    record.classFlag = spec.kind == standin::WindowKind::Explorer ? 1 : 0;
    const std::vector<standin::WindowState> states = shell.Dump();
    const auto state = std::find_if(states.begin(), states.end(),
                                    [window](const standin::WindowState& s) { return s.hwnd == window; });
    if (state != states.end()) record.urlLength = state->url.size();
    return record;
}

void CaptureScenario::StartWithList(std::string_view number, std::string_view title) {
    StartPavorin();
    Control(id::kListNumber).TypeOver(std::string(number));
    // Set the title as a whole, as an input method hands it over.
    Control(id::kListTitle).SetText(std::string(title));
}

void AnswerBoxes(const Pavorin& app, const std::vector<ExpectedBox>& boxes) {
    for (const ExpectedBox& expected : boxes) {
        const MessageBoxWindow box = app.WaitForMessageBox(30s);
        EXPECT_EQ(box.Caption(), expected.caption);
        EXPECT_EQ(box.Text(), expected.text);
        EXPECT_EQ(box.HasIcon(), expected.icon) << box.Describe();
        if (expected.defaultButton) {
            EXPECT_EQ(box.DefaultButton(), expected.defaultButton) << box.Describe();
        }
        if (!expected.buttons.empty()) {
            EXPECT_EQ(box.ButtonIds(), expected.buttons) << box.Describe();
        }
        box.Press(expected.press);
    }
    // The program answers during a restore: once it has taken the click, a command has ended only when
    // the controls a restore disables are back.
    app.Settle();
    WaitFor("the end of the command", [&] { return app.Control(id::kCaptureButton).IsEnabled(); }, 60s);
    for (const MessageBoxWindow& extra : app.MessageBoxes()) ADD_FAILURE() << "unexpected " << extra.Describe();
}

void CaptureScenario::ExpectListFile(std::string_view number, std::string_view title,
                                     const std::vector<ExpectedRecord>& records) {
    EXPECT_TRUE(FileHolds(folder, "lists" + std::string(number) + ".txt", Utf16File(ListFileText(title, records))));
}

void CaptureScenario::ExpectShownList(std::string_view title, const std::vector<ExpectedRecord>& records) {
    EXPECT_EQ(app().MainWindow().Text(), "Pavorin - " + std::string(title));
    EXPECT_EQ(Control(id::kListText).Text(), ListFileText(title, records));
}

}  // namespace e2e
