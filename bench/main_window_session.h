#pragma once
// A run of the program's main window inside the test process: a fresh temporary folder as the current
// directory (where Pavorin.ini lives), the shared resources and classes, the window, and its close.
#include <windows.h>

#include <string>

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
    std::string previous_;
};

// Starts the main window the way the program does; the destructor closes it if the test has not.
class MainWindowSession {
public:
    MainWindowSession();
    ~MainWindowSession();
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    HWND window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    void SetCheck(int id, bool checked) const;
    bool IsChecked(int id) const;
    int Selection(int id) const;
    void Select(int id, int index) const;
    std::string Text(int id) const;  // UTF-8, through the wide calls
    void SetText(int id, const std::string& text) const;

    // WM_CLOSE as the user's close does it; true when the window posted its quit message with code 0.
    bool Close();

private:
    HWND window_ = nullptr;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
