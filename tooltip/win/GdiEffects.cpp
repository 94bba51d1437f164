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
    Image32 maskPixels(width, height);
    picture.Create(width, height);
    image.ToImage(picture);
    mask.ToImage(maskPixels);
    transparency.Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            transparency.At(x, y) = (maskPixels.At(x, y) & 0xFFFFFF) != 0 ? 1 : 0;
    return true;
}

void CGdiDrawEffects::DrawBackground(HDC dc, int effect, const RECT& rect, COLORREF colour1, COLORREF colour2,
                                     COLORREF colour3, int granularity, int tint) const
{
    const PixelRect area{int(rect.left), int(rect.top), int(rect.right), int(rect.bottom)};
    if (area.IsEmpty())
        return;
    // Off-screen parts of a huge rectangle are not worth pixels: draw only
    // the part that the device context shows, with the effect's full size.
    RECT clip{};
    if (GetClipBox(dc, &clip) == ERROR)
        return;
    PixelRect shown{std::max(area.left, int(clip.left)), std::max(area.top, int(clip.top)),
                    std::min(area.right, int(clip.right)), std::min(area.bottom, int(clip.bottom))};
    if (shown.IsEmpty())
        return;
    Image32 image;
    if (!image.Create(shown.Width(), shown.Height()))
        return;
    const PixelRect moved{area.left - shown.left, area.top - shown.top, area.right - shown.left,
                          area.bottom - shown.top};
    m_effects.DrawBackground(image, effect, moved, colour1, colour2, colour3, granularity, tint);
    WriteDcPixels(dc, shown.left, shown.top, image);
}

void CGdiDrawEffects::TileBlit(HDC dc, int x, int y, int width, int height, HDC sourceDc, int sourceX, int sourceY,
                               int tileWidth, int tileHeight) const
{
    Image32 tile;
    Image32 image;
    if (width <= 0 || height <= 0 || tileWidth <= 0 || tileHeight <= 0)
        return;
    if (!ReadDcPixels(sourceDc, sourceX, sourceY, tileWidth, tileHeight, tile) ||
        !ReadDcPixels(dc, x, y, width, height, image))
        return;
    m_effects.TileBlit(image, 0, 0, width, height, tile, 0, 0, tileWidth, tileHeight);
    WriteDcPixels(dc, x, y, image);
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
    Image32 image;
    if (!ReadDcPixels(sourceDc, sourceX, sourceY, width, height, source) ||
        !ReadDcPixels(dc, x, y, width, height, image))
        return;
    m_effects.BlendPicture(image, 0, 0, width, height, source, 0, 0, opacity);
    WriteDcPixels(dc, x, y, image);
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
    Image32 picture;
    if (width <= 0 || height <= 0 || !ImageFromBitmap(bitmap, picture))
        return;
    const PixelRect area = AreaWithShadow(x, y, width, height, shadowOn, shadowX, shadowY);
    Image32 image;
    if (!ReadDcPixels(dc, area.left, area.top, area.Width(), area.Height(), image))
        return;
    m_effects.DrawImage(image, x - area.left, y - area.top, width, height, picture, hasMaskColour, maskColour, style,
                        shadowOn, shadowX, shadowY, blurX, blurY, darkness);
    WriteDcPixels(dc, area.left, area.top, image);
}

void CGdiDrawEffects::DrawIcon(HDC dc, int x, int y, int width, int height, HICON icon, int style, bool shadowOn,
                               int shadowX, int shadowY, int blurX, int blurY, int darkness) const
{
    Image32 picture;
    Image8 transparency;
    if (width <= 0 || height <= 0 || !ImageFromIcon(icon, width, height, picture, transparency))
        return;
    const PixelRect area = AreaWithShadow(x, y, width, height, shadowOn, shadowX, shadowY);
    Image32 image;
    if (!ReadDcPixels(dc, area.left, area.top, area.Width(), area.Height(), image))
        return;
    m_effects.DrawImage(image, x - area.left, y - area.top, width, height, picture, transparency, style, shadowOn,
                        shadowX, shadowY, blurX, blurY, darkness);
    WriteDcPixels(dc, area.left, area.top, image);
}
