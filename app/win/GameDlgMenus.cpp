// The menu commands of the main window that open the settings, start-word,
// word list and About dialogs, and what the window does after them.
#include "app/win/GameDlg.h"

#include "controls/win/AboutDlg.h"
#include "engine/StartWordStock.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/win/SettingsDlg.h"
#include "settings/win/StartWordDlg.h"
#include "settings/win/WordListDlg.h"
#include "wordlist/WordList.h"

bool CGameDlg::OnDialogMenu(int id) {
    switch (id) {
    case ID_OPT_SETTINGS:
        OnSettings();
        return true;
    case ID_OPT_STARTWORD:
        OnStartWord();
        return true;
    case ID_FILE_WORDLIST:
        OnWordList();
        return true;
    case ID_HELP_ABOUT: {
        CAboutDlg about;
        about.DoModal(m_hWnd);
        return true;
    }
    default:
        return false;
    }
}

void CGameDlg::OnSettings() {
    const int wordLimit = GameSettings.WordLimit;
    CSettingsDlg settings;
    if (settings.DoModal(m_hWnd) != IDOK)
        return;
    if (GameSettings.WordLimit != wordLimit) {
        StockMaxLength = GameSettings.WordLimit;
        BuildStartWordStock();
    }
    m_round.ShowLimitTexts();
}

void CGameDlg::OnStartWord() {
    CStartWordDlg startWord(m_round.m_strStartWord);
    if (startWord.DoModal(m_hWnd) == IDOK)
        m_round.StartRound();
}

void CGameDlg::OnWordList() {
    // A search may still be reading the list that the dialog empties.
    CWordListDlg wordList([this] { m_round.StopSearch(); });
    if (wordList.DoModal(m_hWnd) != IDOK)
        return;
    if (WordCount() == 0) {
        ClearStartWordStock();
        StartLoading();
    }
    ApplyMenuAtRest();
}
