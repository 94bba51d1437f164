#include "settings/win/WordListDlg.h"
#include "dialoglayer/win/WindowLibraries.h"

#include <commdlg.h>

#include <utility>
#include <vector>

#include "engine/Messages.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/ListChoice.h"
#include "settings/SettingsSections.h"
#include "settings/win/CentreDialog.h"
#include "wordlist/WordList.h"

namespace {

CWordListDlg::FileChooser s_chooser = &CWordListDlg::ChooseListFile;

} // namespace

CWordListDlg::CWordListDlg(std::function<void()> beforeClearing)
    : CDialog(IDD_WORDLIST), m_beforeClearing(std::move(beforeClearing))
{
}

CWordListDlg::FileChooser CWordListDlg::SetFileChooser(FileChooser chooser)
{
    FileChooser previous = s_chooser;
    s_chooser = chooser ? chooser : &CWordListDlg::ChooseListFile;
    return previous;
}

bool CWordListDlg::ChooseListFile(HWND owner, std::string& path)
{
    // Long paths fit; the file name starts empty.
    std::vector<char> file(32768, '\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = "Textdateien (*.txt)\0*.txt\0Alle Dateien (*.*)\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = "txt";
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT;
    static const auto openFileName = LateBoundFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    if (!openFileName || !openFileName(&ofn))
        return false;
    path = file.data();
    return true;
}

void CWordListDlg::DoDataExchange(CDataExchange& dx)
{
    ExchangeRadio(dx, IDC_STANDARDLIST, GameSettings.Wordlist);
    ExchangeText(dx, IDC_LISTPATH, GameSettings.Listpath);
}

BOOL CWordListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CentreOverOwner(m_hWnd);
    // Start from what is stored, whatever an earlier dialog left in memory.
    LoadListSettings();
    UpdateData(false);
    UpdateEnabling();
    m_toolTip.CreateTipWindow(m_hWnd, true);
    m_toolTip.SetDefaultBehaviour(0x10);
    m_toolTip.AddChildTools(m_hWnd);
    return TRUE; // "&Übernehmen", first in the template, takes the focus
}

bool CWordListDlg::PreTranslateMessage(MSG& msg)
{
    if (GameSettings.UseHelp == 1)
        m_toolTip.RelayMessage(msg);
    return CDialog::PreTranslateMessage(msg);
}

bool CWordListDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (id) {
        case IDC_STANDARDLIST:
            UpdateEnabling();
            return true;
        case IDC_OWNLIST:
            UpdateEnabling();
            SetFocus(Item(IDC_LISTPATH));
            return true;
        case IDC_BROWSE:
            OnBrowse();
            return true;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CWordListDlg::UpdateEnabling()
{
    UpdateData(true);
    const bool own = GameSettings.Wordlist != 0;
    EnableWindow(Item(IDC_LISTPATH), own);
    EnableWindow(Item(IDC_LISTRULES), own);
    EnableWindow(Item(IDC_BROWSE), own);
}

void CWordListDlg::OnBrowse()
{
    std::string path;
    if (!s_chooser(m_hWnd, path))
        return;
    GameSettings.Listpath = path;
    UpdateData(false);
}

void CWordListDlg::OnOK()
{
    LoadListSettings();
    const int storedChoice = GameSettings.Wordlist;
    const std::string storedPath = GameSettings.Listpath;

    UpdateData(true);
    const ListConfirmation confirmation =
        ConfirmListChoice(storedChoice, storedPath, GameSettings.Wordlist, GameSettings.Listpath);
    if (confirmation.pathMissing) {
        // The message is owned by this dialog (the main window's last active
        // popup), so the main window stays disabled behind it.
        ShowMessage("Es wurde keine Wortliste angegeben.", MessageError);
        SetFocus(Item(IDC_LISTPATH));
        return;
    }
    if (confirmation.clearList) {
        if (m_beforeClearing)
            m_beforeClearing();
        ClearWordList();
    }
    SaveListSettings();
    EndDialog(IDOK);
}

void CWordListDlg::OnCancel()
{
    LoadListSettings();
    EndDialog(IDCANCEL);
}
