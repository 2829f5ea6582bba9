#include "restore/pumped_launch.h"

#include <objbase.h>
#include <shellapi.h>

#include <thread>

#include "restore/message_pump.h"
#include "win32/unique_handle.h"

namespace {
constexpr DWORD kLongRestMs = 1000;
}

int64_t LaunchWhilePumping(const wchar_t* verb, const std::wstring& target, int showCommand, MessagePump& pump) {
    INT_PTR result = 0;
    const win32::UniqueKernelHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!done) {
        return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, verb, target.c_str(), nullptr, nullptr, showCommand));
    }
    // The shell's verbs may use COM: the launching thread has an apartment of its own.
    std::thread launcher([&] {
        const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, verb, target.c_str(), nullptr, nullptr, showCommand));
        if (SUCCEEDED(apartment)) CoUninitialize();
        SetEvent(done.get());
    });
    while (WaitForSingleObject(done.get(), 0) != WAIT_OBJECT_0) pump.Rest(kLongRestMs, {}, done.get());
    launcher.join();
    return static_cast<int64_t>(result);
}
