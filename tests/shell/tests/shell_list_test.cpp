// The shell window list as the capture and the restore read it.
#include <shobjidl.h>

#include "stand_in_fixture.h"

namespace standin::testing {
namespace {

using Microsoft::WRL::ComPtr;

class ShellListTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        documents = OpenWindow(WindowKind::Folder, L"C:\\users\\Public\\Documents", 4);
        web = OpenWindow(WindowKind::Browser, L"https://example.org/");
        system = OpenWindow(WindowKind::Explorer, L"C:\\windows\\system32", 3);
        virtualFolder = OpenWindow(WindowKind::Folder, L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
        OpenWindow(WindowKind::OtherApp, L"C:\\notes.txt");
        list = CreateShellWindows();
        ASSERT_TRUE(list);
    }

    HWND documents = nullptr, web = nullptr, system = nullptr, virtualFolder = nullptr;
    ComPtr<IShellWindows> list;
};

TEST_F(ShellListTest, ListsFolderWindowsWithHandleUrlPathAndViewModeInOpeningOrder) {
    EXPECT_EQ(CountOf(*list.Get()), 4);  // the other program's window is no shell window
    const ListReading reading = ReadShellWindows(*list.Get());
    ASSERT_EQ(reading.folders.size(), 2u);
    EXPECT_EQ(reading.folders[0].hwnd, documents);
    EXPECT_EQ(reading.folders[0].url, L"file:///C:/users/Public/Documents");
    EXPECT_EQ(reading.folders[0].path, L"C:\\users\\Public\\Documents");
    EXPECT_EQ(reading.folders[0].viewMode, 4u);
    EXPECT_EQ(reading.folders[1].hwnd, system);
    EXPECT_EQ(reading.folders[1].path, L"C:\\windows\\system32");
    EXPECT_EQ(reading.folders[1].viewMode, 3u);
    EXPECT_EQ(reading.browserWindows, 1);
    EXPECT_EQ(reading.absent, 1);  // the virtual folder has no file-system path
}

TEST_F(ShellListTest, NewestWindowIsLastAndIndexPastTheEndGivesNothing) {
    HWND newest = OpenWindow(WindowKind::Folder, L"C:\\windows");
    EXPECT_EQ(CountOf(*list.Get()), 5);
    ComPtr<IDispatch> entry;
    ASSERT_EQ(list->Item(*win32::UniqueVariant::FromInt32(4), &entry), S_OK);
    ComPtr<IWebBrowser2> browser;
    ASSERT_HRESULT_SUCCEEDED(entry.As(&browser));
    SHANDLE_PTR hwnd = 0;
    browser->get_HWND(&hwnd);
    EXPECT_EQ(reinterpret_cast<HWND>(hwnd), newest);
    ComPtr<IDispatch> none;
    EXPECT_EQ(list->Item(*win32::UniqueVariant::FromInt32(5), &none), S_FALSE);
    EXPECT_EQ(none, nullptr);
}

TEST_F(ShellListTest, BrowserWindowOffersNoFolderViewButItsUrl) {
    ComPtr<IWebBrowser2> browser = FindNewestByUrl(*list.Get(), L"https://example.org/");
    EXPECT_EQ(browser, nullptr);  // the search only takes folder views
    ComPtr<IDispatch> entry;
    ASSERT_EQ(list->Item(*win32::UniqueVariant::FromInt32(1), &entry), S_OK);
    ASSERT_HRESULT_SUCCEEDED(entry.As(&browser));
    HRESULT queried = S_OK;
    EXPECT_EQ(FolderViewOf(*browser.Get(), &queried), nullptr);
    EXPECT_NE(queried, S_OK);
    ComPtr<IFolderView> direct;
    EXPECT_EQ(browser.As(&direct), E_NOINTERFACE);  // the folder view is a service, not an interface
}

TEST_F(ShellListTest, ViewModeSetThroughTheFolderViewReachesTheShell) {
    ComPtr<IWebBrowser2> browser = FindNewestByUrl(*list.Get(), UrlFromPath(L"C:\\windows\\system32"));
    ASSERT_TRUE(browser);
    ComPtr<IFolderView> view = FolderViewOf(*browser.Get());
    ASSERT_TRUE(view);
    ASSERT_EQ(view->SetCurrentViewMode(FVM_THUMBNAIL), S_OK);
    UINT mode = 0;
    view->GetCurrentViewMode(&mode);
    EXPECT_EQ(mode, static_cast<UINT>(FVM_THUMBNAIL));
    EXPECT_EQ(shell.Dump()[2].viewMode, FVM_THUMBNAIL);
    EXPECT_EQ(view->SetCurrentViewMode(9), E_INVALIDARG);
    EXPECT_EQ(view->GetFolder(IID_IUnknown, nullptr), E_NOTIMPL);
}

TEST_F(ShellListTest, NavigateShowsTheNewFolderInTheSameWindow) {
    ComPtr<IWebBrowser2> browser = FindNewestByUrl(*list.Get(), UrlFromPath(L"C:\\users\\Public\\Documents"));
    ASSERT_TRUE(browser);
    win32::UniqueBstr url(SysAllocString(L"file:///C:/windows/Fonts"));
    win32::UniqueVariant empty;
    ASSERT_EQ(browser->Navigate(url.get(), empty.get(), empty.get(), empty.get(), empty.get()), S_OK);
    const WindowState state = shell.Dump()[0];
    EXPECT_EQ(state.hwnd, documents);
    EXPECT_EQ(state.path, L"C:\\windows\\Fonts");
    EXPECT_EQ(state.title, L"Fonts");
    EXPECT_EQ(browser->GoBack(), E_NOTIMPL);
}

TEST_F(ShellListTest, FaultListCannotBeCreated) {
    ASSERT_TRUE(shell.SetFaults({.listCreationFails = true}));
    HRESULT created = S_OK;
    EXPECT_FALSE(CreateShellWindows(&created));
    EXPECT_TRUE(FAILED(created));
}

TEST_F(ShellListTest, FaultItemFailsForChosenIndexes) {
    ASSERT_TRUE(shell.SetFaults({.failingItems = {0, 2}}));
    ComPtr<IDispatch> entry;
    EXPECT_EQ(list->Item(*win32::UniqueVariant::FromInt32(0), &entry), E_FAIL);
    EXPECT_EQ(entry, nullptr);
    const ListReading reading = ReadShellWindows(*list.Get());
    EXPECT_EQ(reading.folders.size(), 0u);
    EXPECT_EQ(reading.absent, 3);
    EXPECT_EQ(reading.browserWindows, 1);
}

TEST_F(ShellListTest, FaultQueryServiceFailsForAFolderWindow) {
    ASSERT_TRUE(shell.SetFaults({.noFolderView = {system}}));
    const ListReading reading = ReadShellWindows(*list.Get());
    ASSERT_EQ(reading.folders.size(), 1u);
    EXPECT_EQ(reading.folders[0].hwnd, documents);
    EXPECT_EQ(reading.browserWindows, 2);
}

TEST_F(ShellListTest, FaultWindowVanishesBetweenCountAndItem) {
    ASSERT_TRUE(shell.SetFaults({.vanishAfterNextCount = documents}));
    const ListReading reading = ReadShellWindows(*list.Get());
    EXPECT_FALSE(IsWindow(documents));
    ASSERT_EQ(reading.folders.size(), 1u);
    EXPECT_EQ(reading.folders[0].hwnd, system);
    EXPECT_EQ(reading.absent, 2);  // the virtual folder, and the index past the shrunken list
    EXPECT_EQ(CountOf(*list.Get()), 3);
}

TEST_F(ShellListTest, EntryOfAClosedWindowAnswersWithFailure) {
    ComPtr<IWebBrowser2> browser = FindNewestByUrl(*list.Get(), UrlFromPath(L"C:\\windows\\system32"));
    ASSERT_TRUE(browser);
    ASSERT_TRUE(shell.Close(system));
    BSTR url = nullptr;
    EXPECT_TRUE(FAILED(browser->get_LocationURL(&url)));
    EXPECT_EQ(url, nullptr);
    EXPECT_EQ(CountOf(*list.Get()), 3);
}

TEST_F(ShellListTest, WithoutAShellTheListCannotBeCreated) {
    list.Reset();
    shell.Stop();
    HRESULT created = S_OK;
    EXPECT_FALSE(CreateShellWindows(&created));
    EXPECT_TRUE(FAILED(created));
}

}  // namespace
}  // namespace standin::testing
