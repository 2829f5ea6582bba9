#pragma once
// The fixture of every end-to-end scenario: a fresh current directory per test and the program running in
// it. Derive from PavorinScenario to prepare files before starting (folder.Write, then StartPavorin), or
// from RunningPavorin to have the program up when the test body begins. At the end a program that still
// runs is closed and must end with exit code 0 (so a crash in the last step is not missed); a message box
// left open, or an exit code of its own that the test never looked at, fails the scenario. A failed
// scenario keeps its folder and names it.
#include <gtest/gtest.h>

#include <memory>

#include "driver/pavorin_process.h"
#include "driver/test_folder.h"

namespace e2e {

class PavorinScenario : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Pavorin& StartPavorin(const StartOptions& options = {});  // in `folder`, or in the folder StartInside named
    void StartInside(std::string_view subfolder) { startFolder_ = folder.PathOf(subfolder); }
    Pavorin& app();  // the run started last; raises DriverError when none was started
    Window Control(int id) { return app().Control(id); }  // a control of its main window

    DWORD ClosePavorin() { return app().CloseAndWaitForExit(); }  // WM_CLOSE, then its exit code
    Pavorin& RestartPavorin();  // closes the program, expects exit code 0, and starts it again

    TestFolder folder;

private:
    void EndRunLeftBehind();
    std::unique_ptr<Pavorin> app_;
    std::wstring startFolder_;
};

class RunningPavorin : public PavorinScenario {
protected:
    void SetUp() override;
};

}  // namespace e2e
