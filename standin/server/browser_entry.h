#pragma once
// One entry of the shell window list: the browser object of a folder or browser window. It answers for
// the window by its handle; everything it says comes from the shell process at the moment of the call.
#include <exdisp.h>
#include <servprov.h>

#include "server/com_object.h"

namespace standin {

class BrowserEntry : public DispatchWithoutTypeInfo<IWebBrowser2>, public IServiceProvider {
public:
    explicit BrowserEntry(HWND window) : window_(window) {}
    void* InterfaceFor(REFIID iid);

    HRESULT STDMETHODCALLTYPE Navigate(BSTR url, VARIANT* flags, VARIANT* targetFrame, VARIANT* postData,
                                       VARIANT* headers) override;
    HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* url) override;
    HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR* window) override;
    // Only the folder view (SID_SFolderView), and only for windows that show a folder.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override;

    STANDIN_NOT_IMPLEMENTED(GoBack)
    STANDIN_NOT_IMPLEMENTED(GoForward)
    STANDIN_NOT_IMPLEMENTED(GoHome)
    STANDIN_NOT_IMPLEMENTED(GoSearch)
    STANDIN_NOT_IMPLEMENTED(Refresh)
    STANDIN_NOT_IMPLEMENTED(Refresh2, VARIANT *)
    STANDIN_NOT_IMPLEMENTED(Stop)
    STANDIN_NOT_IMPLEMENTED(get_Application, IDispatch **)
    STANDIN_NOT_IMPLEMENTED(get_Parent, IDispatch **)
    STANDIN_NOT_IMPLEMENTED(get_Container, IDispatch **)
    STANDIN_NOT_IMPLEMENTED(get_Document, IDispatch **)
    STANDIN_NOT_IMPLEMENTED(get_TopLevelContainer, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(get_Type, BSTR *)
    STANDIN_NOT_IMPLEMENTED(get_Left, LONG *)
    STANDIN_NOT_IMPLEMENTED(put_Left, LONG)
    STANDIN_NOT_IMPLEMENTED(get_Top, LONG *)
    STANDIN_NOT_IMPLEMENTED(put_Top, LONG)
    STANDIN_NOT_IMPLEMENTED(get_Width, LONG *)
    STANDIN_NOT_IMPLEMENTED(put_Width, LONG)
    STANDIN_NOT_IMPLEMENTED(get_Height, LONG *)
    STANDIN_NOT_IMPLEMENTED(put_Height, LONG)
    STANDIN_NOT_IMPLEMENTED(get_LocationName, BSTR *)
    STANDIN_NOT_IMPLEMENTED(get_Busy, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(Quit)
    STANDIN_NOT_IMPLEMENTED(ClientToWindow, int *, int *)
    STANDIN_NOT_IMPLEMENTED(PutProperty, BSTR, VARIANT)
    STANDIN_NOT_IMPLEMENTED(GetProperty, BSTR, VARIANT *)
    STANDIN_NOT_IMPLEMENTED(get_Name, BSTR *)
    STANDIN_NOT_IMPLEMENTED(get_FullName, BSTR *)
    STANDIN_NOT_IMPLEMENTED(get_Path, BSTR *)
    STANDIN_NOT_IMPLEMENTED(get_Visible, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_Visible, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_StatusBar, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_StatusBar, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_StatusText, BSTR *)
    STANDIN_NOT_IMPLEMENTED(put_StatusText, BSTR)
    STANDIN_NOT_IMPLEMENTED(get_ToolBar, int *)
    STANDIN_NOT_IMPLEMENTED(put_ToolBar, int)
    STANDIN_NOT_IMPLEMENTED(get_MenuBar, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_MenuBar, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_FullScreen, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_FullScreen, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(Navigate2, VARIANT *, VARIANT *, VARIANT *, VARIANT *, VARIANT *)
    STANDIN_NOT_IMPLEMENTED(QueryStatusWB, OLECMDID, OLECMDF *)
    STANDIN_NOT_IMPLEMENTED(ExecWB, OLECMDID, OLECMDEXECOPT, VARIANT *, VARIANT *)
    STANDIN_NOT_IMPLEMENTED(ShowBrowserBar, VARIANT *, VARIANT *, VARIANT *)
    STANDIN_NOT_IMPLEMENTED(get_ReadyState, READYSTATE *)
    STANDIN_NOT_IMPLEMENTED(get_Offline, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_Offline, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_Silent, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_Silent, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_RegisterAsBrowser, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_RegisterAsBrowser, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_RegisterAsDropTarget, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_RegisterAsDropTarget, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_TheaterMode, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_TheaterMode, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_AddressBar, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_AddressBar, VARIANT_BOOL)
    STANDIN_NOT_IMPLEMENTED(get_Resizable, VARIANT_BOOL *)
    STANDIN_NOT_IMPLEMENTED(put_Resizable, VARIANT_BOOL)

private:
    HWND window_;
};

}  // namespace standin
