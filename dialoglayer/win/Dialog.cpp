#include "dialoglayer/win/Dialog.h"
#include "dialoglayer/win/Control.h"
#include <algorithm>
#include <vector>

namespace {

HWND s_mainWindow = nullptr;
CDialog* s_topModal = nullptr;          // innermost running modal loop
std::vector<CDialog*> s_modelessDialogs; // open modeless dialogs, oldest first

bool Contains(HWND dialog, HWND window) {
    return dialog && window && (dialog == window || IsChild(dialog, window));
}

} // namespace

CDialog::CDialog(int templateId) : m_templateId(templateId) {}

CDialog::~CDialog() { DestroyWindowQuietly(); }

void CDialog::DestroyWindowQuietly() {
    if (!m_hWnd)
        return;
    // Detach first: the window must not call back into a half-destroyed object.
    SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    s_modelessDialogs.erase(std::remove(s_modelessDialogs.begin(), s_modelessDialogs.end(), this),
                            s_modelessDialogs.end());
    if (s_mainWindow == m_hWnd)
        s_mainWindow = nullptr;
    HWND window = m_hWnd;
    m_hWnd = nullptr;
    m_loopDone = true;
    DestroyWindow(window);
}

HWND CDialog::MainWindow() { return s_mainWindow; }
void CDialog::SetMainWindow(HWND window) { s_mainWindow = window; }

HWND CDialog::SafeOwner(HWND owner) {
    if (!owner)
        owner = s_mainWindow;
    if (!owner || !IsWindow(owner))
        return nullptr;
    HWND top = GetAncestor(owner, GA_ROOT);
    HWND popup = GetLastActivePopup(top);
    if (popup && IsWindowVisible(popup))
        return popup;
    return top;
}

CDialog* CDialog::FromHandle(HWND window) {
    if (!window)
        return nullptr;
    if (GetWindowLongPtrA(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&CDialog::DialogProc))
        return nullptr;
    return reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
}

INT_PTR CDialog::DoModal(HWND owner) {
    if (m_hWnd)
        return -1;
    owner = SafeOwner(owner);
    m_modal = true;
    m_loopDone = false;
    m_result = -1;
    m_outerModal = s_topModal;
    s_topModal = this;
    // The owner is disabled first, as the dialog initialises already modal.
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window) {
        if (ownerWasEnabled)
            EnableWindow(owner, TRUE);
        s_topModal = m_outerModal;
        m_modal = false;
        return -1;
    }
    if (!m_loopDone && m_hWnd) {
        if (!IsWindowVisible(m_hWnd))
            ShowWindow(m_hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }
    // The owner comes back before the dialog goes, so activation returns to it.
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    s_topModal = m_outerModal;
    if (m_hWnd) {
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        DestroyWindow(m_hWnd);
    }
    m_modal = false;
    return m_result;
}

void CDialog::RunModalLoop() {
    while (!m_loopDone && m_hWnd) {
        MSG msg;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Let the outer loop see the quit request as well.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        RouteMessage(msg);
    }
}

bool CDialog::Create(HWND parent) {
    if (m_hWnd)
        return false;
    m_modal = false;
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window)
        return false;
    if (m_hWnd)
        s_modelessDialogs.push_back(this);
    return true;
}

void CDialog::EndDialog(INT_PTR result) {
    m_result = result;
    if (m_modal) {
        m_loopDone = true;
        // Wake the loop in case nothing else is queued.
        if (m_hWnd)
            PostMessageA(m_hWnd, WM_NULL, 0, 0);
        return;
    }
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

bool CDialog::UpdateData(bool save) {
    if (!m_hWnd)
        return false;
    CDataExchange dx(m_hWnd, save);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CDialog::RouteMessage(MSG& msg) {
    if (s_topModal && s_topModal->m_hWnd && s_topModal->PreTranslateMessage(msg))
        return;
    const std::vector<CDialog*> modeless = s_modelessDialogs;
    for (CDialog* dialog : modeless) {
        if (std::find(s_modelessDialogs.begin(), s_modelessDialogs.end(), dialog) == s_modelessDialogs.end())
            continue;
        if (Contains(dialog->m_hWnd, msg.hwnd) && dialog->PreTranslateMessage(msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool CDialog::PumpWaitingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        RouteMessage(msg);
    }
    return true;
}

void CDialog::SetMessageResult(HWND dialog, LRESULT result) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        if (self)
            self->m_hWnd = window;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self)
        return FALSE;
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // A window procedure is no place for an exception to travel through.
        return FALSE;
    }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NCDESTROY)
        return HandleMessage(message, wParam, lParam);
    const INT_PTR result = HandleMessage(message, wParam, lParam);
    SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    s_modelessDialogs.erase(std::remove(s_modelessDialogs.begin(), s_modelessDialogs.end(), this),
                            s_modelessDialogs.end());
    if (s_mainWindow == m_hWnd)
        s_mainWindow = nullptr;
    m_hWnd = nullptr;
    m_loopDone = true;
    PostNcDestroy(); // may delete this
    return result;
}

namespace {
// A picture of a dialog template is loaded by its control, and Wine's control
// never deletes it: each opening of the dialog would leave a bitmap behind.
// Taken back from the control first, it is deleted exactly once, whatever
// the system's control does.
void ReleaseTemplateBitmaps(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[8] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0 || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
            continue;
        if (HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, 0)))
            DeleteObject(bitmap);
    }
}
} // namespace

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        LRESULT reflected = 0;
        HWND control = reinterpret_cast<HWND>(lParam);
        if (control && ReflectToControl(control, message, wParam, lParam, reflected))
            return TRUE;
        return OnCommand(wParam, lParam) ? TRUE : FALSE;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        LRESULT result = 0;
        if (item && item->CtlType != ODT_MENU && ReflectToControl(item->hwndItem, message, wParam, lParam, result)) {
            SetMessageResult(m_hWnd, result ? result : TRUE);
            return TRUE;
        }
        return FALSE;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        LRESULT result = 0;
        if (item && item->CtlType != ODT_MENU &&
            ReflectToControl(GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)), message, wParam, lParam, result)) {
            SetMessageResult(m_hWnd, result ? result : TRUE);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORMSGBOX:
        return HandleCtlColor(message, wParam, lParam);
    case WM_DESTROY:
        ReleaseTemplateBitmaps(m_hWnd);
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

bool CDialog::ReflectToControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    CControl* object = CControl::FromHandle(control);
    return object && object->OnReflectedMessage(message, wParam, lParam, result);
}

INT_PTR CDialog::HandleCtlColor(UINT message, WPARAM wParam, LPARAM lParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND control = message == WM_CTLCOLORDLG ? m_hWnd : reinterpret_cast<HWND>(lParam);
    HBRUSH reflected = nullptr;
    LRESULT result = 0;
    if (control != m_hWnd && ReflectToControl(control, message, wParam, lParam, result))
        reflected = reinterpret_cast<HBRUSH>(result);
    HBRUSH brush = OnCtlColor(dc, control, message, reflected);
    return reinterpret_cast<INT_PTR>(brush);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) > 1) // notifications other than clicks are not commands
        return false;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::PreTranslateMessage(MSG& msg) {
    return m_hWnd && IsDialogMessageA(m_hWnd, &msg);
}

HBRUSH CDialog::OnCtlColor(HDC, HWND, UINT, HBRUSH reflected) { return reflected; }
