// What the stand-in shell costs a client: one get_Count, one Item with its browser object, one
// GetWindowPlacement through the redirection, and a folder launch from ShellExecuteW until get_Count
// grows. Prints one line per measure (median and worst over the runs, in microseconds).
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "client/shell_client.h"

namespace {

using namespace standin;
using namespace standin::testing;

void Report(const char* name, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    std::printf("%-40s median %9.1f us   worst %9.1f us   (%zu runs)\n", name, micros[micros.size() / 2],
                micros.back(), micros.size());
}

std::vector<double> Time(int runs, const std::function<void()>& step) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> micros;
    for (int i = 0; i < runs; ++i) {
        QueryPerformanceCounter(&start);
        step();
        QueryPerformanceCounter(&end);
        micros.push_back(1e6 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart));
    }
    return micros;
}

}  // namespace

int main() {
    win32::ComApartment com;
    std::unique_ptr<Shell> shell;
    Report("shell start (registration included)", Time(1, [&] { shell = std::make_unique<Shell>(); }));
    if (!shell->running()) return 1;
    Report("shell restart (replacing a running one)", Time(1, [&] { shell = std::make_unique<Shell>(); }));

    WindowSpec spec;
    spec.path = L"C:\\windows";
    HWND window = shell->Open(spec);
    auto list = CreateShellWindows();
    if (!list || !window) return 1;

    Report("IShellWindows::get_Count", Time(500, [&] { CountOf(*list.Get()); }));
    Report("IShellWindows::Item + QI IWebBrowser2", Time(500, [&] {
               Microsoft::WRL::ComPtr<IDispatch> entry;
               list->Item(*win32::UniqueVariant::FromInt32(0), &entry);
               Microsoft::WRL::ComPtr<IWebBrowser2> browser;
               entry.As(&browser);
           }));
    Report("GetWindowPlacement (redirected)", Time(500, [&] {
               WINDOWPLACEMENT placement{};
               placement.length = sizeof placement;
               GetWindowPlacement(window, &placement);
           }));

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"standin-bench";
    CreateDirectoryW(folder.c_str(), nullptr);
    Report("ShellExecuteW until get_Count grows", Time(20, [&] {
               const LONG known = CountOf(*list.Get());
               ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWMINIMIZED);
               while (CountOf(*list.Get()) <= known) {
               }
           }));
    Report("shell stop", Time(1, [&] { shell->Stop(); }));
    RemoveDirectoryW(folder.c_str());
    return 0;
}
