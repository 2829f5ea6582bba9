#include "shell/window_registry.h"

#include <algorithm>

namespace standin {

ShellWindow& WindowRegistry::Add(std::unique_ptr<ShellWindow> window) {
    windows_.push_back(std::move(window));
    return *windows_.back();
}

void WindowRegistry::Remove(HWND hwnd) {
    std::erase_if(windows_, [hwnd](const auto& window) { return window->hwnd == hwnd; });
}

ShellWindow* WindowRegistry::Find(HWND hwnd) const {
    auto found = std::find_if(windows_.begin(), windows_.end(),
                              [hwnd](const auto& window) { return window->hwnd == hwnd; });
    return found == windows_.end() ? nullptr : found->get();
}

std::vector<ShellWindow*> WindowRegistry::Listed() const {
    std::vector<ShellWindow*> listed;
    for (const auto& window : windows_) {
        if (window->Listed()) listed.push_back(window.get());
    }
    return listed;
}

}  // namespace standin
