#include "settings/win/StartWordDlg.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "settings/GameSettings.h"
#include "tests/dialogs/DialogDriver.h"

namespace {

class StartWordDialog : public ::testing::Test {
protected:
    void SetUp() override { GameSettings.ResetToDefaults(); }
    void TearDown() override { GameSettings.ResetToDefaults(); }

    void UseOwnList(int uppercase, int substitute)
    {
        GameSettings.Wordlist = 1;
        GameSettings.Uppercase = uppercase;
        GameSettings.Substitute = substitute;
    }

    std::string startWord = "unchanged";
};

HWND Edit(HWND dlg) { return GetDlgItem(dlg, IDC_STARTWORD); }

int Caret(HWND dlg)
{
    int start = -1, end = -1;
    Selection(Edit(dlg), start, end);
    EXPECT_EQ(start, end) << "no selection after cleaning";
    return start;
}

// The defaults store Uppercase 0: the standard list upper-cases all the same.
TEST_F(StartWordDialog, StandardListTurnsTypedLettersIntoTheListsSpelling)
{
    CStartWordDlg other(startWord);
    RunScripted(other, [](HWND dlg) {
        EXPECT_EQ(GetFocus(), Edit(dlg));
        TypeText(Edit(dlg), "xy1z");
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "XYZ") << "other characters vanish";
        EXPECT_EQ(Caret(dlg), 3);
        SendMessageA(dlg, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(startWord, "unchanged");

    CStartWordDlg dialog(startWord);
    const INT_PTR result = RunScripted(dialog, [](HWND dlg) {
        EXPECT_FALSE(Enabled(dlg, IDC_STARTGAME));
        TypeText(Edit(dlg), "stra\xDF" "e");
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "STRASSE");
        EXPECT_EQ(Caret(dlg), 7);
        EXPECT_TRUE(Enabled(dlg, IDC_STARTGAME));
        PressKey(Edit(dlg), VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(startWord, "STRASSE");
}

TEST_F(StartWordDialog, OwnListKeepsTheWordAsTypedAndStartsFromSixLetters)
{
    UseOwnList(0, 0);
    CStartWordDlg dialog(startWord);
    const INT_PTR result = RunScripted(dialog, [](HWND dlg) {
        TypeText(Edit(dlg), "B\xE4ren");
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "B\xE4ren");
        EXPECT_FALSE(Enabled(dlg, IDC_STARTGAME));
        PressKey(Edit(dlg), VK_RETURN);
        EXPECT_TRUE(IsWindow(dlg)) << "Enter with five letters does nothing";
        TypeChar(Edit(dlg), 'x');
        EXPECT_TRUE(Enabled(dlg, IDC_STARTGAME));
        TypeChar(Edit(dlg), '\b');
        EXPECT_FALSE(Enabled(dlg, IDC_STARTGAME)) << "back to five letters";
        // A pasted long word keeps its first ten letters.
        SendMessageA(Edit(dlg), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("abcdefghijklmnop"));
        Pump();
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "B\xE4renabcde");
        Click(dlg, IDC_STARTGAME);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(startWord, "B\xE4renabcde");
}

TEST_F(StartWordDialog, UmlautTypedInTheMiddlePutsTheCaretAfterItsSecondLetter)
{
    UseOwnList(0, 1);
    CStartWordDlg dialog(startWord);
    RunScripted(dialog, [](HWND dlg) {
        TypeText(Edit(dlg), "Knig");
        SendMessageA(Edit(dlg), EM_SETSEL, 1, 1);
        TypeChar(Edit(dlg), '\xF6');
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "Koenig");
        EXPECT_EQ(Caret(dlg), 3);
        // The next letter lands behind the e.
        TypeChar(Edit(dlg), 'h');
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "Koehnig");
        Click(dlg, IDC_STARTWORD_CANCEL);
    });
    EXPECT_EQ(startWord, "unchanged");
}

} // namespace
