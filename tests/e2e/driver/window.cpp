#include "driver/window.h"

#include <algorithm>
#include <atomic>
#include <tuple>

#include "driver/text.h"
#include "driver/wait.h"

namespace e2e {
namespace {

// How long one sent message may take before the driver calls the program unresponsive.
constexpr UINT kAnswerTimeoutMs = 5000;

bool Answered(HWND window, UINT msg, DWORD_PTR& result, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageTimeoutW(window, msg, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &result) != 0;
}

BOOL CALLBACK Collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// The windows of the thread: top-level ones first, then their children.
std::vector<HWND> WindowsOfThread(DWORD threadId) {
    std::vector<HWND> windows;
    EnumThreadWindows(threadId, Collect, reinterpret_cast<LPARAM>(&windows));
    for (size_t i = 0, topLevel = windows.size(); i < topLevel; ++i)
        EnumChildWindows(windows[i], Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The marker: a posted EM_SETLIMITTEXT with a value nobody else uses, on an edit of the thread (a multi-line
// one when there is one). When it is seen, every message posted before it has been dispatched; the old limit
// is then put back, also posted, so it is in place before anything the test posts later.
void SettleThread(DWORD threadId) {
    static std::atomic<unsigned> markerCount{0};
    // The marker edit can go away with its window before it sees the marker (an action that closes a
    // dialog or the program): then take another one, or be done when the thread has no window left.
    for (;;) {
        const std::vector<HWND> windows = WindowsOfThread(threadId);
        const auto isEdit = [](HWND window) { return HasClass(window, L"Edit"); };
        auto edit = std::find_if(windows.begin(), windows.end(), [&](HWND window) {
            return isEdit(window) && (GetWindowLongW(window, GWL_STYLE) & ES_MULTILINE);
        });
        if (edit == windows.end()) edit = std::find_if(windows.begin(), windows.end(), isEdit);
        DWORD_PTR oldLimit = 0;
        if (edit == windows.end()) {  // nothing to mark with: at least the thread has answered, if it has a window
            if (!windows.empty()) Answered(windows.front(), WM_NULL, oldLimit);
            return;
        }
        const Window marker(*edit);
        if (!Answered(marker.handle(), EM_GETLIMITTEXT, oldLimit)) {
            if (!marker.Exists()) continue;
            throw DriverError(marker.Describe() + " did not answer within " + std::to_string(kAnswerTimeoutMs) + " ms");
        }
        const WPARAM mark = 0x70000000u + (++markerCount & 0xFFFFu);
        if (!PostMessageW(marker.handle(), EM_SETLIMITTEXT, mark, 0)) continue;
        bool seen = false;
        WaitFor("the program to handle the messages posted to it (" + DescribeProcess(marker.ProcessId()) + ")", [&] {
            DWORD_PTR limit = 0;
            seen = marker.Exists() && Answered(marker.handle(), EM_GETLIMITTEXT, limit) && limit == mark;
            return seen || !marker.Exists();
        });
        if (!seen) continue;
        PostMessageW(marker.handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(oldLimit), 0);
        return;
    }
}

// The thread is taken first: what is posted may close the window.
void PostAndSettle(const Window& window, const std::vector<std::tuple<UINT, WPARAM, LPARAM>>& messages) {
    const DWORD threadId = window.ThreadId();
    for (const auto& [msg, wParam, lParam] : messages) window.Post(msg, wParam, lParam);
    SettleThread(threadId);
}

}  // namespace

void PrintTo(const Box& box, std::ostream* out) {
    *out << "{x " << box.x << ", y " << box.y << ", " << box.width << " x " << box.height << "}";
}

void PrintTo(const Window& window, std::ostream* out) { *out << window.Describe(); }

bool HasClass(HWND window, const wchar_t* name) {
    return CompareStringOrdinal(Wide(Window(window).ClassName()).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

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
    // The length can be counted in ANSI bytes; the buffer only has to be large enough.
    std::wstring text(static_cast<size_t>(Send(WM_GETTEXTLENGTH)) + 1, L'\0');
    const auto copied = static_cast<size_t>(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, text.size() - 1));
    return Utf8(text);
}

bool Window::HasFocus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(ThreadId(), &info) && info.hwndFocus == handle_;
}

std::vector<std::string> Window::ComboItems() const {
    std::vector<std::string> items;
    for (int index = 0, count = static_cast<int>(Send(CB_GETCOUNT)); index < count; ++index) {
        std::wstring item(2 * static_cast<size_t>(Send(CB_GETLBTEXTLEN, index)) + 2, L'\0');
        const auto copied = static_cast<size_t>(Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data())));
        item.resize(copied < item.size() ? copied : 0);
        items.push_back(Utf8(item));
    }
    return items;
}

Box Window::ScreenBox() const {
    RECT rect = {};
    GetWindowRect(handle_, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Box Window::PlaceInParent() const {
    const Box box = ScreenBox();
    POINT corner = {box.x, box.y};
    MapWindowPoints(nullptr, Style() & WS_CHILD ? GetParent(handle_) : nullptr, &corner, 1);
    return {corner.x, corner.y, box.width, box.height};
}

void Window::Click() const { PostAndSettle(*this, {{BM_CLICK, 0, 0}}); }

void Window::SetChecked(bool checked) const {
    if (IsChecked() == checked) return;
    Click();
    WaitFor(Describe() + (checked ? " to become checked" : " to become clear"), [&] { return IsChecked() == checked; });
}

void Window::ClickAt(int x, int y) const {
    const LPARAM point = MAKELPARAM(x, y);
    PostAndSettle(*this, {{WM_MOUSEMOVE, 0, point}, {WM_LBUTTONDOWN, MK_LBUTTON, point}, {WM_LBUTTONUP, 0, point}});
}

void Window::Type(std::string_view utf8) const {
    std::vector<std::tuple<UINT, WPARAM, LPARAM>> chars;
    for (const wchar_t unit : Wide(utf8)) chars.emplace_back(WM_CHAR, unit, 1);
    PostAndSettle(*this, chars);
}

void Window::TypeOver(std::string_view utf8) const {
    Post(EM_SETSEL, 0, -1);
    Type(utf8);
}

void Window::SetText(std::string_view utf8) const { Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(utf8).c_str())); }

void Window::SelectComboItem(int index) const {
    PressKey(VK_HOME);
    for (int step = 0; step < index; ++step) PressKey(VK_DOWN);
    if (ComboSelection() != index)
        throw DriverError(Describe() + " selected " + std::to_string(ComboSelection()) + " instead of item " +
                          std::to_string(index));
}

void Window::PressKey(UINT virtualKey) const {
    const LPARAM keyData = 1 | static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostAndSettle(*this, {{WM_KEYDOWN, virtualKey, keyData}, {WM_KEYUP, virtualKey, keyData | (3LL << 30)}});
}

void Window::Step(bool up) const {
    RECT client = {};
    GetClientRect(handle_, &client);
    ClickAt(client.right / 2, client.bottom * (up ? 1 : 3) / 4);
}

LRESULT Window::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (!Exists()) throw DriverError(Describe() + " no longer exists (message " + Hex(msg) + ")");
    DWORD_PTR result = 0;
    if (!Answered(handle_, msg, result, wParam, lParam))
        throw DriverError(Describe() + " did not answer message " + Hex(msg) + " within " +
                          std::to_string(kAnswerTimeoutMs) + " ms");
    return static_cast<LRESULT>(result);
}

void Window::Post(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (!PostMessageW(handle_, msg, wParam, lParam))
        throw DriverError("could not post message " + Hex(msg) + " to " + Describe());
}

std::string Window::Describe() const {
    if (!handle_) return "no window";
    if (!Exists()) return "window " + Hex(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle_))) + " (gone)";
    const std::string kind = Style() & WS_CHILD ? "control " + std::to_string(Id()) : "window \"" + Text() + "\"";
    return kind + " (" + ClassName() + ") of " + DescribeProcess(ProcessId());
}

void SettleThreadOf(const Window& window) {
    const DWORD threadId = window.ThreadId();
    if (threadId == 0) throw DriverError(window.Describe() + ": cannot wait for a window that is gone");
    SettleThread(threadId);
}

}  // namespace e2e
