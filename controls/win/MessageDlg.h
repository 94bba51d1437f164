#pragma once
#include <windows.h>

#include <string>

#include "controls/win/GradientButton.h"
#include "dialoglayer/win/Dialog.h"
#include "dialoglayer/win/Gdi.h"

// The program's own message box on template 175: a white panel without a
// title bar, an icon, the text in grey and "&OK" or "&Ja"/"&Nein" as gradient
// buttons. It grows with the length of its text.
class CMessageDlg : public CDialog {
public:
    // type: 0 notice, 1 question, 2 error; other values are notices.
    CMessageDlg(std::string text, int type);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange& dx) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH reflected) override;

private:
    void BuildButtons();
    void SetTextFont();
    void ArrangeForText();
    void CentreOverOwner();
    void ShowTypeIcon();
    void ShowTypeButtons();

    CGradientButton m_yes;
    CGradientButton m_ok;
    CGradientButton m_no;
    HWND m_icon = nullptr;
    std::string m_text;
    int m_type;
    OwnedFont m_textFont;
};

// Shows the message modally, owned by the main window's last active popup.
// Returns IDYES (6), IDNO (7), IDOK (1), or IDCANCEL (2) for Escape.
int ShowMessageDlg(std::string text, int type);

// The same with the signature of the message handler of code without a
// window (engine/Messages.h), for SetMessageHandler at start-up.
int ShowMessageDlgHandler(const char* text, int type);
