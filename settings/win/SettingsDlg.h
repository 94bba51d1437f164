#pragma once
#include <windows.h>

#include "dialoglayer/win/Dialog.h"
#include "tooltip/win/VelToolTip.h"

// "Anagrilla Spieleinstellungen" (template 103): the six values of the
// "Game" section. The controls exchange data with GameSettings directly;
// only "&Übernehmen" copies them over, all at once, and saves them.
class CSettingsDlg : public CDialog {
public:
    CSettingsDlg();

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool PreTranslateMessage(MSG& msg) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void AttachSpin(int spinId, int buddyId, int lower, int upper);
    // A limit's check box enables its number and arrows.
    void EnableLimit(int checkId, int editId, int spinId, bool takeFocus);
    void OnApply();
    CVelToolTip m_toolTip;
};
