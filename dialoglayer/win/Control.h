#pragma once
#include <windows.h>

// A control of a dialog template taken over by a C++ object: its messages
// reach WindowProc first, and the messages its parent reflects back to it
// (owner drawing, colours, notifications) reach OnReflectedMessage.
class CControl {
public:
    CControl() = default;
    virtual ~CControl();
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    // Attaches to the template's control with this identifier; false when the
    // dialog has no such control or it is attached already.
    bool SubclassDlgItem(int id, HWND dialog);
    bool SubclassWindow(HWND window);
    void UnsubclassWindow();

    HWND Handle() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to a window, or none.
    static CControl* FromHandle(HWND window);

    // Called by the parent dialog for WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*
    // and WM_COMMAND notifications of this control. True: handled, result set.
    virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Runs right after attaching, before any message of the control.
    virtual void OnSubclassed() {}
    // Default: the control's own behaviour.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    HWND m_hWnd = nullptr;
};
