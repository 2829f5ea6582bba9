#include "app/command_line_run.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "app/command_line.h"
#include "app/settings_file.h"
#include "capture/capture_command.h"
#include "capture/shell_windows.h"
#include "convert/number_text.h"
#include "restore/restore_command.h"
#include "ui/ui_resources.h"
#include "win32/com_guards.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"
#include "win32/unique_handle.h"

namespace {

constexpr wchar_t kUsageText[] =
    L"使い方:\nPavorin.exe /restore 番号 [/replace] [/quiet]\nPavorin.exe /capture 番号 [/title 題名] [/quiet]";
constexpr wchar_t kUsageCaption[] = L"Pavorin";
constexpr wchar_t kNoShellListText[] = L"ウィンドウの一覧を取得できませんでした";
constexpr wchar_t kRestoreCaption[] = L"ウィンドウを反映";

using UniqueArgumentList = win32::UniqueHandle<win32::LocalMemoryTraits<LPWSTR*>>;

// The arguments after the program's own name.
CommandLineRequest ReadCommandLine() {
    int count = 0;
    const UniqueArgumentList arguments(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!arguments) return {};
    std::vector<std::u16string_view> after;
    for (int i = 1; i < count; ++i) after.push_back(win32::AsUtf16(arguments.get()[i]));
    return ParseCommandLine(after);
}

// The combo box holds items 0 to 2 only; any other value of the file acts as "as captured" there too.
int16_t ShowStateModeOf(const Settings& settings) {
    return settings.showStateMode >= 0 && settings.showStateMode <= 2 ? static_cast<int16_t>(settings.showStateMode)
                                                                        : int16_t{0};
}

bool ShellListAvailable() {
    const win32::ComApartment apartment;
    return capture::ShellWindowList::Open().IsOpen();
}

// Without the shell's window list no window could be found or placed; exit code 2 promises that nothing
// was done, so nothing is closed or opened then (the button's restore goes on and loses every window).
int Restore(const CommandLineRequest& request, const Settings& settings) {
    if (!ShellListAvailable()) {
        win32::ShowMessageBox(nullptr, kNoShellListText, kRestoreCaption, MB_ICONWARNING);
        return kExitNothingDone;
    }
    const RestoreOutcome outcome =
        RunRestore({win32::Utf8ToWide(NumberToText(request.listNumber)), request.replace ? Disposal::kReplace : Disposal::kAdd,
                    settings.reportResults != 0, ShowStateModeOf(settings)});
    switch (outcome) {
    case RestoreOutcome::kComplete: return kExitDone;
    case RestoreOutcome::kIncomplete: return kExitIncomplete;
    case RestoreOutcome::kNotRun: break;
    }
    return kExitNothingDone;
}

int Capture(const CommandLineRequest& request, const Settings& settings) {
    constexpr int16_t kOverwrite = 1;  // the command line is the user's explicit choice
    std::optional<std::wstring> title;
    if (request.title) title = std::wstring(win32::AsWide(*request.title));
    const bool written = RunCapture({win32::Utf8ToWide(NumberToText(request.listNumber)), kOverwrite, title, settings.reportResults != 0});
    return written ? kExitDone : kExitNothingDone;
}

}  // namespace

std::optional<int> RunCommandLine() {
    const CommandLineRequest request = ReadCommandLine();
    if (request.action == CommandLineAction::kNone) return std::nullopt;
    if (request.action == CommandLineAction::kBadArguments) {
        if (!request.quiet) win32::ShowMessageBox(nullptr, kUsageText, kUsageCaption, MB_ICONWARNING);
        return kExitNothingDone;
    }
    FixSettingsPath();
    MakeFieldSeparator();
    // The settings are only read: the file is written by the main window alone.
    const Settings settings = SettingsFileExists() ? ReadSettingsFile() : Settings{};
    SetOptions(settings.options);
    std::optional<win32::NoMessageBoxes> quiet;
    if (request.quiet) quiet.emplace();
    return request.action == CommandLineAction::kRestore ? Restore(request, settings) : Capture(request, settings);
}
