#include "controls/win/GradientButton.h"
#include "dialoglayer/win/Gdi.h"

#include <gtest/gtest.h>

#include <memory>
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

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }
bool Pushed(HWND button) { return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
LRESULT Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0); }

// The real cursor goes along with every mouse message, because painting
// checks where the cursor is while the button is held.
void MoveCursor(HWND button, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(button, &p);
    SetCursorPos(p.x, p.y);
}

void Click(HWND button, int x = 10, int y = 10)
{
    MoveCursor(button, x, y);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    SendMessageA(button, WM_LBUTTONUP, 0, Point(x, y));
}

void MouseMove(HWND button, int x, int y, WPARAM keys = 0)
{
    MoveCursor(button, x, y);
    SendMessageA(button, WM_MOUSEMOVE, keys, Point(x, y));
}

class GradientButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "GradientButtonTestParent";
        RegisterClassA(&wc);
    }

    void SetUp() override
    {
        g_clicks.clear();
        m_parent = CreateWindowExA(0, "GradientButtonTestParent", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_parent);
        SetForegroundWindow(m_parent);
    }

    void TearDown() override
    {
        m_buttons.clear();
        DestroyWindow(m_parent);
        PumpMessages();
    }

    CGradientButton& Add(int id, LONG style, int y = 0, const char* text = "")
    {
        HWND window = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, 0, y, 80, 24, m_parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        m_buttons.push_back(std::make_unique<CGradientButton>());
        EXPECT_TRUE(m_buttons.back()->SubclassWindow(window));
        return *m_buttons.back();
    }

    HWND m_parent = nullptr;
    std::vector<std::unique_ptr<CGradientButton>> m_buttons;
};

TEST_F(GradientButtonTest, KindsComeFromTheTemplateStyleAndPushButtonsNeverCheck)
{
    const std::pair<LONG, int> kinds[] = {
        {BS_PUSHBUTTON, CGradientButton::PushButton}, {BS_AUTOCHECKBOX, CGradientButton::CheckBox},
        {BS_AUTORADIOBUTTON, CGradientButton::RadioButton}, {BS_DEFPUSHBUTTON, CGradientButton::PushButton}};
    for (int i = 0; i < 4; ++i) {
        CGradientButton& button = Add(i + 1, kinds[i].first, 30 * i);
        EXPECT_EQ(kinds[i].second, button.Kind()) << i;
        EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) << i;
    }
    CGradientButton& push = *m_buttons[0];
    CGradientButton& defaultButton = *m_buttons[3];

    // The dialog manager moves the default by restyling push buttons; they
    // stay owner-drawn and only take note.
    EXPECT_TRUE(SendMessageA(push, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
    EXPECT_TRUE(SendMessageA(defaultButton, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    SendMessageA(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SendMessageA(defaultButton, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(push, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(defaultButton, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_TRUE(SendMessageA(push, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(SendMessageA(defaultButton, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);

    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_UNCHECKED, Checked(push));
    Click(push);
    EXPECT_EQ(std::vector<int>{1}, g_clicks) << "the platform's click notification stays in place";
    EXPECT_EQ(BST_UNCHECKED, Checked(push));
    // A double click counts as two presses.
    SendMessageA(push, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(10, 10));
    SendMessageA(push, WM_LBUTTONUP, 0, Point(10, 10));
    EXPECT_EQ((std::vector<int>{1, 1}), g_clicks);
}

TEST_F(GradientButtonTest, CheckBoxTogglesOnReleaseOverItAndOnceForAHeldSpace)
{
    CGradientButton& check = Add(21, BS_AUTOCHECKBOX);
    Click(check);
    EXPECT_EQ(BST_CHECKED, Checked(check));
    Click(check);
    EXPECT_EQ(BST_UNCHECKED, Checked(check));
    EXPECT_EQ(2u, g_clicks.size());

    // Pressed on the button, released outside: neither a toggle nor a click.
    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    SendMessageA(check, WM_LBUTTONUP, 0, Point(300, 150));
    EXPECT_EQ(BST_UNCHECKED, Checked(check));
    EXPECT_EQ(2u, g_clicks.size());
    EXPECT_EQ(nullptr, GetCapture());

    // A held space key repeats its key-down (bit 30 set); one toggle, one click.
    SetFocus(check);
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));
    EXPECT_EQ(BST_CHECKED, Checked(check));
    SendMessageA(check, WM_KEYUP, VK_SPACE, 1 | (1 << 30) | (1u << 31));
    EXPECT_EQ(3u, g_clicks.size());
}

TEST_F(GradientButtonTest, CheckingARadioUnchecksTheRestOfItsGroup)
{
    CGradientButton& first = Add(31, BS_AUTORADIOBUTTON | WS_GROUP);
    CGradientButton& second = Add(32, BS_AUTORADIOBUTTON, 30);
    CGradientButton& third = Add(33, BS_AUTORADIOBUTTON, 60);
    CGradientButton& outside = Add(34, BS_AUTORADIOBUTTON | WS_GROUP, 90);
    SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(outside, BM_SETCHECK, BST_CHECKED, 0);
    PumpMessages();

    Click(second);
    EXPECT_TRUE(second.IsChecked());
    EXPECT_TRUE(first.IsChecked()) << "the others learn it by posted messages";
    PumpMessages();
    EXPECT_FALSE(first.IsChecked());
    EXPECT_FALSE(third.IsChecked());
    EXPECT_TRUE(outside.IsChecked()) << "another group is left alone";

    Click(second);
    PumpMessages();
    EXPECT_TRUE(second.IsChecked()) << "a checked radio button clicked again stays checked";
}

TEST_F(GradientButtonTest, HoverAndHoldFollowTheMouseAndTheFocus)
{
    CGradientButton& push = Add(41, BS_PUSHBUTTON);
    MouseMove(push, 10, 10);
    EXPECT_TRUE(push.IsHovering());
    SendMessageA(push, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(push.IsHovering());

    MouseMove(push, 10, 10);
    ASSERT_TRUE(push.IsHovering());
    Click(push);
    EXPECT_FALSE(push.IsHovering()) << "after a click the normal face shows until the mouse moves";
    g_clicks.clear();

    // A held button pops out when dragged off; losing the focus ends the hold.
    CGradientButton& other = Add(43, BS_PUSHBUTTON, 30);
    MoveCursor(push, 10, 10);
    SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    ASSERT_EQ(push.Handle(), GetCapture());
    EXPECT_TRUE(Pushed(push));
    MouseMove(push, 250, 120, MK_LBUTTON);
    EXPECT_FALSE(Pushed(push));
    MouseMove(push, 12, 12, MK_LBUTTON);
    EXPECT_TRUE(Pushed(push));
    MouseMove(push, 250, 120, MK_LBUTTON);
    SendMessageA(push, WM_LBUTTONUP, 0, Point(250, 120));
    EXPECT_TRUE(g_clicks.empty()) << "releasing outside sends no click";

    SetFocus(push);
    MoveCursor(push, 10, 10);
    SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    SetFocus(other);
    EXPECT_NE(push.Handle(), GetCapture());
    SendMessageA(push, WM_LBUTTONUP, 0, Point(10, 10));
    EXPECT_TRUE(g_clicks.empty());
}

// A 32-bit picture in memory, so that every drawn pixel can be read back.
class Canvas {
public:
    static constexpr int W = 80, H = 24;
    void Draw(CGradientButton& button, UINT state)
    {
        DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, button.Handle(), m_dc, RECT{0, 0, W, H}, 0};
        button.DrawItem(item);
        GdiFlush();
    }
    COLORREF At(int x, int y) const
    {
        const uint32_t bgr = static_cast<const uint32_t*>(m_bits)[y * W + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

private:
    static HBITMAP Dib(HDC dc, void** bits)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(info.bmiHeader), W, -H, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    }
    MemoryDC m_dc{nullptr};
    void* m_bits = nullptr;
    OwnedBitmap m_bitmap{Dib(m_dc, &m_bits)};
    SelectedObject m_selected{m_dc, m_bitmap};
};
constexpr int W = Canvas::W, H = Canvas::H;

// The colour a face gives to the pixel at (x, y) counted from the top.
COLORREF FaceColour(const CPaletteBitmap& face, int x, int y)
{
    const uint32_t entry = face.PaletteEntry(face.PixelAt(x, face.Height() - 1 - y));
    return RGB(RedOf(entry), GreenOf(entry), BlueOf(entry));
}

TEST_F(GradientButtonTest, LooksOfAPlainButton)
{
    CGradientButton& button = Add(51, BS_PUSHBUTTON);
    button.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    const ButtonFaces& faces = button.Faces();
    ASSERT_EQ(W, faces.normalFace.Width());
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    Canvas canvas;

    canvas.Draw(button, 0);
    EXPECT_EQ(FaceColour(faces.normalFace, 40, 3), canvas.At(40, 3));
    EXPECT_EQ(FaceColour(faces.normalFace, 20, 20), canvas.At(20, 20));
    EXPECT_NE(FaceColour(faces.normalFace, 0, 0), canvas.At(0, 0)) << "a raised edge around it";

    canvas.Draw(button, ODS_SELECTED); // face one pixel right and down
    EXPECT_EQ(FaceColour(faces.pressedFace, 39, 2), canvas.At(40, 3));
    EXPECT_EQ(FaceColour(faces.pressedFace, 19, 19), canvas.At(20, 20));

    canvas.Draw(button, ODS_FOCUS); // dotted lines 4 pixels in, shadow first; vertical ones bottom end first
    const struct {
        int x, y;
        COLORREF colour;
    } dots[] = {{5, 4, shadow}, {6, 4, highlight}, {5, H - 4, shadow}, {4, H - 4, shadow}, {4, H - 5, highlight},
                {W - 4, H - 4, shadow}};
    for (const auto& dot : dots)
        EXPECT_EQ(dot.colour, canvas.At(dot.x, dot.y)) << dot.x << "," << dot.y;
    EXPECT_EQ(FaceColour(faces.normalFace, 5, 3), canvas.At(5, 3));

    canvas.Draw(button, ODS_DISABLED | ODS_FOCUS); // the normal face, never focus
    EXPECT_EQ(FaceColour(faces.disabledFace, 5, 4), canvas.At(5, 4));
    EXPECT_EQ(FaceColour(faces.normalFace, 40, 3), canvas.At(40, 3));

    MouseMove(button, 10, 10);
    ASSERT_TRUE(button.IsHovering());
    canvas.Draw(button, 0);
    EXPECT_EQ(FaceColour(faces.hoverFace, 40, 3), canvas.At(40, 3));
    EXPECT_GT(GetRValue(canvas.At(40, 3)), GetRValue(FaceColour(faces.normalFace, 40, 3))) << "hover is lighter";
}

TEST_F(GradientButtonTest, FlatButtonShowsAFrameOnlyWhenHovered)
{
    CGradientButton& button = Add(53, BS_PUSHBUTTON | BS_FLAT);
    button.SetFace(1, 8, 20, 70, RGB(230, 210, 170));
    const ButtonFaces& faces = button.Faces();
    Canvas canvas;
    canvas.Draw(button, 0);
    EXPECT_EQ(FaceColour(faces.normalFace, 0, 0), canvas.At(0, 0));
    EXPECT_EQ(FaceColour(faces.normalFace, W - 1, H - 1), canvas.At(W - 1, H - 1));

    MouseMove(button, 10, 10);
    canvas.Draw(button, 0);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), canvas.At(W - 1, H - 1));
    EXPECT_EQ(FaceColour(faces.hoverFace, 1, 1), canvas.At(1, 1)) << "one pixel only";

    canvas.Draw(button, ODS_SELECTED);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), canvas.At(0, 0)) << "the reverse frame";
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(W - 1, H - 1));
}

TEST_F(GradientButtonTest, DefaultTogglesFallbackAndLabel)
{
    CGradientButton& defaultButton = Add(54, BS_DEFPUSHBUTTON);
    defaultButton.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    Canvas canvas;
    canvas.Draw(defaultButton, ODS_FOCUS); // focus one pixel further in
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), canvas.At(6, 5));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(7, 5));
    EXPECT_EQ(FaceColour(defaultButton.Faces().normalFace, 6, 4), canvas.At(6, 4));

    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), defaultButton.SetLabelColor(RGB(0, 0, 128)));
    EXPECT_EQ(RGB(0, 0, 128), defaultButton.SetLabelColor(RGB(0, 0, 128)));
    SetWindowTextA(defaultButton, "WWWWWWWW");
    canvas.Draw(defaultButton, 0);
    int navy = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            navy += canvas.At(x, y) == RGB(0, 0, 128);
    EXPECT_GT(navy, 20) << "the label is drawn in the label colour";

    // A check box without BS_PUSHLIKE: pressed face unshifted, no border.
    CGradientButton& check = Add(55, BS_AUTOCHECKBOX, 30);
    check.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    canvas.Draw(check, 0);
    EXPECT_EQ(FaceColour(check.Faces().pressedFace, 0, 0), canvas.At(0, 0));
    EXPECT_EQ(FaceColour(check.Faces().pressedFace, 40, 3), canvas.At(40, 3));

    // Without SetFace the plain button face colour is used.
    CGradientButton& plain = Add(56, BS_PUSHBUTTON, 60);
    canvas.Draw(plain, 0);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), canvas.At(40, 5));
    canvas.Draw(plain, ODS_SELECTED);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), canvas.At(40, 5));
}

} // namespace
