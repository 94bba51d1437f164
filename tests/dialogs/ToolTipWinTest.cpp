#include "settings/win/SettingsDlg.h"

#include <gtest/gtest.h>

#include "dialoglayer/win/Gdi.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "tests/win/WindowDriver.h"

namespace {

HWND VisibleTip()
{
    HWND tip = FindWindowA("CVelToolTip", nullptr);
    return tip && IsWindowVisible(tip) ? tip : nullptr;
}

// Puts the cursor on the middle of a control as the mouse would, and lets
// the dialog's loop run for a while.
POINT Hover(HWND dialog, int id, DWORD milliseconds)
{
    HWND control = GetDlgItem(dialog, id);
    RECT rect{};
    GetWindowRect(control, &rect);
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SetCursorPos(point.x, point.y);
    POINT client = point;
    ScreenToClient(control, &client);
    PostMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    PumpFor(milliseconds);
    return point;
}

COLORREF ScreenPixel(POINT p)
{
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST(DialogTips, RestingOnAControlShowsItsBalloonWithAShadow)
{
    GameSettings.ResetToDefaults();
    ScopedStore scoped;
    CSettingsDlg dialog;
    RunScripted(dialog, [](HWND dlg) {
        const POINT cursor = Hover(dlg, IDC_ANGLIMIT, 300);
        EXPECT_EQ(nullptr, VisibleTip()) << "not before half a second";
        // Where the shadow will fall: just below the balloon's body.
        const POINT shade{cursor.x + 44, cursor.y - 13};
        const COLORREF below = ScreenPixel(shade);
        PumpFor(500);
        HWND tip = VisibleTip();
        ASSERT_NE(nullptr, tip);
        RECT place{};
        GetWindowRect(tip, &place);
        // The pointer's tip is on the cursor, 16 pixels from the balloon's
        // left, which lies above; 6 pixels of shadow right and below. The
        // pointer is in the region, the rounded corner not.
        EXPECT_EQ((std::vector<LONG>{cursor.x - 16, cursor.y, 1}),
                  (std::vector<LONG>{place.left, place.bottom - 6, place.bottom - place.top > 10 * 13}))
            << "ten lines of text";
        OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
        EXPECT_TRUE(GetWindowRgn(tip, region) && PtInRegion(region, 17, cursor.y - place.top - 3) &&
                    !PtInRegion(region, 0, 0));
        const COLORREF shaded = ScreenPixel(shade);
        for (int shift : {0, 8, 16}) { // darker than what lay below, not a shadow over black
            const int was = (below >> shift) & 0xFF, now = (shaded >> shift) & 0xFF;
            EXPECT_TRUE(now < was && now > was / 3) << below << " " << shaded;
        }

        // Another program's window becomes active: the tip goes.
        SendMessageA(tip, WM_ACTIVATEAPP, FALSE, 0);
        EXPECT_EQ(nullptr, VisibleTip());
        PressKey(GetFocus(), VK_ESCAPE);
    });
}

TEST(ToolTipWindow, AClassThatCannotBeRegisteredShowsNothing)
{
    const std::string tooLong(300, 'x');
    CVelToolTip tip(tooLong.c_str());
    EXPECT_FALSE(tip.CreateTipWindow(GetDesktopWindow(), true));
    tip.AddTool(GetDesktopWindow(), "Text");
    MSG move{GetDesktopWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10), 0, {10, 10}};
    tip.RelayMessage(move);
    tip.HideTip();
    EXPECT_EQ(nullptr, tip.Handle());
}

} // namespace
