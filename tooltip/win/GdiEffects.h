#pragma once
#include <windows.h>

#include "tooltip/ColorNames.h"
#include "tooltip/DrawEffects.h"
#include "tooltip/Image.h"

// The system colour scheme as the colour names read it.
class CGdiSysColors : public ISysColorProvider
{
public:
    uint32_t SysColor(int index) const override;
};

// A 32-bit top-down DIB section selected into its own memory DC; the
// pixels are 0x00RRGGBB as GDI holds them.
class CDibSection
{
public:
    CDibSection(int width, int height);
    ~CDibSection();
    CDibSection(const CDibSection&) = delete;
    CDibSection& operator=(const CDibSection&) = delete;

    bool IsValid() const { return m_bits != nullptr; }
    HDC Dc() const { return m_dc; }
    const uint32_t* Bits() const { return m_bits; }
    // Pixels of the same size, with red and blue swapped into image order.
    void ToImage(Image32& image) const;
    void FromImage(const Image32& image);

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t* m_bits = nullptr;
};

// Pixels between GDI and images. Each answers false when the size is
// refused or GDI fails; a width or height of 0 or less is no failure and
// moves nothing.

// The pixels of dc at (x, y), width x height.
bool ReadDcPixels(HDC dc, int x, int y, int width, int height, Image32& image);
// The image onto dc with its top-left corner at (x, y); the clip of dc holds.
bool WriteDcPixels(HDC dc, int x, int y, const Image32& image);
// A bitmap that is not selected into a device context.
bool ImageFromBitmap(HBITMAP bitmap, Image32& image);
// A new top-down 32-bit bitmap with the image's pixels, or null. The caller
// deletes it.
HBITMAP BitmapFromImage(const Image32& image);
// The icon drawn at width x height (its own size when either is 0 or less):
// the picture, and its transparency (non-zero where the icon is clear).
bool ImageFromIcon(HICON icon, int width, int height, Image32& picture, Image8& transparency);

// CDrawEffects on device contexts: each reads the pixels it needs, runs
// the portable operation and writes the result back.
class CGdiDrawEffects
{
public:
    void DrawBackground(HDC dc, int effect, const RECT& rect, COLORREF colour1, COLORREF colour2, COLORREF colour3,
                        int granularity, int tint = TextureTint) const;
    void TileBlit(HDC dc, int x, int y, int width, int height, HDC sourceDc, int sourceX, int sourceY,
                  int tileWidth, int tileHeight) const;
    void BlendPicture(HDC dc, int x, int y, int width, int height, HDC sourceDc, int sourceX, int sourceY,
                      int opacity) const;
    // mask: a bitmap not selected into a device context, read from its
    // top-left corner.
    bool DrawShadow(HDC dc, int offsetX, int offsetY, int width, int height, HBITMAP mask, bool gradient,
                    int blurX, int blurY) const;
    // The same with the mask read from a device context at (0, 0).
    bool DrawShadow(HDC dc, int offsetX, int offsetY, int width, int height, HDC maskDc, bool gradient, int blurX,
                    int blurY) const;
    void DrawImage(HDC dc, int x, int y, int width, int height, HBITMAP bitmap, bool hasMaskColour,
                   COLORREF maskColour, int style, bool shadowOn, int shadowX, int shadowY, int blurX, int blurY,
                   int darkness) const;
    void DrawIcon(HDC dc, int x, int y, int width, int height, HICON icon, int style, bool shadowOn, int shadowX,
                  int shadowY, int blurX, int blurY, int darkness) const;

    const CDrawEffects& Portable() const { return m_effects; }

private:
    CDrawEffects m_effects;
};
