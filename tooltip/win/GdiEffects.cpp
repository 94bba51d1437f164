#include "tooltip/win/GdiEffects.h"

#include <algorithm>

namespace {

// DIB pixels are 0x00RRGGBB; images hold 0x00BBGGRR like COLORREF.
uint32_t SwapRedBlue(uint32_t pixel)
{
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

BITMAPINFO TopDownInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The smallest rectangle holding both areas of the same size.
PixelRect AreaWithShadow(int x, int y, int width, int height, bool shadowOn, int shadowX, int shadowY)
{
    PixelRect area{x, y, x + width, y + height};
    if (shadowOn)
    {
        area.left = std::min(area.left, x + shadowX);
        area.top = std::min(area.top, y + shadowY);
        area.right = std::max(area.right, x + shadowX + width);
        area.bottom = std::max(area.bottom, y + shadowY + height);
    }
    return area;
}

// Large areas are read, changed and written back this many rows at a
// time, so that one paint never holds a large area twice over.
constexpr int BandRows = 256;

// Bitmaps up to this size are read whole; larger ones band by band.
constexpr int64_t MaxWholeBitmapPixels = int64_t(1) << 20;

// Icons drawn larger than this are taken at their own size and stretched
// here, rather than made at the full size twice over by the system.
constexpr int64_t MaxIconPixels = int64_t(1) << 20;

// The part of area that the device context shows.
bool ShownPart(HDC dc, PixelRect& area)
{
    RECT clip{};
    if (GetClipBox(dc, &clip) == ERROR)
        return false;
    area = PixelRect{std::max(area.left, int(clip.left)), std::max(area.top, int(clip.top)),
                     std::min(area.right, int(clip.right)), std::min(area.bottom, int(clip.bottom))};
    return !area.IsEmpty();
}

// Runs change(band, left, top) over the shown part of area band by band:
// band holds the pixels at (left, top), read from dc first when read is
// set, and goes back to dc afterwards.
template <class Change>
void ChangeInBands(HDC dc, PixelRect area, bool read, const Change& change)
{
    if (!ShownPart(dc, area))
        return;
    Image32 band;
    for (int top = area.top; top < area.bottom; top += BandRows)
    {
        const int rows = std::min(BandRows, area.bottom - top);
        if (read ? !ReadDcPixels(dc, area.left, top, area.Width(), rows, band) : !band.Create(area.Width(), rows))
            return;
        change(band, area.left, top);
        if (!WriteDcPixels(dc, area.left, top, band))
            return;
    }
}

} // namespace

CDibSection::CDibSection(int width, int height)
{
    m_dc = CreateCompatibleDC(nullptr);
    if (!m_dc)
        return;
    BITMAPINFO info = TopDownInfo(width, height);
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_bitmap)
        return;
    m_bits = static_cast<uint32_t*>(bits);
    m_old = SelectObject(m_dc, m_bitmap);
}

CDibSection::~CDibSection()
{
    if (m_old)
        SelectObject(m_dc, m_old);
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_dc)
        DeleteDC(m_dc);
}

void CDibSection::ToImage(Image32& image) const
{
    GdiFlush();
    std::vector<uint32_t>& pixels = image.Pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = SwapRedBlue(m_bits[i]);
}

void CDibSection::FromImage(const Image32& image)
{
    GdiFlush();
    const std::vector<uint32_t>& pixels = image.Pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i)
        m_bits[i] = SwapRedBlue(pixels[i]);
}

uint32_t CGdiSysColors::SysColor(int index) const
{
    return GetSysColor(index);
}

bool ReadDcPixels(HDC dc, int x, int y, int width, int height, Image32& image)
{
    if (width <= 0 || height <= 0)
    {
        image = Image32();
        return true;
    }
    if (!image.Create(width, height))
        return false;
    CDibSection dib(width, height);
    if (!dib.IsValid() || !BitBlt(dib.Dc(), 0, 0, width, height, dc, x, y, SRCCOPY))
        return false;
    dib.ToImage(image);
    return true;
}

bool WriteDcPixels(HDC dc, int x, int y, const Image32& image)
{
    if (image.IsEmpty())
        return true;
    CDibSection dib(image.Width(), image.Height());
    if (!dib.IsValid())
        return false;
    dib.FromImage(image);
    return BitBlt(dc, x, y, image.Width(), image.Height(), dib.Dc(), 0, 0, SRCCOPY) != FALSE;
}

bool ImageFromBitmap(HBITMAP bitmap, Image32& image)
{
    BITMAP header{};
    if (!bitmap || !GetObjectA(bitmap, sizeof(header), &header))
        return false;
    const int width = header.bmWidth;
    const int height = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    if (!image.Create(width, height))
        return false;
    if (image.IsEmpty())
        return true;
    BITMAPINFO info = TopDownInfo(width, height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, UINT(height), image.Pixels().data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        return false;
    for (uint32_t& pixel : image.Pixels())
        pixel = SwapRedBlue(pixel) & 0xFFFFFF;
    return true;
}

HBITMAP BitmapFromImage(const Image32& image)
{
    if (image.IsEmpty())
        return nullptr;
    BITMAPINFO info = TopDownInfo(image.Width(), image.Height());
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    uint32_t* target = static_cast<uint32_t*>(bits);
    const std::vector<uint32_t>& pixels = image.Pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i)
        target[i] = SwapRedBlue(pixels[i]);
    GdiFlush();
    return bitmap;
}

bool ImageFromIcon(HICON icon, int width, int height, Image32& picture, Image8& transparency)
{
    if (!icon)
        return false;
    if (width <= 0 || height <= 0)
    {
        ICONINFO iconInfo{};
        if (!GetIconInfo(icon, &iconInfo))
            return false;
        BITMAP header{};
        GetObjectA(iconInfo.hbmMask, sizeof(header), &header);
        width = header.bmWidth;
        // A monochrome icon keeps its AND and XOR masks in one bitmap.
        height = iconInfo.hbmColor ? header.bmHeight : header.bmHeight / 2;
        if (iconInfo.hbmColor)
            DeleteObject(iconInfo.hbmColor);
        DeleteObject(iconInfo.hbmMask);
    }
    if (!IsAllowedImageSize(width, height) || width <= 0 || height <= 0)
        return false;
    CDibSection image(width, height);
    CDibSection mask(width, height);
    if (!image.IsValid() || !mask.IsValid())
        return false;
    PatBlt(image.Dc(), 0, 0, width, height, BLACKNESS);
    PatBlt(mask.Dc(), 0, 0, width, height, BLACKNESS);
    if (!DrawIconEx(image.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_IMAGE) ||
        !DrawIconEx(mask.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_MASK))
        return false;
    picture.Create(width, height);
    image.ToImage(picture);
    transparency.Create(width, height);
    const uint32_t* maskBits = mask.Bits();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            transparency.At(x, y) = (maskBits[std::size_t(y) * std::size_t(width) + std::size_t(x)] & 0xFFFFFF) != 0;
    return true;
}

void CGdiDrawEffects::DrawBackground(HDC dc, int effect, const RECT& rect, COLORREF colour1, COLORREF colour2,
                                     COLORREF colour3, int granularity, int tint) const
{
    const PixelRect area{int(rect.left), int(rect.top), int(rect.right), int(rect.bottom)};
    PixelRect shown = area;
    if (area.IsEmpty() || !ShownPart(dc, shown))
        return;
    // A texture has the effect's full size and draws its grain once; only
    // the part the device context shows is drawn.
    Image8 texture;
    const bool textured = MakeTextureLevels(effect, area.Width(), area.Height(), granularity, texture);
    if (textured)
        texture.Palette() = MakeTexturePalette(colour1, colour2, colour3, tint);
    ChangeInBands(dc, area, false, [&](Image32& band, int left, int top) {
        const PixelRect moved{area.left - left, area.top - top, area.right - left, area.bottom - top};
        if (textured)
            DrawTextureLevels(band, moved, texture);
        else
            m_effects.DrawBackground(band, effect, moved, colour1, colour2, colour3, granularity, tint);
    });
}

void CGdiDrawEffects::TileBlit(HDC dc, int x, int y, int width, int height, HDC sourceDc, int sourceX, int sourceY,
                               int tileWidth, int tileHeight) const
{
    Image32 tile;
    if (width <= 0 || height <= 0 || tileWidth <= 0 || tileHeight <= 0)
        return;
    if (!ReadDcPixels(sourceDc, sourceX, sourceY, tileWidth, tileHeight, tile))
        return;
    ChangeInBands(dc, PixelRect{x, y, x + width, y + height}, true, [&](Image32& band, int left, int top) {
        m_effects.TileBlit(band, x - left, y - top, width, height, tile, 0, 0, tileWidth, tileHeight);
    });
}

void CGdiDrawEffects::BlendPicture(HDC dc, int x, int y, int width, int height, HDC sourceDc, int sourceX,
                                   int sourceY, int opacity) const
{
    if (width <= 0 || height <= 0 || opacity <= 0)
        return;
    if (opacity >= 100)
    {
        BitBlt(dc, x, y, width, height, sourceDc, sourceX, sourceY, SRCCOPY);
        return;
    }
    Image32 source;
    ChangeInBands(dc, PixelRect{x, y, x + width, y + height}, true, [&](Image32& band, int left, int top) {
        if (ReadDcPixels(sourceDc, sourceX + (left - x), sourceY + (top - y), band.Width(), band.Height(), source))
            m_effects.BlendPicture(band, 0, 0, band.Width(), band.Height(), source, 0, 0, opacity);
    });
}

bool CGdiDrawEffects::DrawShadow(HDC dc, int offsetX, int offsetY, int width, int height, HBITMAP mask,
                                 bool gradient, int blurX, int blurY) const
{
    if (width <= 0 || height <= 0)
        return true;
    Image32 maskImage;
    Image32 image;
    if (!ImageFromBitmap(mask, maskImage) || !ReadDcPixels(dc, offsetX, offsetY, width, height, image))
        return false;
    if (!m_effects.DrawShadow(image, 0, 0, width, height, maskImage, gradient, blurX, blurY))
        return false;
    return WriteDcPixels(dc, offsetX, offsetY, image);
}

bool CGdiDrawEffects::DrawShadow(HDC dc, int offsetX, int offsetY, int width, int height, HDC maskDc,
                                 bool gradient, int blurX, int blurY) const
{
    if (width <= 0 || height <= 0)
        return true;
    Image32 maskImage;
    Image32 image;
    if (!ReadDcPixels(maskDc, 0, 0, width, height, maskImage) ||
        !ReadDcPixels(dc, offsetX, offsetY, width, height, image))
        return false;
    if (!m_effects.DrawShadow(image, 0, 0, width, height, maskImage, gradient, blurX, blurY))
        return false;
    return WriteDcPixels(dc, offsetX, offsetY, image);
}

void CGdiDrawEffects::DrawImage(HDC dc, int x, int y, int width, int height, HBITMAP bitmap, bool hasMaskColour,
                                COLORREF maskColour, int style, bool shadowOn, int shadowX, int shadowY, int blurX,
                                int blurY, int darkness) const
{
    BITMAP header{};
    if (width <= 0 || height <= 0 || !bitmap || !GetObjectA(bitmap, sizeof header, &header))
        return;
    const int bitmapWidth = header.bmWidth;
    const int bitmapHeight = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    const PixelRect area = AreaWithShadow(x, y, width, height, shadowOn, shadowX, shadowY);
    // A small bitmap is read once; of a large one each band reads only the
    // rows it needs, so it is never held twice.
    if (int64_t(bitmapWidth) * bitmapHeight <= MaxWholeBitmapPixels)
    {
        Image32 picture;
        if (!ImageFromBitmap(bitmap, picture))
            return;
        ChangeInBands(dc, area, true, [&](Image32& band, int left, int top) {
            m_effects.DrawImage(band, x - left, y - top, width, height, picture, hasMaskColour, maskColour, style,
                                shadowOn, shadowX, shadowY, blurX, blurY, darkness);
        });
        return;
    }
    HDC sourceDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = sourceDc ? SelectObject(sourceDc, bitmap) : nullptr;
    if (old)
    {
        Image32 rows;
        ChangeInBands(dc, area, true, [&](Image32& band, int left, int top) {
            const RowSpan need = ImageRowsNeeded(top, top + band.Height(), y, height, bitmapHeight, style, shadowOn,
                                                 shadowY, blurY);
            if (ReadDcPixels(sourceDc, 0, need.first, bitmapWidth, need.end - need.first, rows))
                m_effects.DrawImageRows(band, x - left, y - top, width, height, rows, need.first, bitmapHeight,
                                        hasMaskColour, maskColour, style, shadowOn, shadowX, shadowY, blurX, blurY,
                                        darkness);
        });
        SelectObject(sourceDc, old);
    }
    if (sourceDc)
        DeleteDC(sourceDc);
}

void CGdiDrawEffects::DrawIcon(HDC dc, int x, int y, int width, int height, HICON icon, int style, bool shadowOn,
                               int shadowX, int shadowY, int blurX, int blurY, int darkness) const
{
    Image32 picture;
    Image8 transparency;
    if (width <= 0 || height <= 0)
        return;
    const bool huge = int64_t(width) * height > MaxIconPixels;
    if (!ImageFromIcon(icon, huge ? 0 : width, huge ? 0 : height, picture, transparency))
        return;
    const PixelRect area = AreaWithShadow(x, y, width, height, shadowOn, shadowX, shadowY);
    ChangeInBands(dc, area, true, [&](Image32& band, int left, int top) {
        m_effects.DrawImage(band, x - left, y - top, width, height, picture, transparency, style, shadowOn,
                            shadowX, shadowY, blurX, blurY, darkness);
    });
}
