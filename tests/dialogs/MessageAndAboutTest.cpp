#include "controls/win/AboutDlg.h"
#include "controls/win/MessageDlg.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "controls/win/GameBrushes.h"
#include "dialoglayer/win/Gdi.h"
#include "res/resource.h"
#include "tests/win/WindowDriver.h"

namespace {

// The text colour the dialog hands a static control about to paint itself,
// "/white" when on the white brush and background.
std::string Colours(HWND dlg, HWND control)
{
    MemoryDC dc(nullptr);
    const LRESULT brush =
        SendMessageA(dlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()), reinterpret_cast<LPARAM>(control));
    char text[16];
    std::snprintf(text, sizeof text, "%06lx", static_cast<unsigned long>(GetTextColor(dc)));
    return text + std::string(brush == reinterpret_cast<LRESULT>(GameBrushes.white) && GetBkColor(dc) == RGB(255, 255, 255)
                                  ? "/white"
                                  : "");
}

// The open message dialog as read while it was up: "text; icon id; shown
// gradient buttons Ja OK Nein as 101; colours; font".
std::string Inspect(HWND dialog)
{
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
    return WindowText(text) + "; " + std::to_string(iconId) + "; " + shown + "; " + Colours(dialog, text) + "; " +
           font.lfFaceName;
}

TEST(MessageDlg, TypesAnswersAndLooks)
{
    CreateGameBrushes();
    // Type, key pressed (or else the button of the result clicked), result, icon, buttons shown.
    const struct { int type; UINT key; int result, icon; const char* buttons; } cases[] = {
        {1, 0, IDYES, IDI_MSG_QUESTION, "101"}, {1, VK_ESCAPE, IDCANCEL, IDI_MSG_QUESTION, "101"},
        {2, VK_RETURN, IDOK, IDI_MSG_ERROR, "010"}, {5, 0, IDOK, IDI_MSG_NOTICE, "010"},
    };
    for (const auto& c : cases) {
        std::string line;
        const ActOnWindow act([](HWND w) { return GetDlgItem(w, IDC_MSG_TEXT) != nullptr; }, [&](HWND dialog) {
            line = Inspect(dialog);
            if (c.key)
                PressKey(GetFocus(), c.key);
            else
                PostMessageA(GetDlgItem(dialog, c.result), BM_CLICK, 0, 0);
        });
        EXPECT_EQ(c.result, ShowMessageDlg("Läuft?", c.type)) << c.type;
        EXPECT_EQ("Läuft?; " + std::to_string(c.icon) + "; " + c.buttons + "; 646464/white; MS Sans Serif", line);
    }
}

// Each call as "verb file show", with "+owner" and "+parameters" where given.
std::vector<std::string> s_shellCalls;
INT_PTR s_shellResult = 42; // above 32: the shell started something

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR, INT show)
{
    s_shellCalls.push_back(std::string(verb ? verb : "") + " " + (file ? file : "") + " " + std::to_string(show) +
                           (owner ? " +owner" : "") + (parameters ? " +parameters" : ""));
    return reinterpret_cast<HINSTANCE>(s_shellResult);
}

void MoveMouse(HWND link, int x, int y) { SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
void ClickLink(HWND link)
{
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Pump();
}

// Links: blue; red under the mouse, holding the capture to see it leave;
// dark blue once visited, whether or not the shell could open it. Closing
// deletes the logo the template loaded, or every opening costs a GDI object.
TEST(AboutDialog, LinksFollowHoverAndVisitOpenTheirAddressesAndClosingDeletesTheTemplateLogo)
{
    CreateGameBrushes();
    s_shellCalls.clear();
    SetShellExecute(&RecordShellExecute);
    HGDIOBJ logo = nullptr;
    CAboutDlg dialog;
    const INT_PTR result = RunScripted(dialog, [&](HWND dlg) {
        HWND mail = GetDlgItem(dlg, IDC_MAILLINK), web = GetDlgItem(dlg, IDC_WEBLINK);
        std::string colours = Colours(dlg, mail);
        MoveMouse(mail, 2, 2);
        colours += (GetCapture() == mail ? " k " : " - ") + Colours(dlg, mail);
        ReleaseCapture(); // another window taking the capture ends the hover too
        colours += " " + Colours(dlg, mail);
        MoveMouse(mail, 2, 2);
        colours += (GetCapture() == mail ? " k " : " - ") + Colours(dlg, mail);
        MoveMouse(mail, -5, 300);
        colours += (GetCapture() ? " k " : " - ") + Colours(dlg, mail);
        s_shellResult = 2;
        ClickLink(mail);
        s_shellResult = 42;
        EXPECT_EQ("ff0000/white k 0000ff/white ff0000/white k 0000ff/white - ff0000/white 8f2205/white", colours + " " + Colours(dlg, mail));
        ClickLink(web);
        ClickLink(GetDlgItem(dlg, IDC_SITELINK));
        for (HWND child = GetWindow(dlg, GW_CHILD); child && !logo; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
                logo = reinterpret_cast<HGDIOBJ>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        PressKey(GetDlgItem(dlg, IDOK), VK_ESCAPE);
    });
    // Results up to 32 are the shell's errors, 32 itself too.
    s_shellResult = 32;
    const bool opened32 = OpenLink("http://x.example.org");
    s_shellResult = 33;
    EXPECT_EQ("failed, opened", std::string(opened32 ? "opened" : "failed") +
                                    (OpenLink("http://x.example.org") ? ", opened" : ", failed"));
    SetShellExecute(nullptr);
    EXPECT_EQ(result, IDCANCEL);
    const std::string minimised = " " + std::to_string(SW_SHOWMINIMIZED);
    EXPECT_EQ(s_shellCalls, (std::vector<std::string>{"open mailto:anagrilla@example.org" + minimised,
                                                      "open http://www.example.org/more.html" + minimised,
                                                      "open http://code.example.org" + minimised,
                                                      "open http://x.example.org" + minimised,
                                                      "open http://x.example.org" + minimised}));
    ASSERT_NE(nullptr, logo);
    EXPECT_EQ(0u, GetObjectType(logo));
}

} // namespace
