#include <windows.h>

#include "tooltip/MarkupRenderer.h"
#include "tooltip/win/GdiCanvas.h"
#include "tooltip/win/MarkupHost.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(GdiCanvas, BordersOfWidthThreeLieOnTheirLines)
{
    struct Pixel
    {
        int x, y;
        COLORREF colour;
    };
    const struct
    {
        int style;
        std::vector<Pixel> pixels;
    } cases[] = {
        {BorderSolid, {{1, 25, Light}, {0, 25, Light}, {50, 1, Light}, {99, 25, Dark}, {50, 49, Dark},
                       {3, 25, White}, {50, 25, White}}},
        // The double border's inner frame, with a gap to the outer one.
        {BorderDouble, {{1, 25, Light}, {4, 25, White}, {7, 25, Light}, {50, 7, Light}, {93, 25, Dark},
                        {50, 43, Dark}, {50, 25, White}}},
    };
    for (const auto& c : cases)
    {
        Picture picture(120, 60);
        {
            CGdiCanvas canvas(picture.Dc());
            DrawBorder(canvas, MarkupRect{0, 0, 100, 50}, Light, Dark, c.style, 3);
        }
        for (const Pixel& p : c.pixels)
            EXPECT_EQ(p.colour, picture.At(p.x, p.y)) << c.style << ": " << p.x << "," << p.y;
    }
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

TEST(MarkupHost, HandCursorFallsBackToTheSystemsHand)
{
    // No current Windows has the help program; its hand is then the system's.
    bool owned = true;
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)), LoadHandCursor("C:\\nirgends\\winhlp32.exe", owned));
    EXPECT_FALSE(owned);
    EXPECT_NE(nullptr, CWinMarkupHost().HandCursor());
}

} // namespace
