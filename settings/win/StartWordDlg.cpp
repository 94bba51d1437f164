#include "settings/win/StartWordDlg.h"

#include "engine/Word.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/StartWordInput.h"
#include "settings/win/CentreDialog.h"

CStartWordDlg::CStartWordDlg(std::string& startWord) : CDialog(IDD_STARTWORD), m_startWord(startWord) {}

void CStartWordDlg::DoDataExchange(CDataExchange& dx)
{
    ExchangeText(dx, IDC_STARTWORD, m_word);
}

BOOL CStartWordDlg::OnInitDialog()
{
    m_writingWord = true;
    CDialog::OnInitDialog();
    m_writingWord = false;
    CentreOverOwner(m_hWnd);
    EnableWindow(Item(IDC_STARTGAME), FALSE);
    m_toolTip.CreateTipWindow(m_hWnd, true);
    m_toolTip.SetDefaultBehaviour(0x10);
    m_toolTip.AddChildTools(m_hWnd);
    return TRUE; // the edit, first in the template, takes the focus
}

bool CStartWordDlg::PreTranslateMessage(MSG& msg)
{
    if (GameSettings.UseHelp == 1)
        m_toolTip.RelayMessage(msg);
    return CDialog::PreTranslateMessage(msg);
}

bool CStartWordDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_STARTWORD && code == EN_CHANGE) {
        if (!m_writingWord)
            OnWordChanged();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_STARTGAME) {
        OnStartGame();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_STARTWORD_CANCEL) {
        OnCancel();
        return true;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CStartWordDlg::OnWordChanged()
{
    HWND edit = Item(IDC_STARTWORD);
    UpdateData(true);
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), reinterpret_cast<LPARAM>(&selectionEnd));

    const CleanedStartWord cleaned =
        CleanStartWord(m_word, static_cast<int>(selectionStart), EffectiveUpper(), EffectiveSubstitute());
    const bool changed = cleaned.word != m_word;
    m_word = cleaned.word;
    EnableWindow(Item(IDC_STARTGAME), cleaned.canStart);

    if (changed) {
        m_writingWord = true;
        SetWindowTextA(edit, m_word.c_str());
        m_writingWord = false;
    }
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(cleaned.caret), static_cast<LPARAM>(cleaned.caret));
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

// Enter arrives as IDOK when the default button is not at hand.
void CStartWordDlg::OnOK() { OnStartGame(); }

void CStartWordDlg::OnStartGame()
{
    // The button is the guard: with fewer than six letters Enter does nothing.
    if (!IsWindowEnabled(Item(IDC_STARTGAME)))
        return;
    m_startWord = m_word;
    EndDialog(IDOK);
}
