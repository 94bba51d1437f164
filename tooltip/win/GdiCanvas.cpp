#include "tooltip/win/GdiCanvas.h"

#include <algorithm>

namespace {

// Sizes of an icon come from its mask, which is twice as high for
// monochrome icons that have no colour bitmap.
void IconSize(HICON icon, int& width, int& height)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return;
    BITMAP bitmap{};
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap)) {
        width = bitmap.bmWidth;
        height = bitmap.bmHeight;
    } else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof bitmap, &bitmap)) {
        width = bitmap.bmWidth;
        height = bitmap.bmHeight / 2;
    }
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
}

HPEN MakePen(uint32_t colour, int width, PenStyle style)
{
    const int dash = style == PenDash ? PS_DASH : style == PenDot ? PS_DOT : PS_SOLID;
    if (width <= 1)
        return CreatePen(dash, 1, colour);
    // Wide pens with flat ends and mitred corners, so that a frame's edges
    // meet without gaps and a rule is exactly as long as asked.
    LOGBRUSH brush{BS_SOLID, colour, 0};
    return ExtCreatePen(PS_GEOMETRIC | dash | PS_ENDCAP_FLAT | PS_JOIN_MITER, static_cast<DWORD>(width), &brush, 0,
                        nullptr);
}

} // namespace

CGdiMarkupImage::CGdiMarkupImage(HBITMAP bitmap, HICON icon, bool owned)
    : m_bitmap(bitmap), m_icon(icon), m_owned(owned)
{
    BITMAP info{};
    if (m_bitmap && GetObjectA(m_bitmap, sizeof info, &info)) {
        m_width = info.bmWidth;
        m_height = std::abs(info.bmHeight);
    } else if (m_icon) {
        IconSize(m_icon, m_width, m_height);
    }
}

CGdiMarkupImage::~CGdiMarkupImage()
{
    if (!m_owned)
        return;
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_icon)
        DestroyIcon(m_icon);
}

CGdiCanvas::CGdiCanvas(HDC dc) : m_dc(dc) {}

CGdiCanvas::~CGdiCanvas()
{
    while (!m_clips.empty())
        PopClip();
    if (m_fontSelected)
        SelectObject(m_dc, m_originalFont);
    for (auto& entry : m_fonts)
        DeleteObject(entry.second);
}

FontMetrics CGdiCanvas::SelectFont(const FontRequest& font)
{
    const FontKey key{font.height, font.weight, font.italic, font.underline, font.strikeOut, font.family};
    HFONT handle = nullptr;
    const auto found = m_fonts.find(key);
    if (found != m_fonts.end()) {
        handle = found->second;
    } else {
        handle = CreateFontA(font.height, 0, 0, 0, font.weight, font.italic, font.underline, font.strikeOut,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, font.family.substr(0, LF_FACESIZE - 1).c_str());
        if (handle)
            m_fonts.emplace(key, handle);
    }
    if (handle) {
        HGDIOBJ old = SelectObject(m_dc, handle);
        if (!m_fontSelected) {
            m_originalFont = static_cast<HFONT>(old);
            m_fontSelected = true;
        }
    }
    TEXTMETRICA metrics{};
    GetTextMetricsA(m_dc, &metrics);
    return FontMetrics{metrics.tmHeight, metrics.tmAscent, metrics.tmDescent};
}

MarkupSize CGdiCanvas::TextExtent(const std::string& text)
{
    SIZE size{};
    GetTextExtentPoint32A(m_dc, text.data(), static_cast<int>(text.size()), &size);
    return MarkupSize{size.cx, size.cy};
}

int CGdiCanvas::XHeight()
{
    GLYPHMETRICS glyph{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    if (GetGlyphOutlineA(m_dc, 'x', GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR)
        return static_cast<int>(glyph.gmBlackBoxY);
    // Fonts without outlines: the part of the ascent that small letters use.
    TEXTMETRICA metrics{};
    GetTextMetricsA(m_dc, &metrics);
    return metrics.tmAscent - metrics.tmInternalLeading;
}

void CGdiCanvas::PaintText(int x, int y, const std::string& text, uint32_t colour, bool opaque, uint32_t background)
{
    SetTextColor(m_dc, colour);
    SetBkMode(m_dc, opaque ? OPAQUE : TRANSPARENT);
    if (opaque)
        SetBkColor(m_dc, background);
    TextOutA(m_dc, x, y, text.data(), static_cast<int>(text.size()));
}

void CGdiCanvas::DrawPolyline(const MarkupPoint* points, int count, uint32_t colour, int width, PenStyle style)
{
    if (count < 2 || width < 1)
        return;
    HPEN pen = MakePen(colour, width, style);
    if (!pen)
        return;
    std::vector<POINT> gdiPoints(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        gdiPoints[i] = POINT{points[i].x, points[i].y};
    HGDIOBJ oldPen = SelectObject(m_dc, pen);
    // Gaps of dashed and dotted lines show what lies below.
    const int oldMode = SetBkMode(m_dc, TRANSPARENT);
    Polyline(m_dc, gdiPoints.data(), count);
    SetBkMode(m_dc, oldMode);
    SelectObject(m_dc, oldPen);
    DeleteObject(pen);
}

void CGdiCanvas::FillRect(const MarkupRect& rect, uint32_t colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ::FillRect(m_dc, &r, brush);
    DeleteObject(brush);
}

void CGdiCanvas::DrawBackground(const MarkupRect& rect, int effect, uint32_t colour1, uint32_t colour2,
                                uint32_t colour3, int granularity, int tint)
{
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    m_effects.DrawBackground(m_dc, effect, r, colour1, colour2, colour3, granularity, tint);
}

void CGdiCanvas::TileImage(const MarkupRect& rect, const IMarkupImage& image)
{
    const auto& picture = static_cast<const CGdiMarkupImage&>(image);
    if (!picture.Bitmap() || picture.Width() <= 0 || picture.Height() <= 0)
        return;
    HDC source = CreateCompatibleDC(m_dc);
    if (!source)
        return;
    HGDIOBJ old = SelectObject(source, picture.Bitmap());
    m_effects.TileBlit(m_dc, rect.left, rect.top, rect.Width(), rect.Height(), source, 0, 0, picture.Width(),
                       picture.Height());
    SelectObject(source, old);
    DeleteDC(source);
}

void CGdiCanvas::DrawImage(const IMarkupImage& image, const MarkupRect& rect, const ImageDrawing& d)
{
    const auto& picture = static_cast<const CGdiMarkupImage&>(image);
    if (picture.Bitmap()) {
        m_effects.DrawImage(m_dc, rect.left, rect.top, rect.Width(), rect.Height(), picture.Bitmap(), d.hasMask,
                            d.maskColour, d.style, d.shadowOn, d.shadowX, d.shadowY, d.blurX, d.blurY, d.darkness);
    } else if (picture.Icon()) {
        m_effects.DrawIcon(m_dc, rect.left, rect.top, rect.Width(), rect.Height(), picture.Icon(), d.style,
                           d.shadowOn, d.shadowX, d.shadowY, d.blurX, d.blurY, d.darkness);
    }
}

void CGdiCanvas::PushClip(const MarkupRect& rect)
{
    HRGN saved = CreateRectRgn(0, 0, 0, 0);
    if (saved && GetClipRgn(m_dc, saved) != 1) {
        DeleteObject(saved);
        saved = nullptr;
    }
    m_clips.push_back(saved);
    IntersectClipRect(m_dc, rect.left, rect.top, rect.right, rect.bottom);
}

void CGdiCanvas::PopClip()
{
    if (m_clips.empty())
        return;
    HRGN saved = m_clips.back();
    m_clips.pop_back();
    SelectClipRgn(m_dc, saved);
    if (saved)
        DeleteObject(saved);
}

int CGdiCanvas::DotsPerInch() { return GetDeviceCaps(m_dc, LOGPIXELSY); }
