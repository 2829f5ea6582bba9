#include "driver/scenario.h"

#include <cstdio>
#include <cwchar>

#include "driver/screen.h"
#include "driver/text.h"

namespace e2e {

void PavorinScenario::SetUp() {
    wchar_t named[16] = {};
    const UINT codePage =
        GetEnvironmentVariableW(L"PAVORIN_CODE_PAGE", named, 16) ? std::wcstoul(named, nullptr, 10) : 932u;
    ASSERT_EQ(GetACP(), codePage)
        << "run the tests with LC_ALL=ja_JP.UTF-8 (code page 932) as scripts/test does, or with the locale of "
           "the code page PAVORIN_CODE_PAGE names";
}

void PavorinScenario::TearDown() {
    const bool failedWhileRunning = HasFailure() && app_ && app_->IsRunning();
    if (failedWhileRunning) SaveBitmap(CaptureScreen(), folder.PathOf("failure-screen.bmp"));
    EndRunLeftBehind();
    if (!HasFailure()) return;
    folder.Keep();
    std::printf("the scenario's folder is kept: %s%s\n", Utf8(folder.Path()).c_str(),
                failedWhileRunning ? " (failure-screen.bmp shows the screen at the failure)" : "");
}

void PavorinScenario::EndRunLeftBehind() {
    if (!app_) return;
    if (!app_->IsRunning()) {
        if (!app_->exitObserved_ && app_->ExitCode() != 0u)
            ADD_FAILURE() << app_->Describe() << " on its own during the scenario";
        return;
    }
    if (const std::vector<MessageBoxWindow> boxes = app_->MessageBoxes(); !boxes.empty()) {
        ADD_FAILURE() << "the scenario ended with a message box open: " << boxes.front().Describe();
        return app_->Terminate();
    }
    app_->Close();
    const std::optional<DWORD> code = app_->WaitForExit();
    if (!code) {
        ADD_FAILURE() << app_->Describe() << " did not end after WM_CLOSE at the end of the scenario";
        return app_->Terminate();
    }
    EXPECT_EQ(*code, 0u) << "closed at the end of the scenario, " << app_->Describe();
}

Pavorin& PavorinScenario::StartPavorin(const StartOptions& options) {
    if (app_ && app_->IsRunning()) throw DriverError("Pavorin already runs in this scenario: " + app_->Describe());
    app_ = std::make_unique<Pavorin>(startFolder_.empty() ? folder.Path() : startFolder_, options);
    return *app_;
}

Pavorin& PavorinScenario::app() {
    if (!app_) throw DriverError("the scenario has not started Pavorin");
    return *app_;
}

Pavorin& PavorinScenario::RestartPavorin() {
    const DWORD code = ClosePavorin();
    if (code != 0)
        throw DriverError("Pavorin ended with " + DescribeExitCode(code) + " when closed before the restart");
    return StartPavorin();
}

void RunningPavorin::SetUp() {
    PavorinScenario::SetUp();
    if (!HasFatalFailure()) StartPavorin();
}

}  // namespace e2e
