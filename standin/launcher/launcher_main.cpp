// The folder launcher: the command registered for the Folder verbs. ShellExecuteW starts it with a verb
// ("open" or "explore") and a folder; it hands both to the stand-in shell together with the show command
// ShellExecuteW passed on in STARTUPINFO, and ends. The shell opens the window after its launch delay.
#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "protocol/channel_client.h"

namespace {

int ShowCommandGiven() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
}

bool IsFolder(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int Launch(const wchar_t* verb, const wchar_t* path) {
    if (!IsFolder(path)) return ERROR_PATH_NOT_FOUND;
    using standin::wire::Kind;
    auto request = std::make_unique<standin::wire::Request>(standin::wire::MakeRequest(standin::wire::Op::Launch));
    request->spec.kind = lstrcmpiW(verb, L"explore") == 0 ? Kind::Explorer : Kind::Folder;
    request->spec.showCmd = ShowCommandGiven();
    standin::wire::CopyText(request->spec.path, path);
    auto reply = std::make_unique<standin::wire::Reply>();
    return SUCCEEDED(standin::wire::Call(*request, *reply)) ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return 1;
    const int result = count == 3 ? Launch(arguments[1], arguments[2]) : ERROR_BAD_ARGUMENTS;
    LocalFree(arguments);
    return result;
}
