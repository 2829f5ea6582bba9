#include "driver/window.h"

#include <commctrl.h>

#include <atomic>

#include "driver/text.h"
#include "driver/wait.h"

namespace e2e {

void PrintTo(const Box& box, std::ostream* out) {
    *out << "{x " << box.x << ", y " << box.y << ", " << box.width << " x " << box.height << "}";
}

void PrintTo(const Window& window, std::ostream* out) { *out << window.Describe(); }

namespace {

Box BoxFromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string MessageName(UINT msg) { return "message " + Hex(msg); }

}  // namespace

bool Window::Exists() const { return handle_ != nullptr && IsWindow(handle_); }

int Window::Id() const { return GetDlgCtrlID(handle_); }

std::string Window::ClassName() const {
    wchar_t name[256] = {};
    GetClassNameW(handle_, name, 256);
    return Utf8(name);
}

DWORD Window::ProcessId() const {
    DWORD pid = 0;
    GetWindowThreadProcessId(handle_, &pid);
    return pid;
}

DWORD Window::ThreadId() const { return GetWindowThreadProcessId(handle_, nullptr); }

Window Window::Parent() const { return Window(GetAncestor(handle_, GA_PARENT) == GetDesktopWindow() ? nullptr : GetParent(handle_)); }

Window Window::Owner() const { return Window(GetWindow(handle_, GW_OWNER)); }

Window Window::FindControl(int id) const { return Window(GetDlgItem(handle_, id)); }

Window Window::Control(int id) const {
    const Window control = FindControl(id);
    if (!control) throw DriverError("no control " + std::to_string(id) + " in " + Describe());
    return control;
}

std::vector<Window> Window::Children() const {
    std::vector<Window> children;
    for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.emplace_back(child);
    return children;
}

std::string Window::Text() const {
    const auto length = static_cast<size_t>(Send(WM_GETTEXTLENGTH));
    // The length can be counted in ANSI bytes; the buffer only has to be large enough.
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<size_t>(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return Utf8(text);
}

DWORD Window::Style() const { return static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE)); }
DWORD Window::ExStyle() const { return static_cast<DWORD>(GetWindowLongW(handle_, GWL_EXSTYLE)); }
bool Window::IsEnabled() const { return IsWindowEnabled(handle_) != FALSE; }
bool Window::IsVisible() const { return IsWindowVisible(handle_) != FALSE; }

bool Window::HasFocus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(ThreadId(), &info) && info.hwndFocus == handle_;
}

int Window::ComboSelection() const { return static_cast<int>(Send(CB_GETCURSEL)); }

std::vector<std::string> Window::ComboItems() const {
    std::vector<std::string> items;
    const auto count = static_cast<int>(Send(CB_GETCOUNT));
    for (int index = 0; index < count; ++index) {
        const auto length = static_cast<size_t>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
        std::wstring item(2 * length + 2, L'\0');
        const auto copied = static_cast<size_t>(
            Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.data())));
        item.resize(copied < item.size() ? copied : 0);
        items.push_back(Utf8(item));
    }
    return items;
}

Box Window::ScreenBox() const {
    RECT rect = {};
    GetWindowRect(handle_, &rect);
    return BoxFromRect(rect);
}

Box Window::PlaceInParent() const {
    RECT rect = {};
    GetWindowRect(handle_, &rect);
    if (const Window parent = Parent()) MapWindowPoints(nullptr, parent.handle(), reinterpret_cast<POINT*>(&rect), 2);
    return BoxFromRect(rect);
}

void Window::PostClick() const { Post(BM_CLICK); }

void Window::Click() const {
    const DWORD threadId = ThreadId();
    PostClick();
    SettleThread(threadId);
}

void Window::SetChecked(bool checked) const {
    if (IsChecked() == checked) return;
    Click();
    WaitFor(Describe() + (checked ? " to become checked" : " to become clear"),
            [&] { return IsChecked() == checked; });
}

void Window::ClickAt(int x, int y) const {
    const DWORD threadId = ThreadId();
    const LPARAM point = MAKELPARAM(x, y);
    Post(WM_MOUSEMOVE, 0, point);
    Post(WM_LBUTTONDOWN, MK_LBUTTON, point);
    Post(WM_LBUTTONUP, 0, point);
    SettleThread(threadId);
}

void Window::Type(std::string_view utf8) const {
    const DWORD threadId = ThreadId();
    for (const wchar_t unit : Wide(utf8)) Post(WM_CHAR, unit, 1);
    SettleThread(threadId);
}

void Window::TypeOver(std::string_view utf8) const {
    Post(EM_SETSEL, 0, -1);
    Type(utf8);
}

void Window::SetText(std::string_view utf8) const {
    const std::wstring text = Wide(utf8);
    Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Window::SelectComboItem(int index) const {
    PressKey(VK_HOME);
    for (int step = 0; step < index; ++step) PressKey(VK_DOWN);
    if (ComboSelection() != index)
        throw DriverError(Describe() + " selected " + std::to_string(ComboSelection()) + " instead of item " +
                          std::to_string(index));
}

void Window::PressKey(UINT virtualKey) const {
    const DWORD threadId = ThreadId();
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    Post(WM_KEYDOWN, virtualKey, 1 | (static_cast<LPARAM>(scanCode) << 16));
    Post(WM_KEYUP, virtualKey, 1 | (static_cast<LPARAM>(scanCode) << 16) | (3LL << 30));
    SettleThread(threadId);
}

void Window::Step(bool up) const {
    RECT client = {};
    GetClientRect(handle_, &client);
    ClickAt(client.right / 2, client.bottom * (up ? 1 : 3) / 4);
}

LRESULT Window::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (!Exists()) throw DriverError(Describe() + " no longer exists (" + MessageName(msg) + ")");
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(handle_, msg, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &result))
        throw DriverError(Describe() + " did not answer " + MessageName(msg) + " within " +
                          std::to_string(kAnswerTimeoutMs) + " ms");
    return static_cast<LRESULT>(result);
}

void Window::Post(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (!PostMessageW(handle_, msg, wParam, lParam))
        throw DriverError("could not post " + MessageName(msg) + " to " + Describe());
}

std::string Window::Describe() const {
    if (!handle_) return "no window";
    if (!Exists()) return "window " + Hex(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle_))) + " (gone)";
    const std::string kind = Parent() ? "control " + std::to_string(Id()) : "window \"" + Text() + "\"";
    return kind + " (" + ClassName() + ") of " + DescribeProcess(ProcessId());
}

// The marker: a posted EM_SETLIMITTEXT with a value nobody else uses, on an edit of the thread. When it is
// seen, every message posted before it has been dispatched; the old limit is then put back, also posted,
// so it is in place before anything the test posts later.
namespace {

struct MarkerSearch {
    HWND found = nullptr;
    bool multiline = false;
};

BOOL CALLBACK ConsiderEdit(HWND child, LPARAM param) {
    auto& search = *reinterpret_cast<MarkerSearch*>(param);
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (CompareStringOrdinal(name, -1, L"Edit", -1, TRUE) != CSTR_EQUAL) return TRUE;
    const bool multiline = (GetWindowLongW(child, GWL_STYLE) & ES_MULTILINE) != 0;
    if (!search.found || (multiline && !search.multiline)) search = {child, multiline};
    return TRUE;
}

BOOL CALLBACK ConsiderTopLevel(HWND window, LPARAM param) {
    EnumChildWindows(window, ConsiderEdit, param);
    return TRUE;
}

Window MarkerEditOf(DWORD threadId) {
    MarkerSearch search;
    EnumThreadWindows(threadId, ConsiderTopLevel, reinterpret_cast<LPARAM>(&search));
    return Window(search.found);
}

std::atomic<unsigned> markerCount{0};

BOOL CALLBACK TakeFirstWindow(HWND window, LPARAM param) {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

HWND AnyWindowOf(DWORD threadId) {
    HWND any = nullptr;
    EnumThreadWindows(threadId, TakeFirstWindow, reinterpret_cast<LPARAM>(&any));
    return any;
}

}  // namespace

void SettleThread(DWORD threadId) {
    // A marker edit can go away with its window before it sees the marker (an action that closes a
    // dialog or the program): then look for another one, or be done when the thread has no window left.
    for (;;) {
        const Window marker = MarkerEditOf(threadId);
        if (!marker) {
            // No edit to mark with: at least the thread has answered, if it still has a window.
            DWORD_PTR ignored = 0;
            if (const HWND any = AnyWindowOf(threadId))
                SendMessageTimeoutW(any, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored);
            return;
        }
        DWORD_PTR oldLimit = 0;
        if (!SendMessageTimeoutW(marker.handle(), EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &oldLimit)) {
            if (!marker.Exists()) continue;
            throw DriverError(marker.Describe() + " did not answer within " + std::to_string(kAnswerTimeoutMs) + " ms");
        }
        const WPARAM mark = 0x70000000u + (++markerCount & 0xFFFFu);
        if (!PostMessageW(marker.handle(), EM_SETLIMITTEXT, mark, 0)) continue;
        bool seen = false;
        WaitFor("the program to handle the messages posted to it (" + DescribeProcess(marker.ProcessId()) + ")", [&] {
            DWORD_PTR limit = 0;
            if (!marker.Exists()) return true;
            seen = SendMessageTimeoutW(marker.handle(), EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &limit) &&
                   limit == mark;
            return seen;
        });
        if (!seen) continue;
        PostMessageW(marker.handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(oldLimit), 0);
        return;
    }
}

void SettleThreadOf(const Window& window) {
    const DWORD threadId = window.ThreadId();
    if (threadId == 0) throw DriverError(window.Describe() + ": cannot wait for a window that is gone");
    SettleThread(threadId);
}

}  // namespace e2e
