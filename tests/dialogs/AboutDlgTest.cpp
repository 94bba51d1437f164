#include "controls/win/AboutDlg.h"

#include <gtest/gtest.h>

#include "controls/win/GameBrushes.h"
#include "res/resource.h"
#include "tests/dialogs/DialogDriver.h"

namespace {

struct ShellCall {
    std::string verb, file;
    bool hasOwner, hasParameters, hasDirectory;
    int show;
};
std::vector<ShellCall> s_shellCalls;
INT_PTR s_shellResult = 42; // above 32: the shell started something

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT show)
{
    s_shellCalls.push_back({verb ? verb : "", file ? file : "", owner != nullptr, parameters != nullptr,
                            directory != nullptr, show});
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

void MoveMouse(HWND link, int x, int y)
{
    SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

TEST_F(AboutDialog, LinksFollowHoverVisitAndCaptureAndOpenTheirAddresses)
{
    CAboutDlg dialog;
    RunScripted(dialog, [&dialog](HWND dlg) {
        HWND mail = GetDlgItem(dlg, IDC_MAILLINK);
        EXPECT_EQ(AskColours(dlg, mail).text, RGB(0, 0, 255));

        MoveMouse(mail, 2, 2);
        EXPECT_TRUE(dialog.Link(IDC_MAILLINK).IsHovering());
        EXPECT_EQ(GetCapture(), mail) << "the capture reports the mouse leaving";
        EXPECT_EQ(AskColours(dlg, mail).text, RGB(255, 0, 0));

        MoveMouse(mail, -5, 300);
        EXPECT_FALSE(dialog.Link(IDC_MAILLINK).IsHovering());
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(AskColours(dlg, mail).text, RGB(0, 0, 255));

        // Visited whether or not the shell could open it.
        s_shellResult = 2;
        SendMessageA(mail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(mail, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        Pump();
        EXPECT_EQ(AskColours(dlg, mail).text, RGB(5, 34, 143));
        MoveMouse(mail, 2, 2);
        EXPECT_EQ(AskColours(dlg, mail).text, RGB(5, 34, 143)) << "visited stays dark blue under the mouse";
        MoveMouse(mail, -5, 300);

        // The other links keep their own state.
        HWND web = GetDlgItem(dlg, IDC_WEBLINK);
        EXPECT_EQ(AskColours(dlg, web).text, RGB(0, 0, 255));
        // Another window takes the mouse: no move outside will ever arrive.
        MoveMouse(web, 2, 2);
        ASSERT_TRUE(dialog.Link(IDC_WEBLINK).IsHovering());
        SetCapture(dlg);
        EXPECT_FALSE(dialog.Link(IDC_WEBLINK).IsHovering());
        EXPECT_EQ(AskColours(dlg, web).text, RGB(0, 0, 255));
        ReleaseCapture();

        for (int id : {IDC_WEBLINK, IDC_SITELINK}) {
            HWND link = GetDlgItem(dlg, id);
            SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
            SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
            Pump();
        }
        PressKey(GetDlgItem(dlg, IDOK), VK_ESCAPE);
    });
    ASSERT_EQ(s_shellCalls.size(), 3u);
    const ShellCall& call = s_shellCalls[0];
    EXPECT_EQ(call.verb + " " + call.file, "open mailto:anagrilla@example.org");
    EXPECT_EQ(call.show, SW_SHOWMINIMIZED);
    EXPECT_FALSE(call.hasOwner || call.hasParameters || call.hasDirectory);
    EXPECT_EQ(s_shellCalls[1].file, "http://www.example.org/more.html");
    EXPECT_EQ(s_shellCalls[2].file, "http://code.example.org");
    // Results up to 32 are the shell's errors, 32 itself too.
    s_shellResult = 32;
    EXPECT_FALSE(OpenLink("http://x.example.org"));
    s_shellResult = 33;
    EXPECT_TRUE(OpenLink("http://x.example.org"));
}

TEST_F(AboutDialog, LinksAreUnderlinedStaticsOnAWhiteDialog)
{
    CAboutDlg dialog;
    const INT_PTR result = RunScripted(dialog, [&dialog](HWND dlg) {
        for (int id : {IDC_MAILLINK, IDC_WEBLINK, IDC_SITELINK}) {
            HWND link = GetDlgItem(dlg, id);
            EXPECT_TRUE(GetWindowLongPtrA(link, GWL_STYLE) & SS_NOTIFY) << id;
            LOGFONTA font{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), sizeof(font), &font);
            EXPECT_TRUE(font.lfUnderline) << id;
            EXPECT_TRUE(SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
            EXPECT_NE(GetCursor(), nullptr);
        }
        // Plain texts keep the ordinary font.
        LOGFONTA plain{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dlg, WM_GETFONT, 0, 0)), sizeof(plain), &plain);
        EXPECT_FALSE(plain.lfUnderline);

        // White all over, with a navy-labelled gradient button.
        const Painted self = AskColours(dlg, dlg, WM_CTLCOLORDLG);
        EXPECT_EQ(self.brush, GameBrushes.white);
        const Painted text = AskColours(dlg, GetWindow(GetDlgItem(dlg, IDOK), GW_HWNDNEXT));
        EXPECT_EQ(text.brush, GameBrushes.white);
        EXPECT_EQ(text.background, RGB(255, 255, 255));
        EXPECT_EQ(text.text, RGB(1, 2, 3)) << "plain texts keep their colour";
        EXPECT_EQ(AskColours(dlg, GetDlgItem(dlg, IDC_MAILLINK)).brush, GameBrushes.white);

        EXPECT_EQ(GetWindowLongPtrA(GetDlgItem(dlg, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_EQ(dialog.OkButton().SetLabelColor(RGB(0, 0, 128)), RGB(0, 0, 128));
        EXPECT_EQ(GetWindowLongPtrA(dlg, GWL_STYLE) & WS_CAPTION, 0);
        EXPECT_EQ(Text(dlg, IDC_MAILLINK), "anagrilla@example.org");
        PressKey(GetDlgItem(dlg, IDOK), VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
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
