#pragma once
// Every window the stand-in shell owns (the taskbar aside), in the order they were opened.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "protocol/wire.h"

namespace standin {

struct ShellWindow {
    HWND hwnd = nullptr;
    wire::Kind kind = wire::Kind::Folder;
    std::wstring path;  // empty for web pages and virtual locations
    std::wstring url;
    int viewMode = 1;
    wire::CloseMode closeMode = wire::CloseMode::Close;
    DWORD hangMs = 0;
    // Arranged by "Windows" (snapped): the window stands elsewhere, its placement keeps this rectangle.
    bool arranged = false;
    RECT normalBeforeArrangement{};

    bool HasFolderView() const { return kind == wire::Kind::Folder || kind == wire::Kind::Explorer; }
    // Other programs' windows stand on the taskbar but are no shell windows.
    bool Listed() const { return kind != wire::Kind::OtherApp; }
};

class WindowRegistry {
public:
    ShellWindow& Add(std::unique_ptr<ShellWindow> window);
    void Remove(HWND hwnd);
    ShellWindow* Find(HWND hwnd) const;
    // The shell window list as IShellWindows::Item walks it: the newest last.
    std::vector<ShellWindow*> Listed() const;
    const std::vector<std::unique_ptr<ShellWindow>>& All() const { return windows_; }

private:
    std::vector<std::unique_ptr<ShellWindow>> windows_;
};

}  // namespace standin
