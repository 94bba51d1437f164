#pragma once
#include <windows.h>
#include "dialoglayer/win/DataExchange.h"

// The base of every window of the program: a dialog created from a template,
// modal or modeless. Each class handles its messages in one switch
// (HandleMessage) and overrides the hooks it needs. No C++ exception leaves
// the window procedure.
//
// Modal dialogs run a message loop of their own (created modeless, owner
// disabled, pumped until EndDialog), so PreTranslateMessage sees every
// message of the loop before the dialog keyboard handling does.
class CDialog {
public:
    explicit CDialog(int templateId);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally. Without an owner the main window's last active
    // popup owns it. Returns the EndDialog result, -1 when it cannot be created.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the dialog modelessly; the caller shows it when the template
    // does not. False when the window cannot be created.
    bool Create(HWND parent);

    HWND Handle() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
    int TemplateId() const { return m_templateId; }

    // Modal: ends the loop with this result. Modeless: destroys the window.
    void EndDialog(INT_PTR result);
    // Destroys the window without calling back into this object: for
    // destructors of derived classes, before their members go.
    void DestroyWindowQuietly();
    bool IsModal() const { return m_modal; }

    // save true: controls into fields; false: fields into controls.
    bool UpdateData(bool save = true);

    // The program's main window: owner of messages without another owner.
    static HWND MainWindow();
    static void SetMainWindow(HWND window);
    // The window that should own a new modal dialog: the last active popup of
    // the given window, or of the main window when none is given.
    static HWND SafeOwner(HWND owner);

    // One step of a message loop: offers the message to the dialogs' hooks
    // and dispatches it unless one of them handled it. Modal loops use it;
    // code that pumps for a modeless dialog may use it too.
    static void RouteMessage(MSG& msg);
    // Pumps everything waiting in the queue through RouteMessage; false once
    // WM_QUIT was seen (it is posted again for the outer loop).
    static bool PumpWaitingMessages();

    // The object behind a dialog window of this layer, or none.
    static CDialog* FromHandle(HWND window);

protected:
    // The message switch. Return as a dialog procedure does: TRUE handled,
    // FALSE for the default handling; use SetMessageResult for messages that
    // return a value. The base handles WM_INITDIALOG, WM_COMMAND, WM_CTLCOLOR*,
    // reflection to CControl objects and WM_DESTROY.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Default: fills the controls from the fields; TRUE lets the system choose
    // the focus.
    virtual BOOL OnInitDialog();
    // True when handled. Default: IDOK runs OnOK, IDCANCEL OnCancel.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    // Default: reads the fields back and ends with IDOK if that worked.
    virtual void OnOK();
    // Default: ends with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& dx);
    // True when the message is handled and must not be dispatched. Default:
    // the dialog keyboard handling (Tab, access keys, Enter, Escape).
    virtual bool PreTranslateMessage(MSG& msg);
    // WM_CTLCOLOR* for the dialog (control == own window) or a child. kind is
    // the message (WM_CTLCOLORSTATIC, ...). reflected is what the control's
    // own reflection chose, or null. Return null for the default colours.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH reflected);
    // The window is being destroyed (children still exist).
    virtual void OnDestroy() {}
    // The window is gone; a self-owning modeless dialog deletes itself here.
    virtual void PostNcDestroy() {}

    static void SetMessageResult(HWND dialog, LRESULT result);

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectToControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    INT_PTR HandleCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    int m_templateId;
    bool m_modal = false;
    bool m_loopDone = false;
    INT_PTR m_result = -1;
    CDialog* m_outerModal = nullptr; // the modal dialog that ran before this one
};
