#pragma once
#include <windows.h>

#include "tooltip/MarkupCanvas.h"
#include "tooltip/win/GdiEffects.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

// An image the markup shows: a bitmap or an icon, owned unless the caller
// handed in its own handle.
class CGdiMarkupImage : public IMarkupImage
{
public:
    CGdiMarkupImage(HBITMAP bitmap, HICON icon, bool owned);
    ~CGdiMarkupImage() override;
    CGdiMarkupImage(const CGdiMarkupImage&) = delete;
    CGdiMarkupImage& operator=(const CGdiMarkupImage&) = delete;

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    HBITMAP Bitmap() const { return m_bitmap; }
    HICON Icon() const { return m_icon; }

private:
    HBITMAP m_bitmap;
    HICON m_icon;
    bool m_owned;
    int m_width = 0;
    int m_height = 0;
};

// The markup renderer's canvas on a device context. Fonts made here live
// as long as the canvas; the device context gets its own font and clip
// back at the end.
class CGdiCanvas : public IMarkupCanvas
{
public:
    explicit CGdiCanvas(HDC dc);
    ~CGdiCanvas() override;
    CGdiCanvas(const CGdiCanvas&) = delete;
    CGdiCanvas& operator=(const CGdiCanvas&) = delete;

    FontMetrics SelectFont(const FontRequest& font) override;
    MarkupSize TextExtent(const std::string& text) override;
    int XHeight() override;
    void PaintText(int x, int y, const std::string& text, uint32_t colour, bool opaque, uint32_t background) override;
    void DrawPolyline(const MarkupPoint* points, int count, uint32_t colour, int width, PenStyle style) override;
    void FillRect(const MarkupRect& rect, uint32_t colour) override;
    void DrawBackground(const MarkupRect& rect, int effect, uint32_t colour1, uint32_t colour2, uint32_t colour3,
                        int granularity, int tint) override;
    void TileImage(const MarkupRect& rect, const IMarkupImage& image) override;
    void DrawImage(const IMarkupImage& image, const MarkupRect& rect, const ImageDrawing& drawing) override;
    void PushClip(const MarkupRect& rect) override;
    void PopClip() override;
    int DotsPerInch() override;

private:
    using FontKey = std::tuple<int, int, bool, bool, bool, std::string>;

    HDC m_dc;
    HFONT m_originalFont = nullptr;
    bool m_fontSelected = false;
    std::map<FontKey, HFONT> m_fonts;
    // The clip before each push; null where there was none.
    std::vector<HRGN> m_clips;
    CGdiDrawEffects m_effects;
};
