#include "settings/win/SettingsDlg.h"

#include <commctrl.h>

#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/SettingsSections.h"
#include "settings/win/CentreDialog.h"

CSettingsDlg::CSettingsDlg() : CDialog(IDD_SETTINGS) {}

void CSettingsDlg::DoDataExchange(CDataExchange& dx)
{
    ExchangeCheck(dx, IDC_USEDURATION, GameSettings.UseDuration);
    ExchangeCheck(dx, IDC_USEMISTRIALS, GameSettings.UseMistrials);
    ExchangeNumber(dx, IDC_ANGLIMIT, GameSettings.AngLimit);
    ExchangeNumber(dx, IDC_DURATION, GameSettings.Duration);
    ExchangeNumber(dx, IDC_MISTRIALS_EDIT, GameSettings.Mistrials);
    ExchangeNumber(dx, IDC_WORDLIMIT, GameSettings.WordLimit);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CentreOverOwner(m_hWnd);

    AttachSpin(IDC_WORDLIMIT_SPIN, IDC_WORDLIMIT, 6, 10);
    AttachSpin(IDC_ANGLIMIT_SPIN, IDC_ANGLIMIT, 3, 6);
    AttachSpin(IDC_DURATION_SPIN, IDC_DURATION, 1, 60);
    AttachSpin(IDC_MISTRIALS_SPIN, IDC_MISTRIALS_EDIT, 1, 20);

    // Holding an arrow of the minutes: one per step, after a second five.
    UDACCEL steps[2] = {{0, 1}, {1, 5}};
    SendDlgItemMessageA(m_hWnd, IDC_DURATION_SPIN, UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(steps));

    CheckDlgButton(m_hWnd, IDC_USEDURATION, GameSettings.UseDuration ? BST_CHECKED : BST_UNCHECKED);
    EnableLimit(IDC_USEDURATION, IDC_DURATION, IDC_DURATION_SPIN, false);
    CheckDlgButton(m_hWnd, IDC_USEMISTRIALS, GameSettings.UseMistrials ? BST_CHECKED : BST_UNCHECKED);
    EnableLimit(IDC_USEMISTRIALS, IDC_MISTRIALS_EDIT, IDC_MISTRIALS_SPIN, false);

    // Attaching the arrows may have written their own position into the
    // edits; the stored numbers are what the player must see.
    UpdateData(false);
    m_toolTip.CreateTipWindow(m_hWnd, true);
    m_toolTip.SetDefaultBehaviour(0x10);
    m_toolTip.AddChildTools(m_hWnd);
    return TRUE;
}

bool CSettingsDlg::PreTranslateMessage(MSG& msg)
{
    if (GameSettings.UseHelp == 1)
        m_toolTip.RelayMessage(msg);
    return CDialog::PreTranslateMessage(msg);
}

void CSettingsDlg::AttachSpin(int spinId, int buddyId, int lower, int upper)
{
    HWND spin = Item(spinId);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Item(buddyId)), 0);
    SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
}

void CSettingsDlg::EnableLimit(int checkId, int editId, int spinId, bool takeFocus)
{
    const bool on = IsDlgButtonChecked(m_hWnd, checkId) == BST_CHECKED;
    HWND edit = Item(editId);
    EnableWindow(edit, on);
    if (on && takeFocus) {
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    }
    EnableWindow(Item(spinId), on);
}

bool CSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_USEDURATION:
            EnableLimit(IDC_USEDURATION, IDC_DURATION, IDC_DURATION_SPIN, true);
            return true;
        case IDC_USEMISTRIALS:
            EnableLimit(IDC_USEMISTRIALS, IDC_MISTRIALS_EDIT, IDC_MISTRIALS_SPIN, true);
            return true;
        case IDC_SETTINGS_OK:
            OnApply();
            return true;
        case IDC_SETTINGS_CANCEL:
            OnCancel();
            return true;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

// Enter without a default button arrives as IDOK: it means "&Übernehmen".
void CSettingsDlg::OnOK() { OnApply(); }

void CSettingsDlg::OnApply()
{
    // The edits are read-only and filled by the arrows, so they always
    // parse; should one not, nothing is half saved.
    if (!UpdateData(true))
        return;
    SaveGameSettings();
    EndDialog(IDOK);
}
