#include "app/win/LoadingDlg.h"
#include "controls/win/GameBrushes.h"
#include "engine/StartWordStock.h"
#include "res/resource.h"
#include "wordlist/WordList.h"

namespace {
constexpr UINT_PTR LoadTimerId = 1;
constexpr UINT LoadDelayMilliseconds = 1000;
constexpr int NewButtonId = 129;

// What the main window needs once loading is over, whether it worked or not.
void HandBackTo(HWND owner) {
    if (!owner)
        return;
    EnableWindow(owner, TRUE);
    SetFocus(GetDlgItem(owner, NewButtonId));
}
} // namespace

CLoadingDlg::CLoadingDlg() : CDialog(IDD_LOADING) {}

HWND CLoadingDlg::Start(HWND mainWindow) {
    auto* dialog = new CLoadingDlg();
    dialog->m_owner = mainWindow;
    if (!dialog->Create(mainWindow)) {
        delete dialog;
        HandBackTo(mainWindow);
        return nullptr;
    }
    ShowWindow(dialog->Handle(), SW_SHOW);
    return dialog->Handle();
}

BOOL CLoadingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_font.Reset(CreateFontA(10, 0, 0, 0, 100, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "MS Sans Serif"));
    SendDlgItemMessageA(m_hWnd, IDC_LOADING_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
    CentreOverOwner();
    SetTimer(m_hWnd, LoadTimerId, LoadDelayMilliseconds, nullptr);
    return TRUE;
}

void CLoadingDlg::CentreOverOwner() {
    RECT own{}, owner{};
    GetWindowRect(m_hWnd, &own);
    if (!m_owner || !GetWindowRect(m_owner, &owner))
        return;
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int left = owner.left + (owner.right - owner.left - width) / 2;
    const int top = owner.top + (owner.bottom - owner.top - height) / 2;
    SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CLoadingDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == LoadTimerId) {
        OnTimer();
        return TRUE;
    }
    return CDialog::HandleMessage(message, wParam, lParam);
}

void CLoadingDlg::OnTimer() {
    KillTimer(m_hWnd, LoadTimerId);
    // A message box shown by a failed load pumps messages: a second timer
    // notice already queued must not load again.
    if (m_loaded)
        return;
    m_loaded = true;
    if (LoadWordList())
        BuildStartWordStock();
    HandBackTo(m_owner);
    EndDialog(0);
}

HBRUSH CLoadingDlg::OnCtlColor(HDC dc, HWND, UINT, HBRUSH) {
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, LoadingTextColor);
    return GameBrushes.white;
}

void CLoadingDlg::OnDestroy() {
    SendDlgItemMessageA(m_hWnd, IDC_LOADING_TEXT, WM_SETFONT, 0, FALSE);
    m_font.Reset();
}
