// The registry keys that make the stand-in the shell of this Wine prefix: our COM server for
// CLSID_ShellWindows, and our launcher for the Folder verbs (without their DDE entries, which would
// otherwise be tried first).
#include <windows.h>

#include <string>

#include "control/shell_process.h"
#include "control/standin_control.h"

namespace standin {
namespace {

constexpr wchar_t kServerKey[] =
    L"Software\\Classes\\CLSID\\{9BA05972-F6A8-11CF-A442-00A0C90A8F39}\\InprocServer32";
constexpr wchar_t kFolderVerbs[] = L"Software\\Classes\\Folder\\shell";

bool SetText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, value.c_str(), bytes) == ERROR_SUCCESS;
}

bool RegisterVerb(const std::wstring& launcher, const wchar_t* verb) {
    const std::wstring key = std::wstring(kFolderVerbs) + L"\\" + verb;
    const LSTATUS removed = RegDeleteTreeW(HKEY_LOCAL_MACHINE, (key + L"\\ddeexec").c_str());
    return (removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND) &&
           SetText(key + L"\\command", nullptr, L"\"" + launcher + L"\" " + verb + L" \"%1\"");
}

}  // namespace

bool RegisterStandIn() {
    const std::wstring dir = StandInBinDir();
    const std::wstring launcher = dir + L"\\standin_launcher.exe";
    return SetText(kServerKey, nullptr, dir + L"\\standin_shellwindows.dll") &&
           SetText(kServerKey, L"ThreadingModel", L"Both") && SetText(kFolderVerbs, nullptr, L"open") &&
           RegisterVerb(launcher, L"open") && RegisterVerb(launcher, L"explore");
}

}  // namespace standin
