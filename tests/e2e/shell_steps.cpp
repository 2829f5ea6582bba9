#include "shell_steps.h"

#include <shlwapi.h>

#include <algorithm>
#include <sstream>

namespace e2e {
namespace {

using standin::WindowKind;

std::string SettingsLine(const RestoreSettings& settings) {
    const auto flag = [](bool on) { return on ? "-1" : "0"; };
    std::ostringstream line;
    line << "0\t1 0 " << settings.showStateMode << ' ' << flag(settings.reportResults) << " 0 "
         << settings.openMethod << ' ' << flag(settings.duplicatePathMode) << ' ' << flag(settings.applyPlacement)
         << ' ' << flag(settings.applyViewMode) << ' ' << flag(settings.unmaximize) << ' ' << settings.timeoutMs;
    return line.str();
}

size_t FileUrlLength(const std::wstring& path) {
    wchar_t url[2100] = {};
    DWORD size = ARRAYSIZE(url);
    if (FAILED(UrlCreateFromPathW(path.c_str(), url, &size, 0))) throw DriverError("no file URL for " + Utf8(path));
    return wcslen(url);
}

WindowKind KindOf(int classFlag) { return classFlag ? WindowKind::Explorer : WindowKind::Folder; }

// The system reports every maximised window as one that restores maximised: the flag tells something
// only for the other show states.
std::string Line(const ExpectedWindow& window) {
    const RECT& r = window.normal;
    std::ostringstream text;
    text << Utf8(standin::KindName(window.kind)) << ' ' << Utf8(window.path) << " (" << r.left << ", " << r.top
         << ")-(" << r.right << ", " << r.bottom << ") showCmd " << window.showCmd
         << (window.showCmd != SW_SHOWMAXIMIZED && window.restoresToMaximized ? " restores maximised" : "")
         << " view " << window.viewMode;
    return text.str();
}

const wchar_t* ClassNameOf(WindowKind kind) {
    switch (kind) {
        case WindowKind::Folder: return L"CabinetWClass";
        case WindowKind::Explorer: return L"ExploreWClass";
        case WindowKind::Browser: return L"IEFrame";
        case WindowKind::OtherApp: break;
    }
    return L"StandInApplication";
}

}  // namespace

std::string ListFileText(std::string_view title, const std::vector<ExpectedRecord>& records) {
    std::string text = std::string(title) + "\r\n" + std::to_string(records.size()) + "\r\n";
    for (const ExpectedRecord& record : records) {
        const RECT& box = record.normal;
        text += Utf8(record.path) + "\r\n";
        for (const long value : {box.left, box.top, box.right, box.bottom, static_cast<long>(record.flags),
                                 static_cast<long>(record.showCmd)})
            text += std::to_string(value) + ":";
        text += "\r\n" + std::to_string(record.urlLength) + "\r\n";
        text += std::to_string(record.viewMode) + ":" + std::to_string(record.classFlag) + "\r\n";
    }
    return text;
}

standin::WindowSpec FolderSpec(WindowKind kind, const std::wstring& path, RECT normal, int viewMode) {
    standin::WindowSpec spec;
    spec.kind = kind;
    spec.path = path;
    spec.normal = normal;
    spec.viewMode = viewMode;
    return spec;
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

void RestoreScenario::SetUp() {
    PavorinScenario::SetUp();
    ASSERT_TRUE(shell.running()) << "the stand-in shell did not start";
}

std::wstring RestoreScenario::MakeFolder(std::string_view name) const {
    const std::wstring path = folder.PathOf(name);
    if (!CreateDirectoryW(path.c_str(), nullptr)) throw DriverError("cannot create the folder " + Utf8(path));
    return path;
}

ExpectedRecord RestoreScenario::Record(const std::wstring& path, WindowKind kind, RECT normal, int showCmd,
                                       int viewMode, int flags) {
    return {path, normal, flags, showCmd, FileUrlLength(path), viewMode, kind == WindowKind::Explorer ? 1 : 0};
}

HWND RestoreScenario::OpenWindow(const ExpectedRecord& as, standin::CloseResponse close) {
    standin::WindowSpec spec = FolderSpec(KindOf(as.classFlag), as.path, as.normal, as.viewMode);
    spec.showCmd = as.showCmd;
    spec.restoreToMaximized = (as.flags & WPF_RESTORETOMAXIMIZED) != 0;
    spec.closeResponse = close;
    const HWND window = shell.Open(spec);
    if (!window) throw DriverError("the stand-in shell did not open " + Utf8(as.path));
    return window;
}

void RestoreScenario::WriteSettings(const RestoreSettings& settings) {
    folder.Write("Pavorin.ini", SettingsLine(settings));
}

void RestoreScenario::StartWithSettings(const RestoreSettings& settings) {
    WriteSettings(settings);
    StartPavorin();
}

void RestoreScenario::WriteList(const std::vector<ExpectedRecord>& records, const RestoreSettings& settings) {
    folder.Write("lists1.txt", Utf16File(ListFileText("restore", records)));
    WriteSettings(settings);
}

void RestoreScenario::StartWithList(const std::vector<ExpectedRecord>& records, const RestoreSettings& settings) {
    WriteList(records, settings);
    StartPavorin();
}

void RestoreScenario::RunCommand(int button, const std::vector<ExpectedBox>& boxes) {
    Control(button).PostClick();
    AnswerBoxes(boxes);
}

ExpectedWindow RestoreScenario::AsRecorded(const ExpectedRecord& record) {
    return {record.path, KindOf(record.classFlag), record.normal, record.showCmd,
            (record.flags & WPF_RESTORETOMAXIMIZED) != 0, record.viewMode};
}

ExpectedWindow RestoreScenario::AsSeen(const standin::WindowState& window) {
    return {window.path, window.kind, window.placement.rcNormalPosition, static_cast<int>(window.placement.showCmd),
            (window.placement.flags & WPF_RESTORETOMAXIMIZED) != 0, window.viewMode};
}

RECT RestoreScenario::ShellPlace(int windowsBefore) {
    const int step = 32 * (windowsBefore % 10);
    return RECT{60 + step, 40 + step, 700 + step, 520 + step};
}

void RestoreScenario::ExpectDesktop(const std::vector<ExpectedWindow>& windows) {
    const std::vector<standin::WindowState> desktop = shell.Dump();
    std::string expected, actual;
    for (const ExpectedWindow& window : windows) expected += Line(window) + "\n";
    for (const standin::WindowState& window : desktop) actual += Line(AsSeen(window)) + "\n";
    EXPECT_EQ(actual, expected) << "the shell's windows in the order they were opened";
    for (const standin::WindowState& window : desktop) {
        SCOPED_TRACE(Line(AsSeen(window)));
        EXPECT_TRUE(window.visible);
        EXPECT_EQ(window.minimized, window.placement.showCmd == SW_SHOWMINIMIZED);
        EXPECT_EQ(window.maximized, window.placement.showCmd == SW_SHOWMAXIMIZED);
        EXPECT_EQ(window.className, ClassNameOf(window.kind));
    }
}

void RestoreScenario::WaitForWindowCount(size_t count) {
    WaitFor("the shell to show " + std::to_string(count) + " windows", [&] { return shell.Dump().size() >= count; });
}

HWND CaptureScenario::Open(const standin::WindowSpec& spec) {
    const HWND window = shell.Open(spec);
    EXPECT_NE(window, nullptr) << "the stand-in shell did not open " << Utf8(spec.path);
    opened_[window] = spec;
    return window;
}

HWND CaptureScenario::OpenFolder(WindowKind kind, const std::wstring& path, int viewMode) {
    return Open(FolderSpec(kind, path, standin::WindowSpec{}.normal, viewMode));
}

ExpectedRecord CaptureScenario::RecordOf(HWND window, int flags, int showCmd) const {
    const standin::WindowSpec& spec = opened_.at(window);
    const std::vector<standin::WindowState> states = shell.Dump();
    const auto state = std::find_if(states.begin(), states.end(), [window](const auto& s) { return s.hwnd == window; });
    return {spec.path, spec.normal, flags, showCmd, state != states.end() ? state->url.size() : 0, spec.viewMode,
            spec.kind == WindowKind::Explorer ? 1 : 0};
}

void CaptureScenario::StartWithList(std::string_view number, std::string_view title) {
    StartPavorin();
    Control(id::kListNumber).TypeOver(std::string(number));
    // Set the title as a whole, as an input method hands it over.
    Control(id::kListTitle).SetText(std::string(title));
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
