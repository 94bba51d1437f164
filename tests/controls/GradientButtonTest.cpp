#include "controls/win/GradientButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<int> g_clicks; // BN_CLICKED notifications the parent received

// Reflects owner drawing to the buttons, as the program's dialogs do.
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        g_clicks.push_back(LOWORD(wParam));
    if (message == WM_DRAWITEM) {
        LRESULT result = 0;
        if (CControl* control = CControl::FromHandle(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem))
            control->OnReflectedMessage(message, wParam, lParam, result);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The real cursor goes along with every mouse message, because painting
// checks where the cursor is while the button is held.
void Mouse(HWND button, UINT message, int x, int y, WPARAM keys = 0)
{
    POINT p{x, y};
    ClientToScreen(button, &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(button, message, keys, MAKELPARAM(x, y));
}

// Checked, pushed, hovering, holding the capture, as "c p h k" or "-".
std::string State(CGradientButton& button)
{
    const LRESULT state = SendMessageA(button, BM_GETSTATE, 0, 0);
    return std::string(SendMessageA(button, BM_GETCHECK, 0, 0) ? "c" : "-") + (state & BST_PUSHED ? "p" : "-") +
           (button.IsHovering() ? "h" : "-") + (GetCapture() == button.Handle() ? "k" : "-");
}

TEST(GradientButton, PushButtonsStayOwnerDrawnClickAndNeverCheckCheckBoxesToggleOnceOnAHeldSpace)
{
    // A visible parent that reflects owner drawing, and its gradient buttons.
    WNDCLASSA wc{0, ParentProc, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, nullptr, nullptr, "TestParent"};
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, "TestParent", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(parent);
    std::vector<std::unique_ptr<CGradientButton>> buttons;
    auto add = [&](int id, LONG style, int y) -> CGradientButton& {
        HWND window = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | style, 0, y, 80, 24, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        buttons.push_back(std::make_unique<CGradientButton>());
        EXPECT_TRUE(buttons.back()->SubclassWindow(window));
        return *buttons.back();
    };
    CGradientButton& push = add(1, BS_PUSHBUTTON, 0);
    CGradientButton& defaultButton = add(2, BS_DEFPUSHBUTTON, 30);
    // The dialog manager moves the default by restyling push buttons; they
    // stay owner-drawn and only take note.
    SendMessageA(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SendMessageA(defaultButton, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_TRUE((GetWindowLongA(push, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW &&
                (GetWindowLongA(defaultButton, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW &&
                (SendMessageA(push, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) &&
                (SendMessageA(defaultButton, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON));

    // Hovered; clicked, then the normal face until the mouse moves; a double
    // click is a second press; held, dragged off and back, released outside.
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    const struct {
        UINT message;
        int x, y;
        WPARAM keys;
    } moves[] = {{WM_MOUSEMOVE, 10, 10, 0},     {WM_LBUTTONDOWN, 10, 10, MK_LBUTTON}, {WM_LBUTTONUP, 10, 10, 0},
                 {WM_LBUTTONDBLCLK, 10, 10, MK_LBUTTON}, {WM_LBUTTONUP, 10, 10, 0}, {WM_LBUTTONDOWN, 10, 10, MK_LBUTTON},
                 {WM_MOUSEMOVE, 250, 120, MK_LBUTTON}, {WM_MOUSEMOVE, 12, 12, MK_LBUTTON}, {WM_LBUTTONUP, 250, 120, 0}};
    std::string states;
    for (const auto& move : moves) {
        Mouse(push, move.message, move.x, move.y, move.keys);
        states += State(push) + " ";
    }
    EXPECT_EQ("--h- -p-k ---- -p-k ---- -p-k ---k -p-k ---- ", states);

    CGradientButton& check = add(21, BS_AUTOCHECKBOX, 60);
    Mouse(check, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(check, WM_LBUTTONUP, 10, 10);
    // Pressed on the button, released outside: neither a toggle nor a click.
    Mouse(check, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Mouse(check, WM_LBUTTONUP, 300, 150);
    std::string checks = State(check).substr(0, 1);
    // A held space key repeats its key-down (bit 30 set); one toggle, one click.
    SetFocus(check);
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));
    SendMessageA(check, WM_KEYUP, VK_SPACE, 1 | (1 << 30) | (1u << 31));
    EXPECT_EQ("c-", checks + State(check)[0]);
    EXPECT_EQ((std::vector<int>{1, 1, 21, 21}), g_clicks);
    buttons.clear();
    DestroyWindow(parent);
}

} // namespace
