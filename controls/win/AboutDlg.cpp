#include "controls/win/AboutDlg.h"

#include "controls/win/GameBrushes.h"
#include "res/resource.h"
#include "settings/win/CentreDialog.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

CMyHyperLink& CAboutDlg::Link(int id)
{
    if (id == IDC_WEBLINK)
        return m_webLink;
    if (id == IDC_SITELINK)
        return m_siteLink;
    return m_mailLink;
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CentreOverOwner(m_hWnd);
    m_btnOK.SubclassDlgItem(IDOK, m_hWnd);
    m_mailLink.SubclassDlgItem(IDC_MAILLINK, m_hWnd);
    m_webLink.SubclassDlgItem(IDC_WEBLINK, m_hWnd);
    m_siteLink.SubclassDlgItem(IDC_SITELINK, m_hWnd);

    m_btnOK.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    m_btnOK.SetLabelColor(RGB(0, 0, 128));
    m_mailLink.SetUrl(MailUrl);
    m_webLink.SetUrl(WebUrl);
    m_siteLink.SetUrl(SiteUrl);
    return TRUE;
}

HBRUSH CAboutDlg::OnCtlColor(HDC dc, HWND, UINT, HBRUSH)
{
    // The links have set their own text colour by now; the rest keep theirs.
    SetBkColor(dc, RGB(255, 255, 255));
    if (GameBrushes.white)
        return GameBrushes.white;
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}
