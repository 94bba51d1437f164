#include "controls/win/GradientButton.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A plain parent window that reflects owner drawing to the buttons, as the
// program's dialogs do, and records the click notifications it receives.
struct ClickLog {
    std::vector<int> clicks;
};
ClickLog g_log;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            g_log.clicks.push_back(LOWORD(wParam));
        return 0;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        LRESULT result = 0;
        if (CControl* control = CControl::FromHandle(item->hwndItem))
            control->OnReflectedMessage(message, wParam, lParam, result);
        return TRUE;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

class GradientButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "GradientButtonTestParent";
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        RegisterClassA(&wc);
    }

    void SetUp() override
    {
        g_log.clicks.clear();
        m_parent = CreateWindowExA(0, "GradientButtonTestParent", "test", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_parent);
        SetForegroundWindow(m_parent);
    }

    void TearDown() override
    {
        for (auto& button : m_buttons)
            button.reset();
        DestroyWindow(m_parent);
        PumpMessages();
    }

    CGradientButton& Add(int id, LONG style, int x, int y, int width = 80, int height = 24, const char* text = "&Neu")
    {
        HWND window = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, m_parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                      nullptr);
        EXPECT_NE(nullptr, window);
        m_buttons.push_back(std::make_unique<CGradientButton>());
        EXPECT_TRUE(m_buttons.back()->SubclassWindow(window));
        return *m_buttons.back();
    }

    // Moves the real cursor onto the button, since the press check while
    // painting looks at where the cursor is.
    static void Click(HWND button, int x = 10, int y = 10)
    {
        POINT p{x, y};
        ClientToScreen(button, &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
        SendMessageA(button, WM_LBUTTONUP, 0, Point(x, y));
    }

    // The cursor goes along, as it does when a person drags.
    static void DragTo(HWND button, int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(button, &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, Point(x, y));
    }

    HWND m_parent = nullptr;
    std::vector<std::unique_ptr<CGradientButton>> m_buttons;
};

TEST_F(GradientButtonTest, KindsComeFromTheTemplateStyle)
{
    CGradientButton& push = Add(1, BS_PUSHBUTTON, 0, 0);
    CGradientButton& check = Add(2, BS_AUTOCHECKBOX, 0, 30);
    CGradientButton& radio = Add(3, BS_AUTORADIOBUTTON, 0, 60);
    CGradientButton& defaultButton = Add(4, BS_DEFPUSHBUTTON, 0, 90);
    EXPECT_EQ(CGradientButton::PushButton, push.Kind());
    EXPECT_EQ(CGradientButton::CheckBox, check.Kind());
    EXPECT_EQ(CGradientButton::RadioButton, radio.Kind());
    EXPECT_EQ(CGradientButton::PushButton, defaultButton.Kind());
    for (HWND window : {push.Handle(), check.Handle(), radio.Handle(), defaultButton.Handle()})
        EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK);
}

TEST_F(GradientButtonTest, PushButtonNeverChecksAndClicksReachTheParent)
{
    CGradientButton& push = Add(11, BS_PUSHBUTTON, 0, 0);
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(0, SendMessageA(push, BM_GETCHECK, 0, 0));

    Click(push);
    ASSERT_EQ(1u, g_log.clicks.size());
    EXPECT_EQ(11, g_log.clicks[0]);
    EXPECT_EQ(0, SendMessageA(push, BM_GETCHECK, 0, 0));
}

TEST_F(GradientButtonTest, DoubleClickCountsAsTwoPresses)
{
    CGradientButton& push = Add(12, BS_PUSHBUTTON, 0, 0);
    POINT p{10, 10};
    ClientToScreen(push, &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    SendMessageA(push, WM_LBUTTONUP, 0, Point(10, 10));
    SendMessageA(push, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(10, 10));
    SendMessageA(push, WM_LBUTTONUP, 0, Point(10, 10));
    EXPECT_EQ(2u, g_log.clicks.size());
}

TEST_F(GradientButtonTest, CheckBoxTogglesOnReleaseOverItOnly)
{
    CGradientButton& check = Add(21, BS_AUTOCHECKBOX, 0, 0);
    Click(check);
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(check.IsChecked());
    Click(check);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    EXPECT_EQ(2u, g_log.clicks.size());

    // Pressed on the button, released outside: neither a toggle nor a click.
    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    SendMessageA(check, WM_LBUTTONUP, 0, Point(300, 150));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    EXPECT_EQ(2u, g_log.clicks.size());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(GradientButtonTest, SpaceTogglesOnceWhileHeld)
{
    CGradientButton& check = Add(22, BS_AUTOCHECKBOX, 0, 0);
    SetFocus(check);
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    // Auto-repeat of the held key (bit 30: the key was down already).
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    SendMessageA(check, WM_KEYUP, VK_SPACE, 1 | (1 << 30) | (1u << 31));
    EXPECT_EQ(1u, g_log.clicks.size());

    CGradientButton& push = Add(23, BS_PUSHBUTTON, 0, 30);
    SendMessageA(push, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(0, SendMessageA(push, BM_GETCHECK, 0, 0));
}

TEST_F(GradientButtonTest, CheckingARadioUnchecksTheRestOfItsGroup)
{
    CGradientButton& first = Add(31, BS_AUTORADIOBUTTON | WS_GROUP, 0, 0);
    CGradientButton& second = Add(32, BS_AUTORADIOBUTTON, 0, 30);
    CGradientButton& third = Add(33, BS_AUTORADIOBUTTON, 0, 60);
    CGradientButton& outside = Add(34, BS_AUTORADIOBUTTON | WS_GROUP, 0, 90);
    SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(outside, BM_SETCHECK, BST_CHECKED, 0);
    PumpMessages();

    Click(second);
    EXPECT_TRUE(second.IsChecked());
    EXPECT_TRUE(first.IsChecked()) << "the others learn it by posted messages";
    PumpMessages();
    EXPECT_FALSE(first.IsChecked());
    EXPECT_FALSE(third.IsChecked());
    EXPECT_TRUE(second.IsChecked());
    EXPECT_TRUE(outside.IsChecked()) << "another group is left alone";

    // A radio button clicked again stays checked.
    Click(second);
    PumpMessages();
    EXPECT_TRUE(second.IsChecked());
    EXPECT_EQ(2u, g_log.clicks.size());
}

TEST_F(GradientButtonTest, HoverEndsOnLeaveAndOnPress)
{
    CGradientButton& push = Add(41, BS_PUSHBUTTON, 0, 0);
    POINT p{10, 10};
    ClientToScreen(push, &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(push, WM_MOUSEMOVE, 0, Point(10, 10));
    EXPECT_TRUE(push.IsHovering());
    SendMessageA(push, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(push.IsHovering());

    SendMessageA(push, WM_MOUSEMOVE, 0, Point(10, 10));
    ASSERT_TRUE(push.IsHovering());
    SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    EXPECT_FALSE(push.IsHovering()) << "after a click the normal face shows until the mouse moves";
    SendMessageA(push, WM_LBUTTONUP, 0, Point(10, 10));
    EXPECT_FALSE(push.IsHovering());
}

TEST_F(GradientButtonTest, HeldButtonPopsOutWhenDraggedOff)
{
    CGradientButton& push = Add(42, BS_PUSHBUTTON, 0, 0);
    POINT p{10, 10};
    ClientToScreen(push, &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    ASSERT_EQ(push.Handle(), GetCapture());
    EXPECT_TRUE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);

    DragTo(push, 250, 120);
    EXPECT_FALSE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    DragTo(push, 12, 12);
    EXPECT_TRUE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);

    DragTo(push, 250, 120);
    SendMessageA(push, WM_LBUTTONUP, 0, Point(250, 120));
    EXPECT_TRUE(g_log.clicks.empty()) << "releasing outside sends no click";
}

TEST_F(GradientButtonTest, LosingTheFocusEndsTheHold)
{
    CGradientButton& push = Add(43, BS_PUSHBUTTON, 0, 0);
    CGradientButton& other = Add(44, BS_PUSHBUTTON, 0, 30);
    SetFocus(push);
    POINT p{10, 10};
    ClientToScreen(push, &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    ASSERT_EQ(push.Handle(), GetCapture());
    SetFocus(other);
    EXPECT_NE(push.Handle(), GetCapture());
    SendMessageA(push, WM_LBUTTONUP, 0, Point(10, 10));
    EXPECT_TRUE(g_log.clicks.empty());
}

// Drawing into a 32-bit picture in memory, so that every pixel can be read back.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~Canvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const uint32_t bgr = static_cast<const uint32_t*>(m_bits)[y * m_width + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    void* m_bits = nullptr;
};

COLORREF FaceColour(const CPaletteBitmap& face, int x, int y)
{
    const uint32_t entry = face.PaletteEntry(face.PixelAt(x, face.Height() - 1 - y));
    return RGB(RedOf(entry), GreenOf(entry), BlueOf(entry));
}

void Draw(CGradientButton& button, const Canvas& canvas, UINT state, int width, int height)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = button.Handle();
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hDC = canvas.Dc();
    item.rcItem = RECT{0, 0, width, height};
    button.DrawItem(item);
}

constexpr int W = 80, H = 24;

TEST_F(GradientButtonTest, LooksOfAPlainButton)
{
    CGradientButton& button = Add(51, BS_PUSHBUTTON, 0, 0, W, H, "");
    button.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    const ButtonFaces& faces = button.Faces();
    ASSERT_TRUE(faces.normalFace.IsValid());
    ASSERT_EQ(W, faces.normalFace.Width());
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);

    Canvas normal(W, H);
    Draw(button, normal, 0, W, H);
    EXPECT_EQ(FaceColour(faces.normalFace, 40, 3), normal.At(40, 3));
    EXPECT_EQ(FaceColour(faces.normalFace, 20, 20), normal.At(20, 20));
    EXPECT_NE(FaceColour(faces.normalFace, 0, 0), normal.At(0, 0)) << "a raised edge around it";

    // Pressed: the face moves one pixel right and down inside a sunken edge.
    Canvas pressed(W, H);
    Draw(button, pressed, ODS_SELECTED, W, H);
    EXPECT_EQ(FaceColour(faces.pressedFace, 39, 2), pressed.At(40, 3));
    EXPECT_EQ(FaceColour(faces.pressedFace, 19, 19), pressed.At(20, 20));

    // Focus: dotted lines m = 4 pixels in, shadow first.
    Canvas focused(W, H);
    Draw(button, focused, ODS_FOCUS, W, H);
    EXPECT_EQ(shadow, focused.At(5, 4));
    EXPECT_EQ(highlight, focused.At(6, 4));
    EXPECT_EQ(shadow, focused.At(5, H - 4));
    EXPECT_EQ(shadow, focused.At(4, H - 4)) << "vertical line, bottom end first";
    EXPECT_EQ(highlight, focused.At(4, H - 5));
    EXPECT_EQ(shadow, focused.At(W - 4, H - 4));
    EXPECT_EQ(FaceColour(faces.normalFace, 5, 3), focused.At(5, 3));

    // Disabled: the unchanged normal face and never a focus line.
    Canvas disabled(W, H);
    Draw(button, disabled, ODS_DISABLED | ODS_FOCUS, W, H);
    EXPECT_EQ(FaceColour(faces.disabledFace, 5, 4), disabled.At(5, 4));
    EXPECT_EQ(FaceColour(faces.normalFace, 40, 3), disabled.At(40, 3));
}

TEST_F(GradientButtonTest, HoverFaceIsLighter)
{
    CGradientButton& button = Add(52, BS_PUSHBUTTON, 0, 0, W, H, "");
    button.SetFace(1, 8, 20, 70, RGB(230, 210, 170));
    POINT p{10, 10};
    ClientToScreen(button, &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(button, WM_MOUSEMOVE, 0, Point(10, 10));
    ASSERT_TRUE(button.IsHovering());
    Canvas hovered(W, H);
    Draw(button, hovered, 0, W, H);
    const COLORREF normal = FaceColour(button.Faces().normalFace, 40, 3);
    const COLORREF hover = FaceColour(button.Faces().hoverFace, 40, 3);
    EXPECT_EQ(hover, hovered.At(40, 3));
    EXPECT_GT(GetRValue(hover), GetRValue(normal));
}

TEST_F(GradientButtonTest, FlatButtonShowsItsFrameOnlyWhenHovered)
{
    CGradientButton& button = Add(53, BS_PUSHBUTTON | BS_FLAT, 0, 0, W, H, "");
    button.SetFace(1, 8, 20, 70, RGB(230, 210, 170));
    const ButtonFaces& faces = button.Faces();

    Canvas plain(W, H);
    Draw(button, plain, 0, W, H);
    EXPECT_EQ(FaceColour(faces.normalFace, 0, 0), plain.At(0, 0));
    EXPECT_EQ(FaceColour(faces.normalFace, W - 1, H - 1), plain.At(W - 1, H - 1));

    POINT p{10, 10};
    ClientToScreen(button, &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(button, WM_MOUSEMOVE, 0, Point(10, 10));
    Canvas hovered(W, H);
    Draw(button, hovered, 0, W, H);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), hovered.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), hovered.At(W - 1, H - 1));
    EXPECT_EQ(FaceColour(faces.hoverFace, 1, 1), hovered.At(1, 1)) << "one pixel only";

    Canvas pressed(W, H);
    Draw(button, pressed, ODS_SELECTED, W, H);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), pressed.At(0, 0)) << "the reverse frame";
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), pressed.At(W - 1, H - 1));
}

TEST_F(GradientButtonTest, DefaultButtonFocusLiesOnePixelFurtherIn)
{
    CGradientButton& button = Add(54, BS_DEFPUSHBUTTON, 0, 0, W, H, "");
    button.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    Canvas focused(W, H);
    Draw(button, focused, ODS_FOCUS, W, H);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), focused.At(6, 5));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), focused.At(7, 5));
    EXPECT_EQ(FaceColour(button.Faces().normalFace, 6, 4), focused.At(6, 4));
}

TEST_F(GradientButtonTest, ToggleWithoutPushLikeShowsPressedFaceUnshiftedWithoutBorder)
{
    CGradientButton& check = Add(55, BS_AUTOCHECKBOX, 0, 0, W, H, "");
    check.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    Canvas checked(W, H);
    Draw(check, checked, 0, W, H);
    EXPECT_EQ(FaceColour(check.Faces().pressedFace, 0, 0), checked.At(0, 0));
    EXPECT_EQ(FaceColour(check.Faces().pressedFace, 40, 3), checked.At(40, 3));
}

TEST_F(GradientButtonTest, WithoutFacesTheButtonFaceColourIsUsed)
{
    CGradientButton& button = Add(56, BS_PUSHBUTTON, 0, 0, W, H, "");
    Canvas plain(W, H);
    Draw(button, plain, 0, W, H);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), plain.At(40, 5));
    Canvas pressed(W, H);
    Draw(button, pressed, ODS_SELECTED, W, H);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), pressed.At(40, 5));
}

TEST_F(GradientButtonTest, LabelColourIsReturnedAndUsed)
{
    CGradientButton& button = Add(57, BS_PUSHBUTTON, 0, 0, W, H, "WWWWWWWW");
    button.SetFace(1, 8, 20, 70, RGB(230, 230, 230));
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), button.SetLabelColor(RGB(0, 0, 128)));
    EXPECT_EQ(RGB(0, 0, 128), button.SetLabelColor(RGB(0, 0, 128)));
    Canvas canvas(W, H);
    Draw(button, canvas, 0, W, H);
    int navy = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            navy += canvas.At(x, y) == RGB(0, 0, 128);
    EXPECT_GT(navy, 20) << "the label is drawn in the label colour";
}

} // namespace
