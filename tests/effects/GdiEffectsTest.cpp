#include "tooltip/win/GdiEffects.h"

#include "dialoglayer/win/Gdi.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A memory device context on a 32-bit bitmap, filled with one colour.
class MemoryCanvas
{
public:
    MemoryCanvas(int width, int height, COLORREF fill) : m_bitmap(BitmapFromImage(Image32(width, height, fill))) {}
    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_dc, x, y); }
    void Expect(std::initializer_list<std::tuple<int, int, COLORREF>> pixels) const
    {
        for (const auto& p : pixels)
            EXPECT_EQ(Pixel(std::get<0>(p), std::get<1>(p)), std::get<2>(p))
                << std::get<0>(p) << "," << std::get<1>(p);
    }

private:
    MemoryDC m_dc{nullptr};
    OwnedBitmap m_bitmap;
    SelectedObject m_selected{m_dc, m_bitmap};
};

const COLORREF White = RGB(255, 255, 255);

} // namespace

TEST(GdiEffects, SystemColoursComeFromTheScheme)
{
    CGdiSysColors scheme;
    EXPECT_EQ(scheme.SysColor(COLOR_INFOBK), GetSysColor(COLOR_INFOBK));
    const CColorNames names(scheme);
    EXPECT_EQ(names.Lookup("infobackground", 1), GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(names.Lookup("windowtext", 1), GetSysColor(COLOR_WINDOWTEXT));
}

TEST(GdiEffects, PixelsTravelBothWaysWithRedInTheLowestByte)
{
    MemoryCanvas canvas(4, 3, RGB(1, 2, 3));
    SetPixel(canvas.Dc(), 2, 1, RGB(200, 10, 20));
    Image32 image;
    ASSERT_TRUE(ReadDcPixels(canvas.Dc(), 1, 1, 3, 2, image));
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.At(1, 0), uint32_t(RGB(200, 10, 20)));
    EXPECT_EQ(image.At(0, 0), uint32_t(RGB(1, 2, 3)));

    image.At(2, 1) = MakeColour(9, 8, 7);
    ASSERT_TRUE(WriteDcPixels(canvas.Dc(), 1, 1, image));
    canvas.Expect({{3, 2, RGB(9, 8, 7)}, {2, 1, RGB(200, 10, 20)}});

    HBITMAP bitmap = BitmapFromImage(image);
    Image32 back;
    ASSERT_TRUE(ImageFromBitmap(bitmap, back));
    DeleteObject(bitmap);
    EXPECT_EQ(back.Pixels(), image.Pixels());

    EXPECT_FALSE(ReadDcPixels(canvas.Dc(), 0, 0, MaxImageSide + 1, 1, image));
    EXPECT_TRUE(ReadDcPixels(canvas.Dc(), 0, 0, 0, 1, image));
    EXPECT_TRUE(image.IsEmpty());
}

TEST(GdiEffects, BackgroundMatchesTheImageVersionAndKeepsTheClip)
{
    const uint32_t c1 = RGB(10, 20, 30), c2 = RGB(200, 100, 0), c3 = RGB(0, 255, 128);
    for (int effect : {EffectHGradient, EffectVCGradient, EffectSoftBump, EffectMetal})
    {
        MemoryCanvas canvas(12, 10, White);
        SeedRandom(5);
        CGdiDrawEffects().DrawBackground(canvas.Dc(), effect, RECT{1, 2, 11, 9}, c1, c2, c3, 12);
        Image32 expected(12, 10, White);
        SeedRandom(5);
        CDrawEffects().DrawBackground(expected, effect, {1, 2, 11, 9}, c1, c2, c3, 12);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x)
                ASSERT_EQ(canvas.Pixel(x, y), expected.At(x, y)) << effect << " " << x << "," << y;
    }

    MemoryCanvas clipped(10, 10, White);
    HRGN region = CreateRectRgn(0, 0, 5, 10);
    SelectClipRgn(clipped.Dc(), region);
    DeleteObject(region);
    CGdiDrawEffects().DrawBackground(clipped.Dc(), EffectSolid, RECT{-100000, -100000, 100000, 100000}, c1, c2, c3,
                                     0);
    SelectClipRgn(clipped.Dc(), nullptr);
    clipped.Expect({{4, 9, c1}, {5, 0, White}});
}

TEST(GdiEffects, TileBlendAndShadowOnDeviceContexts)
{
    CGdiDrawEffects effects;
    MemoryCanvas source(3, 1, RGB(0, 0, 0));
    SetPixel(source.Dc(), 1, 0, RGB(100, 0, 0));
    SetPixel(source.Dc(), 2, 0, RGB(0, 100, 0));

    MemoryCanvas tiled(6, 2, White);
    effects.TileBlit(tiled.Dc(), 1, 0, 5, 2, source.Dc(), 1, 0, 2, 1);
    tiled.Expect({{0, 0, White}, {1, 1, RGB(100, 0, 0)}, {4, 0, RGB(0, 100, 0)}, {5, 1, RGB(100, 0, 0)}});

    MemoryCanvas blended(3, 1, RGB(200, 200, 200));
    effects.BlendPicture(blended.Dc(), 0, 0, 3, 1, source.Dc(), 0, 0, 50);
    EXPECT_EQ(blended.Pixel(1, 0), RGB(150, 100, 100));
    effects.BlendPicture(blended.Dc(), 0, 0, 3, 1, source.Dc(), 0, 0, 100);
    EXPECT_EQ(blended.Pixel(2, 0), RGB(0, 100, 0));

    HBITMAP mask = BitmapFromImage(Image32(5, 5, 0));
    MemoryCanvas shadowed(7, 7, White);
    EXPECT_TRUE(effects.DrawShadow(shadowed.Dc(), 2, 2, 5, 5, mask, true, 3, 3));
    DeleteObject(mask);
    shadowed.Expect({{2, 2, RGB(226, 226, 226)}, {3, 3, RGB(141, 141, 141)}, {6, 6, White}, {1, 1, White}});

    MemoryCanvas maskCanvas(5, 5, RGB(128, 128, 128));
    MemoryCanvas hard(6, 6, RGB(200, 100, 50));
    EXPECT_TRUE(effects.DrawShadow(hard.Dc(), 1, 1, 5, 5, maskCanvas.Dc(), false, 0, 0));
    hard.Expect({{0, 0, RGB(200, 100, 50)}, {5, 5, RGB(100, 50, 25)}});
}

TEST(GdiEffects, BitmapsAndIconsKeepTheirTransparentPixels)
{
    CGdiDrawEffects effects;
    Image32 picture(2, 1, RGB(0, 0, 255));
    picture.At(0, 0) = RGB(255, 0, 255);
    HBITMAP bitmap = BitmapFromImage(picture);
    MemoryCanvas canvas(5, 3, RGB(10, 10, 10));
    effects.DrawImage(canvas.Dc(), 1, 0, 2, 1, bitmap, true, RGB(255, 0, 255), ImageStyleDarker, true, 1, 1, 0, 0,
                      50);
    DeleteObject(bitmap);
    // No shadow bit: the picture moved by (1, 1).
    canvas.Expect({{2, 1, RGB(10, 10, 10)}, {3, 1, RGB(0, 0, 191)}, {3, 0, RGB(10, 10, 10)}});

    // A 2 x 2 colour icon whose left column is clear.
    Image32 colours(2, 2, RGB(0, 200, 0)), andMask(2, 2, 0);
    for (int y = 0; y < 2; ++y)
    {
        andMask.At(0, y) = 0xFFFFFF;
        colours.At(0, y) = 0;
    }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = BitmapFromImage(colours);
    info.hbmMask = BitmapFromImage(andMask);
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    ASSERT_NE(icon, nullptr);
    MemoryCanvas iconCanvas(4, 4, RGB(50, 60, 70));
    effects.DrawIcon(iconCanvas.Dc(), 1, 1, 2, 2, icon, 0, false, 0, 0, 0, 0, 0);
    DestroyIcon(icon);
    iconCanvas.Expect({{1, 1, RGB(50, 60, 70)}, {2, 1, RGB(0, 200, 0)}, {2, 2, RGB(0, 200, 0)}, {3, 3, RGB(50, 60, 70)}});
}

TEST(GdiEffects, TallAreasAreDrawnInBandsAsTheImageVersionDrawsThemWhole)
{
    // Taller than one band of rows: each row must come out as if drawn at once.
    const int width = 24, height = 700;
    // Far more than a million pixels: read by rows, band by band.
    Image32 picture(1500, 800, RGB(0, 0, 255));
    for (int y = 0; y < 800; ++y)
        for (int x = 0; x < 1500; ++x)
            if ((x / 100 + y / 37) % 3 == 0)
                picture.At(x, y) = (x + y) % 5 ? RGB(255, 0, 255) : RGB(x % 256, y % 256, 9);
    HBITMAP bitmap = BitmapFromImage(picture);
    const uint32_t c1 = RGB(10, 20, 30), c2 = RGB(200, 100, 0), c3 = RGB(0, 255, 128);
    MemoryCanvas canvas(width, height, White);
    CGdiDrawEffects effects;
    SeedRandom(5);
    effects.DrawBackground(canvas.Dc(), EffectSoftBump, RECT{0, 3, width, height - 2}, c1, c2, c3, 12);
    effects.DrawImage(canvas.Dc(), 2, 1, 18, 690, bitmap, true, RGB(255, 0, 255), ImageStyleSoftShadow, true, 3, 4,
                      5, 7, 60);
    DeleteObject(bitmap);

    Image32 expected(width, height, White);
    SeedRandom(5);
    CDrawEffects().DrawBackground(expected, EffectSoftBump, {0, 3, width, height - 2}, c1, c2, c3, 12);
    CDrawEffects().DrawImage(expected, 2, 1, 18, 690, picture, true, RGB(255, 0, 255), ImageStyleSoftShadow, true, 3,
                             4, 5, 7, 60);
    Image32 drawn;
    ASSERT_TRUE(ReadDcPixels(canvas.Dc(), 0, 0, width, height, drawn));
    EXPECT_TRUE(drawn.Pixels() == expected.Pixels());
}
