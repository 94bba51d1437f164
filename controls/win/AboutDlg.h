#pragma once
#include <windows.h>

#include "controls/win/GradientButton.h"
#include "controls/win/HyperLink.h"
#include "dialoglayer/win/Dialog.h"

// The About dialog (template 100): white, without a caption, with the
// program's links and a gradient "OK".
class CAboutDlg : public CDialog {
public:
    static constexpr const char* MailUrl = "mailto:anagrilla@example.org";
    static constexpr const char* WebUrl = "http://www.example.org/more.html";
    static constexpr const char* SiteUrl = "http://code.example.org";

    CAboutDlg();

    CMyHyperLink& Link(int id);
    CGradientButton& OkButton() { return m_btnOK; }

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH reflected) override;

private:
    CGradientButton m_btnOK;
    CMyHyperLink m_mailLink;
    CMyHyperLink m_webLink;
    CMyHyperLink m_siteLink;
};
