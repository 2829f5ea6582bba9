#pragma once
// The shell's answers to the requests of wire.h, one handler per operation.
#include "protocol/wire.h"

namespace standin {

void HandleRequest(const wire::Request& request, wire::Reply& reply);

// Shell window list (list_requests.cpp).
void OnCreateList(const wire::Request& request, wire::Reply& reply);
void OnCount(const wire::Request& request, wire::Reply& reply);
void OnItem(const wire::Request& request, wire::Reply& reply);
void OnLocationUrl(const wire::Request& request, wire::Reply& reply);
void OnHasFolderView(const wire::Request& request, wire::Reply& reply);
void OnGetViewMode(const wire::Request& request, wire::Reply& reply);
void OnSetViewMode(const wire::Request& request, wire::Reply& reply);
void OnNavigate(const wire::Request& request, wire::Reply& reply);
void OnGetPlacement(const wire::Request& request, wire::Reply& reply);
void OnSetPlacement(const wire::Request& request, wire::Reply& reply);

// Folder launches (launch_queue.cpp).
void OnLaunchAnswer(const wire::Request& request, wire::Reply& reply);
void OnLaunch(const wire::Request& request, wire::Reply& reply);
void OnLaunchTimer(UINT_PTR timer);

// Test control (control_requests.cpp).
void OnOpen(const wire::Request& request, wire::Reply& reply);
void OnClose(const wire::Request& request, wire::Reply& reply);
void OnSetTaskbarOrder(const wire::Request& request, wire::Reply& reply);
void OnSetLaunchDelay(const wire::Request& request, wire::Reply& reply);
void OnSetFaults(const wire::Request& request, wire::Reply& reply);
void OnDescribe(const wire::Request& request, wire::Reply& reply);
void OnListedWindows(const wire::Request& request, wire::Reply& reply);
void OnTaskbarWindows(const wire::Request& request, wire::Reply& reply);
void OnQuit(const wire::Request& request, wire::Reply& reply);

// DShellWindowsEvents (window_events.cpp).
void OnAdvise(const wire::Request& request, wire::Reply& reply);
void OnUnadvise(const wire::Request& request, wire::Reply& reply);

}  // namespace standin
