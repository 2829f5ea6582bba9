// The demonstration that scripts/run shows: a desktop of folder windows on the stand-in shell, Pavorin
// started in a fresh folder, a capture, the windows closed, a restore, the options and version dialogs,
// one screenshot per step. Driven through the end-to-end driver, the way the scenarios drive the program.
//
//   pavorin_demo.exe <folder for the program> <folder for the screenshots> [--stay]
//
// With --stay the program and the shell are left running for the user; the demo ends when the user
// closes the program. Screenshots are BMP files named 01-desktop.bmp, 02-captured.bmp, ...
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "control/standin_control.h"
#include "driver/pavorin_driver.h"

namespace {

using e2e::Window;

struct DemoFolder {
    const char* name;  // UTF-8; made inside the program's folder, so that the restore can open it again
    standin::WindowKind kind;
    RECT normal;
    int viewMode;
};

// Names with kanji and kana, so that the screenshots show the Japanese text the program handles.
const DemoFolder kDesktop[] = {
    {"資料", standin::WindowKind::Folder, {480, 20, 1000, 330}, 4},
    {"写真 2024", standin::WindowKind::Explorer, {560, 120, 1200, 470}, 5},
    {"プロジェクト", standin::WindowKind::Explorer, {500, 380, 1140, 700}, 3},
    {"音楽", standin::WindowKind::Folder, {640, 560, 1240, 960}, 1},
};

constexpr char kTitle[] = "デモの机 (4 フォルダ)";

class Demo {
public:
    Demo(std::wstring programFolder, std::wstring shotFolder)
        : programFolder_(std::move(programFolder)), shotFolder_(std::move(shotFolder)) {}

    void Run(bool stay) {
        if (!shell_.running()) throw e2e::DriverError("the stand-in shell did not start");
        OpenDesktop();
        app_ = std::make_unique<e2e::Pavorin>(programFolder_);
        Control(e2e::id::kListNumber).TypeOver("1");
        Control(e2e::id::kListTitle).SetText(kTitle);
        Shot("01-desktop", "the desktop: four folder windows of both classes, Pavorin just started");

        Control(e2e::id::kCaptureButton).Click();
        AnswerBox("02-captured",
                  "the capture: list 1 written in the shell list's order (today's taskbar has none to read)");

        for (HWND window : shell_.ListedWindows()) shell_.Close(window);
        app_->Settle();
        Shot("03-closed", "every folder window closed");

        Control(e2e::id::kRestoreButton).PostClick();
        AnswerBox("04-restored", "the restore: the four folders reopened where they were");

        Control(e2e::id::kOptionsButton).Click();
        const Window options = app_->WaitForDialog();
        Shot("05-options", "the options dialog");
        options.Control(e2e::id::kOk).Click();

        Control(e2e::id::kFaceButton).Click();
        const Window version = app_->WaitForDialog();
        Shot("06-version", "the version dialog");
        version.Control(e2e::id::kOk).Click();

        if (stay) {
            std::printf("Pavorin stays open on this display; the demo ends when it is closed.\n");
            std::fflush(stdout);
            while (!app_->WaitForExit(std::chrono::hours(1))) {
            }
            return;
        }
        const DWORD code = app_->CloseAndWaitForExit();
        if (code != 0) throw e2e::DriverError("Pavorin ended with " + e2e::DescribeExitCode(code));
    }

private:
    Window Control(int id) const { return app_->Control(id); }

    void OpenDesktop() {
        for (const DemoFolder& folder : kDesktop) {
            standin::WindowSpec spec;
            spec.kind = folder.kind;
            spec.path = programFolder_ + L"\\" + e2e::Wide(folder.name);
            spec.normal = folder.normal;
            spec.viewMode = folder.viewMode;
            CreateDirectoryW(spec.path.c_str(), nullptr);
            if (!shell_.Open(spec)) throw e2e::DriverError("the shell did not open " + std::string(folder.name));
        }
    }

    // The step's screenshot while its message box shows, then the box answered.
    void AnswerBox(const char* name, const char* what) {
        const e2e::MessageBoxWindow box = app_->WaitForMessageBox(std::chrono::seconds(30));
        Shot(name, (std::string(what) + "; the report: " + box.Text()).c_str());
        box.Press(IDOK);
        app_->Settle();
    }

    void Shot(const char* name, const char* what) {
        app_->Settle();
        // Painting waits until a thread has nothing else to do: have every window of the program paint
        // what is pending now, so that the picture shows each control.
        for (const Window& window : app_->TopLevelWindows())
            RedrawWindow(window.handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const std::wstring path = shotFolder_ + L"\\" + e2e::Wide(name) + L".bmp";
        e2e::SaveBitmap(e2e::CaptureScreen(), path);
        std::printf("%s: %s\n", name, what);
        std::fflush(stdout);
    }

    std::wstring programFolder_;
    std::wstring shotFolder_;
    standin::Shell shell_;
    std::unique_ptr<e2e::Pavorin> app_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: pavorin_demo <folder for the program> <folder for the screenshots> [--stay]\n");
        return 2;
    }
    const bool stay = argc > 3 && std::wstring(argv[3]) == L"--stay";
    try {
        Demo(argv[1], argv[2]).Run(stay);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "demo: %s\n", error.what());
        return 1;
    }
    return 0;
}
