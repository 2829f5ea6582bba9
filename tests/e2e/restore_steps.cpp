#include "restore_steps.h"

#include <shlwapi.h>

#include <algorithm>
#include <sstream>

namespace e2e {
namespace {

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

std::string Line(const RECT& rect) {
    std::ostringstream text;
    text << '(' << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ')';
    return text.str();
}

// The system reports every maximised window as one that restores maximised: the flag tells something
// only for the other show states.
const char* RestoreFlag(int showCmd, bool restoresToMaximized) {
    return showCmd != SW_SHOWMAXIMIZED && restoresToMaximized ? " restores maximised" : "";
}

std::string Line(const ExpectedWindow& window) {
    std::ostringstream text;
    text << Utf8(standin::KindName(window.kind)) << ' ' << Utf8(window.path) << ' ' << Line(window.normal)
         << " showCmd " << window.showCmd << RestoreFlag(window.showCmd, window.restoresToMaximized) << " view "
         << window.viewMode;
    return text.str();
}


const wchar_t* ClassNameOf(standin::WindowKind kind) {
    switch (kind) {
        case standin::WindowKind::Folder: return L"CabinetWClass";
        case standin::WindowKind::Explorer: return L"ExploreWClass";
        case standin::WindowKind::Browser: return L"IEFrame";
        case standin::WindowKind::OtherApp: break;
    }
    return L"StandInApplication";
}

}  // namespace

void RestoreScenario::SetUp() {
    PavorinScenario::SetUp();
    ASSERT_TRUE(shell.running()) << "the stand-in shell did not start";
}

std::wstring RestoreScenario::MakeFolder(std::string_view name) const {
    const std::wstring path = folder.PathOf(name);
    if (!CreateDirectoryW(path.c_str(), nullptr)) throw DriverError("cannot create the folder " + Utf8(path));
    return path;
}

ExpectedRecord RestoreScenario::Record(const std::wstring& path, standin::WindowKind kind, RECT normal, int showCmd,
                                       int viewMode, int flags) {
    ExpectedRecord record;
    record.path = path;
    record.normal = normal;
    record.flags = flags;
    record.showCmd = showCmd;
    record.urlLength = FileUrlLength(path);
    record.viewMode = viewMode;
    record.classFlag = kind == standin::WindowKind::Explorer ? 1 : 0;
    return record;
}

HWND RestoreScenario::OpenWindow(const ExpectedRecord& as, standin::CloseResponse close) {
    standin::WindowSpec spec;
    spec.kind = as.classFlag ? standin::WindowKind::Explorer : standin::WindowKind::Folder;
    spec.path = as.path;
    spec.normal = as.normal;
    spec.showCmd = as.showCmd;
    spec.restoreToMaximized = (as.flags & WPF_RESTORETOMAXIMIZED) != 0;
    spec.viewMode = as.viewMode;
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
    e2e::AnswerBoxes(app(), boxes);
}

void RestoreScenario::AnswerBoxes(const std::vector<ExpectedBox>& boxes) { e2e::AnswerBoxes(app(), boxes); }

ExpectedWindow RestoreScenario::AsRecorded(const ExpectedRecord& record) {
    ExpectedWindow window;
    window.path = record.path;
    window.kind = record.classFlag ? standin::WindowKind::Explorer : standin::WindowKind::Folder;
    window.normal = record.normal;
    window.showCmd = record.showCmd;
    window.restoresToMaximized = (record.flags & WPF_RESTORETOMAXIMIZED) != 0;
    window.viewMode = record.viewMode;
    return window;
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
        EXPECT_TRUE(window.visible) << Line(AsSeen(window));
        EXPECT_EQ(window.minimized, window.placement.showCmd == SW_SHOWMINIMIZED) << Line(AsSeen(window));
        EXPECT_EQ(window.maximized, window.placement.showCmd == SW_SHOWMAXIMIZED) << Line(AsSeen(window));
        EXPECT_EQ(window.className, ClassNameOf(window.kind)) << Line(AsSeen(window));
    }
}

void RestoreScenario::WaitForWindowCount(size_t count) {
    WaitFor("the shell to show " + std::to_string(count) + " windows",
            [&] { return shell.Dump().size() >= count; });
}

}  // namespace e2e
