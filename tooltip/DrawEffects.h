#pragma once
#include "tooltip/Image.h"

#include <array>
#include <cstdint>

// Background effect numbers (names in ColorNames.h, EffectFromName).
enum BackgroundEffect : int
{
    EffectTransparent = -1, // none chosen; drawn like EffectSolid
    EffectSolid = 0,
    EffectHGradient = 1,
    EffectVGradient = 2,
    EffectHCGradient = 3,
    EffectVCGradient = 4,
    Effect3HGradient = 5,
    Effect3VGradient = 6,
    EffectNoise = 7,
    EffectDiagShade = 8,
    EffectHShade = 9,
    EffectVShade = 10,
    EffectHBump = 11,
    EffectVBump = 12,
    EffectSoftBump = 13,
    EffectHardBump = 14,
    EffectMetal = 15,
};

// Every caller tints the texture palette by this many per cent.
constexpr int TextureTint = 5;

// Image style bits of DrawImage.
constexpr int ImageStyleGrey = 0x01;
constexpr int ImageStyleDarker = 0x02;
constexpr int ImageStyleLighter = 0x04;
constexpr int ImageStyleHardShadow = 0x100;
constexpr int ImageStyleSoftShadow = 0x200;

// The drawing component of the tooltip. Where Windows code works on a
// device context, these work on a 32-bit image; tooltip/win/GdiEffects.h
// carries pixels between the two. Every operation clips to the images and
// does nothing on an empty area.
class CDrawEffects
{
public:
    // Fills rect with the effect and colours 1, 2, 3 (begin, middle, end).
    // Unknown numbers draw like EffectSolid. Textures draw random grain
    // from the calling thread's generator (engine/Random.h). A texture
    // too large to make is drawn as EffectSolid.
    void DrawBackground(Image32& target, int effect, const PixelRect& rect, uint32_t colour1, uint32_t colour2,
                        uint32_t colour3, int granularity, int tint = TextureTint) const;

    // Covers the area with copies of the source block, row by row, cutting
    // the last copies at the right and bottom edge.
    void TileBlit(Image32& target, int x, int y, int width, int height, const Image32& source, int sourceX,
                  int sourceY, int tileWidth, int tileHeight) const;

    // Opacity in per cent; 100 or more copies, 0 or less leaves the target.
    void BlendPicture(Image32& target, int x, int y, int width, int height, const Image32& source, int sourceX,
                      int sourceY, int opacity) const;

    // Darkens the area at (offsetX, offsetY) by the grey levels of mask
    // (read from its top-left corner; white leaves a pixel, outside the
    // mask counts as white). With gradient the shadow is softened by a box
    // of blurX x blurY. False when the area is too large to work on.
    bool DrawShadow(Image32& target, int offsetX, int offsetY, int width, int height, const Image32& mask,
                    bool gradient, int blurX, int blurY) const;

    // Draws bitmap stretched to width x height; pixels of maskColour (when
    // hasMaskColour) stay transparent. style: ImageStyle bits. darkness is
    // the shadow's darkness in per cent (0..100).
    void DrawImage(Image32& target, int x, int y, int width, int height, const Image32& bitmap, bool hasMaskColour,
                   uint32_t maskColour, int style, bool shadowOn, int shadowX, int shadowY, int blurX, int blurY,
                   int darkness) const;

    // The same from rows [firstRow, firstRow + rows.Height()) of a bitmap of
    // bitmapHeight rows: enough for the target rows that ImageRowsNeeded
    // names; other rows count as transparent.
    void DrawImageRows(Image32& target, int x, int y, int width, int height, const Image32& rows, int firstRow,
                       int bitmapHeight, bool hasMaskColour, uint32_t maskColour, int style, bool shadowOn,
                       int shadowX, int shadowY, int blurX, int blurY, int darkness) const;

    // The same for a picture with its own transparency (icons): a non-zero
    // level in transparency (same size as picture) marks a clear pixel.
    void DrawImage(Image32& target, int x, int y, int width, int height, const Image32& picture,
                   const Image8& transparency, int style, bool shadowOn, int shadowX, int shadowY, int blurX,
                   int blurY, int darkness) const;
};

// Steps of the effects, open to tests and to the GDI bridge.

// Colour of line `position` of a gradient of `length` lines, from `from` on
// the first line to `to` on the last, each channel truncated.
uint32_t GradientColour(uint32_t from, uint32_t to, int position, int length);

// The texture palette: 0..128 from colour 3 to colour 2, 128..255 from
// colour 2 to colour 1, then tinted towards colour 1 by tint per cent.
std::array<uint32_t, 256> MakeTexturePalette(uint32_t colour1, uint32_t colour2, uint32_t colour3, int tint);

// Grey levels of a texture effect (7..15) of width x height, with grain
// from the calling thread's generator. False, and no numbers drawn, when
// the effect is not a texture or the size is empty or too large.
bool MakeTextureLevels(int effect, int width, int height, int granularity, Image8& texture);

// Rows [first, end) of a bitmap.
struct RowSpan
{
    int first = 0;
    int end = 0;
};

// The rows of a bitmap of bitmapHeight rows that DrawImage, drawing it at y
// with height rows, reads to draw the target rows [top, bottom); the other
// arguments are DrawImage's.
RowSpan ImageRowsNeeded(int top, int bottom, int y, int height, int bitmapHeight, int style, bool shadowOn,
                        int shadowY, int blurY);

// The texture drawn through its palette with its top-left corner at the
// rectangle's, clipped to the target.
void DrawTextureLevels(Image32& target, const PixelRect& rect, const Image8& texture);

// The colour with the grey, darker and lighter bits of style applied.
uint32_t ApplyImageStyle(uint32_t colour, int style);
