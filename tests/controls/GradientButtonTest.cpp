#include "controls/win/GradientButton.h"
#include "dialoglayer/win/Gdi.h"

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

// A visible parent that reflects owner drawing, and its gradient buttons.
class GradientButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_clicks.clear();
        WNDCLASSA wc{0, ParentProc, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, nullptr, nullptr, "TestParent"};
        RegisterClassA(&wc);
        m_parent = CreateWindowExA(0, "TestParent", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(m_parent);
    }
    void TearDown() override { DestroyWindow(m_parent); }
    CGradientButton& Add(int id, LONG style, int y = 0)
    {
        HWND window = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | style, 0, y, 80, 24, m_parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        m_buttons.push_back(std::make_unique<CGradientButton>());
        EXPECT_TRUE(m_buttons.back()->SubclassWindow(window));
        return *m_buttons.back();
    }

    HWND m_parent = nullptr;
    std::vector<std::unique_ptr<CGradientButton>> m_buttons;
};

TEST_F(GradientButtonTest, PushButtonsStayOwnerDrawnClickAndNeverCheckCheckBoxesToggleOnceOnAHeldSpace)
{
    CGradientButton& push = Add(1, BS_PUSHBUTTON);
    CGradientButton& defaultButton = Add(2, BS_DEFPUSHBUTTON, 30);
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

    CGradientButton& check = Add(21, BS_AUTOCHECKBOX, 60);
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
}

// The colour a face gives to the pixel at (x, y) counted from the top.
COLORREF FaceColour(const CPaletteBitmap& face, int x, int y)
{
    const uint32_t entry = face.PaletteEntry(face.PixelAt(x, face.Height() - 1 - y));
    return RGB(RedOf(entry), GreenOf(entry), BlueOf(entry));
}

// Faces, the pressed shift, the default's frame, the dotted focus (never when
// disabled).
TEST_F(GradientButtonTest, FacesEdgesFocusAndLabelReachTheDeviceContext)
{
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    MemoryDC dc(nullptr);
    OwnedBitmap bitmap(CreateBitmap(80, 24, 1, 32, nullptr));
    SelectedObject selected(dc, bitmap);
    auto draw = [&](CGradientButton& button, UINT state, int x, int y) {
        DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, button.Handle(), dc, RECT{0, 0, 80, 24}, 0};
        button.DrawItem(item);
        GdiFlush();
        return GetPixel(dc, x, y);
    };
    CGradientButton& button = Add(51, BS_DEFPUSHBUTTON);
    button.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    const ButtonFaces& faces = button.Faces();
    const std::vector<COLORREF> seen{draw(button, 0, 40, 3), draw(button, 0, 0, 0), draw(button, ODS_SELECTED, 40, 3),
                               draw(button, ODS_FOCUS, 6, 5), draw(button, ODS_FOCUS, 7, 5),
                               draw(button, ODS_DISABLED | ODS_FOCUS, 6, 5)};
    EXPECT_EQ((std::vector<COLORREF>{FaceColour(faces.normalFace, 40, 3), shadow, FaceColour(faces.pressedFace, 39, 2),
                                     shadow, light, FaceColour(faces.disabledFace, 6, 5)}),
              seen);
}

} // namespace
