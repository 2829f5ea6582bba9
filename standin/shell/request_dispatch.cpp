#include <iterator>

#include "shell/request_handlers.h"

namespace standin {

void HandleRequest(const wire::Request& request, wire::Reply& reply) {
    using Handler = void (*)(const wire::Request&, wire::Reply&);
    static constexpr Handler handlers[] = {
        OnCreateList, OnCount,   OnItem,          OnLocationUrl,     OnHasFolderView, OnGetViewMode,
        OnSetViewMode, OnNavigate, OnGetPlacement, OnSetPlacement,   OnLaunchAnswer, OnLaunch,        OnOpen,
        OnClose,      OnSetTaskbarOrder, OnSetLaunchDelay, OnSetFaults, OnDescribe,    OnListedWindows,
        OnTaskbarWindows, OnAdvise, OnUnadvise, OnQuit,
    };
    static_assert(std::size(handlers) == static_cast<size_t>(wire::Op::Quit) + 1, "one handler per operation");
    const auto index = static_cast<size_t>(request.op);
    if (index >= std::size(handlers)) {
        reply.result = E_INVALIDARG;
        return;
    }
    reply.result = S_OK;
    handlers[index](request, reply);
}

}  // namespace standin
