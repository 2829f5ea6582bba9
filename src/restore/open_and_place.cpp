#include "restore/open_and_place.h"

#include <wrl/client.h>

#include <algorithm>
#include <optional>
#include <string>

#include "restore/message_pump.h"
#include "restore/new_window_wait.h"
#include "restore/open_window_pool.h"
#include "restore/poll_pacer.h"
#include "restore/pumped_launch.h"
#include "restore/restore_decisions.h"
#include "textio/placement_win32.h"
#include "win32/com_guards.h"
#include "win32/text_conversion.h"

using Microsoft::WRL::ComPtr;

namespace {

struct MatchedWindow {
    ComPtr<IWebBrowser2> browser;
    ComPtr<IFolderView> view;
};

const wchar_t* VerbText(const RestoreState& state, LaunchVerb verb) {
    switch (verb) {
        case LaunchVerb::kOpen: return state.openVerb.c_str();
        case LaunchVerb::kExplore: return state.exploreVerb.c_str();
        case LaunchVerb::kShellDefault: break;
    }
    return nullptr;
}

// Every folder is asked to open minimised; its final show state comes with the placement.
int64_t Launch(RestoreState& state, const wchar_t* verb, const std::wstring& target) {
    MessagePump pump(state.progress);
    const int64_t result = LaunchWhilePumping(verb, target, SW_SHOWMINIMIZED, pump);
    state.quitMet = state.quitMet || pump.QuitMet();
    return result;
}

// A list file is plain text that users pass around: whatever else a path names (a program, a document,
// nothing at all) would be run or opened by the shell, so only a folder that exists is launched.
bool IsExistingFolder(const std::wstring& target) {
    if (target.empty()) return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// False when the recorded path or the launch target (the stand-by folder in duplicate-path mode) is no
// folder, or the shell refused the launch (counted as not opened).
bool LaunchRecord(RestoreState& state, const std::wstring& recordedPath, const std::wstring& target,
                  const WindowRecord& record) {
    if (!IsExistingFolder(recordedPath) || !IsExistingFolder(target) ||
        ClassifyLaunch(Launch(state, VerbText(state, VerbFor(state.options.openMethod, record.classFlag)), target)) ==
            LaunchOutcome::kNotOpened) {
        ++state.counters.notOpened;
        return false;
    }
    return true;
}

// With the shell's events the wait sleeps until the shell's list changes; the slow poll beside them
// finds a window whose event got lost.
constexpr uint32_t kSafetyPollMs = 100;

// The shell's window count as last read; the run then expects one more window, grown or not.
long WaitForNewWindow(RestoreState& state) {
    PollPacer pacer;
    MessagePump pump(state.progress);
    ShellWindowEvents* events = state.windowEvents && state.windowEvents->Connected() ? state.windowEvents.get()
                                                                                       : nullptr;
    const auto rest = [&](uint32_t remainingMs) {
        if (!events) return pump.Rest(pacer.RestMs(remainingMs));
        pump.Rest(std::min(kSafetyPollMs, remainingMs), [events] { return events->TakeChange(); });
    };
    const WindowCountWait wait = WaitForWindowCount(
        state.knownWindowCount, state.options.timeoutMs,
        [&state] { return static_cast<int32_t>(state.shellWindows.Count()); }, [] { return GetTickCount(); }, rest);
    ++state.knownWindowCount;
    state.quitMet = state.quitMet || pump.QuitMet();
    return wait.lastCount;
}

std::wstring WantedUrl(const RestoreState& state, const WindowRecord& record) {
    if (state.options.duplicatePathMode) return capture::UrlFromPath(state.dummyFolderPath, kDummyUrlCapacity);
    return capture::UrlFromPath(win32::AsWide(record.path), static_cast<size_t>(UrlCapacity(record.urlLength)));
}

// Newest first: the window just opened normally stands last in the shell's list, and of several windows
// showing the same location the newest wins.
std::optional<MatchedWindow> FindNewestWindowShowing(RestoreState& state, const std::wstring& wantedUrl,
                                                     long windowCount) {
    const std::u16string wanted(win32::AsUtf16(wantedUrl));
    for (long index = windowCount - 1; index >= 0; --index) {
        MatchedWindow candidate{state.shellWindows.Browser(index), nullptr};
        if (!candidate.browser) continue;
        switch (capture::LookUpFolderView(candidate.browser.Get(), candidate.view)) {
            case capture::FolderViewLookup::kUnreachable: continue;
            case capture::FolderViewLookup::kNoFolder: ++state.counters.noView; continue;
            case capture::FolderViewLookup::kFolder: break;
        }
        const std::u16string location(win32::AsUtf16(capture::LocationUrlOf(candidate.browser.Get())));
        if (ShowsWantedUrl(wanted, location, CompareIgnoringCase)) return candidate;
    }
    return std::nullopt;
}

void PlaceWindow(HWND window, const RestoreOptions& options, const WindowRecord& record) {
    if (options.applyPlacement) {
        const WindowBox box = BoxOf(record.placement.rcNormalPosition);
        SetWindowPos(window, HWND_TOP, box.x, box.y, box.width, box.height, 0);
    }
    WINDOWPLACEMENT current{};
    current.length = sizeof current;
    if (!GetWindowPlacement(window, &current)) return;
    const WINDOWPLACEMENT written = ToWindowPlacement(PlacementToWrite(
        ToPlacementRecord(current), record.placement, GetShowStateMode(), options.unmaximize != 0,
        options.applyPlacement != 0));
    SetWindowPlacement(window, &written);
}

// A URL that does not fit its room leaves the window where it is rather than navigate it nowhere.
void NavigateToRecordedFolder(IWebBrowser2* browser, const WindowRecord& record) {
    const std::wstring url =
        capture::UrlFromPath(win32::AsWide(record.path), static_cast<size_t>(UrlCapacity(record.urlLength)));
    if (url.empty()) return;
    win32::UniqueBstr target(SysAllocString(url.c_str()));
    win32::UniqueVariant flags, frame, postData, headers;
    browser->Navigate(target.get(), flags.get(), frame.get(), postData.get(), headers.get());
}

void ApplyToWindow(const RestoreOptions& options, const MatchedWindow& matched, const WindowRecord& record) {
    if (options.applyViewMode) matched.view->SetCurrentViewMode(static_cast<UINT>(record.viewMode));
    if (options.applyPlacement || options.applyViewMode) {
        PlaceWindow(capture::WindowOf(matched.browser.Get()), options, record);
    }
    if (options.duplicatePathMode) NavigateToRecordedFolder(matched.browser.Get(), record);
}

}  // namespace

void OpenAndPlaceRecord(RestoreState& state, const WindowRecord& record) {
    const bool duplicatePath = state.options.duplicatePathMode != 0;
    const std::wstring recordedPath(win32::AsWide(record.path));
    const std::wstring& target = duplicatePath ? state.dummyFolderPath : recordedPath;
    if (!LaunchRecord(state, recordedPath, target, record)) return;
    const long windowCount = WaitForNewWindow(state);

    // A window opened on the stand-by folder is matched and sent on even when nothing else is applied:
    // left there, it would show the stand-by folder instead of the recorded one.
    if (!state.options.applyPlacement && !state.options.applyViewMode && !duplicatePath) return;
    const std::optional<MatchedWindow> matched = FindNewestWindowShowing(state, WantedUrl(state, record), windowCount);
    if (!matched) {
        ++state.counters.lost;
        return;
    }
    ApplyToWindow(state.options, *matched, record);
}
