#include "tooltip/win/VelToolTip.h"

#include "dialoglayer/win/Gdi.h"
#include "tooltip/MarkupRenderer.h"
#include "tooltip/win/GdiCanvas.h"
#include "tooltip/win/GdiEffects.h"
#include "tooltip/win/MarkupHost.h"

#include <windowsx.h>

#include <vector>

struct CVelToolTip::Drawing
{
    CGdiSysColors systemColours;
    CWinMarkupHost markupHost;
    CMarkupRenderer renderer{systemColours};
    CGdiDrawEffects effects;
    OwnedBrush borderBrush;
    // Made once per Show: the shape, the body's background, and what lay on
    // the screen under the window.
    OwnedRegion shape;
    OwnedBitmap background;
    OwnedBitmap screenCapture;
    ToolRecord shownTool;
    // Kept between the paints of one tip, so that a fade step only blends.
    Image32 capture;
    std::vector<uint32_t> inShape;
    Image32 picture;
    std::unique_ptr<CDibSection> output;
};

namespace {

const char* const TipClassName = "CVelToolTip";
const char* const TipSelfProperty = "CVelToolTip.self";

bool RegisterTipClass(const char* name)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, name, &existing))
        return true;
    WNDCLASSA wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

HWND AsWindow(TipWindowRef window) { return static_cast<HWND>(const_cast<void*>(window)); }

MarkupRect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

POINT ToPoint(MarkupPoint point) { return {point.x, point.y}; }

TipEvent EventOf(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
        return TipEvent::MouseMove;
    case WM_LBUTTONDOWN:
        return TipEvent::LeftButtonDown;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return TipEvent::Dismiss;
    default:
        return TipEvent::Other;
    }
}

// Where a relayed mouse message happened, on the screen.
MarkupPoint ScreenPointOf(const MSG& msg)
{
    POINT point{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONDOWN)
        ClientToScreen(msg.hwnd, &point);
    else
        point = msg.pt;
    return {point.x, point.y};
}

// A copy of the region that the caller owns.
HRGN CopyRegion(HRGN region, int dx = 0, int dy = 0)
{
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    if (copy) {
        CombineRgn(copy, region, nullptr, RGN_COPY);
        OffsetRgn(copy, dx, dy);
    }
    return copy;
}

} // namespace

CVelToolTip::CVelToolTip() : CVelToolTip(TipClassName) {}

CVelToolTip::CVelToolTip(const char* className)
    : m_className(className ? className : ""), m_core(*this), m_drawing(std::make_unique<Drawing>())
{
    m_classReady = RegisterTipClass(m_className.c_str());
    m_drawing->renderer.SetHost(&m_drawing->markupHost);
    const COLORREF infoBackground = GetSysColor(COLOR_INFOBK);
    SetBackgroundColors(infoBackground, infoBackground, infoBackground);
    SetBorder(GetSysColor(COLOR_INFOTEXT), 1, 1);
}

CVelToolTip::~CVelToolTip()
{
    HideTip();
    if (m_hWnd) {
        RemovePropA(m_hWnd, TipSelfProperty);
        DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
    m_core.ClearTools();
}

bool CVelToolTip::CreateTipWindow(HWND parent, bool balloonShape)
{
    m_parent = parent;
    m_core.SetParent(parent);
    m_core.SetShape(balloonShape);
    if (!m_classReady || m_hWnd)
        return m_hWnd != nullptr;
    m_hWnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, m_className.c_str(), "", WS_POPUP, 0, 0, 0, 0,
                             parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_hWnd)
        return false;
    SetPropA(m_hWnd, TipSelfProperty, this);
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CVelToolTip::TipProc));
    m_drawing->renderer.SetHoverCallback(m_hWnd, WM_TIP_HOVERCHANGED, 0);
    return true;
}

// ---------------------------------------------------------------- tools

void CVelToolTip::AddTool(HWND window, int textId, const RECT* area, UINT toolId)
{
    char buffer[4096] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(textId), buffer, sizeof buffer);
    AddTool(window, length > 0 ? buffer : "", area, toolId);
}

void CVelToolTip::AddTool(HWND window, const char* text, const RECT* area, UINT toolId)
{
    ToolRecord record;
    record.toolId = toolId;
    if (area)
        record.area = FromRect(*area);
    record.text = text ? text : "";
    m_core.AddTool(window, record);
}

void CVelToolTip::AddChildTools(HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id != -1 && id != 0xFFFF)
            AddTool(child, id, nullptr, 0);
    }
}

BOOL CVelToolTip::RelayMessage(const MSG& msg)
{
    const TipEvent event = EventOf(msg.message);
    if (event != TipEvent::Other)
        m_core.Relay(event, ScreenPointOf(msg));
    return FALSE;
}

void CVelToolTip::HideTip() { m_core.HideTip(); }

// ---------------------------------------------------------------- setters

void CVelToolTip::SetBackgroundColors(COLORREF colour1, COLORREF colour2, COLORREF colour3)
{
    m_core.SetDefaultColours(colour1, colour2, colour3);
}

void CVelToolTip::SetBorder(COLORREF colour, int width, int height)
{
    m_drawing->borderBrush.Reset();
    m_borderWidth = width;
    m_borderHeight = height;
    if (width != 0 && height != 0)
        m_drawing->borderBrush.Reset(CreateSolidBrush(colour));
}

void CVelToolTip::RemoveBorder() { m_drawing->borderBrush.Reset(); }

void CVelToolTip::SetShadow(int offsetX, int offsetY, int darkness, bool gradient, int blurX, int blurY)
{
    m_core.SetShadow(offsetX, offsetY, darkness, gradient, blurX, blurY);
}

void CVelToolTip::OnDrawBorder(HDC dc, HRGN region)
{
    FrameRgn(dc, region, m_drawing->borderBrush, m_borderWidth, m_borderHeight);
}

// ---------------------------------------------------------------- window

LRESULT CALLBACK CVelToolTip::TipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CVelToolTip*>(GetPropA(window, TipSelfProperty));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // A window procedure is no place for an exception to travel through.
        return 0;
    }
}

LRESULT CVelToolTip::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_TIMER:
        if (wParam >= TimerInitial && wParam <= TimerFadeOut) {
            m_core.OnTimer(static_cast<int>(wParam));
            return 0;
        }
        break;
    case WM_SETCURSOR:
        OnSetCursor();
        return TRUE;
    case WM_ACTIVATEAPP: {
        const LRESULT result = DefWindowProcA(m_hWnd, message, wParam, lParam);
        if (!wParam)
            HideTip();
        return result;
    }
    case WM_TIP_HOVERCHANGED:
        if (m_repaintOnHover) {
            m_drawing->picture = Image32();
            WindowDC dc(m_hWnd);
            Paint(dc, 0);
        }
        return TRUE;
    case WM_DESTROY:
        HideTip();
        break;
    case WM_NCDESTROY: {
        HWND window = m_hWnd;
        RemovePropA(window, TipSelfProperty);
        m_hWnd = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CVelToolTip::OnPaint()
{
    PaintDC dc(m_hWnd);
    Paint(dc, m_core.TakeOverForPaint());
}

void CVelToolTip::OnSetCursor()
{
    POINT point{};
    GetCursorPos(&point);
    ::ScreenToClient(m_hWnd, &point);
    if (!m_drawing->renderer.OnSetCursor(MarkupPoint{point.x, point.y}))
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

// ---------------------------------------------------------------- showing

void CVelToolTip::FreeTipPictures()
{
    m_drawing->shape.Reset();
    m_drawing->background.Reset();
    m_drawing->screenCapture.Reset();
    m_drawing->capture = Image32();
    m_drawing->inShape.clear();
    m_drawing->picture = Image32();
    m_drawing->output.reset();
}

bool CVelToolTip::MakeShapeRegion(const TipLayout& layout)
{
    const MarkupRect& body = layout.roundRect;
    m_drawing->shape.Reset(CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, layout.cornerWidth,
                                     layout.cornerHeight));
    if (!m_drawing->shape)
        return false;
    if (layout.hasPointer) {
        POINT corners[3];
        for (int i = 0; i < 3; ++i)
            corners[i] = ToPoint(layout.pointer[i]);
        OwnedRegion pointer(CreatePolygonRgn(corners, 3, ALTERNATE));
        if (pointer)
            CombineRgn(m_drawing->shape, m_drawing->shape, pointer, RGN_OR);
    }
    return true;
}

bool CVelToolTip::MakeBackground(const ToolRecord& tool, const TipLayout& layout)
{
    CDibSection picture(layout.width, layout.height);
    if (!picture.IsValid())
        return false;
    const RECT body{layout.body.left, layout.body.top, layout.body.right, layout.body.bottom};
    m_drawing->effects.DrawBackground(picture.Dc(), static_cast<int>(tool.effect), body, tool.colour1, tool.colour2,
                             tool.colour3, tool.granularity, TextureTint);
    const MarkupRect& strip = layout.pointerStrip;
    const MarkupRect& line = layout.stripSource;
    m_drawing->effects.TileBlit(picture.Dc(), strip.left, strip.top, strip.Width(), strip.Height(), picture.Dc(), line.left,
                       line.top, line.Width(), line.Height());
    // The bitmap outlives the section's device context.
    MemoryDC copyDc(picture.Dc());
    m_drawing->background.Reset(CreateCompatibleBitmap(picture.Dc(), layout.width, layout.height));
    if (!copyDc || !m_drawing->background)
        return false;
    SelectedObject selected(copyDc, m_drawing->background);
    BitBlt(copyDc, 0, 0, layout.width, layout.height, picture.Dc(), 0, 0, SRCCOPY);
    return true;
}

void CVelToolTip::CaptureScreen(const TipLayout& layout)
{
    // Windows below may still owe a paint for the place a tip just left.
    if (m_parent)
        RedrawWindow(m_parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    WindowDC screen(nullptr);
    MemoryDC captureDc(screen);
    m_drawing->screenCapture.Reset(CreateCompatibleBitmap(screen, layout.windowWidth, layout.windowHeight));
    if (!captureDc || !m_drawing->screenCapture)
        return;
    SelectedObject selected(captureDc, m_drawing->screenCapture);
    BitBlt(captureDc, 0, 0, layout.windowWidth, layout.windowHeight, screen, layout.screenPosition.x,
           layout.screenPosition.y, SRCCOPY | CAPTUREBLT);
}

void CVelToolTip::GiveWindowRegion()
{
    HRGN windowRegion = CopyRegion(m_drawing->shape);
    if (!windowRegion)
        return;
    const TipShadow& shadow = m_core.Shadow();
    if (shadow.On()) {
        OwnedRegion moved(CopyRegion(m_drawing->shape, shadow.offsetX, shadow.offsetY));
        if (moved)
            CombineRgn(windowRegion, windowRegion, moved, RGN_OR);
    }
    // The window owns the region from here on.
    if (!SetWindowRgn(m_hWnd, windowRegion, FALSE))
        DeleteObject(windowRegion);
}

void CVelToolTip::ShowTip(const ToolRecord& tool, const TipLayout& layout)
{
    if (!m_hWnd)
        return;
    FreeTipPictures();
    m_drawing->shownTool = tool;
    if (!MakeShapeRegion(layout) || !MakeBackground(tool, layout))
        return;
    GiveWindowRegion();
    // The picture under the tip comes from the screen itself, before the
    // tip covers it: a window's own device context holds no such picture
    // where the desktop composes windows off-screen.
    CaptureScreen(layout);
    SetWindowPos(m_hWnd, HWND_TOPMOST, layout.screenPosition.x, layout.screenPosition.y, layout.windowWidth,
                 layout.windowHeight, SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_SHOWWINDOW);
}

// The pictures every paint of a tip starts from, made at its first paint:
// what lay under it, which pixels its shape covers, and its body with text
// and border (made again when the hovered link changes).
bool CVelToolTip::PreparePaint()
{
    Drawing& d = *m_drawing;
    const TipLayout& layout = m_core.Layout();
    if (d.capture.IsEmpty() && !ImageFromBitmap(d.screenCapture, d.capture))
        return false;
    if (d.inShape.empty()) {
        CDibSection shape(layout.width, layout.height);
        if (!shape.IsValid())
            return false;
        PatBlt(shape.Dc(), 0, 0, layout.width, layout.height, BLACKNESS);
        FillRgn(shape.Dc(), d.shape, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        GdiFlush();
        d.inShape.assign(shape.Bits(), shape.Bits() + std::size_t(layout.width) * std::size_t(layout.height));
    }
    if (d.picture.IsEmpty()) {
        CDibSection picture(layout.width, layout.height);
        MemoryDC background(picture.Dc());
        if (!picture.IsValid() || !background)
            return false;
        {
            SelectedObject selected(background, d.background);
            BitBlt(picture.Dc(), 0, 0, layout.width, layout.height, background, 0, 0, SRCCOPY);
        }
        {
            CGdiCanvas canvas(picture.Dc());
            d.renderer.Draw(canvas, d.shownTool.text, layout.content);
        }
        if (d.borderBrush && m_borderWidth != 0 && m_borderHeight != 0)
            OnDrawBorder(picture.Dc(), d.shape);
        GdiFlush();
        if (!d.picture.Create(layout.width, layout.height))
            return false;
        picture.ToImage(d.picture);
    }
    if (!d.output)
        d.output = std::make_unique<CDibSection>(layout.windowWidth, layout.windowHeight);
    return d.output->IsValid();
}

void CVelToolTip::Paint(HDC target, int transparency)
{
    Drawing& d = *m_drawing;
    if (!m_core.HasLayout() || !d.background || !d.shape || !d.screenCapture || !PreparePaint())
        return;
    transparency = std::min(std::max(transparency, 0), 100);
    const TipLayout& layout = m_core.Layout();
    const CDrawEffects& effects = d.effects.Portable();

    // What lay under the tip, darkened by the shadow of the shape.
    Image32 output = d.capture;
    const TipShadow& shadow = m_core.Shadow();
    if (shadow.On()) {
        const int grey = ShadowGrey(shadow.darkness, transparency);
        Image32 mask(layout.width, layout.height, 0xFFFFFF);
        for (std::size_t i = 0; i < d.inShape.size(); ++i)
            if (d.inShape[i])
                mask.Pixels()[i] = MakeColour(grey, grey, grey);
        effects.DrawShadow(output, shadow.offsetX, shadow.offsetY, layout.width, layout.height, mask,
                           shadow.gradient, shadow.blurX, shadow.blurY);
    }

    // The body blended over it, inside the shape only.
    Image32 blended = output;
    effects.BlendPicture(blended, 0, 0, layout.width, layout.height, d.picture, 0, 0, 100 - transparency);
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x)
            if (d.inShape[std::size_t(y) * std::size_t(layout.width) + std::size_t(x)])
                output.At(x, y) = blended.At(x, y);

    d.output->FromImage(output);
    BitBlt(target, 0, 0, layout.windowWidth, layout.windowHeight, d.output->Dc(), 0, 0, SRCCOPY);
}

void CVelToolTip::HideTipWindow()
{
    if (m_hWnd)
        ShowWindow(m_hWnd, SW_HIDE);
}

void CVelToolTip::MoveTipWindow(MarkupPoint topLeft)
{
    if (m_hWnd)
        SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVelToolTip::RepaintTip(int transparency)
{
    if (!m_hWnd)
        return;
    WindowDC dc(m_hWnd);
    Paint(dc, transparency);
}

void CVelToolTip::ClickTip(MarkupPoint screen)
{
    POINT point = ToPoint(screen);
    ::ScreenToClient(m_hWnd, &point);
    m_drawing->renderer.OnClick(MarkupPoint{point.x, point.y});
}

void CVelToolTip::SetTimer(int id, unsigned milliseconds)
{
    if (m_hWnd)
        ::SetTimer(m_hWnd, static_cast<UINT_PTR>(id), milliseconds, nullptr);
}

void CVelToolTip::KillTimer(int id)
{
    if (m_hWnd)
        ::KillTimer(m_hWnd, static_cast<UINT_PTR>(id));
}

// ---------------------------------------------------------------- window tree

std::vector<TipWindowRef> CVelToolTip::Descendants(TipWindowRef parent)
{
    std::vector<TipWindowRef> windows;
    if (!parent)
        return windows;
    EnumChildWindows(
        AsWindow(parent),
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<TipWindowRef>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

TipWindowRef CVelToolTip::ParentOf(TipWindowRef window) { return GetParent(AsWindow(window)); }

uint32_t CVelToolTip::StyleOf(TipWindowRef window)
{
    return static_cast<uint32_t>(GetWindowLongA(AsWindow(window), GWL_STYLE));
}

MarkupRect CVelToolTip::ScreenRectOf(TipWindowRef window)
{
    RECT rect{};
    GetWindowRect(AsWindow(window), &rect);
    return FromRect(rect);
}

MarkupPoint CVelToolTip::ScreenToClient(TipWindowRef window, MarkupPoint point)
{
    POINT converted = ToPoint(point);
    ::ScreenToClient(AsWindow(window), &converted);
    return {converted.x, converted.y};
}

MarkupPoint CVelToolTip::CursorPos()
{
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

MarkupRect CVelToolTip::VirtualScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool CVelToolTip::TipVisible() { return m_hWnd && IsWindowVisible(m_hWnd); }

bool CVelToolTip::TipUnder(MarkupPoint screen) { return m_hWnd && WindowFromPoint(ToPoint(screen)) == m_hWnd; }

MarkupSize CVelToolTip::MeasureText(const std::string& text)
{
    if (!m_hWnd)
        return {};
    WindowDC dc(m_hWnd);
    CGdiCanvas canvas(dc);
    return m_drawing->renderer.Measure(canvas, text);
}
