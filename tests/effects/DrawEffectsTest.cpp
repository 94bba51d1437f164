#include "tooltip/DrawEffects.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

const uint32_t White = 0xFFFFFF;
const uint32_t Black = 0x000000;

// Hand values below use the generator's first numbers after SeedRandom(1):
// 41, 18467, 6334, 26500, ..., the 13th is 23281.

struct Px
{
    int x, y;
    uint32_t colour;
};

void ExpectPixels(const Image32& image, std::initializer_list<Px> pixels, int tag = 0)
{
    for (const Px& p : pixels)
        EXPECT_EQ(image.At(p.x, p.y), p.colour) << p.x << "," << p.y << " (" << tag << ")";
}

void ExpectAll(const Image32& image, uint32_t colour, int tag = 0)
{
    for (uint32_t pixel : image.Pixels())
        ASSERT_EQ(pixel, colour) << tag;
}

// Texture levels as drawn: rows counted from the bottom.
int Level(const Image8& texture, int x, int r)
{
    return texture.At(x, texture.Height() - 1 - r);
}

void ExpectRow(const Image8& texture, int r, std::vector<int> levels)
{
    for (int x = 0; x < int(levels.size()); ++x)
        EXPECT_EQ(Level(texture, x, r), levels[x]) << x << "," << r;
}

void ExpectColumn(const Image8& texture, int x, std::vector<int> levels)
{
    for (int r = 0; r < int(levels.size()); ++r)
        EXPECT_EQ(Level(texture, x, r), levels[r]) << x << "," << r;
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
    uint32_t state = seed;
    for (int count = 0; count < 100000; ++count)
        if (NextRandom(state) == next)
            return count;
    return -1;
}

Image32 Background(int width, int height, int effect, PixelRect rect, uint32_t c1, uint32_t c2, uint32_t c3,
                   uint32_t fill = White)
{
    Image32 image(width, height, fill);
    CDrawEffects().DrawBackground(image, effect, rect, c1, c2, c3, 0);
    return image;
}

} // namespace

// ---- gradients ---------------------------------------------------------------

TEST(Gradients, LinesRunFromFirstToLastColourTruncated)
{
    EXPECT_EQ(GradientColour(Black, White, 0, 3), Black);
    EXPECT_EQ(GradientColour(Black, White, 1, 3), 0x7F7F7Fu);
    EXPECT_EQ(GradientColour(Black, White, 2, 3), White);
    EXPECT_EQ(GradientColour(White, Black, 1, 3), 0x7F7F7Fu);
    EXPECT_EQ(GradientColour(0x123456, White, 0, 1), 0x123456u); // one line: the first colour
    EXPECT_EQ(GradientColour(0x123456, White, 0, 0), 0x123456u);

    const uint32_t end = MakeColour(100, 200, 40);
    ExpectPixels(Background(5, 2, EffectHGradient, {0, 0, 5, 2}, Black, White, end),
                 {{0, 1, Black}, {1, 1, MakeColour(25, 50, 10)}, {2, 0, MakeColour(50, 100, 20)},
                  {3, 0, MakeColour(75, 150, 30)}, {4, 0, end}});
    ExpectPixels(Background(1, 3, EffectVGradient, {0, 0, 1, 3}, Black, White, end),
                 {{0, 0, Black}, {0, 1, MakeColour(50, 100, 20)}, {0, 2, end}});
}

TEST(Gradients, CentredGradientOn101PixelsSplits50And51)
{
    const uint32_t red = MakeColour(255, 0, 0);
    // 49: end of the first gradient, 50 pixels; 50: start of the second, 51 pixels.
    ExpectPixels(Background(101, 1, EffectHCGradient, {0, 0, 101, 1}, Black, White, red, 0x010203),
                 {{0, 0, Black}, {25, 0, MakeColour(255 * 25 / 49, 0, 0)}, {49, 0, red}, {50, 0, red},
                  {75, 0, MakeColour(255 * 25 / 50, 0, 0)}, {100, 0, Black}});
    // Upper half 2 rows, lower half 3.
    ExpectPixels(Background(1, 5, EffectVCGradient, {0, 0, 1, 5}, Black, White, red),
                 {{0, 0, Black}, {0, 1, red}, {0, 2, red}, {0, 3, MakeColour(127, 0, 0)}, {0, 4, Black}});
}

TEST(Gradients, ThreeColoursMeetInTheMiddle)
{
    const uint32_t c1 = MakeColour(10, 0, 0), c2 = MakeColour(0, 20, 0), c3 = MakeColour(0, 0, 30);
    ExpectPixels(Background(4, 1, Effect3HGradient, {0, 0, 4, 1}, c1, c2, c3),
                 {{0, 0, c1}, {1, 0, c2}, {2, 0, c2}, {3, 0, c3}});
    ExpectPixels(Background(1, 5, Effect3VGradient, {0, 0, 1, 5}, c1, c2, c3),
                 {{0, 0, c1}, {0, 1, c2}, {0, 2, c2}, {0, 3, MakeColour(0, 10, 15)}, {0, 4, c3}});
}

TEST(Gradients, SolidAndUnknownEffectsFillWithColourOneInsideTheRectangle)
{
    for (int effect : {0, -1, 16, 99, -7, INT_MIN})
        ExpectPixels(Background(4, 4, effect, {1, 1, 3, 9}, 0x112233, Black, Black),
                     {{0, 0, White}, {1, 1, 0x112233u}, {2, 3, 0x112233u}, {3, 1, White}}, effect);
}

TEST(Gradients, AreClippedWithoutShiftingTheGradient)
{
    // Pixel 0 is line 2 of 5.
    ExpectPixels(Background(3, 1, EffectHGradient, {-2, 0, 3, 1}, Black, Black, MakeColour(0, 0, 200)),
                 {{0, 0, MakeColour(0, 0, 100)}, {2, 0, MakeColour(0, 0, 200)}});
}

// ---- textures ----------------------------------------------------------------

TEST(Textures, PaletteRunsFromColourThreeOverTwoToOneThenTints)
{
    const uint32_t c1 = MakeColour(200, 100, 0), c2 = MakeColour(100, 100, 100), c3 = MakeColour(0, 50, 200);
    const auto plain = MakeTexturePalette(c1, c2, c3, 0);
    const std::pair<int, uint32_t> plainCases[] = {{0, c3}, {1, MakeColour(0, 50, 199)} /* 199.2 truncated */,
                                                   {64, MakeColour(50, 75, 150)}, {128, c2},
                                                   {192, MakeColour(150, 100, 50)}, {255, MakeColour(199, 100, 0)}};
    for (const auto& c : plainCases)
        EXPECT_EQ(plain[c.first], c.second) << c.first;

    const auto tinted = MakeTexturePalette(c1, c2, c3, 5);
    EXPECT_EQ(tinted[0], MakeColour(10, 52, 190));
    EXPECT_EQ(tinted[128], MakeColour(105, 100, 95));

    for (uint32_t entry : MakeTexturePalette(c1, c2, c3, 250)) // at most 100 per cent
        EXPECT_EQ(entry, c1);
}

TEST(Textures, NoiseDrawsGrainPerPixelFromTheBottomRow)
{
    // g = 10: D = 1638, N = rand / 1638 - 10 for 41, 18467, 6334, 26500.
    const Image8 texture = Texture(EffectNoise, 2, 2, 10);
    ExpectRow(texture, 0, {118, 129});
    ExpectRow(texture, 1, {121, 134});
    EXPECT_EQ(texture.At(0, 1), 118); // bottom row is the image's last
    EXPECT_EQ(NumbersDrawnSince(1), 4);
}

TEST(Textures, ShadesByHand)
{
    // Granularity 0: the grain is 0 for every number below 32767.
    const Image8 diag = Texture(EffectDiagShade, 4, 2, 0);
    ExpectRow(diag, 0, {127, 95, 63, 31});
    ExpectRow(diag, 1, {190, 158, 126, 94});
    ExpectColumn(Texture(EffectHShade, 2, 4, 0), 1, {0, 63, 127, 191});
    ExpectRow(Texture(EffectVShade, 4, 1, 0), 0, {255, 191, 127, 63});

    // g = 20: S = 107, D = 819; first grain 41 / 819 - 20 = -20;
    // second pixel: 20 + 107 * 1 / 2 + 0 + 18467 / 819 - 20 = 75.
    ExpectRow(Texture(EffectDiagShade, 2, 2, 20), 0, {20 + 107 + 0 - 20, 75});
}

TEST(Textures, BumpsByHandWrapModulo256)
{
    ExpectColumn(Texture(EffectHBump, 1, 4, 0), 0, {3, 112, 128, 144});
    // x = 0 gives c(255) = 128, so 256, stored as 0.
    ExpectRow(Texture(EffectVBump, 4, 1, 0), 0, {0, 144, 128, 112});
    // g = 64 halves the bump: -125 * 64 / 128 = -62; grain 41 / 255 - 64.
    EXPECT_EQ(Level(Texture(EffectHBump, 1, 4, 64), 0, 0), -62 + 128 - 64);
}

TEST(Textures, SoftBumpIsLimitedBeforeTheGrain)
{
    const Image8 soft = Texture(EffectSoftBump, 4, 4, 0);
    EXPECT_EQ(Level(soft, 0, 0), 128 - 125 + 128);
    EXPECT_EQ(Level(soft, 0, 3), 255); // 272 limited
    EXPECT_EQ(Level(soft, 2, 2), 128);
    EXPECT_EQ(Level(soft, 3, 0), 0); // -13 limited
    // g = 100: the bump shrinks to 28/128, is limited to 100..155, then
    // gets the grain (D = 163) of the 13th number, 23281.
    const Image8 narrow = Texture(EffectSoftBump, 4, 4, 100);
    EXPECT_EQ(Level(narrow, 0, 0), 128 + 41 / 163 - 100);
    EXPECT_EQ(Level(narrow, 0, 3), 155 + 23281 / 163 - 100); // 159 limited
}

TEST(Textures, HardBumpBevelsTheSides)
{
    // 12 x 4: k = 2, H*H/4 = 4; e = 6 on row 0, 4 on rows 1..3.
    const Image8 hard = Texture(EffectHardBump, 12, 4, 0);
    ExpectRow(hard, 0, std::vector<int>(12, 3));
    ExpectRow(hard, 1, {255, 191, 112, 112, 112, 112, 112, 112, 112, 112, 112, 64});
    EXPECT_EQ(Level(hard, 11, 3), 64);
    EXPECT_EQ(Level(hard, 5, 3), 144);
    EXPECT_EQ(NumbersDrawnSince(1), 2 * 12 * 4);
}

TEST(Textures, HardBumpTooNarrowOrLowKeepsTheFirstPass)
{
    // k = 5 / 6 = 0 would divide by zero; the bevel pass is skipped.
    const Image8 narrow = Texture(EffectHardBump, 5, 4, 0);
    EXPECT_EQ(NumbersDrawnSince(1), 5 * 4);
    for (int x = 0; x < 5; ++x)
        ExpectColumn(narrow, x, {3, 112, 128, 144});
    // H * H / 4 = 0 for one row.
    Texture(EffectHardBump, 12, 1, 0);
    EXPECT_EQ(NumbersDrawnSince(1), 12);
}

TEST(Textures, MetalShadingWithoutStreaks)
{
    // min(W, H) = 1 makes every streak empty; 200 x 4 numbers, then one
    // per pixel. S = 107 for g = 0.
    ExpectRow(Texture(EffectMetal, 4, 1, 0), 0, {107, 80, 53, 26});
    EXPECT_EQ(NumbersDrawnSince(1), 800 + 4);
}

TEST(Textures, MetalStreaksStayInsideAndRepeatWithTheSeed)
{
    // Streak starts fall on the far edges and mirrored streaks run past
    // the right edge on most of these seeds; nothing may be written there.
    for (uint32_t seed = 1; seed <= 40; ++seed)
        for (auto size : {std::pair<int, int>{100, 100}, {3, 3}, {2, 50}, {50, 2}, {1, 1}})
            ASSERT_EQ(Texture(EffectMetal, size.first, size.second, 0, seed).Levels(),
                      Texture(EffectMetal, size.first, size.second, 0, seed).Levels())
                << seed;
    // With streaks, some pixel differs from the plain shading.
    const Image8 streaked = Texture(EffectMetal, 100, 100, 0, 7);
    int differing = 0;
    for (int r = 0; r < 100; ++r)
        for (int x = 0; x < 100; ++x)
            differing += Level(streaked, x, r) != uint8_t(107 * (100 - x) / 100 + r * 107 / 100);
    EXPECT_GT(differing, 0);
}

TEST(Textures, AreDrawnThroughThePaletteBottomRowLast)
{
    const uint32_t c1 = MakeColour(255, 0, 0), c2 = MakeColour(0, 255, 0), c3 = MakeColour(0, 0, 255);
    SeedRandom(1);
    const auto palette = MakeTexturePalette(c1, c2, c3, TextureTint);
    // r = 0 at y = 2; r = 1 at y = 1 is level 255 / 2.
    ExpectPixels(Background(6, 4, EffectHShade, {1, 1, 3, 3}, c1, c2, c3),
                 {{1, 2, palette[0]}, {2, 1, palette[127]}, {0, 0, White}, {3, 1, White}, {1, 3, White}});
}

TEST(Textures, DegenerateSizesAreSafe)
{
    CDrawEffects effects;
    for (int effect = EffectNoise; effect <= EffectMetal; ++effect)
    {
        // An empty rectangle draws nothing and draws no numbers.
        for (PixelRect empty : {PixelRect{2, 2, 2, 5}, PixelRect{2, 2, 5, 2}, PixelRect{5, 5, 1, 1}})
        {
            Image32 image(8, 8, White);
            SeedRandom(3);
            effects.DrawBackground(image, effect, empty, Black, Black, Black, 10);
            EXPECT_EQ(NumbersDrawnSince(3), 0) << effect;
            ExpectAll(image, White, effect);
        }
        // One pixel, one column, one row: every divisor is 1 or skipped.
        for (PixelRect tiny : {PixelRect{0, 0, 1, 1}, PixelRect{0, 0, 1, 8}, PixelRect{0, 0, 8, 1}})
        {
            Image32 image(8, 8, White);
            effects.DrawBackground(image, effect, tiny, Black, Black, Black, 255);
            EXPECT_EQ(image.At(0, 0), Black) << effect;
        }
        // Too large to make: the colour alone, only where the image is.
        Image32 image(4, 4, White);
        effects.DrawBackground(image, effect, {-100000, -100000, 100000, 100000}, 0x0A0B0C, Black, Black, 3);
        ExpectAll(image, 0x0A0B0Cu, effect);
    }
    Image8 none;
    EXPECT_FALSE(MakeTextureLevels(EffectSolid, 4, 4, 0, none));
    EXPECT_FALSE(MakeTextureLevels(EffectNoise, 0, 4, 0, none));
}

// ---- tiles and blending ------------------------------------------------------

TEST(TileBlit, CoversTheAreaAndCutsTheLastCopies)
{
    Image32 source(3, 3, 0xEE);
    source.At(1, 1) = 1;
    source.At(2, 1) = 2;
    source.At(1, 2) = 3;
    source.At(2, 2) = 4;
    CDrawEffects effects;
    Image32 image(8, 5, White);
    effects.TileBlit(image, 1, 1, 5, 3, source, 1, 1, 2, 2);
    const uint32_t expected[3][5] = {{1, 2, 1, 2, 1}, {3, 4, 3, 4, 3}, {1, 2, 1, 2, 1}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image.At(1 + x, 1 + y), expected[y][x]) << x << "," << y;
    ExpectPixels(image, {{6, 1, White}, {1, 4, White}, {0, 0, White}});
    // A block that runs off the source's right edge copies only what is there.
    Image32 partial(2, 1, White);
    effects.TileBlit(partial, 0, 0, 2, 1, source, 2, 1, 2, 1);
    ExpectPixels(partial, {{0, 0, 2u}, {1, 0, White}});

    // Empty areas and blocks draw nothing; a huge area only what is seen.
    Image32 untouched(4, 4, White);
    effects.TileBlit(untouched, 0, 0, 0, 4, source, 0, 0, 1, 1);
    effects.TileBlit(untouched, 0, 0, 4, 4, source, 0, 0, 0, 1);
    effects.TileBlit(untouched, 0, 0, 4, 4, source, 0, 0, 1, -1);
    effects.TileBlit(untouched, INT_MIN, INT_MIN, INT_MAX, INT_MAX, source, 1, 1, 1, 1); // ends at -1
    ExpectAll(untouched, White);
    effects.TileBlit(untouched, -1000000000, -1000000000, INT_MAX, INT_MAX, source, 1, 1, 1, 1);
    EXPECT_EQ(untouched.At(3, 3), 1u);
}

TEST(BlendPicture, CopiesAtFullOpacityMixesBelowAndSkipsNone)
{
    Image32 source(2, 1);
    source.At(0, 0) = MakeColour(200, 255, 0);
    source.At(1, 0) = MakeColour(1, 2, 3);
    const struct
    {
        int opacity;
        uint32_t below, expected;
    } cases[] = {{100, MakeColour(100, 0, 255), source.At(0, 0)}, {150, MakeColour(100, 0, 255), source.At(0, 0)},
                 {50, MakeColour(100, 0, 255), MakeColour(150, 127, 127)}, {33, Black, MakeColour(66, 84, 0)},
                 {0, 0x123456, 0x123456}, {-20, 0x123456, 0x123456}};
    for (const auto& c : cases)
    {
        Image32 image(1, 1, c.below);
        CDrawEffects().BlendPicture(image, 0, 0, 1, 1, source, 0, 0, c.opacity);
        EXPECT_EQ(image.At(0, 0), c.expected) << c.opacity;
    }
    // Source offset, and pixels without a source stay.
    Image32 shifted(3, 1, White);
    CDrawEffects().BlendPicture(shifted, 0, 0, 3, 1, source, 1, 0, 100);
    ExpectPixels(shifted, {{0, 0, source.At(1, 0)}, {1, 0, White}});
}

// ---- shadows -----------------------------------------------------------------

TEST(DrawShadow, PlainShadowScalesByTheMaskLevel)
{
    Image32 mask(2, 2, White);
    mask.At(0, 0) = 0x808080;
    mask.At(1, 0) = Black;
    const uint32_t colour = MakeColour(200, 100, 50);
    Image32 image(4, 4, colour);
    EXPECT_TRUE(CDrawEffects().DrawShadow(image, 1, 1, 3, 3, mask, false, 7, 7));
    // x 128 / 255, truncated; beyond the mask counts white.
    ExpectPixels(image, {{1, 1, MakeColour(100, 50, 25)}, {2, 1, Black}, {1, 2, colour}, {3, 1, colour},
                         {0, 0, colour}});
}

TEST(DrawShadow, SoftShadowIsTheBoxMeanOfTheShrunkMask)
{
    // 5 x 5 with blur 2 (made 3): the black mask shrinks to 2 x 2 at (1, 1).
    // Corners: 8 / 9 of the box white (outside counts white); inside 5 / 9.
    const Image32 mask(5, 5, Black);
    for (int blur : {2, 3})
    {
        Image32 image(5, 5, White);
        EXPECT_TRUE(CDrawEffects().DrawShadow(image, 0, 0, 5, 5, mask, true, blur, blur));
        ExpectPixels(image, {{0, 0, 0xE2E2E2u}, {1, 1, 0x8D8D8Du}, {2, 2, 0x8D8D8Du}, {3, 3, 0xE2E2E2u},
                             {4, 4, White}}, blur);
    }
}

TEST(DrawShadow, ShrinkTakesNearestMaskPixels)
{
    // Levels along x: 0, 255, 0, 255, 0, 255, 0; shrunk to 4 from 7 it
    // takes 0, 1, 3, 5 and sits at x = 1: 255, 0, 255, 255, 255, 255, 255.
    // Blur 1 x 3 rows: the rows shrink from 3 to 2 and sit at y = 0.
    Image32 mask(7, 3, White);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; x += 2)
            mask.At(x, y) = Black;
    const uint32_t colour = MakeColour(255, 30, 9), shaded = MakeColour(170, 20, 6);
    Image32 image(7, 3, colour);
    CDrawEffects().DrawShadow(image, 0, 0, 7, 3, mask, true, 3, 1);
    for (int y = 0; y < 2; ++y)
        ExpectPixels(image, {{0, y, shaded}, {1, y, shaded}, {2, y, shaded}, {3, y, colour}, {6, y, colour}});
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(image.At(x, 2), colour);
}

TEST(DrawShadow, TallShadowsAreSoftenedAlikeAcrossRowBands)
{
    // A black mask 10 x 400 with blur 3 shrinks to rows 1..397; the rows
    // where one stretch of work meets the next must be as black as the rest.
    // The target cuts the area at x = 8, but x = 6 still sees the mask.
    const Image32 mask(10, 400, Black);
    Image32 image(8, 400, White);
    CDrawEffects().DrawShadow(image, 0, 0, 10, 400, mask, true, 3, 3);
    const std::pair<int, uint32_t> rows[] = {{0, 0xAAAAAA}, {1, 0x555555}, {2, Black},   {127, Black},
                                             {128, Black},  {255, Black},  {256, Black}, {397, 0x555555},
                                             {398, 0xAAAAAA}, {399, White}};
    for (const auto& row : rows)
        EXPECT_EQ(row.second, image.At(6, row.first)) << row.first;
}

TEST(DrawShadow, DegenerateSizesAndBlurs)
{
    const Image32 mask(10, 10, Black);
    CDrawEffects effects;
    Image32 image(10, 10, White);
    // A blur as large as the area shrinks the mask to nothing: no shadow.
    EXPECT_TRUE(effects.DrawShadow(image, 0, 0, 10, 10, mask, true, 11, 3));
    EXPECT_TRUE(effects.DrawShadow(image, 0, 0, 10, 10, mask, true, INT_MAX, INT_MAX));
    EXPECT_TRUE(effects.DrawShadow(image, 0, 0, 0, 10, mask, false, 1, 1));
    EXPECT_TRUE(effects.DrawShadow(image, 0, 0, -5, 10, mask, true, 1, 1));
    EXPECT_TRUE(effects.DrawShadow(image, INT_MAX, INT_MIN, 10, 10, mask, true, 3, 3));
    // An area too large to work on is refused, not allocated.
    EXPECT_FALSE(effects.DrawShadow(image, 0, 0, INT_MAX, INT_MAX, mask, true, 3, 3));
    ExpectAll(image, White);
    // Blurs of 0 and below count as 1.
    Image32 zero(10, 10, White), one(10, 10, White);
    effects.DrawShadow(zero, 0, 0, 10, 10, mask, true, 0, -4);
    effects.DrawShadow(one, 0, 0, 10, 10, mask, true, 1, 1);
    EXPECT_EQ(zero.Pixels(), one.Pixels());
    ExpectPixels(one, {{0, 0, Black}, {9, 9, White}});
}

// ---- images ------------------------------------------------------------------

TEST(DrawImage, StyleBitsInOrderGreyDarkerLighter)
{
    const uint32_t red = MakeColour(255, 0, 0);
    const struct
    {
        uint32_t colour;
        int style;
        uint32_t expected;
    } cases[] = {
        {red, ImageStyleGrey, MakeColour(76, 76, 76)},
        {MakeColour(0, 255, 0), ImageStyleGrey, MakeColour(149, 149, 149)},
        {White, ImageStyleGrey, White},
        {MakeColour(0, 240, 0), ImageStyleGrey, MakeColour(140, 140, 140)}, // 140.88, truncated
        {MakeColour(10, 20, 30), ImageStyleGrey, MakeColour(18, 18, 18)},
        {MakeColour(250, 0, 0), ImageStyleGrey, MakeColour(74, 74, 74)},
        {MakeColour(255, 3, 100), ImageStyleDarker, MakeColour(191, 2, 75)},
        {MakeColour(240, 3, 100), ImageStyleLighter, MakeColour(255, 3, 125)},
        {red, ImageStyleGrey | ImageStyleDarker, MakeColour(57, 57, 57)},
        {red, ImageStyleGrey | ImageStyleLighter, MakeColour(95, 95, 95)},
        {red, ImageStyleDarker | ImageStyleLighter, MakeColour(238, 0, 0)},
        {red, 0x1000 | ImageStyleSoftShadow, red},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyImageStyle(c.colour, c.style), c.expected) << std::hex << c.colour << " " << c.style;
}

TEST(DrawImage, MaskColourStaysTransparentAndTheBitmapIsStretched)
{
    const uint32_t magenta = MakeColour(255, 0, 255), blue = MakeColour(0, 0, 255), below = MakeColour(1, 2, 3);
    Image32 bitmap(2, 1);
    bitmap.At(0, 0) = magenta;
    bitmap.At(1, 0) = blue;
    CDrawEffects effects;
    Image32 image(6, 3, below);
    effects.DrawImage(image, 1, 1, 4, 2, bitmap, true, magenta, ImageStyleGrey, false, 0, 0, 0, 0, 0);
    ExpectPixels(image, {{1, 1, below}, {2, 2, below}, {3, 1, MakeColour(29, 29, 29)},
                         {4, 2, MakeColour(29, 29, 29)}, {5, 1, below}});

    // Without a mask colour every pixel is drawn.
    Image32 opaque(2, 1, White);
    effects.DrawImage(opaque, 0, 0, 2, 1, bitmap, false, magenta, 0, false, 0, 0, 0, 0, 0);
    EXPECT_EQ(opaque.At(0, 0), magenta);

    // The icon form takes its own transparency.
    Image8 clear(2, 1, 0);
    clear.At(1, 0) = 1;
    Image32 icon(3, 1, White);
    effects.DrawImage(icon, 0, 0, 2, 1, bitmap, clear, 0, false, 0, 0, 0, 0, 0);
    ExpectPixels(icon, {{0, 0, magenta}, {1, 0, White}});
}

TEST(DrawImage, ShadowsAndTheMovedPicture)
{
    const uint32_t red = MakeColour(255, 0, 0);
    const Image32 bitmap(1, 1, red);
    const auto draw = [&](int size, int w, int style, bool shadowOn, int dx, int dy, int blur, int darkness) {
        Image32 image(size, size, White);
        CDrawEffects().DrawImage(image, 0, 0, w, w, bitmap, false, 0, style, shadowOn, dx, dy, blur, blur, darkness);
        return image;
    };
    // Hard shadow, darkness 50: grey 128 under the opaque pixel.
    ExpectPixels(draw(3, 1, ImageStyleHardShadow, true, 1, 1, 3, 50), {{0, 0, red}, {1, 1, 0x808080u}, {2, 2, White}});
    // Darkness 0 and below: a shadow that darkens nothing.
    for (int darkness : {0, -20})
        ExpectPixels(draw(3, 1, ImageStyleHardShadow, true, 1, 1, 3, darkness), {{1, 1, White}}, darkness);
    // The picture is drawn over its own shadow.
    ExpectPixels(draw(3, 2, ImageStyleHardShadow, true, 1, 1, 3, 100), {{1, 1, red}, {2, 2, Black}});
    // Soft shadow: 8 of 9 white around the shrunk 1 x 1 shadow at (3, 3).
    ExpectPixels(draw(8, 4, ImageStyleSoftShadow, true, 2, 2, 3, 100),
                 {{0, 0, red}, {3, 3, red}, {4, 4, 0xE2E2E2u}, {5, 5, White}});
    // Shadow on, but no shadow bit: the picture itself moves.
    Image32 moved(3, 3, White);
    CDrawEffects().DrawImage(moved, 0, 0, 1, 1, bitmap, false, 0, ImageStyleGrey, true, 2, 1, 0, 0, 50);
    ExpectPixels(moved, {{0, 0, White}, {2, 1, MakeColour(76, 76, 76)}});
    // Shadow bits without shadowOn draw no shadow.
    EXPECT_EQ(draw(3, 1, ImageStyleHardShadow, false, 1, 1, 0, 50).At(1, 1), White);
}

TEST(DrawImage, BandsFromTheRowsTheyNeedDrawAsTheWholePicture)
{
    // Bands of 7 target rows, each drawn from only the bitmap rows that
    // ImageRowsNeeded names, give the picture drawn at once.
    uint32_t state = 3;
    auto next = [&state](int n) { return NextRandom(state) % n; };
    const int styles[] = {0, ImageStyleGrey, ImageStyleHardShadow, ImageStyleSoftShadow, ImageStyleSoftShadow | 2};
    for (int round = 0; round < 300; ++round)
    {
        Image32 bitmap(1 + next(6), 1 + next(40));
        for (uint32_t& pixel : bitmap.Pixels())
            pixel = next(3) == 0 ? 0xFF00FF : MakeColour(next(256), next(256), next(256));
        const int y = next(20) - 8, width = 1 + next(12), height = next(60) - 2, style = styles[next(5)];
        const bool shadowOn = next(4) != 0;
        const int shadowX = next(9) - 4, shadowY = next(13) - 6, blurX = next(8), blurY = next(12);
        Image32 whole(16, 50, 0x102030);
        CDrawEffects().DrawImage(whole, 1, y, width, height, bitmap, true, 0xFF00FF, style, shadowOn, shadowX,
                                 shadowY, blurX, blurY, 40);
        Image32 banded(16, 50, 0x102030);
        for (int top = 0; top < 50; top += 7)
        {
            const RowSpan rows =
                ImageRowsNeeded(top, top + 7, y, height, bitmap.Height(), style, shadowOn, shadowY, blurY);
            Image32 part(bitmap.Width(), std::max(0, rows.end - rows.first));
            for (int row = 0; row < part.Height(); ++row)
                for (int x = 0; x < part.Width(); ++x)
                    part.At(x, row) = bitmap.At(x, rows.first + row);
            Image32 band(16, 7);
            for (int row = 0; row < 7 && top + row < 50; ++row)
                for (int x = 0; x < 16; ++x)
                    band.At(x, row) = banded.At(x, top + row);
            CDrawEffects().DrawImageRows(band, 1, y - top, width, height, part, rows.first, bitmap.Height(), true,
                                         0xFF00FF, style, shadowOn, shadowX, shadowY, blurX, blurY, 40);
            for (int row = 0; row < 7 && top + row < 50; ++row)
                for (int x = 0; x < 16; ++x)
                    banded.At(x, top + row) = band.At(x, row);
        }
        ASSERT_EQ(whole.Pixels(), banded.Pixels()) << round;
    }
}

TEST(DrawImage, EmptySizesDrawNothing)
{
    const Image32 bitmap(2, 2, Black);
    CDrawEffects effects;
    Image32 image(4, 4, White);
    effects.DrawImage(image, 0, 0, 0, 3, bitmap, false, 0, 0, false, 0, 0, 0, 0, 0);
    effects.DrawImage(image, 0, 0, 3, 0, bitmap, false, 0, 0, false, 0, 0, 0, 0, 0);
    effects.DrawImage(image, 0, 0, -3, 3, bitmap, false, 0, 0, false, 0, 0, 0, 0, 0);
    effects.DrawImage(image, 0, 0, 3, 3, Image32(), false, 0, 0, false, 0, 0, 0, 0, 0);
    effects.DrawImage(image, 0, 0, INT_MAX, INT_MAX, bitmap, false, 0, 0, false, 0, 0, 0, 0, 0);
    effects.DrawImage(image, 0, 0, 3, 3, Image32(), Image8(), 0, false, 0, 0, 0, 0, 0);
    ExpectAll(image, White);
}
