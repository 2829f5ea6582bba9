// Runs from the command line (/restore N, /capture N): the buttons' commands with the options of Pavorin.ini,
// no main window, an exit code that tells what happened; and the system menu's desktop shortcut to a restore.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include "shell_steps.h"

namespace e2e {
namespace {

using standin::WindowKind;

constexpr char kUsage[] =
    "使い方:\nPavorin.exe /restore 番号 [/replace] [/quiet]\nPavorin.exe /capture 番号 [/title 題名] [/quiet]";

class CommandLine : public RestoreScenario {
protected:
    // Runs Pavorin.exe, answers the boxes it must show (no main window may show) and gives its exit code.
    DWORD Run(const std::wstring& arguments, const std::vector<ExpectedBox>& boxes = {},
              const std::wstring& directory = {}) {
        StartOptions options{.arguments = arguments, .untilMainWindow = false};
        run_ = std::make_unique<Pavorin>(directory.empty() ? folder.Path() : directory, options);
        for (const ExpectedBox& expected : boxes) {
            const MessageBoxWindow box = run_->WaitForMessageBox();
            EXPECT_EQ(box.Caption(), expected.caption) << Utf8(arguments);
            EXPECT_EQ(box.Text(), expected.text) << Utf8(arguments);
            EXPECT_EQ(box.HasIcon(), expected.icon) << box.Describe();
            for (const Window& window : run_->TopLevelWindows())
                EXPECT_EQ(window.ClassName(), "#32770") << Utf8(arguments) << " shows " << window.Describe();
            box.Press(IDOK);
        }
        const std::optional<DWORD> code = run_->WaitForExit();
        EXPECT_TRUE(code) << Utf8(arguments) << ": still running, " << run_->Describe();  // ended with run_
        return code.value_or(0xFFFFFFFF);
    }

    std::vector<ExpectedRecord> TwoRecords() {
        return {Record(MakeFolder("alpha"), WindowKind::Folder, kLeft, SW_SHOWNORMAL, 4),
                Record(MakeFolder("写真 2024"), WindowKind::Explorer, kRight, SW_SHOWMAXIMIZED, 6)};
    }

    std::unique_ptr<Pavorin> run_;
};

// The options come from Pavorin.ini (here: minimise all), which stays as it was; without /replace an open
// window stays and its record is skipped; with it every folder window is closed without asking.
TEST_F(CommandLine, RestoreSkipsOpenWindowsOrWithReplaceClosesThemAll) {
    const std::vector<ExpectedRecord> records = TwoRecords();
    const ExpectedRecord open = Record(records[0].path, WindowKind::Explorer, kRight, SW_SHOWNORMAL, 2);
    OpenWindow(open);
    WriteList(records, {.showStateMode = 1});
    const std::string settings = *folder.Read("Pavorin.ini");
    EXPECT_EQ(Run(L"/restore 1", {Counted(restore_text::kAlreadyOpen, 1)}), 0u);
    ExpectDesktop({AsRecorded(open), {records[1].path, WindowKind::Explorer, kRight, SW_SHOWMINIMIZED, true, 6}});
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", settings));

    OpenWindow(Record(MakeFolder("other"), WindowKind::Explorer, kLeft));
    WriteList(records, {.reportResults = false});
    EXPECT_EQ(Run(L"-RESTORE 001 -Replace"), 0u);
    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1])});
}

// 2 when nothing could be done (no list file, a list file that cannot be written, no window list from the
// shell), 1 when a window was lost.
TEST_F(CommandLine, ExitCodesTellWhatWentWrong) {
    WriteSettings();
    EXPECT_EQ(Run(L"/restore 7", {{restore_text::kFileErrorCaption, restore_text::kNoFile, true}}), 2u);
    EXPECT_EQ(Run(L"/restore 7 /quiet"), 2u);

    const std::string old = Utf16File(ListFileText("old", {}));
    folder.Write("lists5.txt", old);
    {
        const FileLock lock = folder.HoldOpenExclusively("lists5.txt");
        EXPECT_EQ(Run(L"/capture 5 /quiet"), 2u);
    }
    SetFileAttributesW(folder.PathOf("lists5.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Run(L"/capture 5", {{restore_text::kFileErrorCaption, capture_text::kFileLocked, true}}), 2u);
    SetFileAttributesW(folder.PathOf("lists5.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(FileHolds(folder, "lists5.txt", old));

    WriteList({Record(MakeFolder("late"), WindowKind::Folder, kLeft)}, {.timeoutMs = 0});
    ASSERT_TRUE(shell.SetFaults({.listCreationFails = true}));
    EXPECT_EQ(Run(L"/restore 1", {{restore_text::kCaption, "ウィンドウの一覧を取得できませんでした", true}}), 2u);
    EXPECT_EQ(Run(L"/capture 2 /quiet"), 2u);
    EXPECT_FALSE(folder.Exists("lists2.txt"));
    ExpectDesktop({});

    ASSERT_TRUE(shell.SetFaults({}));
    ASSERT_TRUE(shell.SetLaunchDelay(500));
    EXPECT_EQ(Run(L"/restore 1 /quiet"), 1u);
    WaitForWindowCount(1);
}

// The list as the button writes it for the same desktop, with another title line.
std::string Retitled(const std::string& list, std::string_view title) {
    const size_t lineEnd = list.find(std::string("\r\0\n\0", 4));
    return Utf16File(title) + list.substr(lineEnd == std::string::npos ? list.size() : lineEnd);
}

TEST_F(CommandLine, CaptureWritesTheButtonsFileAndKeepsTheTitleOfTheListItReplaces) {
    for (const ExpectedRecord& record : TwoRecords()) OpenWindow(record);
    WriteSettings({.reportResults = false});
    const std::string settings = *folder.Read("Pavorin.ini");
    folder.Write("lists2.txt", Utf16File(ListFileText("古い題名", {})));

    EXPECT_EQ(Run(L"/capture 2 /quiet"), 0u);
    EXPECT_EQ(Run(L"/capture 3 /TITLE \"新しい 題名\""), 0u);
    EXPECT_EQ(Run(L"/capture 4 /quiet"), 0u);
    EXPECT_TRUE(FileHolds(folder, "Pavorin.ini", settings));

    StartPavorin();
    Control(id::kListTitle).TypeOver("button");
    Capture({});
    const std::string byButton = *folder.Read("lists1.txt");
    EXPECT_TRUE(FileHolds(folder, "lists2.txt", Retitled(byButton, "古い題名")));
    EXPECT_TRUE(FileHolds(folder, "lists3.txt", Retitled(byButton, "新しい 題名")));
    EXPECT_TRUE(FileHolds(folder, "lists4.txt", Retitled(byButton, "")));
}

TEST_F(CommandLine, BadArgumentsShowHowToUseItOrNothingWithQuietAndDoNothing) {
    WriteList(TwoRecords());
    const ExpectedBox usage{"Pavorin", kUsage, true};
    const std::pair<const wchar_t*, bool> kBad[] = {
        {L"/restore", false},           {L"/restore 1000", false},      {L"/restore x /quiet", true},
        {L"/capture 1 /title", false},  {L"/restore 1 /capture 1", false}, {L"/restore 1 /bogus /quiet", true},
        {L"/capture 1 /replace", false}, {L"restore 1", false},         {L"-quiet", true},
    };
    for (const auto& [arguments, quiet] : kBad)
        EXPECT_EQ(Run(arguments, quiet ? std::vector<ExpectedBox>{} : std::vector<ExpectedBox>{usage}), 2u)
            << Utf8(arguments);
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"Pavorin.ini", "alpha", "lists1.txt", "写真 2024"}));
    ExpectDesktop({});
}

// What a shortcut file holds, read back through IShellLinkW.
struct ShortcutFields {
    std::wstring target, arguments, directory, description, icon;
    int iconIndex = -1;
};

std::optional<ShortcutFields> ReadShortcut(const std::wstring& path) {
    const HRESULT started = CoInitialize(nullptr);
    std::optional<ShortcutFields> fields;
    {
        Microsoft::WRL::ComPtr<IShellLinkW> link;
        Microsoft::WRL::ComPtr<IPersistFile> file;
        wchar_t text[5][INFOTIPSIZE] = {};
        int iconIndex = -1;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
            SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(text[0], MAX_PATH, nullptr, SLGP_RAWPATH)) &&
            SUCCEEDED(link->GetArguments(text[1], MAX_PATH)) && SUCCEEDED(link->GetWorkingDirectory(text[2], MAX_PATH)) &&
            SUCCEEDED(link->GetDescription(text[3], INFOTIPSIZE)) &&
            SUCCEEDED(link->GetIconLocation(text[4], MAX_PATH, &iconIndex)))
            fields = ShortcutFields{text[0], text[1], text[2], text[3], text[4], iconIndex};
    }
    if (SUCCEEDED(started)) CoUninitialize();
    return fields;
}

std::wstring DesktopPath(const wchar_t* name) {
    PWSTR desktop = nullptr;
    const HRESULT found = SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &desktop);
    const win32::UniqueTaskString owned(desktop);
    if (FAILED(found)) throw DriverError("no desktop folder");
    return std::wstring(desktop) + L"\\" + name;
}

TEST_F(CommandLine, TheSystemMenuMakesADesktopShortcutWhoseCommandLineRestoresTheList) {
    const std::wstring link = DesktopPath(L"Pavorin 913.lnk");
    DeleteFileW(link.c_str());
    const std::vector<ExpectedRecord> records = TwoRecords();
    WriteList(records);
    folder.Write("lists913.txt", Utf16File(ListFileText("first", records)));
    StartPavorin();
    const auto createShortcut = [&](const ExpectedBox& box) {
        app().MainWindow().Post(WM_SYSCOMMAND, 0x0100);
        AnswerBoxes({box});
    };
    const ExpectedBox created{"Pavorin", "デスクトップにショートカットを作成しました\nPavorin 913.lnk"};

    Control(id::kListNumber).TypeOver("914");
    createShortcut({restore_text::kFileErrorCaption, restore_text::kNoFile, true});
    EXPECT_FALSE(ReadShortcut(DesktopPath(L"Pavorin 914.lnk")));
    Control(id::kListNumber).TypeOver("913");
    createShortcut(created);
    EXPECT_EQ(ReadShortcut(link).value_or(ShortcutFields{}).description, L"first");
    const std::string longTitle = "second" + std::string(INFOTIPSIZE, 'x');  // cut to what a shortcut holds
    folder.Write("lists913.txt", Utf16File(ListFileText(longTitle, records)));
    createShortcut(created);
    EXPECT_EQ(ClosePavorin(), 0u);

    const std::optional<ShortcutFields> fields = ReadShortcut(link);
    DeleteFileW(link.c_str());
    ASSERT_TRUE(fields);
    const auto sameFile = [](const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; };
    EXPECT_TRUE(sameFile(fields->target, PavorinExePath())) << Utf8(fields->target);
    EXPECT_EQ(fields->arguments, L"/restore 913");
    EXPECT_TRUE(sameFile(fields->directory, folder.Path())) << Utf8(fields->directory);
    EXPECT_EQ(fields->description, Wide(longTitle.substr(0, INFOTIPSIZE - 1)));
    EXPECT_TRUE(sameFile(fields->icon, PavorinExePath())) << Utf8(fields->icon);
    EXPECT_EQ(fields->iconIndex, 0);

    EXPECT_EQ(Run(fields->arguments, {Done()}, fields->directory), 0u);
    ExpectDesktop({AsRecorded(records[0]), AsRecorded(records[1])});
}

}  // namespace
}  // namespace e2e
