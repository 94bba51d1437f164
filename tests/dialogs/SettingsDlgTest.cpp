#include "settings/win/SettingsDlg.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "settings/GameSettings.h"
#include "tests/win/WindowDriver.h"

namespace {

// Numbers, check boxes, the limits' edits and arrows enabled, the focus's id.
std::string State(HWND dlg)
{
    return Text(dlg, IDC_WORDLIMIT) + "|" + Text(dlg, IDC_ANGLIMIT) + "|" + Text(dlg, IDC_MISTRIALS_EDIT) + "|" +
           Text(dlg, IDC_DURATION) + " " + std::to_string(IsDlgButtonChecked(dlg, IDC_USEDURATION)) +
           std::to_string(IsDlgButtonChecked(dlg, IDC_USEMISTRIALS)) + " " +
           EnabledStates(dlg, {IDC_DURATION, IDC_DURATION_SPIN, IDC_MISTRIALS_EDIT, IDC_MISTRIALS_SPIN}) + " " +
           std::to_string(GetDlgCtrlID(GetFocus()));
}

// Check boxes switch their limits on, focused and selected; the arrows stop
// at the top; Enter confirms every value.
TEST(SettingsDialog, CheckBoxesSwitchTheirLimitsAndEnterConfirms)
{
    ScopedStore scoped;
    GameSettings.ResetToDefaults();
    GameSettings.AngLimit = 9; // out of the range: kept unless moved
    CSettingsDlg dialog;
    EXPECT_EQ(IDOK, RunScripted(dialog, [](HWND dlg) {
        std::string states = State(dlg);
        Click(dlg, IDC_USEMISTRIALS);
        PressKey(GetDlgItem(dlg, IDC_MISTRIALS_EDIT), VK_UP);
        states += ", " + State(dlg);
        Click(dlg, IDC_USEDURATION);
        states += ", " + State(dlg) + " " + Selection(GetDlgItem(dlg, IDC_DURATION));
        for (UINT key : {VK_UP, VK_UP})
            PressKey(GetDlgItem(dlg, IDC_DURATION), key);
        SetFocus(GetDlgItem(dlg, IDC_WORDLIMIT));
        for (UINT key : {VK_UP, VK_DOWN})
            PressKey(GetDlgItem(dlg, IDC_WORDLIMIT), key);
        const std::string ok = std::to_string(IDC_SETTINGS_OK), mistrials = std::to_string(IDC_MISTRIALS_EDIT);
        EXPECT_EQ("10|9|1|1 00 0000 " + ok + ", 10|9|2|1 01 0011 " + mistrials + ", 10|9|2|1 11 1111 " +
                      std::to_string(IDC_DURATION) + " 0-1",
                  states);
        PressKey(GetFocus(), VK_RETURN);
    }));
    std::string stored;
    for (const char* name : {"AngLimit", "Duration", "Mistrials", "WordLimit", "UseDuration", "UseMistrials"})
        stored += std::to_string(scoped.ReadDword("Game", name, 0)) + " ";
    EXPECT_EQ("9 3 2 9 1 1 ", stored);
    GameSettings.ResetToDefaults();
}

} // namespace
