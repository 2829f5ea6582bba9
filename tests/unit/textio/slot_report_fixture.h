#pragma once
// Win32 tests of the slot tables: every message box is recorded instead of shown, and a hidden window
// stands in for the owner so that the WM_CLOSE of a fatal report can be seen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace textio_test {

struct RecordedBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

class SlotReportTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Closes and deletes every slot the test left behind.
    void TearDown() override;

    HWND Owner() const { return owner_; }
    static const std::vector<RecordedBox>& Boxes();
    static void ClearBoxes();
    static int CloseRequests();
    // The one box shown since the last ClearBoxes, or a failure.
    static RecordedBox OnlyBox();

    // A fresh file in the temporary folder holding bytes; removed after the test.
    std::wstring TempFile(std::string_view bytes);
    static std::string ReadBytes(const std::wstring& path);

private:
    HWND owner_ = nullptr;
    std::vector<std::wstring> files_;
};

}  // namespace textio_test
