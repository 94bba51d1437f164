// Drawing on real device contexts: the effects against their image version;
// the hand cursor.
#include "tooltip/win/GdiEffects.h"

#include "dialoglayer/win/Gdi.h"
#include "engine/Random.h"
#include "tooltip/win/MarkupHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A memory device context on a 32-bit bitmap made from an image.
class MemoryCanvas
{
public:
    explicit MemoryCanvas(const Image32& image) : m_bitmap(BitmapFromImage(image)) {}
    HDC Dc() const { return m_dc; }
    Image32 Pixels() const
    {
        BITMAP info{};
        GetObjectA(m_bitmap, sizeof info, &info);
        Image32 image;
        ReadDcPixels(m_dc, 0, 0, info.bmWidth, info.bmHeight, image);
        return image;
    }

private:
    MemoryDC m_dc{nullptr};
    OwnedBitmap m_bitmap;
    SelectedObject m_selected{m_dc, m_bitmap};
};

const uint32_t White = RGB(255, 255, 255), C1 = RGB(10, 20, 30), C2 = RGB(200, 100, 0), C3 = RGB(0, 255, 128);

// Three pixels, and a striped picture far larger than one band of rows.
Image32 Source(int width, int height)
{
    Image32 picture(width, height, RGB(0, 0, 255));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x / 100 + y / 37 + x) % 3 == 0)
                picture.At(x, y) = (x + y) % 5 ? RGB(255, 0, 255) : RGB(x % 256, y % 256, 9);
    return picture;
}

} // namespace

TEST(MarkupHost, HandCursorFallsBackToTheSystemsHand)
{
    // No current Windows has the help program; its hand is then the system's.
    bool owned = true;
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)), LoadHandCursor("C:\\nirgends\\winhlp32.exe", owned));
    EXPECT_FALSE(owned);
    EXPECT_NE(nullptr, CWinMarkupHost().HandCursor());
}


// Taller than one band, the source over a million pixels: read band by band.
TEST(GdiEffects, DrawingOnADeviceContextMatchesTheImageVersion)
{
    const Image32 source = Source(1500, 800);
    MemoryCanvas canvas(Image32(24, 700, White)), sourceCanvas(source);
    OwnedBitmap sourceBitmap(BitmapFromImage(source));
    // The same drawings on either kind of target, from a bitmap or a device context.
    auto draw = [](auto&& effects, auto target, const auto& bitmap, const auto& sourceDc) {
        SeedRandom(5);
        effects.DrawBackground(target, EffectSoftBump, {0, 3, 24, 698}, C1, C2, C3, 12);
        effects.DrawImage(target, 2, 1, 18, 690, bitmap, true, RGB(255, 0, 255), ImageStyleSoftShadow, true, 3, 4, 5,
                          7, 60);
        effects.TileBlit(target, 1, 600, 20, 30, sourceDc, 1, 0, 7, 5);
        effects.BlendPicture(target, 0, 650, 24, 20, sourceDc, 300, 0, 50);
        effects.DrawShadow(target, 2, 672, 15, 15, bitmap, true, 3, 3);
    };
    draw(CGdiDrawEffects(), canvas.Dc(), sourceBitmap, sourceCanvas.Dc());
    Image32 expected(24, 700, White);
    draw(CDrawEffects(), std::ref(expected), source, source);
    EXPECT_TRUE(canvas.Pixels().Pixels() == expected.Pixels());
}

TEST(GdiEffects, PixelsKeepRedInTheLowestByteAndFillsStayInTheClip)
{
    EXPECT_EQ(CColorNames(CGdiSysColors()).Lookup("infobackground", 1), GetSysColor(COLOR_INFOBK));
    Image32 image(3, 2, RGB(1, 2, 3));
    image.At(1, 0) = RGB(200, 10, 20);
    MemoryCanvas canvas(Image32(10, 10, White));
    ASSERT_TRUE(WriteDcPixels(canvas.Dc(), 1, 1, image));
    OwnedRegion region(CreateRectRgn(0, 0, 2, 10));
    SelectClipRgn(canvas.Dc(), region);
    CGdiDrawEffects().DrawBackground(canvas.Dc(), EffectSolid, RECT{-100000, -100000, 100000, 100000}, C1, C2, C3, 0);
    SelectClipRgn(canvas.Dc(), nullptr);
    Image32 back;
    ASSERT_TRUE(ReadDcPixels(canvas.Dc(), 1, 1, 4, 2, back));
    EXPECT_EQ((std::vector<uint32_t>{C1, RGB(200, 10, 20), RGB(1, 2, 3), White, C1, RGB(1, 2, 3), RGB(1, 2, 3), White}),
              back.Pixels());
    EXPECT_FALSE(ReadDcPixels(canvas.Dc(), 0, 0, MaxImageSide + 1, 1, back));
}
