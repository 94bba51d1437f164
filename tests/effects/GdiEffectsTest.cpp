#include "tooltip/win/GdiEffects.h"

#include "dialoglayer/win/Gdi.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

#include <functional>

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

TEST(GdiEffects, EachDrawingOnADeviceContextMatchesTheImageVersion)
{
    using Gdi = std::function<void(CGdiDrawEffects&, HDC target, HDC source, HBITMAP sourceBitmap)>;
    using Portable = std::function<void(const CDrawEffects&, Image32& target, const Image32& source)>;
    const struct {
        const char* name;
        int width, height, sourceWidth, sourceHeight;
        Gdi gdi;
        Portable portable;
    } cases[] = {
        {"gradient", 12, 10, 3, 1,
         [](auto& e, HDC dc, HDC, HBITMAP) { e.DrawBackground(dc, EffectVCGradient, RECT{1, 2, 11, 9}, C1, C2, C3, 12); },
         [](auto& e, Image32& t, auto&) { e.DrawBackground(t, EffectVCGradient, {1, 2, 11, 9}, C1, C2, C3, 12); }},
        {"metal", 12, 10, 3, 1,
         [](auto& e, HDC dc, HDC, HBITMAP) { e.DrawBackground(dc, EffectMetal, RECT{1, 2, 11, 9}, C1, C2, C3, 12); },
         [](auto& e, Image32& t, auto&) { e.DrawBackground(t, EffectMetal, {1, 2, 11, 9}, C1, C2, C3, 12); }},
        {"tile", 6, 2, 3, 1, [](auto& e, HDC dc, HDC s, HBITMAP) { e.TileBlit(dc, 1, 0, 5, 2, s, 1, 0, 2, 1); },
         [](auto& e, Image32& t, auto& s) { e.TileBlit(t, 1, 0, 5, 2, s, 1, 0, 2, 1); }},
        {"blend", 3, 1, 3, 1, [](auto& e, HDC dc, HDC s, HBITMAP) { e.BlendPicture(dc, 0, 0, 3, 1, s, 0, 0, 50); },
         [](auto& e, Image32& t, auto& s) { e.BlendPicture(t, 0, 0, 3, 1, s, 0, 0, 50); }},
        {"soft shadow", 7, 7, 5, 5, [](auto& e, HDC dc, HDC, HBITMAP b) { e.DrawShadow(dc, 2, 2, 5, 5, b, true, 3, 3); },
         [](auto& e, Image32& t, auto& s) { e.DrawShadow(t, 2, 2, 5, 5, s, true, 3, 3); }},
        {"hard shadow", 6, 6, 5, 5, [](auto& e, HDC dc, HDC s, HBITMAP) { e.DrawShadow(dc, 1, 1, 5, 5, s, false, 0, 0); },
         [](auto& e, Image32& t, auto& s) { e.DrawShadow(t, 1, 1, 5, 5, s, false, 0, 0); }},
        // Taller than one band, the picture over a million pixels: read band by band.
        {"tall", 24, 700, 1500, 800,
         [](auto& e, HDC dc, HDC, HBITMAP b) {
             e.DrawBackground(dc, EffectSoftBump, RECT{0, 3, 24, 698}, C1, C2, C3, 12);
             e.DrawImage(dc, 2, 1, 18, 690, b, true, RGB(255, 0, 255), ImageStyleSoftShadow, true, 3, 4, 5, 7, 60);
         },
         [](auto& e, Image32& t, auto& s) {
             e.DrawBackground(t, EffectSoftBump, {0, 3, 24, 698}, C1, C2, C3, 12);
             e.DrawImage(t, 2, 1, 18, 690, s, true, RGB(255, 0, 255), ImageStyleSoftShadow, true, 3, 4, 5, 7, 60);
         }},
    };
    for (const auto& c : cases) {
        const Image32 source = Source(c.sourceWidth, c.sourceHeight);
        MemoryCanvas canvas(Image32(c.width, c.height, White)), sourceCanvas(source);
        OwnedBitmap sourceBitmap(BitmapFromImage(source));
        CGdiDrawEffects effects;
        SeedRandom(5);
        c.gdi(effects, canvas.Dc(), sourceCanvas.Dc(), sourceBitmap);
        Image32 expected(c.width, c.height, White);
        SeedRandom(5);
        c.portable(CDrawEffects(), expected, source);
        EXPECT_TRUE(canvas.Pixels().Pixels() == expected.Pixels()) << c.name;
        EXPECT_NE(Image32(c.width, c.height, White).Pixels(), expected.Pixels()) << c.name << " draws something";
    }
}

TEST(GdiEffects, PixelsClipsIconsAndSystemColours)
{
    EXPECT_EQ(CColorNames(CGdiSysColors()).Lookup("infobackground", 1), GetSysColor(COLOR_INFOBK));

    // Red in the lowest byte both ways; nothing outside the clip.
    Image32 image(3, 2, RGB(1, 2, 3));
    image.At(1, 0) = RGB(200, 10, 20);
    MemoryCanvas canvas(Image32(10, 10, White));
    ASSERT_TRUE(WriteDcPixels(canvas.Dc(), 1, 1, image));
    HRGN region = CreateRectRgn(0, 0, 2, 10);
    SelectClipRgn(canvas.Dc(), region);
    DeleteObject(region);
    CGdiDrawEffects().DrawBackground(canvas.Dc(), EffectSolid, RECT{-100000, -100000, 100000, 100000}, C1, C2, C3, 0);
    SelectClipRgn(canvas.Dc(), nullptr);
    Image32 back;
    ASSERT_TRUE(ReadDcPixels(canvas.Dc(), 1, 1, 4, 2, back));
    EXPECT_EQ((std::vector<uint32_t>{C1, RGB(200, 10, 20), RGB(1, 2, 3), White, C1, RGB(1, 2, 3), RGB(1, 2, 3), White}),
              back.Pixels());
    EXPECT_FALSE(ReadDcPixels(canvas.Dc(), 0, 0, MaxImageSide + 1, 1, back));

    // A 2 x 2 colour icon whose left column is clear.
    Image32 colours(2, 2, RGB(0, 200, 0)), andMask(2, 2, 0);
    for (int y = 0; y < 2; ++y) {
        andMask.At(0, y) = 0xFFFFFF;
        colours.At(0, y) = 0;
    }
    OwnedBitmap colourBitmap(BitmapFromImage(colours)), maskBitmap(BitmapFromImage(andMask));
    ICONINFO info{TRUE, 0, 0, maskBitmap, colourBitmap};
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    MemoryCanvas iconCanvas(Image32(3, 2, RGB(50, 60, 70)));
    CGdiDrawEffects().DrawIcon(iconCanvas.Dc(), 1, 0, 2, 2, icon, 0, false, 0, 0, 0, 0, 0);
    DestroyIcon(icon);
    const uint32_t grey = RGB(50, 60, 70), green = RGB(0, 200, 0);
    EXPECT_EQ((std::vector<uint32_t>{grey, grey, green, grey, grey, green}), iconCanvas.Pixels().Pixels());
}
