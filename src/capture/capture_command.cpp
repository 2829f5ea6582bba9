#include "capture/capture_command.h"

#include <string>

#include "capture/align_window_in_order.h"
#include "capture/capture_texts.h"
#include "capture/folder_window_walk.h"
#include "capture/taskbar_order.h"
#include "textio/list_file.h"
#include "ui/control_ids.h"
#include "ui/main_window_access.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"

namespace {

using namespace capture;

constexpr UINT kOverwriteQuestionType = MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TASKMODAL;

enum OverwriteMode : int16_t { kAskFirst = 0, kOverwrite = 1, kKeepExisting = 2 };

// Whether an existing list file may be replaced: a read-only file never, otherwise as the overwrite
// mode says. Existence is judged by the file itself, whatever list number its name holds.
bool MayWriteListFile(const std::wstring& fullPath, int16_t overwriteMode) {
    const DWORD attributes = GetFileAttributesW(fullPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        win32::ShowMessageBox(MainWindow(), text::kFileLockedText, text::kFileErrorCaption, MB_ICONWARNING);
        return false;
    }
    switch (overwriteMode) {
    case kAskFirst:
        return win32::ShowMessageBox(MainWindow(), text::kOverwriteQuestionText, text::kOverwriteCaption,
                                     kOverwriteQuestionType) == IDOK;
    case kKeepExisting:
        win32::ShowMessageBox(MainWindow(), text::kStoppedText, text::kStoppedCaption, MB_ICONWARNING);
        return false;
    default:
        return true;
    }
}

void ReportCompletion(const FolderWindowWalk& walk) {
    const char* message = walk.browserWindows > 0 ? text::kBrowserNotSupportedText : text::kDoneText;
    win32::ShowMessageBox(MainWindow(), message, text::kCaptureCaption, MB_OK);
}

void ReportWriteResult(const ListFileWriteResult& written, const FolderWindowWalk& walk, bool reportResults) {
    switch (written.result) {
    case 1:
        SetControlTextW(control::kListText, written.text);
        if (reportResults) ReportCompletion(walk);
        return;
    case 0:  // the line buffer has told the user already
        return;
    case -5:
        win32::ShowMessageBox(MainWindow(), text::kFileLockedText, text::kFileErrorCaption, MB_OK);
        return;
    default:
        win32::ShowMessageBox(MainWindow(), text::kFileNotWrittenText, text::kFileErrorCaption, MB_OK);
        return;
    }
}

// The title a list keeps when it is replaced without one being given; empty when there is none to read.
std::wstring TitleOfExistingList(const std::wstring& fullPath) {
    if (GetFileAttributesW(fullPath.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    const ListFileReadResult list = ReadListFileW(fullPath, MainWindow());
    return list.openResult < 0 ? std::wstring() : std::wstring(win32::AsWide(list.contents.title));
}

}  // namespace

bool RunCapture(const CaptureRequest& request) {
    std::wstring fullPath;
    LocateListFile(request.listNumberText, fullPath);
    if (!MayWriteListFile(fullPath, request.overwriteMode)) return false;
    const std::wstring title = request.title ? *request.title : TitleOfExistingList(fullPath);

    FolderWindowWalk walk = WalkFolderWindows();
    if (!walk.listOpened) {
        win32::ShowMessageBox(MainWindow(), text::kShellListUnusableText, text::kCaptureCaption, MB_ICONWARNING);
        return false;
    }
    const TaskbarOrder order = AlignWindowInOrder(MainWindow(), walk.records);
    SortByTaskbarPosition(walk.records);

    SetCaptionText(title);
    if (order == TaskbarOrder::kUnreadable && request.reportResults) {
        win32::ShowMessageBox(MainWindow(), text::kTaskbarUnreadableText, text::kCaptureCaption, MB_OK);
    }
    const ListFileWriteResult written = WriteListFileW(win32::AsUtf16(title), walk.records, fullPath, MainWindow());
    ReportWriteResult(written, walk, request.reportResults);
    return written.result == 1;
}

void CaptureWindows() {
    RunCapture({ControlTextW(control::kListNumber), ComboSelection(control::kOverwriteMode),
                ControlTextW(control::kListTitle), IsControlChecked(control::kReportResults)});
}
