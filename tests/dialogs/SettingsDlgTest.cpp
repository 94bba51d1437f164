#include "settings/win/SettingsDlg.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "res/resource.h"
#include "settings/GameSettings.h"
#include "tests/dialogs/DialogDriver.h"

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

TEST_F(SettingsDialog, OpensWithTheDefaultsAndArrowsStopAtTheEnds)
{
    CSettingsDlg dialog;
    const INT_PTR result = RunScripted(dialog, [](HWND dlg) {
        EXPECT_EQ(Texts(dlg, {IDC_WORDLIMIT, IDC_ANGLIMIT, IDC_MISTRIALS_EDIT, IDC_DURATION}), "10|3|1|1");
        EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_USEDURATION), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_USEMISTRIALS), BST_UNCHECKED);
        EXPECT_EQ(EnabledStates(dlg, {IDC_DURATION, IDC_DURATION_SPIN, IDC_MISTRIALS_EDIT, IDC_MISTRIALS_SPIN}), "0000");
        EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_SETTINGS_OK));
        // Each arrow pair belongs to its number.
        EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageA(dlg, IDC_WORDLIMIT_SPIN, UDM_GETBUDDY, 0, 0)),
                  GetDlgItem(dlg, IDC_WORDLIMIT));
        EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageA(dlg, IDC_DURATION_SPIN, UDM_GETBUDDY, 0, 0)),
                  GetDlgItem(dlg, IDC_DURATION));
        EXPECT_EQ(SendDlgItemMessageA(dlg, IDC_MISTRIALS_SPIN, UDM_GETRANGE, 0, 0), MAKELONG(20, 1));
        EXPECT_EQ(SendDlgItemMessageA(dlg, IDC_ANGLIMIT_SPIN, UDM_GETRANGE, 0, 0), MAKELONG(6, 3));
        EXPECT_EQ(SendDlgItemMessageA(dlg, IDC_DURATION_SPIN, UDM_GETRANGE, 0, 0), MAKELONG(60, 1));
        // Minutes grow by one, and by five after a second of holding.
        UDACCEL steps[4] = {};
        ASSERT_EQ(SendDlgItemMessageA(dlg, IDC_DURATION_SPIN, UDM_GETACCEL, 4, reinterpret_cast<LPARAM>(steps)), 2);
        EXPECT_EQ((std::vector<UINT>{steps[0].nSec, steps[0].nInc, steps[1].nSec, steps[1].nInc}),
                  (std::vector<UINT>{0, 1, 1, 5}));

        // Arrow keys stop at the ends of the ranges.
        HWND wordLimit = GetDlgItem(dlg, IDC_WORDLIMIT);
        SetFocus(wordLimit);
        PressKey(wordLimit, VK_UP);
        EXPECT_EQ(Text(dlg, IDC_WORDLIMIT), "10") << "no wrapping at the top";
        PressKey(wordLimit, VK_DOWN);
        EXPECT_EQ(Text(dlg, IDC_WORDLIMIT), "9");

        HWND angLimit = GetDlgItem(dlg, IDC_ANGLIMIT);
        SetFocus(angLimit);
        PressKey(angLimit, VK_DOWN);
        EXPECT_EQ(Text(dlg, IDC_ANGLIMIT), "3") << "no wrapping at the bottom";
        for (int i = 0; i < 5; ++i)
            PressKey(angLimit, VK_UP);
        EXPECT_EQ(Text(dlg, IDC_ANGLIMIT), "6");
        PressKey(GetFocus(), VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(SettingsDialog, CheckBoxesSwitchTheirLimitOnAndOff)
{
    GameSettings.Duration = 7;
    CSettingsDlg dialog;
    RunScripted(dialog, [](HWND dlg) {
        Click(dlg, IDC_USEDURATION);
        EXPECT_EQ(EnabledStates(dlg, {IDC_DURATION, IDC_DURATION_SPIN}), "11");
        EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_DURATION));
        int start = -1, end = -1;
        Selection(GetDlgItem(dlg, IDC_DURATION), start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 1) << "the whole number is selected";

        Click(dlg, IDC_USEDURATION);
        EXPECT_EQ(EnabledStates(dlg, {IDC_DURATION, IDC_DURATION_SPIN}), "00");
        EXPECT_EQ(Text(dlg, IDC_DURATION), "7") << "the number is kept";

        Click(dlg, IDC_USEMISTRIALS);
        EXPECT_EQ(EnabledStates(dlg, {IDC_MISTRIALS_EDIT, IDC_MISTRIALS_SPIN}), "11");
        EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_MISTRIALS_EDIT));
        Click(dlg, IDC_SETTINGS_CANCEL);
    });
    EXPECT_EQ(Settings(), (std::vector<int>{3, 7, 1, 10, 0, 0})) << "nothing is taken over before confirming";
}

TEST_F(SettingsDialog, EnterConfirmsEveryChangedValue)
{
    GameSettings.AngLimit = 9; // out of the range: kept unless moved
    CSettingsDlg dialog;
    const INT_PTR result = RunScripted(dialog, [](HWND dlg) {
        Click(dlg, IDC_USEMISTRIALS);
        PressKey(GetDlgItem(dlg, IDC_MISTRIALS_EDIT), VK_UP);
        Click(dlg, IDC_USEDURATION);
        PressKey(GetDlgItem(dlg, IDC_DURATION), VK_UP);
        PressKey(GetDlgItem(dlg, IDC_DURATION), VK_UP);
        HWND wordLimit = GetDlgItem(dlg, IDC_WORDLIMIT);
        SetFocus(wordLimit);
        PressKey(wordLimit, VK_DOWN);
        PressKey(wordLimit, VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Settings(), (std::vector<int>{9, 3, 2, 9, 1, 1}));
    const std::vector<std::string> expected = {"Game/AngLimit", "Game/Duration", "Game/Mistrials",
                                               "Game/WordLimit", "Game/UseDuration", "Game/UseMistrials"};
    EXPECT_EQ(scoped.store.WrittenNames(), expected);
}

TEST_F(SettingsDialog, CancellingChangesNothing)
{
    for (int way = 0; way < 3; ++way) {
        CSettingsDlg dialog;
        const INT_PTR result = RunScripted(dialog, [way](HWND dlg) {
            Click(dlg, IDC_USEMISTRIALS);
            PressKey(GetDlgItem(dlg, IDC_MISTRIALS_EDIT), VK_UP);
            Click(dlg, IDC_USEDURATION);
            PressKey(GetDlgItem(dlg, IDC_DURATION), VK_UP);
            PressKey(GetDlgItem(dlg, IDC_WORDLIMIT), VK_DOWN);
            PressKey(GetDlgItem(dlg, IDC_ANGLIMIT), VK_UP);
            if (way == 0)
                Click(dlg, IDC_SETTINGS_CANCEL);
            else if (way == 1)
                PressKey(GetFocus(), VK_ESCAPE);
            else
                SendMessageA(dlg, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(result, IDCANCEL) << "way " << way;
    }
    EXPECT_TRUE(scoped.store.writes.empty());
    EXPECT_EQ(Settings(), (std::vector<int>{3, 1, 1, 10, 0, 0}));
}

} // namespace
