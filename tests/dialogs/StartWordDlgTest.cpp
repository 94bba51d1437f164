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
    CStartWordDlg dialog(startWord);
    const INT_PTR result = RunScripted(dialog, [](HWND dlg) {
        EXPECT_EQ(GetFocus(), Edit(dlg));
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

TEST_F(StartWordDialog, OwnListWithoutConversionKeepsTheWordAsTyped)
{
    UseOwnList(0, 0);
    CStartWordDlg dialog(startWord);
    RunScripted(dialog, [](HWND dlg) {
        TypeText(Edit(dlg), "B\xE4ren");
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "B\xE4ren");
        EXPECT_FALSE(Enabled(dlg, IDC_STARTGAME));
        // Enter with five letters does nothing.
        PressKey(Edit(dlg), VK_RETURN);
        EXPECT_TRUE(IsWindow(dlg));
        TypeChar(Edit(dlg), 'x');
        EXPECT_TRUE(Enabled(dlg, IDC_STARTGAME));
        TypeChar(Edit(dlg), '\b');
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "B\xE4ren");
        EXPECT_FALSE(Enabled(dlg, IDC_STARTGAME)) << "back to five letters";
        Click(dlg, IDC_STARTWORD_CANCEL);
    });
    EXPECT_EQ(startWord, "unchanged");
}

TEST_F(StartWordDialog, OtherCharactersVanishAndTheCaretStays)
{
    UseOwnList(0, 0);
    CStartWordDlg own(startWord);
    RunScripted(own, [](HWND dlg) {
        TypeText(Edit(dlg), "xy1z");
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "xyz");
        EXPECT_EQ(Caret(dlg), 3);
        PressKey(Edit(dlg), VK_ESCAPE);
    });

    GameSettings.Wordlist = 0;
    CStartWordDlg standard(startWord);
    RunScripted(standard, [](HWND dlg) {
        TypeText(Edit(dlg), "xy1z");
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "XYZ");
        EXPECT_EQ(Caret(dlg), 3);
        SendMessageA(dlg, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(startWord, "unchanged");
}

TEST_F(StartWordDialog, PastedLongWordKeepsItsFirstTenLetters)
{
    UseOwnList(0, 0);
    CStartWordDlg dialog(startWord);
    const INT_PTR result = RunScripted(dialog, [](HWND dlg) {
        SendMessageA(Edit(dlg), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("abcdefghijklmnop"));
        Pump();
        EXPECT_EQ(Text(dlg, IDC_STARTWORD), "abcdefghij");
        EXPECT_TRUE(Enabled(dlg, IDC_STARTGAME));
        Click(dlg, IDC_STARTGAME);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(startWord, "abcdefghij");
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
}

} // namespace
