#include "dialoglayer/win/Control.h"
#include <commctrl.h>

namespace {
const char* const ControlProperty = "Anagrilla.Control";
constexpr UINT_PTR SubclassId = 1;
} // namespace

CControl::~CControl() { UnsubclassWindow(); }

bool CControl::SubclassDlgItem(int id, HWND dialog) {
    return SubclassWindow(GetDlgItem(dialog, id));
}

bool CControl::SubclassWindow(HWND window) {
    if (!window || m_hWnd || FromHandle(window))
        return false;
    if (!SetWindowSubclass(window, &CControl::SubclassProc, SubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    SetPropA(window, ControlProperty, reinterpret_cast<HANDLE>(this));
    m_hWnd = window;
    OnSubclassed();
    return true;
}

void CControl::UnsubclassWindow() {
    if (!m_hWnd)
        return;
    RemoveWindowSubclass(m_hWnd, &CControl::SubclassProc, SubclassId);
    RemovePropA(m_hWnd, ControlProperty);
    m_hWnd = nullptr;
}

CControl* CControl::FromHandle(HWND window) {
    if (!window)
        return nullptr;
    return reinterpret_cast<CControl*>(GetPropA(window, ControlProperty));
}

bool CControl::OnReflectedMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) {
    auto* self = reinterpret_cast<CControl*>(data);
    if (message == WM_NCDESTROY) {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (self && self->m_hWnd == window)
            self->UnsubclassWindow();
        return result;
    }
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        return DefSubclassProc(window, message, wParam, lParam);
    }
}
