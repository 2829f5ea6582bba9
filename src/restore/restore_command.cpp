#include "restore/restore_command.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

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
#include "ui/control_ids.h"
#include "ui/main_window_access.h"
#include "ui/ui_resources.h"
#include "win32/com_guards.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"

namespace {

// Set for the length of a run that was given its show-state mode.
std::optional<int16_t> givenShowStateMode;

class GivenShowStateMode {
public:
    explicit GivenShowStateMode(std::optional<int16_t> mode) { givenShowStateMode = mode; }
    ~GivenShowStateMode() { givenShowStateMode.reset(); }
    GivenShowStateMode(const GivenShowStateMode&) = delete;
    GivenShowStateMode& operator=(const GivenShowStateMode&) = delete;
};

void ShowFileError(std::string_view text) {
    win32::ShowMessageBox(MainWindow(), text, restore_text::kFileErrorCaption, MB_ICONWARNING);
}

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
    return MarkAlreadyOpen(wantedUrls, OpenLocations(state.shellWindows, state.knownWindowCount), CompareIgnoringCase);
}

struct LoopResult {
    RestoreCounters counters;
    int32_t unhandled = 0;  // records left when the loop was stopped
};

// Asked before each record: a stop met while the last record is in hand changes nothing.
bool Stops(RestoreState& state) { return state.quitMet || state.progress->StopRequested(); }

LoopResult RestoreRecords(const std::vector<WindowRecord>& records, Disposal disposal, RestoreProgress& progress) {
    const win32::ComApartment apartment;
    RestoreState state;
    state.options = Options();
    state.progress = &progress;
    state.shellWindows = capture::ShellWindowList::Open();
    state.windowEvents = std::make_unique<ShellWindowEvents>(state.shellWindows.Get());
    state.knownWindowCount = static_cast<int32_t>(state.shellWindows.Count());

    const std::vector<bool> alreadyOpen =
        disposal == Disposal::kReplace ? std::vector<bool>(records.size(), false) : FindAlreadyOpen(state, records);

    state.openVerb = L"open";
    state.exploreVerb = L"explore";
    if (state.options.duplicatePathMode) state.dummyFolderPath = PrepareDummyFolderW();

    const auto total = static_cast<int32_t>(records.size());
    LoopResult result;
    progress.RecordLoopStarted(total);
    for (size_t i = 0; i < records.size(); ++i) {
        if (Stops(state)) {
            result.unhandled = total - static_cast<int32_t>(i);
            break;
        }
        if (alreadyOpen[i]) {
            ++state.counters.alreadyOpen;
        } else {
            OpenAndPlaceRecord(state, records[i]);
        }
        progress.RecordsHandled(static_cast<int32_t>(i + 1), total);
    }
    result.counters = state.counters;
    return result;
}

void ShowStopped(int32_t unhandled) {
    std::wstring text = L"中止しました\n残りの";
    text += win32::Utf8ToWide(NumberToText(unhandled));
    text += L"個のウィンドウは開いていません";
    win32::ShowMessageBox(MainWindow(), text, L"ウィンドウを反映", MB_OK);
}

// A stopped restore says so first, then counts only what it handled: it is not "done".
void Report(const LoopResult& result) {
    const RestoreCounters& counters = result.counters;
    if (result.unhandled > 0) {
        ShowStopped(result.unhandled);
        if (!AnyCounted(counters)) return;
    }
    for (const std::string& message : RestoreReportMessages(counters, restore_text::kReportTexts)) {
        win32::ShowMessageBox(MainWindow(), message, restore_text::kCommandCaption, MB_OK);
    }
}

}  // namespace

int CompareIgnoringCase(const char16_t* left, const char16_t* right) {
    const int order = CompareStringOrdinal(reinterpret_cast<const wchar_t*>(left), -1,
                                           reinterpret_cast<const wchar_t*>(right), -1, TRUE);
    return order == CSTR_EQUAL ? 0 : (order == CSTR_LESS_THAN ? -1 : 1);
}

int16_t GetShowStateMode() {
    return givenShowStateMode ? *givenShowStateMode : ComboSelection(control::kShowStateMode);
}

// The list is read before anything is asked or closed: a file that cannot be read then ends the command
// while every open window is still there.
RestoreOutcome RunRestore(const RestoreRequest& request, RestoreProgress& progress) {
    std::wstring listPath;
    if (LocateListFile(request.listNumberText, listPath) == -1) {
        if (request.reportResults) ShowFileError(restore_text::kNoListFile);
        return RestoreOutcome::kNotRun;
    }
    const ListFileReadResult list = ReadListFileW(listPath, MainWindow());
    if (list.openResult < 0) {
        ShowFileError(restore_text::kListFileUnreadable);
        return RestoreOutcome::kNotRun;
    }

    const Disposal disposal = request.disposal ? *request.disposal : AskWhatToDoWithOpenWindows();
    if (disposal == Disposal::kCancel) return RestoreOutcome::kNotRun;
    if (disposal == Disposal::kReplace) CloseFolderWindows();

    SetControlTextW(control::kListTitle, win32::AsWide(list.contents.title));
    const GivenShowStateMode showStateMode(request.showStateMode);
    const LoopResult result = RestoreRecords(ToWindowRecords(list.contents), disposal, progress);
    if (request.reportResults && progress.ReportWanted()) Report(result);
    const bool missed = result.unhandled > 0 || result.counters.notOpened > 0 || result.counters.lost > 0;
    return missed ? RestoreOutcome::kIncomplete : RestoreOutcome::kComplete;
}

RestoreOutcome RunRestore(const RestoreRequest& request) {
    RestoreProgress unattended;
    return RunRestore(request, unattended);
}

void RestoreWindows(RestoreProgress& progress) {
    RunRestore({ControlTextW(control::kListNumber), std::nullopt, IsControlChecked(control::kReportResults),
                std::nullopt},
               progress);
}
