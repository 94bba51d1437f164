#pragma once
#include <windows.h>
#include "dialoglayer/win/Dialog.h"
#include "dialoglayer/win/Gdi.h"

// The small window shown while the word list is read (template 105). It
// waits one second so that it is painted, reads the list on the
// user-interface thread, enables the main window and ends itself.
class CLoadingDlg : public CDialog {
public:
    // Creates the window over the main window; the object deletes itself
    // when its window ends. Null when it could not be created: the main
    // window is then enabled again at once, without a list.
    static HWND Start(HWND mainWindow);

protected:
    BOOL OnInitDialog() override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH reflected) override;
    void OnDestroy() override;
    void PostNcDestroy() override { delete this; }
    // Enter and Escape reach a dialog as OK and Cancel; this window ends
    // only after loading, or the main window would stay disabled for good.
    void OnOK() override {}
    void OnCancel() override {}

private:
    CLoadingDlg();
    void CentreOverOwner();
    void OnTimer();

    HWND m_owner = nullptr;
    OwnedFont m_font;
    bool m_loaded = false;
};

// The text colour of the loading window's label.
constexpr COLORREF LoadingTextColor = RGB(100, 100, 100);
