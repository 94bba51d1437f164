#include <windows.h>

#include "tooltip/MarkupRenderer.h"
#include "tooltip/win/GdiCanvas.h"

#include <gtest/gtest.h>

namespace {

// A white 32-bit picture in a memory device context.
class Picture
{
public:
    Picture(int width, int height) : m_width(width)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        const RECT all{0, 0, width, height};
        FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Picture()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    // As a colour value, red in the lowest byte.
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const DWORD pixel = m_bits[y * m_width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

private:
    int m_width;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};

const COLORREF Light = RGB(255, 0, 0);
const COLORREF Dark = RGB(0, 0, 255);
const COLORREF White = RGB(255, 255, 255);

TEST(GdiCanvas, SolidBorderOfWidthThreeLiesOnItsLines)
{
    Picture picture(120, 60);
    {
        CGdiCanvas canvas(picture.Dc());
        DrawBorder(canvas, MarkupRect{0, 0, 100, 50}, Light, Dark, BorderSolid, 3);
    }
    EXPECT_EQ(Light, picture.At(1, 25));
    EXPECT_EQ(Light, picture.At(0, 25));
    EXPECT_EQ(Light, picture.At(50, 1));
    EXPECT_EQ(Dark, picture.At(99, 25));
    EXPECT_EQ(Dark, picture.At(50, 49));
    EXPECT_EQ(White, picture.At(3, 25));
    EXPECT_EQ(White, picture.At(50, 25));
}

TEST(GdiCanvas, DoubleBorderDrawsAnInnerFrame)
{
    Picture picture(120, 60);
    {
        CGdiCanvas canvas(picture.Dc());
        DrawBorder(canvas, MarkupRect{0, 0, 100, 50}, Light, Dark, BorderDouble, 3);
    }
    EXPECT_EQ(Light, picture.At(1, 25));
    EXPECT_EQ(White, picture.At(4, 25));
    EXPECT_EQ(Light, picture.At(7, 25));
    EXPECT_EQ(Light, picture.At(50, 7));
    EXPECT_EQ(Dark, picture.At(93, 25));
    EXPECT_EQ(Dark, picture.At(50, 43));
    EXPECT_EQ(White, picture.At(50, 25));
}

TEST(GdiCanvas, MeasuredTextIsDrawnInsideItsRectangle)
{
    Picture picture(200, 60);
    CMarkupRenderer renderer;
    MarkupSize size;
    {
        CGdiCanvas canvas(picture.Dc());
        size = renderer.Measure(canvas, "<b>Hallo</b> Welt");
        EXPECT_GT(size.cx, 20);
        EXPECT_GE(size.cy, 14); // 10pt at 96 dpi is a 13-pixel font
        renderer.Draw(canvas, "<b>Hallo</b> Welt", MarkupRect{10, 10, 10 + size.cx, 10 + size.cy});
    }
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (picture.At(x, y) == White)
                continue;
            const bool within = x >= 10 && x < 10 + size.cx && y >= 10 && y < 10 + size.cy;
            ++(within ? inside : outside);
        }
    }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(0, outside);
}

} // namespace
