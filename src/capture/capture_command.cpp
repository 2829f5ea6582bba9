#include "capture/capture_command.h"

#include <string>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "capture/align_window_in_order.h"
#include "capture/capture_texts.h"
#include "capture/folder_window_walk.h"
#include "capture/taskbar_order.h"
#include "textio/list_file.h"
#include "win32/message_box.h"
#include "win32/text_conversion.h"

namespace {

using namespace capture;

constexpr UINT kOverwriteQuestionType = MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TASKMODAL;

enum OverwriteMode : int16_t { kAskFirst = 0, kOverwrite = 1, kKeepExisting = 2 };

// Whether an existing list file may be replaced: a read-only file never, otherwise as the overwrite
// mode says. Existence is judged by the file itself, whatever list number its name holds.
bool MayWriteListFile(const std::wstring& fullPath) {
    const DWORD attributes = GetFileAttributesW(fullPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        win32::ShowMessageBox(MainWindow(), text::kFileLockedText, text::kFileErrorCaption, MB_ICONWARNING);
        return false;
    }
    switch (ComboSelection(control::kOverwriteMode)) {
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
    if (!IsControlChecked(control::kReportResults)) return;
    const char* message = walk.browserWindows > 0 ? text::kBrowserNotSupportedText : text::kDoneText;
    win32::ShowMessageBox(MainWindow(), message, text::kCaptureCaption, MB_OK);
}

void ReportWriteResult(const ListFileWriteResult& written, const FolderWindowWalk& walk) {
    switch (written.result) {
    case 1:
        SetControlTextW(control::kListText, written.text);
        ReportCompletion(walk);
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

}  // namespace

void CaptureWindows() {
    std::wstring fullPath;
    LocateListFile(fullPath);
    if (!MayWriteListFile(fullPath)) return;

    FolderWindowWalk walk = WalkFolderWindows();
    if (!walk.listOpened) {
        win32::ShowMessageBox(MainWindow(), text::kShellListUnusableText, text::kCaptureCaption, MB_ICONWARNING);
        return;
    }
    const TaskbarOrder order = AlignWindowInOrder(MainWindow(), walk.records);
    SortByTaskbarPosition(walk.records);

    const std::wstring title = ControlTextW(control::kListTitle);
    SetCaptionText(title);
    if (order == TaskbarOrder::kUnreadable && IsControlChecked(control::kReportResults)) {
        win32::ShowMessageBox(MainWindow(), text::kTaskbarUnreadableText, text::kCaptureCaption, MB_OK);
    }
    ReportWriteResult(WriteListFileW(win32::AsUtf16(title), walk.records, fullPath), walk);
}
