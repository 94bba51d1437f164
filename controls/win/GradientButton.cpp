#include "controls/win/GradientButton.h"

#include "dialoglayer/win/DataExchange.h"
#include "dialoglayer/win/Gdi.h"

#include <windowsx.h>

namespace {

constexpr LONG StylePushLike = 0x1000; // BS_PUSHLIKE
constexpr LONG StyleFlat = 0x8000;     // BS_FLAT

UINT AlignmentFormat(LONG style)
{
    switch (style & 0x300) {
    case BS_LEFT:
        return DT_LEFT;
    case BS_RIGHT:
        return DT_RIGHT;
    default:
        return DT_CENTER;
    }
}

// A one-pixel frame: topLeft on the top and left, bottomRight on the others.
void DrawFrame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight)
{
    OwnedBrush light(CreateSolidBrush(topLeft));
    OwnedBrush dark(CreateSolidBrush(bottomRight));
    const RECT top{r.left, r.top, r.right - 1, r.top + 1};
    const RECT left{r.left, r.top, r.left + 1, r.bottom - 1};
    const RECT right{r.right - 1, r.top, r.right, r.bottom};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    FillRect(dc, &top, light);
    FillRect(dc, &left, light);
    FillRect(dc, &right, dark);
    FillRect(dc, &bottom, dark);
}

void DrawLabel(HDC dc, const char* text, RECT rect, COLORREF color, UINT format)
{
    SetTextColor(dc, color);
    DrawTextA(dc, text, -1, &rect, format);
}

} // namespace

CGradientButton::CGradientButton() : m_labelColor(GetSysColor(COLOR_BTNTEXT)) {}

void CGradientButton::OnSubclassed()
{
    const LONG style = static_cast<LONG>(GetWindowLongPtrA(Handle(), GWL_STYLE));
    // 1. toggle looks and flatness
    m_pushLike = (style & StylePushLike) != 0;
    m_flatLook = (style & StyleFlat) != 0;
    // 2. label alignment
    m_textFormat = AlignmentFormat(style) | DT_VCENTER | DT_SINGLELINE;
    // 3. the kind of button
    const int type = style & 0xFF;
    if ((type & 3) == 3) {
        m_buttonKind = CheckBox;
    } else if ((type & 9) == 9) {
        m_buttonKind = RadioButton;
    } else {
        m_buttonKind = PushButton;
        m_pushLike = true;
    }
    m_defaultStyle = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    // 4. plain toggles have no border
    if (!m_pushLike)
        m_border = 0;
    // 5. from now on the button draws itself
    SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
}

void CGradientButton::SetFace(int style, BYTE grain, BYTE highlight, BYTE tint, COLORREF tintColor)
{
    RECT window{};
    if (!Handle() || !GetWindowRect(Handle(), &window))
        return;
    FaceRecipe recipe;
    recipe.style = style;
    recipe.grain = grain;
    recipe.highlight = highlight;
    recipe.tint = tint;
    recipe.tintColour = tintColor;
    const ButtonColours colours{GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNFACE),
                                GetSysColor(COLOR_BTNHIGHLIGHT)};
    BuildButtonFaces(m_faces, window.right - window.left, window.bottom - window.top, m_focusMargin, recipe,
                     colours);
    Invalidate(false);
}

COLORREF CGradientButton::SetLabelColor(COLORREF color)
{
    const COLORREF previous = m_labelColor;
    m_labelColor = color;
    return previous;
}

bool CGradientButton::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM)
        return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

LRESULT CGradientButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE; // the paint covers everything, so nothing flickers
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        break;
    case WM_MOUSELEAVE:
        m_hovering = false;
        Invalidate();
        return 0;
    case WM_LBUTTONDOWN: {
        OnLButtonDown();
        const LRESULT result = Default(message, wParam, lParam);
        m_mouseDown = true;
        return result;
    }
    case WM_LBUTTONUP:
        OnLButtonUp(lParam);
        m_mouseDown = false;
        break;
    case WM_LBUTTONDBLCLK:
        // A double click is a second press, so the parent hears two clicks.
        SendMessageA(Handle(), WM_LBUTTONDOWN, wParam, lParam);
        return 0;
    case WM_KILLFOCUS:
        if (GetCapture() == Handle()) {
            ReleaseCapture();
            m_mouseDown = false;
        }
        break;
    case WM_KEYDOWN:
        // Held keys repeat; only the first press toggles, as only one click follows.
        if (IsToggle() && wParam == VK_SPACE && !(lParam & 0x40000000))
            ToggleByRelease();
        break;
    case BM_SETCHECK:
        OnSetCheck(wParam);
        return 0;
    case BM_GETCHECK:
        return m_checkState ? BST_CHECKED : BST_UNCHECKED;
    case WM_GROUP_UNCHECK:
        if (m_checkState) {
            m_checkState = false;
            Invalidate();
        }
        return 0;
    case BM_SETSTYLE:
        return OnSetStyle(wParam, lParam);
    case WM_GETDLGCODE:
        return OnGetDlgCode(wParam, lParam);
    case WM_ENABLE:
        // The system button would draw the whole face at once, and again
        // at the next paint: the face is all ours, drawn once, then.
        Invalidate(false);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = Default(message, wParam, lParam);
        Invalidate(false);
        return result;
    }
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void CGradientButton::Invalidate(bool erase)
{
    if (Handle())
        InvalidateRect(Handle(), nullptr, erase ? TRUE : FALSE);
}

bool CGradientButton::IsUnderCursor(POINT screenPoint) const
{
    return WindowFromPoint(screenPoint) == Handle();
}

bool CGradientButton::IsPushed() const
{
    return (SendMessageA(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void CGradientButton::OnMouseMove(LPARAM lParam)
{
    if (m_mouseDown && GetCapture() == Handle())
        TrackPress(lParam);
    else
        TrackHover();
}

// The face pops out while the held button is dragged off and goes in again
// when the mouse comes back.
void CGradientButton::TrackPress(LPARAM lParam)
{
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(Handle(), &point);
    const bool over = IsUnderCursor(point);
    if (IsPushed() != over) {
        SendMessageA(Handle(), BM_SETSTATE, over ? TRUE : FALSE, 0);
        Invalidate();
    }
}

void CGradientButton::TrackHover()
{
    if (m_hovering)
        return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    if (TrackMouseEvent(&track)) {
        m_hovering = true;
        Invalidate();
    }
}

void CGradientButton::OnLButtonDown()
{
    if (!m_hovering)
        return;
    TRACKMOUSEEVENT track{sizeof(track), TME_CANCEL | TME_LEAVE, Handle(), 0};
    if (TrackMouseEvent(&track))
        m_hovering = false;
}

void CGradientButton::OnLButtonUp(LPARAM lParam)
{
    if (!IsToggle() || !m_mouseDown)
        return;
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(Handle(), &point);
    if (IsUnderCursor(point))
        ToggleByRelease();
}

void CGradientButton::ToggleByRelease()
{
    const bool check = m_buttonKind == CheckBox ? !m_checkState : true;
    SendMessageA(Handle(), BM_SETCHECK, check ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CGradientButton::OnSetCheck(WPARAM wParam)
{
    m_checkState = wParam != 0 && m_buttonKind != PushButton;
    if (m_buttonKind == RadioButton && wParam != 0)
        UncheckGroup();
    Invalidate();
}

void CGradientButton::UncheckGroup()
{
    HWND dialog = GetParent(Handle());
    if (!dialog)
        return;
    for (HWND other = GetNextDlgGroupItem(dialog, Handle(), FALSE); other && other != Handle();
         other = GetNextDlgGroupItem(dialog, other, FALSE))
        PostMessageA(other, WM_GROUP_UNCHECK, 0, 0);
}

// The dialog manager moves the default between push buttons by restyling
// them; an owner-drawn button must stay owner-drawn and only note the change.
LRESULT CGradientButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    const DWORD type = static_cast<DWORD>(wParam) & BS_TYPEMASK;
    if (type == BS_DEFPUSHBUTTON || type == BS_PUSHBUTTON)
        m_defaultStyle = type == BS_DEFPUSHBUTTON;
    const WPARAM kept = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
    const LRESULT result = Default(BM_SETSTYLE, kept, lParam);
    if (LOWORD(lParam))
        Invalidate(false);
    return result;
}

LRESULT CGradientButton::OnGetDlgCode(WPARAM wParam, LPARAM lParam)
{
    LRESULT code = Default(WM_GETDLGCODE, wParam, lParam);
    if (m_buttonKind == PushButton) {
        code &= ~static_cast<LRESULT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
        code |= DLGC_BUTTON | (m_defaultStyle ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    return code;
}

void CGradientButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (CorrectPressState())
        return;
    UINT state = item.itemState;
    if (m_defaultStyle)
        state |= ODS_DEFAULT;
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0)
        return;
    const RECT rect{0, 0, width, height};

    MemoryDC memory(item.hDC);
    OwnedBitmap picture(memory ? CreateCompatibleBitmap(item.hDC, width, height) : nullptr);
    if (!picture) {
        // Without memory for the off-screen copy, paint in place.
        const int saved = SaveDC(item.hDC);
        SetViewportOrgEx(item.hDC, item.rcItem.left, item.rcItem.top, nullptr);
        PaintItem(item.hDC, rect, state);
        RestoreDC(item.hDC, saved);
        return;
    }
    {
        SelectedObject selected(memory, picture);
        PaintItem(memory, rect, state);
        BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, memory, 0, 0, SRCCOPY);
    }
}

// While the left button is held, the pushed state follows the cursor; a
// change repaints the control by itself, so this paint is skipped.
bool CGradientButton::CorrectPressState()
{
    POINT cursor{};
    if (!m_mouseDown || GetCapture() != Handle() || !GetCursorPos(&cursor))
        return false;
    const bool over = IsUnderCursor(cursor);
    const bool pushed = IsPushed();
    if (over && !pushed) {
        SendMessageA(Handle(), BM_SETSTATE, TRUE, 0);
        return true;
    }
    if (!over && pushed) {
        SendMessageA(Handle(), BM_SETSTATE, FALSE, 0);
        return true;
    }
    return false;
}

void CGradientButton::PaintItem(HDC dc, RECT rect, UINT state)
{
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
    const std::string text = WindowText(Handle());
    RECT label{rect.left + m_focusMargin + 2, rect.top, rect.right - m_focusMargin - 2, rect.bottom};

    if (state & ODS_DISABLED) {
        PaintDisabled(dc, rect, label, text.c_str());
        return;
    }
    if ((state & ODS_SELECTED) || m_checkState)
        PaintPressed(dc, rect, label);
    else
        PaintNormal(dc, rect, state);
    if ((state & ODS_FOCUS) && m_focusMargin > 0)
        PaintFocus(dc, rect);
    DrawLabel(dc, text.c_str(), label, m_labelColor, m_textFormat);
}

void CGradientButton::PaintFace(HDC dc, const CPaletteBitmap& face, int x, int y, const RECT& rect)
{
    if (face.IsValid())
        face.Draw(dc, x, y);
    else
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
}

void CGradientButton::PaintDisabled(HDC dc, const RECT& rect, const RECT& label, const char* text)
{
    PaintFace(dc, m_faces.disabledFace, 0, 0, rect);
    if (m_border == 1 && !m_flatLook) {
        RECT edge = rect;
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    }
    // Embossed: highlight first, grey one pixel up and left over it.
    DrawLabel(dc, text, label, GetSysColor(COLOR_BTNHIGHLIGHT), m_textFormat);
    RECT raised = label;
    OffsetRect(&raised, -1, -1);
    DrawLabel(dc, text, raised, GetSysColor(COLOR_GRAYTEXT), m_textFormat);
}

// rect comes back shrunk by one pixel for the default button, so that its
// focus rectangle lies one pixel further in.
void CGradientButton::PaintNormal(HDC dc, RECT& rect, UINT state)
{
    const CPaletteBitmap& face =
        (m_hovering && m_faces.hoverFace.IsValid()) ? m_faces.hoverFace : m_faces.normalFace;
    PaintFace(dc, face, 0, 0, rect);
    if (m_border != 1 || (!m_hovering && m_flatLook))
        return;
    if (state & ODS_DEFAULT) {
        DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
        InflateRect(&rect, -1, -1);
        RECT inner = rect;
        DrawEdge(dc, &inner, EDGE_RAISED, BF_RECT);
    } else if (m_flatLook) {
        DrawFrame(dc, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    } else {
        RECT edge = rect;
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    }
}

void CGradientButton::PaintPressed(HDC dc, const RECT& rect, RECT& label)
{
    if (m_faces.pressedFace.IsValid())
        m_faces.pressedFace.Draw(dc, m_border, m_border);
    else
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    if (m_pushLike)
        OffsetRect(&label, 1, 1);
    if (m_border != 1)
        return;
    if (m_flatLook) {
        DrawFrame(dc, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    } else {
        RECT edge = rect;
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    }
}

void CGradientButton::PaintFocus(HDC dc, RECT rect)
{
    InflateRect(&rect, -m_focusMargin, -m_focusMargin);
    m_faces.focusLineH.Draw(dc, rect.left + 1, rect.top);
    m_faces.focusLineH.Draw(dc, rect.left + 1, rect.bottom);
    m_faces.focusLineV.Draw(dc, rect.left, rect.top + 1);
    m_faces.focusLineV.Draw(dc, rect.right, rect.top + 1);
}
