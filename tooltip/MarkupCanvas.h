#pragma once
#include <cstdint>
#include <memory>
#include <string>

// Everything the markup renderer needs of a device: fonts and their metrics,
// text, lines, fills, background effects, images and clipping. The program
// draws through GDI (tooltip/win/GdiCanvas.h); tests use fixed metrics.

struct MarkupPoint
{
    int x = 0;
    int y = 0;
};

struct MarkupSize
{
    int cx = 0;
    int cy = 0;
};

// Right and bottom lie outside, as in GDI.
struct MarkupRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(MarkupPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

struct FontRequest
{
    int height = 16;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string family;
};

struct FontMetrics
{
    int height = 0;
    int ascent = 0;
    int descent = 0;
};

enum PenStyle : int { PenSolid = 0, PenDash = 1, PenDot = 2 };

// An image that a host has loaded; the canvas that belongs to the host
// knows how to draw it.
class IMarkupImage
{
public:
    virtual ~IMarkupImage() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

struct ImageDrawing
{
    bool hasMask = false;
    uint32_t maskColour = 0;
    int style = 0;
    bool shadowOn = false;
    int shadowX = 0;
    int shadowY = 0;
    int blurX = 0;
    int blurY = 0;
    int darkness = 0;
};

class IMarkupCanvas
{
public:
    virtual ~IMarkupCanvas() = default;

    // Makes the font current and answers its metrics.
    virtual FontMetrics SelectFont(const FontRequest& font) = 0;
    virtual MarkupSize TextExtent(const std::string& text) = 0;
    // Height of the small letter x in the current font (the "ex" unit).
    virtual int XHeight() = 0;
    // Text in the current font with its top-left corner at (x, y).
    virtual void PaintText(int x, int y, const std::string& text, uint32_t colour, bool opaque,
                          uint32_t background) = 0;
    virtual void DrawPolyline(const MarkupPoint* points, int count, uint32_t colour, int width, PenStyle style) = 0;
    virtual void FillRect(const MarkupRect& rect, uint32_t colour) = 0;
    virtual void DrawBackground(const MarkupRect& rect, int effect, uint32_t colour1, uint32_t colour2,
                                uint32_t colour3, int granularity, int tint) = 0;
    virtual void TileImage(const MarkupRect& rect, const IMarkupImage& image) = 0;
    virtual void DrawImage(const IMarkupImage& image, const MarkupRect& rect, const ImageDrawing& drawing) = 0;
    // Clips drawing to the rectangle (within any clip already pushed).
    virtual void PushClip(const MarkupRect& rect) = 0;
    virtual void PopClip() = 0;
    virtual int DotsPerInch() = 0;
};

enum ImageKind : int { ImageBitmap = 0, ImageIcon = 1, ImageListItem = 2 };

// Where an image of the markup comes from (attributes of bmp, icon, ilst).
struct ImageRequest
{
    int kind = ImageBitmap;
    bool hasIdRes = false;
    unsigned idRes = 0;
    bool hasIdDll = false;
    unsigned idDll = 0;
    std::string srcDll;
    std::string file;
    uintptr_t handle = 0;
    int index = 0;
    int cx = 0;
    int cy = 0;
};

// The renderer's links to the program: resources, the shell and windows.
// A renderer without a host loads nothing and opens nothing.
class IMarkupHost
{
public:
    virtual ~IMarkupHost() = default;
    virtual std::shared_ptr<IMarkupImage> OpenImage(const ImageRequest& request) = 0;
    // The string resource idRes of the program, or idDll of the named module
    // (or of the renderer's resource module when the name is empty).
    virtual bool FetchString(unsigned id, bool fromModule, const std::string& module, std::string& text) = 0;
    virtual void OpenAddress(const std::string& address) = 0;
    virtual void SendWindowMessage(void* window, unsigned message, intptr_t wParam, intptr_t lParam) = 0;
    // False when there is no hand cursor.
    virtual bool SetHandCursor() = 0;
};
