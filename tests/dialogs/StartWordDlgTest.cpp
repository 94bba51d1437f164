#include "settings/win/StartWordDlg.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "settings/GameSettings.h"
#include "tests/win/WindowDriver.h"

namespace {

HWND Edit(HWND dlg) { return GetDlgItem(dlg, IDC_STARTWORD); }

// The word, its selection and whether "Spiel starten" is enabled.
std::string State(HWND dlg)
{
    return Text(dlg, IDC_STARTWORD) + " " + Selection(Edit(dlg)) +
           (IsWindowEnabled(GetDlgItem(dlg, IDC_STARTGAME)) ? " start" : "");
}

TEST(StartWordDialog, OwnListStartsFromSixLettersAndKeepsTheCaretInPlace)
{
    std::string startWord = "unchanged";
    GameSettings.ResetToDefaults();
    GameSettings.Wordlist = 1;
    GameSettings.Substitute = 1;
    CStartWordDlg dialog(startWord);
    EXPECT_EQ(IDOK, RunScripted(dialog, [](HWND dlg) {
        TypeText(Edit(dlg), "Knige");
        std::string states = State(dlg);
        PressKey(Edit(dlg), VK_RETURN); // does nothing with five letters
        TypeText(Edit(dlg), "x");
        states += ", " + State(dlg);
        TypeText(Edit(dlg), "\b");
        states += ", " + State(dlg);
        // An umlaut typed in the middle: the caret after its second letter.
        SendMessageA(Edit(dlg), EM_SETSEL, 1, 1);
        TypeText(Edit(dlg), "\xF6");
        states += ", " + State(dlg);
        // A pasted long word keeps the first ten letters.
        SendMessageA(Edit(dlg), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("abcdefghijklmnop"));
        Pump();
        EXPECT_EQ("Knige 5-5, Knigex 6-6 start, Knige 5-5, Koenige 3-3 start, Koeabcdefg 10-10 start",
                  states + ", " + State(dlg));
        Click(dlg, IDC_STARTGAME);
    }));
    EXPECT_EQ(startWord, "Koeabcdefg");
    GameSettings.ResetToDefaults();
}

} // namespace
