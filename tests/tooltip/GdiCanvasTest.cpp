#include <windows.h>

#include "dialoglayer/win/Gdi.h"
#include "tooltip/MarkupRenderer.h"
#include "tooltip/win/GdiCanvas.h"
#include "tooltip/win/GdiEffects.h"
#include "tooltip/win/MarkupHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const uint32_t Light = RGB(255, 0, 0), Dark = RGB(0, 0, 255), White = RGB(255, 255, 255);

// Draws on a white picture and returns it as a picture of letters:
// L light, D dark, . white, # anything else.
template <class Draw>
std::string Drawn(int width, int height, Draw draw)
{
    MemoryDC dc(nullptr);
    OwnedBitmap bitmap(BitmapFromImage(Image32(width, height, White)));
    SelectedObject selected(dc, bitmap);
    {
        CGdiCanvas canvas(dc);
        draw(canvas);
    }
    Image32 image;
    ReadDcPixels(dc, 0, 0, width, height, image);
    std::string picture;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = image.At(x, y);
            picture += p == Light ? 'L' : p == Dark ? 'D' : p == White ? '.' : '#';
        }
        picture += '\n';
    }
    return picture;
}

TEST(GdiCanvas, BordersLieOnTheirLines)
{
    // Width three: solid, and double with a gap between its frames.
    EXPECT_EQ("LLLLLLLLLLL.\nLLLLLLLLLLDD\nLLLLLLLLLLDD\nLLL.......DD\nLDDDDDDDDDDD\n.DDDDDDDDDDD\n",
              Drawn(12, 6, [](CGdiCanvas& c) { DrawBorder(c, MarkupRect{0, 0, 12, 6}, Light, Dark, BorderSolid, 3); }));
    EXPECT_EQ("LLL...LLL...DDD...DD\n",
              Drawn(20, 20, [](CGdiCanvas& c) { DrawBorder(c, MarkupRect{0, 0, 20, 20}, Light, Dark, BorderDouble, 3); })
                  .substr(10 * 21, 21));
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
