#pragma once
#include <windows.h>

#include <string>

#include "dialoglayer/win/Dialog.h"
#include "tooltip/win/VelToolTip.h"

// "Ausgangswort angeben" (template 104): the player types a start word,
// cleaned as it is typed with the input rules in force. On "&Spiel starten"
// the word goes into startWord (the main window's m_strStartWord).
class CStartWordDlg : public CDialog {
public:
    explicit CStartWordDlg(std::string& startWord);

    const std::string& Word() const { return m_word; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool PreTranslateMessage(MSG& msg) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void OnWordChanged();
    void OnStartGame();

    std::string& m_startWord;
    std::string m_word;
    // Set while the dialog writes the cleaned word back: that write reports a
    // change as well, and it must not be cleaned again.
    bool m_writingWord = false;
    CVelToolTip m_toolTip;
};
