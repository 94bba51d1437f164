#pragma once
#include <windows.h>
#include <atomic>
#include <string>

// Copies between a dialog's controls and the fields bound to them. One
// DoDataExchange lists the bindings once; the direction decides whether the
// controls are filled (load) or read back into the fields (save).
class CDataExchange {
public:
    CDataExchange(HWND dialog, bool save) : m_dialog(dialog), m_bSaveAndValidate(save) {}

    HWND Control(int id) const { return GetDlgItem(m_dialog, id); }
    // A control whose text cannot be read back as asked for; the field keeps
    // its value and UpdateData reports failure.
    void Fail() { m_failed = true; }
    bool Failed() const { return m_failed; }

    HWND m_dialog;
    bool m_bSaveAndValidate;

private:
    bool m_failed = false;
};

// Window text of any control: edit, rich edit, static.
void ExchangeText(CDataExchange& dx, int id, std::string& value);
// A decimal integer as the control's text.
void ExchangeNumber(CDataExchange& dx, int id, int& value);
void ExchangeNumber(CDataExchange& dx, int id, std::atomic<int>& value);
// A check box as 0 or 1.
void ExchangeCheck(CDataExchange& dx, int id, int& value);
void ExchangeCheck(CDataExchange& dx, int id, std::atomic<int>& value);
// A group of radio buttons from firstId to the next WS_GROUP: the position of
// the checked one, -1 when none is checked.
void ExchangeRadio(CDataExchange& dx, int firstId, int& value);
void ExchangeRadio(CDataExchange& dx, int firstId, std::atomic<int>& value);

// Reads the full window text of a control or window.
std::string WindowText(HWND window);
