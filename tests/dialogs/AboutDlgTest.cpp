#include "controls/win/AboutDlg.h"

#include <gtest/gtest.h>

#include "controls/win/GameBrushes.h"
#include "res/resource.h"
#include "tests/dialogs/DialogDriver.h"

namespace {

// Each call as "verb file show", with "+owner", "+parameters", "+directory" where given.
std::vector<std::string> s_shellCalls;
INT_PTR s_shellResult = 42; // above 32: the shell started something

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT show)
{
    s_shellCalls.push_back(std::string(verb ? verb : "") + " " + (file ? file : "") + " " + std::to_string(show) +
                           (owner ? " +owner" : "") + (parameters ? " +parameters" : "") +
                           (directory ? " +directory" : ""));
    return reinterpret_cast<HINSTANCE>(s_shellResult);
}

class AboutDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateGameBrushes();
        s_shellCalls.clear();
        s_shellResult = 42;
        SetShellExecute(&RecordShellExecute);
    }
    void TearDown() override { SetShellExecute(nullptr); }
};

// The colours the dialog hands a control that is about to paint itself.
struct Painted {
    COLORREF text, background;
    HBRUSH brush;
};
Painted AskColours(HWND dlg, HWND control, UINT message = WM_CTLCOLORSTATIC)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    SetTextColor(dc, RGB(1, 2, 3));
    const LRESULT brush = SendMessageA(dlg, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    Painted painted{GetTextColor(dc), GetBkColor(dc), reinterpret_cast<HBRUSH>(brush)};
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return painted;
}

void MoveMouse(HWND link, int x, int y) { SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

void ClickLink(HWND link)
{
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Pump();
}

TEST_F(AboutDialog, UnderlinedLinksOnWhiteFollowHoverVisitAndCaptureAndOpenTheirAddresses)
{
    CAboutDlg dialog;
    const INT_PTR result = RunScripted(dialog, [&dialog](HWND dlg) {
        for (int id : {IDC_MAILLINK, IDC_WEBLINK, IDC_SITELINK}) {
            HWND link = GetDlgItem(dlg, id);
            LOGFONTA font{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), sizeof(font), &font);
            EXPECT_TRUE(font.lfUnderline && (GetWindowLongPtrA(link, GWL_STYLE) & SS_NOTIFY)) << id;
            EXPECT_TRUE(SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        }
        // White all over; plain texts keep their colour; a gradient OK button, no caption.
        const Painted text = AskColours(dlg, GetWindow(GetDlgItem(dlg, IDOK), GW_HWNDNEXT));
        EXPECT_TRUE(AskColours(dlg, dlg, WM_CTLCOLORDLG).brush == GameBrushes.white && text.brush == GameBrushes.white &&
                    text.background == RGB(255, 255, 255) && text.text == RGB(1, 2, 3));
        EXPECT_EQ(GetWindowLongPtrA(GetDlgItem(dlg, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_EQ(GetWindowLongPtrA(dlg, GWL_STYLE) & WS_CAPTION, 0);
        EXPECT_EQ(dialog.OkButton().SetLabelColor(RGB(0, 0, 128)), RGB(0, 0, 128)) << "navy already";

        // Blue; red under the mouse, holding the capture to see it leave;
        // dark blue once visited (whether or not the shell could open it),
        // under the mouse too.
        HWND mail = GetDlgItem(dlg, IDC_MAILLINK);
        std::vector<COLORREF> colours{AskColours(dlg, mail).text};
        MoveMouse(mail, 2, 2);
        EXPECT_TRUE(dialog.Link(IDC_MAILLINK).IsHovering() && GetCapture() == mail);
        colours.push_back(AskColours(dlg, mail).text);
        MoveMouse(mail, -5, 300);
        EXPECT_FALSE(dialog.Link(IDC_MAILLINK).IsHovering() || GetCapture());
        colours.push_back(AskColours(dlg, mail).text);
        s_shellResult = 2;
        ClickLink(mail);
        colours.push_back(AskColours(dlg, mail).text);
        MoveMouse(mail, 2, 2);
        colours.push_back(AskColours(dlg, mail).text);
        MoveMouse(mail, -5, 300);
        // The other links keep their own state; another window taking the
        // mouse ends the hover, as no move outside will arrive.
        HWND web = GetDlgItem(dlg, IDC_WEBLINK);
        MoveMouse(web, 2, 2);
        SetCapture(dlg);
        EXPECT_FALSE(dialog.Link(IDC_WEBLINK).IsHovering());
        colours.push_back(AskColours(dlg, web).text);
        ReleaseCapture();
        const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0), visited = RGB(5, 34, 143);
        EXPECT_EQ((std::vector<COLORREF>{blue, red, blue, visited, visited, blue}), colours);
        ClickLink(web);
        ClickLink(GetDlgItem(dlg, IDC_SITELINK));
        PressKey(GetDlgItem(dlg, IDOK), VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
    const std::string minimised = " " + std::to_string(SW_SHOWMINIMIZED);
    EXPECT_EQ(s_shellCalls, (std::vector<std::string>{"open mailto:anagrilla@example.org" + minimised,
                                                      "open http://www.example.org/more.html" + minimised,
                                                      "open http://code.example.org" + minimised}));
    // Results up to 32 are the shell's errors, 32 itself too.
    s_shellResult = 32;
    EXPECT_FALSE(OpenLink("http://x.example.org"));
    s_shellResult = 33;
    EXPECT_TRUE(OpenLink("http://x.example.org"));
}

// The logo comes from the template; closing the dialog must not leave its
// bitmap behind, or every opening costs a GDI object.
TEST_F(AboutDialog, ClosingDeletesTheTemplateLogo)
{
    CAboutDlg dialog;
    HGDIOBJ logo = nullptr;
    RunScripted(dialog, [&logo](HWND dlg) {
        for (HWND child = GetWindow(dlg, GW_CHILD); child && !logo; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
                logo = reinterpret_cast<HGDIOBJ>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        PressKey(GetDlgItem(dlg, IDOK), VK_RETURN);
    });
    ASSERT_NE(nullptr, logo);
    EXPECT_EQ(0u, GetObjectType(logo));
}

} // namespace
