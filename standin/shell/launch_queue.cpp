// Folder launches: the launcher hands over a folder and a show command; the window opens after the
// launch delay, as a real shell takes a moment to bring a folder window up.
#include <map>

#include "shell/request_handlers.h"
#include "shell/shell_context.h"
#include "shell/shell_window.h"

namespace standin {
namespace {

constexpr UINT_PTR kFirstLaunchTimer = 1000;

std::map<UINT_PTR, wire::Spec>& PendingLaunches() {
    static std::map<UINT_PTR, wire::Spec> pending;
    return pending;
}

// Launched windows cascade from the top left, as a shell places new windows.
wire::Spec LaunchedWindowSpec(const wire::Spec& asked) {
    wire::Spec spec = asked;
    const int step = 32 * static_cast<int>(Context().windows.All().size() % 10);
    spec.normal = RECT{60 + step, 40 + step, 700 + step, 520 + step};
    spec.viewMode = 1;
    spec.onTaskbar = 1;
    spec.closeMode = wire::CloseMode::Close;
    spec.url[0] = L'\0';
    return spec;
}

}  // namespace

// Windows 7 and later answer every successful launch with 42, folders included; XP answered a folder
// with 33, as Wine's own ShellExecuteW does.
void OnLaunchAnswer(const wire::Request&, wire::Reply& reply) {
    reply.number = Context().faults.xpLaunchAnswer ? 33 : 42;
}

void OnLaunch(const wire::Request& request, wire::Reply& reply) {
    ShellContext& context = Context();
    if (context.faults.launchesFail) {
        reply.result = E_FAIL;
        return;
    }
    const wire::Spec spec = LaunchedWindowSpec(request.spec);
    if (context.launchDelayMs == 0) {
        if (!OpenShellWindow(spec)) reply.result = E_FAIL;
        return;
    }
    static UINT_PTR nextTimer = kFirstLaunchTimer;
    const UINT_PTR timer = nextTimer++;
    PendingLaunches().emplace(timer, spec);
    SetTimer(context.control, timer, context.launchDelayMs, nullptr);
}

void OnLaunchTimer(UINT_PTR timer) {
    KillTimer(Context().control, timer);
    auto pending = PendingLaunches().find(timer);
    if (pending == PendingLaunches().end()) return;
    const wire::Spec spec = pending->second;
    PendingLaunches().erase(pending);
    OpenShellWindow(spec);
}

}  // namespace standin
