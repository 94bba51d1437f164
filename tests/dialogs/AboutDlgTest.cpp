#include "controls/win/AboutDlg.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "controls/win/GameBrushes.h"
#include "dialoglayer/win/Gdi.h"
#include "res/resource.h"
#include "tests/dialogs/DialogDriver.h"

namespace {

// Each call as "verb file show", with "+owner" and "+parameters" where given.
std::vector<std::string> s_shellCalls;
INT_PTR s_shellResult = 42; // above 32: the shell started something

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR, INT show)
{
    s_shellCalls.push_back(std::string(verb ? verb : "") + " " + (file ? file : "") + " " + std::to_string(show) +
                           (owner ? " +owner" : "") + (parameters ? " +parameters" : ""));
    return reinterpret_cast<HINSTANCE>(s_shellResult);
}

// The text colour the dialog hands a link about to paint itself, "/white"
// when on the white brush and background.
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

void MoveMouse(HWND link, int x, int y) { SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
void ClickLink(HWND link)
{
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Pump();
}

// Links: blue; red under the mouse, holding the capture to see it leave;
// dark blue once visited, whether or not the shell could open it. Another
// window taking the mouse ends the hover, as no move outside will arrive.
// Closing deletes the logo the template loaded, or every opening costs a GDI
// object.
TEST(AboutDialog, LinksFollowHoverVisitAndCaptureOpenTheirAddressesAndClosingDeletesTheTemplateLogo)
{
    CreateGameBrushes();
    s_shellCalls.clear();
    SetShellExecute(&RecordShellExecute);
    static HGDIOBJ s_logo;
    s_logo = nullptr;
    CAboutDlg dialog;
    const INT_PTR result = RunScripted(dialog, [](HWND dlg) {
        HWND mail = GetDlgItem(dlg, IDC_MAILLINK), web = GetDlgItem(dlg, IDC_WEBLINK);
        std::string colours = Colours(dlg, mail);
        MoveMouse(mail, 2, 2);
        colours += (GetCapture() == mail ? " k " : " - ") + Colours(dlg, mail);
        MoveMouse(mail, -5, 300);
        colours += (GetCapture() ? " k " : " - ") + Colours(dlg, mail);
        s_shellResult = 2;
        ClickLink(mail);
        s_shellResult = 42;
        colours += " " + Colours(dlg, mail);
        MoveMouse(web, 2, 2);
        SetCapture(dlg);
        colours += " " + Colours(dlg, web);
        ReleaseCapture();
        EXPECT_EQ("ff0000/white k 0000ff/white - ff0000/white 8f2205/white ff0000/white", colours);
        ClickLink(web);
        ClickLink(GetDlgItem(dlg, IDC_SITELINK));
        for (HWND child = GetWindow(dlg, GW_CHILD); child && !s_logo; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
                s_logo = reinterpret_cast<HGDIOBJ>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        PressKey(GetDlgItem(dlg, IDOK), VK_ESCAPE);
    });
    SetShellExecute(nullptr);
    EXPECT_EQ(result, IDCANCEL);
    const std::string minimised = " " + std::to_string(SW_SHOWMINIMIZED);
    EXPECT_EQ(s_shellCalls, (std::vector<std::string>{"open mailto:anagrilla@example.org" + minimised,
                                                      "open http://www.example.org/more.html" + minimised,
                                                      "open http://code.example.org" + minimised}));
    ASSERT_NE(nullptr, s_logo);
    EXPECT_EQ(0u, GetObjectType(s_logo));
}

} // namespace
