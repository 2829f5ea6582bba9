#pragma once
// Every test gets a fresh stand-in shell and a COM apartment, as the program has during a command.
#include <gtest/gtest.h>

#include "control/standin_control.h"
#include "client/shell_client.h"

namespace standin::testing {

class StandInTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(shell.running()); }

    HWND OpenWindow(WindowKind kind, const std::wstring& location, int viewMode = 1) {
        WindowSpec spec;
        spec.kind = kind;
        (location.find(L':') == 1 ? spec.path : spec.url) = location;
        spec.viewMode = viewMode;
        HWND window = shell.Open(spec);
        EXPECT_NE(window, nullptr);
        return window;
    }

    win32::ComApartment com;
    Shell shell;
};

}  // namespace standin::testing
