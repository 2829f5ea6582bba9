// The program of the release archive, unpacked beside its ReadMe.txt: it starts, its version resource and
// version dialog show the version that the archive's name gives, and ReadMe.txt is a file Notepad reads on
// any Windows that names every label exactly as the running program shows it.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "dialogs_steps.h"

namespace e2e {
namespace {

using ReleaseArchive = RunningPavorin;

std::string ReadMe() {
    std::ifstream file(std::filesystem::path(PavorinExePath()).replace_filename(L"ReadMe.txt"), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(ReadMeFile, IsUtf8WithByteOrderMarkAndCrLfLineEndsOnly) {
    const std::string text = ReadMe();
    ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_GT(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), nullptr, 0), 0);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "a bare LF at byte " << i;
        if (text[i] == '\r') ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "a bare CR at byte " << i;
    }
}

TEST_F(ReleaseArchive, ShowsItsMainWindowAndReadMeNamesEveryLabelAsShown) {
    ASSERT_TRUE(app().MainWindow().IsVisible());
    std::vector<std::string> labels;
    for (const Window& control : app().MainWindow().Children())
        if (control.ClassName() == "Button") labels.push_back(control.Text());
    for (const int combo : {id::kOverwriteMode, id::kShowStateMode})
        for (const std::string& item : Control(combo).ComboItems()) labels.push_back(item);
    const Window options = OpenOptionsDialog(app());
    labels.push_back(options.Text());
    for (const Window& control : options.Children())
        if (control.ClassName() != "Edit") labels.push_back(control.Text());
    options.Post(WM_CLOSE);
    app().Settle();
    const std::string readMe = ReadMe();
    for (const std::string& label : labels) EXPECT_NE(readMe.find(label), std::string::npos) << label;
}

std::string VersionValue(const std::vector<char>& block, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), name, reinterpret_cast<void**>(&value), &length)) return "(none)";
    return Utf8(value);
}

TEST_F(ReleaseArchive, VersionResourceVersionDialogAndArchiveNameAgree) {
    const char* version = std::getenv("PAVORIN_RELEASE_VERSION");
    ASSERT_TRUE(version) << "run by package_test.sh";
    const std::string shown = OpenVersionDialog(app()).Control(id::kVersionText).Text();
    EXPECT_EQ(shown, std::string("Pavorin Version ") + version);
    EXPECT_NE(ReadMe().find(shown), std::string::npos) << "ReadMe.txt names the version it describes";
    const std::wstring exe = PavorinExePath();
    std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, DWORD(block.size()), block.data()));
    EXPECT_EQ(VersionValue(block, L"\\StringFileInfo\\041104B0\\FileVersion"), version);
    EXPECT_EQ(VersionValue(block, L"\\StringFileInfo\\041104B0\\ProductVersion"), version);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "%u.%02u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS));
    EXPECT_EQ(numbers, std::string(version));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
}

}  // namespace
}  // namespace e2e
