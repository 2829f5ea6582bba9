#include "slot_report_fixture.h"

#include <fstream>
#include <sstream>

#include "textio/line_buffers.h"
#include "textio/line_input_files.h"
#include "win32/message_box.h"

namespace textio_test {
namespace {
std::vector<RecordedBox> boxes;
int closeRequests = 0;

int RecordBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    boxes.push_back({owner, std::string(text), std::string(caption), type});
    return IDOK;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        ++closeRequests;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* OwnerClass() {
    static const char* const name = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = OwnerProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TextioTestOwner";
        RegisterClassA(&windowClass);
        return "TextioTestOwner";
    }();
    return name;
}
}  // namespace

void SlotReportTest::SetUp() {
    win32::SetMessageBoxHookForTests(RecordBox);
    owner_ = CreateWindowA(OwnerClass(), "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
    ClearBoxes();
}

void SlotReportTest::TearDown() {
    for (uint16_t index = 0; index < 5; ++index) DeleteBufferW(index);
    for (int16_t index = 0; index < 5; ++index) FileLICloseW(index);
    win32::SetMessageBoxHookForTests(nullptr);
    DestroyWindow(owner_);
    for (const std::wstring& file : files_) {
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(file.c_str());
    }
}

const std::vector<RecordedBox>& SlotReportTest::Boxes() { return boxes; }

void SlotReportTest::ClearBoxes() {
    boxes.clear();
    closeRequests = 0;
}

int SlotReportTest::CloseRequests() { return closeRequests; }

RecordedBox SlotReportTest::OnlyBox() {
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? RecordedBox{} : boxes.back();
}

std::wstring SlotReportTest::TempFile(std::string_view bytes) {
    wchar_t folder[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"txt", 0, path);
    files_.emplace_back(path);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string SlotReportTest::ReadBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace textio_test
