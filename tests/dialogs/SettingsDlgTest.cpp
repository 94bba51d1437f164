#include "settings/win/SettingsDlg.h"

#include <gtest/gtest.h>

#include <vector>

#include "res/resource.h"
#include "settings/GameSettings.h"
#include "tests/win/WindowDriver.h"

namespace {

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override { GameSettings.ResetToDefaults(); }
    void TearDown() override { GameSettings.ResetToDefaults(); }
    ScopedStore scoped;
};


// AngLimit, Duration, Mistrials, WordLimit, UseDuration, UseMistrials.
std::vector<int> Settings()
{
    return {GameSettings.AngLimit.load(),    GameSettings.Duration.load(),    GameSettings.Mistrials.load(),
            GameSettings.WordLimit.load(),   GameSettings.UseDuration.load(), GameSettings.UseMistrials.load()};
}

// Numbers, check boxes, the limits' edits and arrows enabled, the focus's id.
std::string State(HWND dlg)
{
    return Text(dlg, IDC_WORDLIMIT) + "|" + Text(dlg, IDC_ANGLIMIT) + "|" + Text(dlg, IDC_MISTRIALS_EDIT) + "|" +
           Text(dlg, IDC_DURATION) + " " +
           std::to_string(IsDlgButtonChecked(dlg, IDC_USEDURATION)) +
           std::to_string(IsDlgButtonChecked(dlg, IDC_USEMISTRIALS)) + " " +
           EnabledStates(dlg, {IDC_DURATION, IDC_DURATION_SPIN, IDC_MISTRIALS_EDIT, IDC_MISTRIALS_SPIN}) + " " +
           std::to_string(GetDlgCtrlID(GetFocus()));
}

void Press(HWND dlg, int id, UINT key, int times = 1)
{
    SetFocus(GetDlgItem(dlg, id));
    for (int i = 0; i < times; ++i)
        PressKey(GetDlgItem(dlg, id), key);
}

// Check boxes switch their limits on, focused and selected; the arrows stop
// at the top; Enter confirms every value, Escape none.
TEST_F(SettingsDialog, CheckBoxesSwitchTheirLimitsEnterConfirmsAndEscapeChangesNothing)
{
    GameSettings.AngLimit = 9; // out of the range: kept unless moved
    for (int way = 0; way < 2; ++way) {
        CSettingsDlg dialog;
        const INT_PTR result = RunScripted(dialog, [way](HWND dlg) {
            std::string states = State(dlg);
            Click(dlg, IDC_USEMISTRIALS);
            PressKey(GetDlgItem(dlg, IDC_MISTRIALS_EDIT), VK_UP);
            states += ", " + State(dlg);
            Click(dlg, IDC_USEDURATION);
            states += ", " + State(dlg) + " " + Selection(GetDlgItem(dlg, IDC_DURATION));
            Press(dlg, IDC_DURATION, VK_UP, 2);
            Press(dlg, IDC_WORDLIMIT, VK_UP);
            Press(dlg, IDC_WORDLIMIT, VK_DOWN);
            const std::string ok = std::to_string(IDC_SETTINGS_OK), mistrials = std::to_string(IDC_MISTRIALS_EDIT);
            EXPECT_EQ("10|9|1|1 00 0000 " + ok + ", 10|9|2|1 01 0011 " + mistrials + ", 10|9|2|1 11 1111 " +
                          std::to_string(IDC_DURATION) + " 0-1",
                      states);
            PressKey(GetFocus(), way == 0 ? VK_ESCAPE : VK_RETURN);
        });
        EXPECT_EQ(result, way == 1 ? IDOK : IDCANCEL) << "way " << way;
        const std::vector<int> confirmed{9, 3, 2, 9, 1, 1}, unchanged{9, 1, 1, 10, 0, 0};
        EXPECT_EQ(Settings(), way == 1 ? confirmed : unchanged);
    }
    const std::vector<std::string> expected = {"Game/AngLimit", "Game/Duration", "Game/Mistrials",
                                               "Game/WordLimit", "Game/UseDuration", "Game/UseMistrials"};
    EXPECT_EQ(scoped.writes, expected);
}

} // namespace
