#include "controls/win/MessageDlg.h"

#include "controls/MessageLayout.h"
#include "controls/win/GameBrushes.h"
#include "dialoglayer/win/Dialog.h"
#include "engine/Messages.h"
#include "res/resource.h"
#include "tests/dialogs/DialogDriver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// The open dialog as read while it was up.
struct Seen {
    RECT window{}, text{}, ok{}, yes{}, no{}; // children in client coordinates
    std::string line;                       // see Inspect
};
Seen g_seen;

RECT ChildRect(HWND dialog, int id)
{
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Which icon of the program's own the dialog shows.
std::string IconName(HICON icon)
{
    const HINSTANCE self = GetModuleHandleA(nullptr);
    if (icon == LoadIconA(self, MAKEINTRESOURCEA(IDI_MSG_QUESTION)))
        return "question";
    if (icon == LoadIconA(self, MAKEINTRESOURCEA(IDI_MSG_ERROR)))
        return "error";
    return icon == LoadIconA(self, MAKEINTRESOURCEA(IDI_MSG_NOTICE)) ? "notice" : "other";
}

// "text; icon; shown buttons Ja OK Nein as 101; gradient buttons; colours, font, frame".
void Inspect(HWND dialog)
{
    GetWindowRect(dialog, &g_seen.window);
    g_seen.text = ChildRect(dialog, IDC_MSG_TEXT);
    g_seen.yes = ChildRect(dialog, IDYES);
    g_seen.ok = ChildRect(dialog, IDOK);
    g_seen.no = ChildRect(dialog, IDNO);
    std::string shown, gradient;
    for (int id : {IDYES, IDOK, IDNO}) {
        shown += IsWindowVisible(GetDlgItem(dialog, id)) ? '1' : '0';
        gradient += CControl::FromHandle(GetDlgItem(dialog, id)) ? 'g' : '-';
    }
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, IDC_MSG_TEXT, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    HDC dc = CreateCompatibleDC(nullptr);
    const bool white = SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_MSG_TEXT))) ==
                       reinterpret_cast<LRESULT>(GameBrushes.white);
    const COLORREF ink = GetTextColor(dc), paper = GetBkColor(dc);
    DeleteDC(dc);
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    const bool frame = !(style & WS_CAPTION) && (style & WS_POPUP) &&
                       (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    char look[160];
    std::snprintf(look, sizeof look, "%06lx on %06lx%s; %s %ld/%ld%s", static_cast<unsigned long>(ink),
                  static_cast<unsigned long>(paper), white ? " white brush" : "", font.lfFaceName, font.lfHeight,
                  font.lfWeight, frame ? "; popup without caption, sunken" : "");
    g_seen.line = WindowText(GetDlgItem(dialog, IDC_MSG_TEXT)) + "; " +
                  IconName(reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, IDC_MSG_ICON, STM_GETICON, 0, 0))) +
                  "; " + shown + " " + gradient + "; " + look;
}

// Shows the dialog and answers it from a timer inside its modal loop.
int ShowAndAnswer(const std::function<int()>& show, std::function<void(HWND)> answer)
{
    g_seen = Seen{};
    const ActOnWindow act([](HWND w) { return GetDlgItem(w, IDC_MSG_TEXT) != nullptr; },
                          [answer](HWND dialog) {
                              Inspect(dialog);
                              answer(dialog);
                          });
    return show();
}

std::function<void(HWND)> Press(UINT key)
{
    return [key](HWND) {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageA(GetFocus(), WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
    };
}
std::function<void(HWND)> Click(int id)
{
    return [id](HWND d) { PostMessageA(GetDlgItem(d, id), BM_CLICK, 0, 0); };
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

TEST(MessageDlg, TypesAnswersAndLooks)
{
    CreateGameBrushes();
    const std::string look = "646464 on ffffff white brush; MS Sans Serif 10/100; popup without caption, sunken";
    const struct {
        const char* text;
        int type;
        std::function<void(HWND)> answer;
        int result;
        const char* line;
    } cases[] = {
        {"Laufendes Spiel wirklich beenden?", 1, Click(IDYES), IDYES, "question; 101 ggg"},
        {"Frage", 1, Click(IDNO), IDNO, "question; 101 ggg"},
        {"Frage", 1, Press(VK_ESCAPE), IDCANCEL, "question; 101 ggg"},
        {"Fehler", 2, Press(VK_RETURN), IDOK, "error; 010 ggg"},
        {"Hinweis", 0, Click(IDOK), IDOK, "notice; 010 ggg"},
        {"Hinweis", 5, Click(IDOK), IDOK, "notice; 010 ggg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, ShowAndAnswer([&] { return ShowMessageDlg(c.text, c.type); }, c.answer)) << c.text;
        EXPECT_EQ(std::string(c.text) + "; " + c.line + "; " + look, g_seen.line);
    }

    // Placed by the layout; a long text makes the dialog taller.
    ShowAndAnswer([] { return ShowMessageDlg("", 1); }, Click(IDOK));
    const Seen empty = g_seen;
    const MessageDlgLayout layout = ComputeMessageDlgLayout(Width(empty.text), Height(empty.text) + 20, 0, 0);
    EXPECT_EQ((std::vector<LONG>{layout.textX, layout.textY, layout.dialogWidth, layout.dialogHeight, layout.okX,
                                 layout.buttonY, layout.buttonWidth, layout.buttonHeight, layout.yesX, layout.noX}),
              (std::vector<LONG>{empty.text.left, empty.text.top, Width(empty.window), Height(empty.window),
                                 empty.ok.left, empty.ok.top, Width(empty.ok), Height(empty.ok), empty.yes.left,
                                 empty.no.left}));
    const std::string text = "Dieses Wort ist leider nicht bekannt.\nKeine weiteren Fehlversuche.\nSpiel beendet.";
    ShowAndAnswer([&] { return ShowMessageDlg(text, 0); }, Click(IDOK));
    EXPECT_EQ(Height(empty.window) + MessageExtraHeight(text.size()), Height(g_seen.window));

    // It also answers for code without a window.
    const MessageHandler old = SetMessageHandler(ShowMessageDlgHandler);
    EXPECT_EQ(IDNO, ShowAndAnswer([] { return ShowMessage("Frage?", MessageQuestion); }, Click(IDNO)));
    SetMessageHandler(old);
    EXPECT_EQ("Frage?; question", g_seen.line.substr(0, 16));
}

} // namespace
