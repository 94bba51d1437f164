#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "dialoglayer/win/Dialog.h"
#include "tooltip/win/VelToolTip.h"

// "Wortliste auswählen" (template 106): standard list or an own file. The
// controls exchange data with Wordlist and Listpath directly; confirming
// saves them and empties the word list when the choice changed, cancelling
// restores them from the store.
class CWordListDlg : public CDialog {
public:
    // beforeClearing runs right before the word list is emptied, so that
    // nothing still reads the list (a search preparing a round).
    explicit CWordListDlg(std::function<void()> beforeClearing = {});

    // Asks the player for a file; true with its full path when one was
    // chosen. Tests replace the Open dialog; the previous chooser is returned.
    using FileChooser = bool (*)(HWND owner, std::string& path);
    static FileChooser SetFileChooser(FileChooser chooser);
    static bool ChooseListFile(HWND owner, std::string& path);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool PreTranslateMessage(MSG& msg) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void UpdateEnabling();
    void OnBrowse();

    std::function<void()> m_beforeClearing;
    CVelToolTip m_toolTip;
};
