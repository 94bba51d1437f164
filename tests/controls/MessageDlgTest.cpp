#include "controls/win/MessageDlg.h"

#include "controls/MessageLayout.h"
#include "controls/win/GameBrushes.h"
#include "dialoglayer/win/Gdi.h"
#include "res/resource.h"
#include "tests/dialogs/DialogDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// The open dialog as read while it was up: its place and a line "text; icon
// id; shown gradient buttons Ja OK Nein as 101; white brush and grey ink; font".
RECT g_window;
std::string g_line;

void Inspect(HWND dialog)
{
    GetWindowRect(dialog, &g_window);
    HWND text = GetDlgItem(dialog, IDC_MSG_TEXT);
    const HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, IDC_MSG_ICON, STM_GETICON, 0, 0));
    int iconId = 0;
    for (int id : {IDI_MSG_NOTICE, IDI_MSG_ERROR, IDI_MSG_QUESTION})
        iconId = icon == LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)) ? id : iconId;
    std::string shown;
    for (int id : {IDYES, IDOK, IDNO})
        shown += IsWindowVisible(GetDlgItem(dialog, id)) && CControl::FromHandle(GetDlgItem(dialog, id)) ? '1' : '0';
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)), sizeof font, &font);
    MemoryDC dc(nullptr);
    const bool white = SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                                    reinterpret_cast<LPARAM>(text)) == reinterpret_cast<LRESULT>(GameBrushes.white);
    g_line = WindowText(text) + "; " + std::to_string(iconId) + "; " + shown +
             (white && GetTextColor(dc) == RGB(100, 100, 100) ? "; white, grey; " : "; ") + font.lfFaceName;
}

// Shows the dialog and answers it from a timer inside its modal loop.
int ShowAndAnswer(const std::function<int()>& show, std::function<void(HWND)> answer)
{
    g_line.clear();
    const ActOnWindow act([](HWND w) { return GetDlgItem(w, IDC_MSG_TEXT) != nullptr; },
                          [answer](HWND dialog) {
                              Inspect(dialog);
                              answer(dialog);
                          });
    return show();
}

std::function<void(HWND)> Press(UINT key)
{
    return [key](HWND) { PressKey(GetFocus(), key); };
}
std::function<void(HWND)> Answer(int id)
{
    return [id](HWND d) { PostMessageA(GetDlgItem(d, id), BM_CLICK, 0, 0); };
}

TEST(MessageDlg, TypesAnswersLooksAndPlace)
{
    CreateGameBrushes();
    const struct {
        int type;
        std::function<void(HWND)> answer;
        int result, icon;
        const char* buttons;
    } cases[] = {
        {1, Answer(IDYES), IDYES, IDI_MSG_QUESTION, "101"}, {1, Press(VK_ESCAPE), IDCANCEL, IDI_MSG_QUESTION, "101"},
        {2, Press(VK_RETURN), IDOK, IDI_MSG_ERROR, "010"},  {5, Answer(IDOK), IDOK, IDI_MSG_NOTICE, "010"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, ShowAndAnswer([&] { return ShowMessageDlg("Läuft?", c.type); }, c.answer)) << c.type;
        EXPECT_EQ("Läuft?; " + std::to_string(c.icon) + "; " + c.buttons + "; white, grey; MS Sans Serif", g_line);
    }

    // A long text makes the dialog taller.
    ShowAndAnswer([] { return ShowMessageDlg("", 1); }, Answer(IDOK));
    const LONG height = g_window.bottom - g_window.top;
    const std::string text = "Dieses Wort ist leider nicht bekannt.\nKeine weiteren Fehlversuche.\nSpiel beendet.";
    ShowAndAnswer([&] { return ShowMessageDlg(text, 0); }, Answer(IDOK));
    EXPECT_EQ(height + MessageExtraHeight(text.size()), g_window.bottom - g_window.top);
}

} // namespace
