#include "restore/restore_command.h"

#include <windows.h>
#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "app/ui_resources.h"
#include "convert/number_text.h"
#include "restore/dummy_folder.h"
#include "restore/folder_windows.h"
#include "restore/open_and_place.h"
#include "restore/open_window_pool.h"
#include "restore/restore_decisions.h"
#include "restore/restore_progress.h"
#include "restore/restore_state.h"
#include "restore/restore_texts.h"
#include "textio/list_file.h"
#include "win32/com_guards.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"

namespace {

bool ReportsResults() { return IsControlChecked(control::kReportResults); }

void ShowFileError(std::string_view text) {
    win32::ShowMessageBox(MainWindow(), text, restore_text::kFileErrorCaption, MB_ICONWARNING);
}

enum class Disposal { kCancel, kAdd, kReplace };

// Asked only when folder windows are open; No is the default, and anything but Yes or No cancels.
Disposal AskWhatToDoWithOpenWindows() {
    if (CountFolderWindows().folderWindowCount <= 0) return Disposal::kAdd;
    const int answer = win32::ShowMessageBox(nullptr, restore_text::kReplaceQuestion,
                                             restore_text::kReplaceQuestionCaption,
                                             MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TASKMODAL);
    if (answer == IDYES) return Disposal::kReplace;
    if (answer == IDNO) return Disposal::kAdd;
    return Disposal::kCancel;
}

// The location URLs of the shell windows that exist now; entries that cannot be fetched add nothing.
std::vector<std::u16string> OpenLocations(const capture::ShellWindowList& shellWindows, long count) {
    std::vector<std::u16string> locations;
    for (long index = 0; index < count; ++index) {
        const Microsoft::WRL::ComPtr<IWebBrowser2> browser = shellWindows.Browser(index);
        if (browser) locations.emplace_back(win32::AsUtf16(capture::LocationUrlOf(browser.Get())));
    }
    return locations;
}

std::vector<bool> FindAlreadyOpen(const RestoreState& state, const std::vector<WindowRecord>& records) {
    std::vector<std::u16string> wantedUrls;
    wantedUrls.reserve(records.size());
    for (const WindowRecord& record : records) {
        const std::wstring url = capture::UrlFromPath(win32::AsWide(record.path),
                                                      static_cast<size_t>(UrlCapacity(record.urlLength)));
        wantedUrls.emplace_back(win32::AsUtf16(url));
    }
    return MarkAlreadyOpen(wantedUrls, OpenLocations(state.shellWindows, state.knownWindowCount), CompareLogically);
}

struct RestoreOutcome {
    RestoreCounters counters;
    int32_t unhandled = 0;  // records left when the loop was stopped
};

// Asked before each record: a stop met while the last record is in hand changes nothing.
bool Stops(RestoreState& state) { return state.quitMet || state.progress->StopRequested(); }

RestoreOutcome RestoreRecords(const std::vector<WindowRecord>& records, Disposal disposal, RestoreProgress& progress) {
    const win32::ComApartment apartment;
    RestoreState state;
    state.options = Options();
    state.progress = &progress;
    state.shellWindows = capture::ShellWindowList::Open();
    state.windowEvents = std::make_unique<ShellWindowEvents>(state.shellWindows.Get());
    state.knownWindowCount = static_cast<int32_t>(state.shellWindows.Count());

    const std::vector<bool> alreadyOpen =
        disposal == Disposal::kReplace ? std::vector<bool>(records.size(), false) : FindAlreadyOpen(state, records);

    state.openVerb = AnsiToWide("open");
    state.exploreVerb = AnsiToWide("explore");
    if (state.options.duplicatePathMode) state.dummyFolderPath = PrepareDummyFolderW();

    const auto total = static_cast<int32_t>(records.size());
    RestoreOutcome outcome;
    progress.RecordLoopStarted(total);
    for (size_t i = 0; i < records.size(); ++i) {
        if (Stops(state)) {
            outcome.unhandled = total - static_cast<int32_t>(i);
            break;
        }
        if (alreadyOpen[i]) {
            ++state.counters.alreadyOpen;
        } else {
            OpenAndPlaceRecord(state, records[i]);
        }
        progress.RecordsHandled(static_cast<int32_t>(i + 1), total);
    }
    outcome.counters = state.counters;
    return outcome;
}

void ShowStopped(int32_t unhandled) {
    std::wstring text = L"中止しました\n残りの";
    text += win32::AnsiToWideText(NumberToText(unhandled));
    text += L"個のウィンドウは開いていません";
    MessageBoxW(MainWindow(), text.c_str(), L"ウィンドウを反映", MB_OK);
}

// A stopped restore says so first, then counts only what it handled: it is not "done".
void Report(const RestoreOutcome& outcome, RestoreProgress& progress) {
    if (!ReportsResults() || !progress.ReportWanted()) return;
    const RestoreCounters& counters = outcome.counters;
    if (outcome.unhandled > 0) {
        ShowStopped(outcome.unhandled);
        if (!AnyCounted(counters)) return;
    }
    for (const std::string& message : RestoreReportMessages(counters, restore_text::kReportTexts)) {
        win32::ShowMessageBox(MainWindow(), message, restore_text::kCommandCaption, MB_OK);
    }
}

}  // namespace

int CompareLogically(const char16_t* left, const char16_t* right) {
    return StrCmpLogicalW(reinterpret_cast<const wchar_t*>(left), reinterpret_cast<const wchar_t*>(right));
}

// The list is read before anything is asked or closed: a file that cannot be read then ends the command
// while every open window is still there.
void RestoreWindows(RestoreProgress& progress) {
    std::string listPath;
    if (LocateListFile(listPath) == -1) {
        if (ReportsResults()) ShowFileError(restore_text::kNoListFile);
        return;
    }
    const ListFileReadResult list = ReadListFileW(listPath);
    if (list.openResult < 0) {
        ShowFileError(restore_text::kListFileUnreadable);
        return;
    }

    const Disposal disposal = AskWhatToDoWithOpenWindows();
    if (disposal == Disposal::kCancel) return;
    if (disposal == Disposal::kReplace) CloseFolderWindows();

    SetControlTextW(control::kListTitle, win32::AsWide(list.contents.title));
    Report(RestoreRecords(ToWindowRecords(list.contents), disposal, progress), progress);
}

void RestoreWindows() {
    RestoreProgress unattended;
    RestoreWindows(unattended);
}
