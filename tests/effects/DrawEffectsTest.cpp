// The drawing effects on small pictures: gradients, textures, tiles, blending, shadows, images.
#include "tooltip/DrawEffects.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const uint32_t White = 0xFFFFFF, Black = 0x000000;
const uint32_t Red = MakeColour(255, 0, 0);

// Hand values below use the generator's first numbers after SeedRandom(1):
// 41, 18467, 6334, 26500, ..., the 13th is 23281.

// A whole picture row by row, "/" between rows.
template <class Image, class Cell>
std::string Grid(const Image& image, Cell cell)
{
    std::string text;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            text += cell(x, y) + (x + 1 < image.Width() ? " " : y + 1 < image.Height() ? "/" : "");
    return text;
}

// Colours in hex, top row first.
std::string Rows(const Image32& image)
{
    char pixel[8];
    return Grid(image, [&](int x, int y) { return std::snprintf(pixel, 8, "%06X", image.At(x, y)), std::string(pixel); });
}

// Texture levels from the bottom row up (r = 0 first), as they are worked out.
std::string Levels(const Image8& t)
{
    return Grid(t, [&](int x, int r) { return std::to_string(t.At(x, t.Height() - 1 - r)); });
}

Image8 Texture(int effect, int width, int height, int granularity, uint32_t seed = 1)
{
    SeedRandom(seed);
    Image8 texture;
    EXPECT_TRUE(MakeTextureLevels(effect, width, height, granularity, texture));
    return texture;
}

// How many numbers the last operation drew, judged by the generator's next one.
int NumbersDrawnSince(uint32_t seed)
{
    const int next = DrawRandom();
    for (int count = 0; count < 100000; ++count)
        if (NextRandom(seed) == next)
            return count;
    return -1;
}

Image32 Background(int width, int height, int effect, PixelRect rect, uint32_t c1, uint32_t c2, uint32_t c3)
{
    Image32 image(width, height, White);
    CDrawEffects().DrawBackground(image, effect, rect, c1, c2, c3, 0);
    return image;
}

Image32 Shadow(Image32 image, int dx, int dy, int width, int height, const Image32& mask, bool soft, int bx, int by)
{
    EXPECT_TRUE(CDrawEffects().DrawShadow(image, dx, dy, width, height, mask, soft, bx, by));
    return image;
}

} // namespace

// ---- gradients ---------------------------------------------------------------

TEST(Gradients, LinesRunFromFirstToLastColourTruncated)
{
    const uint32_t c1 = MakeColour(10, 0, 0), c2 = MakeColour(0, 20, 0), c3 = MakeColour(0, 0, 30);
    const struct { int effect, width, height; PixelRect rect; std::string expected; } cases[] = {
        {EffectHGradient, 5, 1, {0, 0, 5, 1}, "00000A 070007 0F0005 160002 1E0000"},
        // One line: the first colour.
        {EffectVGradient, 1, 3, {0, 0, 1, 3}, "00000A/0F0005/1E0000"}, {EffectHGradient, 1, 1, {0, 0, 1, 1}, "00000A"},
        // Clipped without shifting: pixel 0 is line 2 of 5.
        {EffectHGradient, 3, 1, {-2, 0, 3, 1}, "0F0005 160002 1E0000"},
        // Centred: halves of 2 and 3; the middle colour meets on both.
        {EffectHCGradient, 5, 1, {0, 0, 5, 1}, "00000A 1E0000 1E0000 0F0005 00000A"},
        {EffectVCGradient, 1, 5, {0, 0, 1, 5}, "00000A/1E0000/1E0000/0F0005/00000A"},
        {Effect3HGradient, 4, 1, {0, 0, 4, 1}, "00000A 001400 001400 1E0000"},
        {Effect3VGradient, 1, 5, {0, 0, 1, 5}, "00000A/001400/001400/0F0A00/1E0000"},
        // Solid and unknown effects: colour 1 inside the rectangle only.
        {EffectSolid, 3, 2, {1, 1, 3, 9}, "FFFFFF FFFFFF FFFFFF/FFFFFF 00000A 00000A"},
        {-1, 2, 1, {1, 0, 2, 1}, "FFFFFF 00000A"}, {16, 2, 1, {0, 0, 1, 1}, "00000A FFFFFF"},
        {INT_MIN, 2, 1, {0, 0, 1, 1}, "00000A FFFFFF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Rows(Background(c.width, c.height, c.effect, c.rect, c1, c2, c3))) << c.effect;    // A line of one pixel is the first colour wherever it is asked for.
    EXPECT_EQ(c1, GradientColour(c1, c2, 1, 1));
}

// ---- textures ----------------------------------------------------------------

TEST(Textures, PaletteRunsFromColourThreeOverTwoToOneThenTints)
{
    const uint32_t c1 = MakeColour(200, 100, 0), c2 = MakeColour(100, 100, 100), c3 = MakeColour(0, 50, 200);
    const auto plain = MakeTexturePalette(c1, c2, c3, 0);
    EXPECT_EQ((std::vector<uint32_t>{c3, MakeColour(0, 50, 199), MakeColour(50, 75, 150), c2,
                                     MakeColour(150, 100, 50), MakeColour(199, 100, 0)}),
              (std::vector<uint32_t>{plain[0], plain[1], plain[64], plain[128], plain[192], plain[255]}));
    const auto tinted = MakeTexturePalette(c1, c2, c3, 5);
    EXPECT_EQ((std::vector<uint32_t>{MakeColour(10, 52, 190), MakeColour(105, 100, 95)}),
              (std::vector<uint32_t>{tinted[0], tinted[128]}));
    for (uint32_t entry : MakeTexturePalette(c1, c2, c3, 250)) // at most 100 per cent
        EXPECT_EQ(c1, entry);
}

// Levels from the bottom row up; one generator number per pixel and pass.
TEST(Textures, LevelsByHand)
{
    const struct { int effect, width, height, granularity, numbers; std::string expected; } cases[] = {
        // g = 10: D = 1638, grain = rand / 1638 - 10 for 41, 18467, 6334, 26500.
        {EffectNoise, 2, 2, 10, 4, "118 129/121 134"},
        // Granularity 0: the grain is 0 for every number below 32767.
        {EffectDiagShade, 4, 2, 0, 8, "127 95 63 31/190 158 126 94"},
        // g = 20: S = 107, D = 819; 20 + 107 + 0 + 41 / 819 - 20; 20 + 53 + 18467 / 819 - 20.
        {EffectDiagShade, 2, 1, 20, 2, "107 75"},
        {EffectHShade, 1, 4, 0, 4, "0/63/127/191"}, {EffectVShade, 4, 1, 0, 4, "255 191 127 63"},
        {EffectHBump, 1, 4, 0, 4, "3/112/128/144"},
        // g = 64 halves the bump: -125 * 64 / 128 = -62; grain 41 / 255 - 64.
        {EffectHBump, 1, 1, 64, 1, "2"},
        // x = 0 gives c(255) = 128, so 256, stored as 0; grain 41 / 255 - 64, 18467 / 255 - 64.
        {EffectVBump, 4, 1, 0, 4, "0 144 128 112"},
        {EffectVBump, 2, 1, 64, 2, "128 136"},
        // Limited before the grain: 272 to 255, -13 to 0.
        {EffectSoftBump, 4, 4, 0, 16, "131 19 3 0/240 128 112 96/255 144 128 112/255 160 144 128"},
        // 12 x 2: k = 2, H*H/4 = 1; e = 6 on row 0, 4 on row 1.
        {EffectHardBump, 12, 2, 0, 48,
         "3 3 3 3 3 3 3 3 3 3 3 3/255 191 128 128 128 128 128 128 128 128 128 64"},
        // Too narrow (k = 0) or one row (H*H/4 = 0): the bevels are left out.
        {EffectHardBump, 5, 2, 0, 10, "3 3 3 3 3/128 128 128 128 128"}, {EffectHardBump, 3, 1, 0, 3, "3 3 3"},
        // min(W, H) = 1 makes every streak empty: 200 x 4 numbers, then the
        // shading, S = 107 for g = 0.
        {EffectMetal, 4, 1, 0, 804, "107 80 53 26"},
        // g = 100: the bump shrinks to 28/128, is limited to 100..155, then gets the grain (D = 163).
        {EffectSoftBump, 4, 4, 100, 16, "28 118 39 162/169 124 95 201/220 181 63 197/197 138 92 31"},
    };
    for (const auto& c : cases) {
        const std::string levels = Levels(Texture(c.effect, c.width, c.height, c.granularity));
        EXPECT_EQ(c.expected + " after " + std::to_string(c.numbers), levels + " after " + std::to_string(NumbersDrawnSince(1)));
    }
}

TEST(Textures, MetalStreaksRunDiagonallyAndMirrorAcrossTheWidth)
{
    // Streak i sets (x0 - i, y0 + i) and its mirror (W - x0 + i, y0 - i),
    // rows counted from the bottom, then the shading is added. Checked against
    // the rule worked through separately; a streak mirrored the other way
    // changes several of these levels.
    EXPECT_EQ("107 119 102 69 71 19/124 137 89 106 53 38/142 129 138 118 102 57/160 146 138 138 102 95/"
              "178 198 171 154 135 126/196 216 197 179 162 144",
              Levels(Texture(EffectMetal, 6, 6, 0, 5)));
    // Streaks reach the far edges and past the right edge on many seeds; nothing is written there.
    for (uint32_t seed = 1; seed <= 40; ++seed)
        for (auto size : {std::pair<int, int>{100, 100}, {3, 3}, {2, 50}, {50, 2}, {1, 1}})
            ASSERT_EQ(Texture(EffectMetal, size.first, size.second, 0, seed).Levels(),
                      Texture(EffectMetal, size.first, size.second, 0, seed).Levels())
                << seed;
}

TEST(Textures, AreDrawnThroughThePaletteBottomRowLastAndSafelyAtAnySize)
{
    const uint32_t c1 = MakeColour(255, 0, 0), c2 = MakeColour(0, 255, 0), c3 = MakeColour(0, 0, 255);
    const auto palette = MakeTexturePalette(c1, c2, c3, TextureTint);
    const Image32 drawn = Background(4, 4, EffectHShade, {1, 1, 3, 3}, c1, c2, c3);
    // r = 0 at y = 2; r = 1 at y = 1 is level 255 / 2.
    Image32 expected(4, 4, White);
    expected.FillRect({1, 1, 3, 2}, palette[127]);
    expected.FillRect({1, 2, 3, 3}, palette[0]);
    EXPECT_EQ(Rows(expected), Rows(drawn));

    for (int effect = EffectNoise; effect <= EffectMetal; ++effect) {
        // An empty rectangle draws nothing and draws no numbers; one pixel,
        // one column, one row: every divisor is 1 or skipped; too large to
        // make: the colour alone, only where the image is.
        Image32 image(2, 2, White);
        SeedRandom(3);
        for (PixelRect empty : {PixelRect{1, 1, 1, 5}, PixelRect{1, 1, 5, 1}, PixelRect{5, 5, 1, 1}})
            CDrawEffects().DrawBackground(image, effect, empty, Black, Black, Black, 10);
        EXPECT_EQ("FFFFFF FFFFFF/FFFFFF FFFFFF after 0", Rows(image) + " after " + std::to_string(NumbersDrawnSince(3)));
        for (PixelRect tiny : {PixelRect{0, 0, 1, 1}, PixelRect{1, 0, 2, 8}, PixelRect{0, 1, 8, 2}})
            CDrawEffects().DrawBackground(image, effect, tiny, 0x0A0B0C, 0x0A0B0C, 0x0A0B0C, 255);
        EXPECT_EQ("0A0B0C 0A0B0C/0A0B0C 0A0B0C", Rows(image)) << effect;
        image = Background(2, 2, effect, {-100000, -100000, 100000, 100000}, 0x123456, Black, Black);
        EXPECT_EQ("123456 123456/123456 123456", Rows(image)) << effect;
    }
    Image8 none;
    EXPECT_FALSE(MakeTextureLevels(EffectSolid, 4, 4, 0, none));
    EXPECT_FALSE(MakeTextureLevels(EffectNoise, 0, 4, 0, none));
}

// ---- tiles and blending ------------------------------------------------------

TEST(TileBlit, CoversTheAreaAndCutsTheLastCopies)
{
    Image32 source(3, 3);
    for (int i = 0; i < 9; ++i)
        source.Pixels()[i] = i + 1; // 1 2 3 / 4 5 6 / 7 8 9
    const auto tiled = [&](int x, int y, int w, int h, int sx, int sy, int tw, int th) {
        Image32 image(5, 3, 0);
        CDrawEffects().TileBlit(image, x, y, w, h, source, sx, sy, tw, th);
        return Grid(image, [&](int px, int py) { return std::to_string(image.At(px, py)); });
    };
    // A block that runs off the source's edge copies only what is there.
    EXPECT_EQ("0 0 0 0 0/0 5 6 5 0/0 8 9 8 0 | 1 2 1 2 1/4 5 4 5 4/1 2 1 2 1 | 6 0 6 0 6/9 0 9 0 9/0 0 0 0 0",
              tiled(1, 1, 3, 5, 1, 1, 2, 2) + " | " + tiled(0, 0, 5, 3, 0, 0, 2, 2) + " | " +
                  tiled(0, 0, 5, 3, 2, 1, 2, 3));
    // Empty areas and blocks draw nothing (the third ends at -1); a huge area only what is seen.
    const std::string untouched = "0 0 0 0 0/0 0 0 0 0/0 0 0 0 0";
    EXPECT_EQ(untouched + untouched + untouched + untouched,
              tiled(0, 0, 0, 4, 0, 0, 1, 1) + tiled(0, 0, 4, 4, 0, 0, 0, 1) + tiled(0, 0, 4, 4, 0, 0, 1, -1) +
                  tiled(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, 1, 1, 1));
    EXPECT_EQ("5 5 5 5 5/5 5 5 5 5/5 5 5 5 5", tiled(-1000000000, -1000000000, INT_MAX, INT_MAX, 1, 1, 1, 1));
}

TEST(BlendPicture, CopiesAtFullOpacityMixesBelowAndSkipsNone)
{
    Image32 source(2, 3, MakeColour(1, 2, 3));
    source.At(0, 0) = MakeColour(200, 255, 0);
    const uint32_t below = MakeColour(100, 0, 255);
    const struct { int opacity; uint32_t below, expected; } cases[] = {
        {100, below, source.At(0, 0)}, {150, below, source.At(0, 0)}, {50, below, MakeColour(150, 127, 127)},
        {33, Black, MakeColour(66, 84, 0)}, {0, 0x123456, 0x123456}, {-20, 0x123456, 0x123456}};
    for (const auto& c : cases) {
        Image32 image(1, 1, c.below);
        CDrawEffects().BlendPicture(image, 0, 0, 1, 1, source, 0, 0, c.opacity);
        EXPECT_EQ(c.expected, image.At(0, 0)) << c.opacity;
    }
    // Only the area, from the source offset; pixels without a source stay.
    Image32 shifted(3, 3, White);
    CDrawEffects().BlendPicture(shifted, 0, 0, 3, 2, source, 1, 0, 100);
    EXPECT_EQ("030201 FFFFFF FFFFFF/030201 FFFFFF FFFFFF/FFFFFF FFFFFF FFFFFF", Rows(shifted));
}

// ---- shadows -----------------------------------------------------------------

TEST(DrawShadow, PlainShadowScalesByTheMaskLevel)
{
    Image32 mask(2, 2, White);
    mask.At(0, 0) = 0x808080;
    mask.At(1, 0) = Black;
    const uint32_t colour = MakeColour(200, 100, 50);
    // x 128 / 255, truncated; beyond the mask counts white.
    EXPECT_EQ("3264C8 3264C8 3264C8 3264C8/3264C8 193264 000000 3264C8/3264C8 3264C8 3264C8 3264C8",
              Rows(Shadow(Image32(4, 3, colour), 1, 1, 3, 3, mask, false, 7, 7)));
}

TEST(DrawShadow, SoftShadowIsTheBoxMeanOfTheShrunkMask)
{
    // Blur 1 x 4 (made 5) on 3 x 7 at y = 1: the mask shrinks to columns
    // 0..1, rows 2..3; each pixel's box is 5 rows high (outside counts
    // white): 4/5, 3/5 (x4), 4/5, 5/5 white.
    EXPECT_EQ("FFFFFF FFFFFF FFFFFF/CCCCCC CCCCCC FFFFFF/999999 999999 FFFFFF/999999 999999 FFFFFF/"
              "999999 999999 FFFFFF/999999 999999 FFFFFF/CCCCCC CCCCCC FFFFFF/FFFFFF FFFFFF FFFFFF",
              Rows(Shadow(Image32(3, 8, White), 0, 1, 3, 7, Image32(5, 5, Black), true, 1, 4)));

    // Levels along x: 0, 255, 0, 255, 0, 255, 0; shrunk to 4 from 7 it
    // takes 0, 1, 3, 5 and sits at x = 1: 255, 0, 255, 255, 255, 255, 255.
    // Blur 1 x 3 rows: the rows shrink from 3 to 2 and sit at y = 0.
    Image32 stripes(7, 3, White);
    for (int x = 0; x < 7; x += 2)
        stripes.FillRect({x, 0, x + 1, 3}, Black);
    const uint32_t colour = MakeColour(255, 30, 9);
    EXPECT_EQ("0614AA 0614AA 0614AA 091EFF 091EFF 091EFF 091EFF/0614AA 0614AA 0614AA 091EFF 091EFF 091EFF 091EFF/"
              "091EFF 091EFF 091EFF 091EFF 091EFF 091EFF 091EFF",
              Rows(Shadow(Image32(7, 3, colour), 0, 0, 7, 3, stripes, true, 3, 1)));

    // Cut by the target's left edge, the shadow keeps its values: those of the
    // whole shadow two columns further right, and nothing right of its area.
    const Image32 black(7, 3, Black);
    const Image32 whole = Shadow(Image32(9, 1, colour), 0, 0, 7, 3, black, true, 3, 1);
    const Image32 cut = Shadow(Image32(7, 1, colour), -2, 0, 7, 3, black, true, 3, 1);
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(whole.At(x + 2, 0), cut.At(x, 0)) << x;
}

TEST(DrawShadow, TallShadowsAreSoftenedAlikeAcrossRowBands)
{
    // A black mask 10 x 400 with blur 3 shrinks to rows 1..397; the rows
    // where one stretch of work meets the next must be as black as the rest.
    // The target cuts the area at x = 8, but x = 6 still sees the mask.
    const Image32 image = Shadow(Image32(8, 400, White), 0, 0, 10, 400, Image32(10, 400, Black), true, 3, 3);
    std::vector<uint32_t> column;
    for (int y : {0, 1, 2, 127, 128, 255, 256, 397, 398, 399})
        column.push_back(image.At(6, y));
    EXPECT_EQ((std::vector<uint32_t>{0xAAAAAA, 0x555555, 0, 0, 0, 0, 0, 0x555555, 0xAAAAAA, White}), column);
}

TEST(DrawShadow, DegenerateSizesAndBlurs)
{
    const Image32 mask(10, 10, Black);
    Image32 image(10, 10, White);
    // A blur as large as the area shrinks the mask to nothing: no shadow.
    for (std::array<int, 6> c : {std::array<int, 6>{0, 0, 10, 10, 11, 3}, {0, 0, 10, 10, 3, 11}, {0, 0, 10, 10, INT_MAX, INT_MAX},
                                 {0, 0, 0, 10, 1, 1}, {0, 0, -5, 10, 1, 1}, {INT_MAX, INT_MIN, 10, 10, 3, 3}})
        image = Shadow(image, c[0], c[1], c[2], c[3], mask, true, c[4], c[5]);
    // An area too large to work on is refused, not allocated.
    EXPECT_FALSE(CDrawEffects().DrawShadow(image, 0, 0, INT_MAX, INT_MAX, mask, true, 3, 3));
    EXPECT_EQ(Rows(Image32(10, 10, White)), Rows(image));
    // Blurs of 0 and below count as 1: the mask shrinks by one pixel.
    const std::string one = Rows(Shadow(Image32(3, 3, White), 0, 0, 3, 3, mask, true, 1, 1));
    EXPECT_EQ("000000 000000 FFFFFF/000000 000000 FFFFFF/FFFFFF FFFFFF FFFFFF", one);
    EXPECT_EQ(one, Rows(Shadow(Image32(3, 3, White), 0, 0, 3, 3, mask, true, 0, -4)));
}

// ---- images ------------------------------------------------------------------

TEST(DrawImage, StyleBitsInOrderGreyDarkerLighter)
{
    const struct { uint32_t colour; int style; uint32_t expected; } cases[] = {
        {Red, ImageStyleGrey, MakeColour(76, 76, 76)}, {MakeColour(10, 20, 30), ImageStyleGrey, MakeColour(18, 18, 18)},
        {MakeColour(0, 240, 0), ImageStyleGrey, MakeColour(140, 140, 140)}, // 140.88, truncated
        {MakeColour(255, 3, 100), ImageStyleDarker, MakeColour(191, 2, 75)},
        {MakeColour(240, 3, 100), ImageStyleLighter, MakeColour(255, 3, 125)},
        {Red, ImageStyleGrey | ImageStyleDarker, MakeColour(57, 57, 57)},
        {Red, ImageStyleGrey | ImageStyleLighter, MakeColour(95, 95, 95)},
        {Red, ImageStyleDarker | ImageStyleLighter, MakeColour(238, 0, 0)}, {Red, 0x1000 | ImageStyleSoftShadow, Red},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ApplyImageStyle(c.colour, c.style)) << std::hex << c.colour << " " << c.style;
}

TEST(DrawImage, TheMaskColourKeepsTheTargetWithoutOneEveryPixelIsDrawn)
{
    Image32 bitmap(2, 1, MakeColour(0, 0, 255));
    bitmap.At(0, 0) = MakeColour(255, 0, 255);
    std::string drawn;
    for (bool hasMask : {true, false}) {
        Image32 image(2, 1, MakeColour(1, 2, 3));
        CDrawEffects().DrawImage(image, 0, 0, 2, 1, bitmap, hasMask, bitmap.At(0, 0), 0, false, 0, 0, 0, 0, 0);
        drawn += Rows(image) + " ";
    }
    EXPECT_EQ("030201 FF0000 FF00FF FF0000 ", drawn);
}

TEST(DrawImage, ShadowsAndTheMovedPicture)
{
    // A red picture whose right column is clear (magenta): it is stretched,
    // its clear pixels keep the target, and no shadow falls from them.
    Image32 bitmap(2, 1, Red);
    bitmap.At(1, 0) = 0xFF00FF;
    const auto draw = [&](int size, int w, int style, bool shadowOn, int dx, int dy, int blur, int darkness) {
        Image32 image(size, size, White);
        CDrawEffects().DrawImage(image, 0, 0, w, w, bitmap, true, 0xFF00FF, style, shadowOn, dx, dy, blur, blur,
                                 darkness);
        return Rows(image);
    };
    // Hard shadow, darkness 50: grey 128 under the opaque pixels.
    EXPECT_EQ("0000FF FFFFFF FFFFFF FFFFFF/0000FF 808080 FFFFFF FFFFFF/FFFFFF 808080 FFFFFF FFFFFF/"
              "FFFFFF FFFFFF FFFFFF FFFFFF",
              draw(4, 2, ImageStyleHardShadow, true, 1, 1, 3, 50));
    // Darkness 0 and below: a shadow that darkens nothing.
    for (int darkness : {0, -20})
        EXPECT_EQ(draw(3, 1, 0, false, 0, 0, 0, 0), draw(3, 1, ImageStyleHardShadow, true, 1, 1, 3, darkness));
    // Soft shadow: the 4 x 4 area shrinks to one pixel, which lands at (2, 2); 8 of 9 white around it.
    EXPECT_EQ("0000FF 0000FF FFFFFF FFFFFF FFFFFF/0000FF 0000FF E2E2E2 E2E2E2 FFFFFF/"
              "0000FF 0000FF E2E2E2 E2E2E2 FFFFFF/0000FF 0000FF E2E2E2 E2E2E2 FFFFFF/FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF",
              draw(5, 4, ImageStyleSoftShadow, true, 1, 1, 3, 100));
    // Shadow on, but no shadow bit: the picture itself moves.
    EXPECT_EQ("FFFFFF FFFFFF FFFFFF/FFFFFF FFFFFF 4C4C4C/FFFFFF FFFFFF FFFFFF", draw(3, 1, ImageStyleGrey, true, 2, 1, 0, 50));
    // Shadow bits without shadowOn draw no shadow.
    EXPECT_EQ(draw(3, 1, 0, false, 0, 0, 0, 0), draw(3, 1, ImageStyleHardShadow, false, 1, 1, 0, 50));
}

TEST(DrawImage, BandsFromTheRowsTheyNeedDrawAsTheWholePicture)
{
    // Bands of 7 target rows, each drawn from only the bitmap rows that
    // ImageRowsNeeded names, give the picture drawn at once.
    uint32_t state = 3;
    auto next = [&state](int n) { return NextRandom(state) % n; };
    const int styles[] = {0, ImageStyleGrey, ImageStyleHardShadow, ImageStyleSoftShadow, ImageStyleSoftShadow | 2};
    for (int round = 0; round < 300; ++round) {
        Image32 bitmap(1 + next(6), 1 + next(40));
        for (uint32_t& pixel : bitmap.Pixels())
            pixel = next(3) == 0 ? 0xFF00FF : MakeColour(next(256), next(256), next(256));
        const int y = next(20) - 8, width = 1 + next(12), height = next(60) - 2, style = styles[next(5)];
        const bool shadowOn = next(4) != 0;
        const int shadowX = next(9) - 4, shadowY = next(13) - 6, blurX = next(8), blurY = next(12);
        Image32 whole(16, 49, 0x102030);
        CDrawEffects().DrawImage(whole, 1, y, width, height, bitmap, true, 0xFF00FF, style, shadowOn, shadowX,
                                 shadowY, blurX, blurY, 40);
        for (int top = 0; top < 49; top += 7) {
            const RowSpan rows = ImageRowsNeeded(top, top + 7, y, height, bitmap.Height(), style, shadowOn, shadowY, blurY);
            Image32 part(bitmap.Width(), std::max(0, rows.end - rows.first)), band(16, 7, 0x102030);
            std::copy_n(bitmap.Pixels().begin() + rows.first * bitmap.Width(), part.Pixels().size(), part.Pixels().begin());
            CDrawEffects().DrawImageRows(band, 1, y - top, width, height, part, rows.first, bitmap.Height(), true,
                                         0xFF00FF, style, shadowOn, shadowX, shadowY, blurX, blurY, 40);
            ASSERT_TRUE(std::equal(band.Pixels().begin(), band.Pixels().end(), whole.Pixels().begin() + top * 16))
                << "round " << round << ", band at " << top;
        }
    }
}

TEST(DrawImage, EmptySizesDrawNothing)
{
    Image32 image(2, 2, White);
    for (auto size : {std::pair<int, int>{0, 3}, {3, 0}, {-3, 3}, {INT_MAX, INT_MAX}})
        CDrawEffects().DrawImage(image, 0, 0, size.first, size.second, Image32(2, 2), false, 0, 0, false, 0, 0, 0, 0, 0);
    CDrawEffects().DrawImage(image, 0, 0, 3, 3, Image32(), false, 0, 0, false, 0, 0, 0, 0, 0);
    CDrawEffects().DrawImage(image, 0, 0, 3, 3, Image32(), Image8(), 0, false, 0, 0, 0, 0, 0);
    EXPECT_EQ("FFFFFF FFFFFF/FFFFFF FFFFFF", Rows(image));
}
