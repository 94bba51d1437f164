#include "tooltip/DrawEffects.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

const uint32_t White = 0xFFFFFF;
const uint32_t Black = 0x000000;

// Hand values below use the generator's first numbers after SeedRandom(1):
// 41, 18467, 6334, 26500, ..., the 13th is 23281.

// Texture levels as drawn: rows counted from the bottom.
int Level(const Image8& texture, int x, int r)
{
    return texture.At(x, texture.Height() - 1 - r);
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

    CDrawEffects effects;
    Image32 image(5, 2, White);
    const uint32_t end = MakeColour(100, 200, 40);
    effects.DrawBackground(image, EffectHGradient, {0, 0, 5, 2}, Black, White, end, 0);
    EXPECT_EQ(image.At(0, 1), Black);
    EXPECT_EQ(image.At(1, 1), MakeColour(25, 50, 10));
    EXPECT_EQ(image.At(2, 0), MakeColour(50, 100, 20));
    EXPECT_EQ(image.At(3, 0), MakeColour(75, 150, 30));
    EXPECT_EQ(image.At(4, 0), end);

    Image32 tall(1, 3, White);
    effects.DrawBackground(tall, EffectVGradient, {0, 0, 1, 3}, Black, White, end, 0);
    EXPECT_EQ(tall.At(0, 0), Black);
    EXPECT_EQ(tall.At(0, 1), MakeColour(50, 100, 20));
    EXPECT_EQ(tall.At(0, 2), end);
}

TEST(Gradients, CentredGradientOn101PixelsSplits50And51)
{
    CDrawEffects effects;
    Image32 image(101, 1, 0x010203);
    const uint32_t red = MakeColour(255, 0, 0);
    effects.DrawBackground(image, EffectHCGradient, {0, 0, 101, 1}, Black, White, red, 0);
    EXPECT_EQ(image.At(0, 0), Black);
    EXPECT_EQ(image.At(25, 0), MakeColour(255 * 25 / 49, 0, 0));
    EXPECT_EQ(image.At(49, 0), red); // end of the first gradient, 50 pixels
    EXPECT_EQ(image.At(50, 0), red); // start of the second, 51 pixels
    EXPECT_EQ(image.At(75, 0), MakeColour(255 * 25 / 50, 0, 0));
    EXPECT_EQ(image.At(100, 0), Black);

    Image32 column(1, 5, White);
    effects.DrawBackground(column, EffectVCGradient, {0, 0, 1, 5}, Black, White, red, 0);
    EXPECT_EQ(column.At(0, 0), Black); // upper half: 2 rows
    EXPECT_EQ(column.At(0, 1), red);
    EXPECT_EQ(column.At(0, 2), red); // lower half: 3 rows
    EXPECT_EQ(column.At(0, 3), MakeColour(127, 0, 0));
    EXPECT_EQ(column.At(0, 4), Black);
}

TEST(Gradients, ThreeColoursMeetInTheMiddle)
{
    CDrawEffects effects;
    const uint32_t c1 = MakeColour(10, 0, 0), c2 = MakeColour(0, 20, 0), c3 = MakeColour(0, 0, 30);
    Image32 row(4, 1);
    effects.DrawBackground(row, Effect3HGradient, {0, 0, 4, 1}, c1, c2, c3, 0);
    EXPECT_EQ(row.At(0, 0), c1);
    EXPECT_EQ(row.At(1, 0), c2);
    EXPECT_EQ(row.At(2, 0), c2);
    EXPECT_EQ(row.At(3, 0), c3);
    Image32 column(1, 5);
    effects.DrawBackground(column, Effect3VGradient, {0, 0, 1, 5}, c1, c2, c3, 0);
    EXPECT_EQ(column.At(0, 0), c1);
    EXPECT_EQ(column.At(0, 1), c2);
    EXPECT_EQ(column.At(0, 2), c2);
    EXPECT_EQ(column.At(0, 3), MakeColour(0, 10, 15));
    EXPECT_EQ(column.At(0, 4), c3);
}

TEST(Gradients, SolidAndUnknownEffectsFillWithColourOneInsideTheRectangle)
{
    CDrawEffects effects;
    for (int effect : {0, -1, 16, 99, -7, INT_MIN})
    {
        Image32 image(4, 4, White);
        effects.DrawBackground(image, effect, {1, 1, 3, 9}, 0x112233, Black, Black, 0);
        EXPECT_EQ(image.At(0, 0), White) << effect;
        EXPECT_EQ(image.At(1, 1), 0x112233u) << effect;
        EXPECT_EQ(image.At(2, 3), 0x112233u) << effect;
        EXPECT_EQ(image.At(3, 1), White) << effect;
    }
}

TEST(Gradients, AreClippedWithoutShiftingTheGradient)
{
    CDrawEffects effects;
    Image32 image(3, 1, White);
    effects.DrawBackground(image, EffectHGradient, {-2, 0, 3, 1}, Black, Black, MakeColour(0, 0, 200), 0);
    EXPECT_EQ(image.At(0, 0), MakeColour(0, 0, 100)); // line 2 of 5
    EXPECT_EQ(image.At(2, 0), MakeColour(0, 0, 200));
}

// ---- textures ----------------------------------------------------------------

TEST(Textures, PaletteRunsFromColourThreeOverTwoToOneThenTints)
{
    const uint32_t c1 = MakeColour(200, 100, 0), c2 = MakeColour(100, 100, 100), c3 = MakeColour(0, 50, 200);
    const auto plain = MakeTexturePalette(c1, c2, c3, 0);
    EXPECT_EQ(plain[0], c3);
    EXPECT_EQ(plain[1], MakeColour(0, 50, 199)); // 199.2 truncated
    EXPECT_EQ(plain[64], MakeColour(50, 75, 150));
    EXPECT_EQ(plain[128], c2);
    EXPECT_EQ(plain[192], MakeColour(150, 100, 50));
    EXPECT_EQ(plain[255], MakeColour(199, 100, 0));

    const auto tinted = MakeTexturePalette(c1, c2, c3, 5);
    EXPECT_EQ(tinted[0], MakeColour(10, 52, 190));
    EXPECT_EQ(tinted[128], MakeColour(105, 100, 95));

    const auto full = MakeTexturePalette(c1, c2, c3, 250); // at most 100 per cent
    for (uint32_t entry : full)
        EXPECT_EQ(entry, c1);
}

TEST(Textures, NoiseDrawsGrainPerPixelFromTheBottomRow)
{
    // g = 10: D = 1638, N = rand / 1638 - 10 for 41, 18467, 6334, 26500.
    const Image8 texture = Texture(EffectNoise, 2, 2, 10);
    EXPECT_EQ(Level(texture, 0, 0), 118);
    EXPECT_EQ(Level(texture, 1, 0), 129);
    EXPECT_EQ(Level(texture, 0, 1), 121);
    EXPECT_EQ(Level(texture, 1, 1), 134);
    EXPECT_EQ(texture.At(0, 1), 118); // bottom row is the image's last
    EXPECT_EQ(NumbersDrawnSince(1), 4);
}

TEST(Textures, ShadesByHand)
{
    // Granularity 0: the grain is 0 for every number below 32767.
    const Image8 diag = Texture(EffectDiagShade, 4, 2, 0);
    const int diagExpected[2][4] = {{127, 95, 63, 31}, {190, 158, 126, 94}};
    for (int r = 0; r < 2; ++r)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(Level(diag, x, r), diagExpected[r][x]) << x << "," << r;

    const Image8 across = Texture(EffectHShade, 2, 4, 0);
    const int hExpected[4] = {0, 63, 127, 191};
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(Level(across, 1, r), hExpected[r]) << r;

    const Image8 down = Texture(EffectVShade, 4, 1, 0);
    const int vExpected[4] = {255, 191, 127, 63};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Level(down, x, 0), vExpected[x]) << x;

    // g = 20: S = 107, D = 819; first grain 41 / 819 - 20 = -20.
    const Image8 grained = Texture(EffectDiagShade, 2, 2, 20);
    EXPECT_EQ(Level(grained, 0, 0), 20 + 107 + 0 - 20);
    // second pixel: 20 + 107 * 1 / 2 + 0 + 18467 / 819 - 20 = 75
    EXPECT_EQ(Level(grained, 1, 0), 75);
}

TEST(Textures, BumpsByHandWrapModulo256)
{
    const Image8 across = Texture(EffectHBump, 1, 4, 0);
    const int hExpected[4] = {3, 112, 128, 144};
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(Level(across, 0, r), hExpected[r]) << r;

    // x = 0 gives c(255) = 128, so 256, stored as 0.
    const Image8 down = Texture(EffectVBump, 4, 1, 0);
    const int vExpected[4] = {0, 144, 128, 112};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Level(down, x, 0), vExpected[x]) << x;

    // g = 64 halves the bump: -125 * 64 / 128 = -62; grain 41 / 255 - 64.
    const Image8 flat = Texture(EffectHBump, 1, 4, 64);
    EXPECT_EQ(Level(flat, 0, 0), -62 + 128 - 64);
}

TEST(Textures, SoftBumpIsLimitedBeforeTheGrain)
{
    const Image8 soft = Texture(EffectSoftBump, 4, 4, 0);
    EXPECT_EQ(Level(soft, 0, 0), 128 - 125 + 128);    // 131
    EXPECT_EQ(Level(soft, 0, 3), 255);                // 272 limited
    EXPECT_EQ(Level(soft, 2, 2), 128);
    EXPECT_EQ(Level(soft, 3, 0), 0);                  // -13 limited
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
    const int firstPass[4] = {3, 112, 128, 144};
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(Level(hard, x, 0), firstPass[0]) << x;
    EXPECT_EQ(Level(hard, 0, 1), 255);
    EXPECT_EQ(Level(hard, 1, 1), 191);
    EXPECT_EQ(Level(hard, 2, 1), firstPass[1]);
    EXPECT_EQ(Level(hard, 10, 1), firstPass[1]);
    EXPECT_EQ(Level(hard, 11, 1), 64);
    EXPECT_EQ(Level(hard, 11, 3), 64);
    EXPECT_EQ(Level(hard, 5, 3), firstPass[3]);
    EXPECT_EQ(NumbersDrawnSince(1), 2 * 12 * 4);
}

TEST(Textures, MetalShadingWithoutStreaks)
{
    // min(W, H) = 1 makes every streak empty; 200 x 4 numbers, then one
    // per pixel. S = 107 for g = 0.
    const Image8 metal = Texture(EffectMetal, 4, 1, 0);
    const int expected[4] = {107, 80, 53, 26};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Level(metal, x, 0), expected[x]) << x;
    EXPECT_EQ(NumbersDrawnSince(1), 800 + 4);
}

TEST(Textures, MetalStreaksStayInsideAndRepeatWithTheSeed)
{
    // Streak starts fall on the far edges and mirrored streaks run past
    // the right edge on most of these seeds; nothing may be written there.
    for (uint32_t seed = 1; seed <= 40; ++seed)
    {
        for (auto size : {std::pair<int, int>{100, 100}, {3, 3}, {2, 50}, {50, 2}, {1, 1}})
        {
            const Image8 once = Texture(EffectMetal, size.first, size.second, 0, seed);
            const Image8 again = Texture(EffectMetal, size.first, size.second, 0, seed);
            ASSERT_EQ(once.Levels(), again.Levels()) << seed;
        }
    }
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
    CDrawEffects effects;
    Image32 image(6, 4, White);
    const uint32_t c1 = MakeColour(255, 0, 0), c2 = MakeColour(0, 255, 0), c3 = MakeColour(0, 0, 255);
    SeedRandom(1);
    effects.DrawBackground(image, EffectHShade, {1, 1, 3, 3}, c1, c2, c3, 0);
    const auto palette = MakeTexturePalette(c1, c2, c3, TextureTint);
    EXPECT_EQ(image.At(1, 2), palette[0]);   // r = 0
    EXPECT_EQ(image.At(2, 1), palette[127]); // r = 1: 255 / 2
    EXPECT_EQ(image.At(0, 0), White);
    EXPECT_EQ(image.At(3, 1), White);
    EXPECT_EQ(image.At(1, 3), White);
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
            for (uint32_t pixel : image.Pixels())
                ASSERT_EQ(pixel, White) << effect;
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
        for (uint32_t pixel : image.Pixels())
            ASSERT_EQ(pixel, 0x0A0B0Cu) << effect;
    }
    Image8 none;
    EXPECT_FALSE(MakeTextureLevels(EffectSolid, 4, 4, 0, none));
    EXPECT_FALSE(MakeTextureLevels(EffectNoise, 0, 4, 0, none));
}

TEST(Textures, HardBumpTooNarrowOrLowKeepsTheFirstPass)
{
    // k = 5 / 6 = 0 would divide by zero; the bevel pass is skipped.
    const Image8 narrow = Texture(EffectHardBump, 5, 4, 0);
    EXPECT_EQ(NumbersDrawnSince(1), 5 * 4);
    const int firstPass[4] = {3, 112, 128, 144};
    for (int r = 0; r < 4; ++r)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Level(narrow, x, r), firstPass[r]);
    // H * H / 4 = 0 for one row.
    Texture(EffectHardBump, 12, 1, 0);
    EXPECT_EQ(NumbersDrawnSince(1), 12);
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
    EXPECT_EQ(image.At(6, 1), White);
    EXPECT_EQ(image.At(1, 4), White);
    EXPECT_EQ(image.At(0, 0), White);

    // Empty areas and blocks draw nothing; a huge area only what is seen.
    Image32 untouched(4, 4, White);
    effects.TileBlit(untouched, 0, 0, 0, 4, source, 0, 0, 1, 1);
    effects.TileBlit(untouched, 0, 0, 4, 4, source, 0, 0, 0, 1);
    effects.TileBlit(untouched, 0, 0, 4, 4, source, 0, 0, 1, -1);
    for (uint32_t pixel : untouched.Pixels())
        EXPECT_EQ(pixel, White);
    effects.TileBlit(untouched, INT_MIN, INT_MIN, INT_MAX, INT_MAX, source, 1, 1, 1, 1); // ends at -1
    EXPECT_EQ(untouched.At(0, 0), White);
    effects.TileBlit(untouched, -1000000000, -1000000000, INT_MAX, INT_MAX, source, 1, 1, 1, 1);
    EXPECT_EQ(untouched.At(3, 3), 1u);
}

TEST(BlendPicture, CopiesAtFullOpacityAndMixesBelow)
{
    Image32 source(2, 1);
    source.At(0, 0) = MakeColour(200, 255, 0);
    source.At(1, 0) = MakeColour(1, 2, 3);
    CDrawEffects effects;
    for (int opacity : {100, 150})
    {
        Image32 image(2, 1, MakeColour(100, 0, 255));
        effects.BlendPicture(image, 0, 0, 2, 1, source, 0, 0, opacity);
        EXPECT_EQ(image.At(0, 0), source.At(0, 0)) << opacity;
        EXPECT_EQ(image.At(1, 0), source.At(1, 0)) << opacity;
    }
    Image32 half(1, 1, MakeColour(100, 0, 255));
    effects.BlendPicture(half, 0, 0, 1, 1, source, 0, 0, 50);
    EXPECT_EQ(half.At(0, 0), MakeColour(150, 127, 127));
    Image32 third(1, 1, Black);
    effects.BlendPicture(third, 0, 0, 1, 1, source, 0, 0, 33);
    EXPECT_EQ(third.At(0, 0), MakeColour(66, 84, 0));
    for (int opacity : {0, -20})
    {
        Image32 image(1, 1, 0x123456);
        effects.BlendPicture(image, 0, 0, 1, 1, source, 0, 0, opacity);
        EXPECT_EQ(image.At(0, 0), 0x123456u);
    }
    // Source offset, and pixels without a source stay.
    Image32 shifted(3, 1, White);
    effects.BlendPicture(shifted, 0, 0, 3, 1, source, 1, 0, 100);
    EXPECT_EQ(shifted.At(0, 0), source.At(1, 0));
    EXPECT_EQ(shifted.At(1, 0), White);
}

// ---- shadows -----------------------------------------------------------------

TEST(DrawShadow, PlainShadowScalesByTheMaskLevel)
{
    Image32 mask(2, 2, White);
    mask.At(0, 0) = 0x808080;
    mask.At(1, 0) = Black;
    CDrawEffects effects;
    Image32 image(4, 4, MakeColour(200, 100, 50));
    EXPECT_TRUE(effects.DrawShadow(image, 1, 1, 3, 3, mask, false, 7, 7));
    EXPECT_EQ(image.At(1, 1), MakeColour(100, 50, 25)); // x 128 / 255, truncated
    EXPECT_EQ(image.At(2, 1), Black);
    EXPECT_EQ(image.At(1, 2), MakeColour(200, 100, 50));
    EXPECT_EQ(image.At(3, 1), MakeColour(200, 100, 50)); // beyond the mask: white
    EXPECT_EQ(image.At(0, 0), MakeColour(200, 100, 50));
}

TEST(DrawShadow, SoftShadowIsTheBoxMeanOfTheShrunkMask)
{
    // 5 x 5 with blur 2 (made 3): the black mask shrinks to 2 x 2 at (1, 1).
    const Image32 mask(5, 5, Black);
    CDrawEffects effects;
    for (int blur : {2, 3})
    {
        Image32 image(5, 5, White);
        EXPECT_TRUE(effects.DrawShadow(image, 0, 0, 5, 5, mask, true, blur, blur));
        EXPECT_EQ(image.At(0, 0), 0xE2E2E2u) << blur; // 8 / 9 of the box white, outside counts white
        EXPECT_EQ(image.At(1, 1), 0x8D8D8Du) << blur; // 5 / 9
        EXPECT_EQ(image.At(2, 2), 0x8D8D8Du) << blur;
        EXPECT_EQ(image.At(3, 3), 0xE2E2E2u) << blur;
        EXPECT_EQ(image.At(4, 4), White) << blur; // factor 1: unchanged
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
    CDrawEffects effects;
    const uint32_t colour = MakeColour(255, 30, 9);
    Image32 image(7, 3, colour);
    effects.DrawShadow(image, 0, 0, 7, 3, mask, true, 3, 1);
    for (int y = 0; y < 2; ++y)
    {
        EXPECT_EQ(image.At(0, y), MakeColour(170, 20, 6));
        EXPECT_EQ(image.At(1, y), MakeColour(170, 20, 6));
        EXPECT_EQ(image.At(2, y), MakeColour(170, 20, 6));
        EXPECT_EQ(image.At(3, y), colour);
        EXPECT_EQ(image.At(6, y), colour);
    }
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(image.At(x, 2), colour);
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
    for (uint32_t pixel : image.Pixels())
        ASSERT_EQ(pixel, White);
    // An area too large to work on is refused, not allocated.
    EXPECT_FALSE(effects.DrawShadow(image, 0, 0, INT_MAX, INT_MAX, mask, true, 3, 3));
    EXPECT_EQ(image.At(5, 5), White);
    // Blurs of 0 and below count as 1.
    Image32 zero(10, 10, White), one(10, 10, White);
    effects.DrawShadow(zero, 0, 0, 10, 10, mask, true, 0, -4);
    effects.DrawShadow(one, 0, 0, 10, 10, mask, true, 1, 1);
    EXPECT_EQ(zero.Pixels(), one.Pixels());
    EXPECT_EQ(one.At(0, 0), Black);
    EXPECT_EQ(one.At(9, 9), White);
}

// ---- images ------------------------------------------------------------------

TEST(DrawImage, StyleBitsInOrderGreyDarkerLighter)
{
    const uint32_t red = MakeColour(255, 0, 0);
    EXPECT_EQ(ApplyImageStyle(red, ImageStyleGrey), MakeColour(76, 76, 76));
    EXPECT_EQ(ApplyImageStyle(MakeColour(0, 255, 0), ImageStyleGrey), MakeColour(149, 149, 149));
    EXPECT_EQ(ApplyImageStyle(White, ImageStyleGrey), White);
    EXPECT_EQ(ApplyImageStyle(MakeColour(10, 20, 30), ImageStyleGrey), MakeColour(18, 18, 18));
    EXPECT_EQ(ApplyImageStyle(MakeColour(255, 3, 100), ImageStyleDarker), MakeColour(191, 2, 75));
    EXPECT_EQ(ApplyImageStyle(MakeColour(240, 3, 100), ImageStyleLighter), MakeColour(255, 3, 125));
    EXPECT_EQ(ApplyImageStyle(red, ImageStyleGrey | ImageStyleDarker), MakeColour(57, 57, 57));
    EXPECT_EQ(ApplyImageStyle(red, ImageStyleGrey | ImageStyleLighter), MakeColour(95, 95, 95));
    EXPECT_EQ(ApplyImageStyle(red, ImageStyleDarker | ImageStyleLighter), MakeColour(238, 0, 0));
    EXPECT_EQ(ApplyImageStyle(red, 0x1000 | ImageStyleSoftShadow), red);
}

TEST(DrawImage, MaskColourStaysTransparentAndTheBitmapIsStretched)
{
    const uint32_t magenta = MakeColour(255, 0, 255), blue = MakeColour(0, 0, 255);
    Image32 bitmap(2, 1);
    bitmap.At(0, 0) = magenta;
    bitmap.At(1, 0) = blue;
    CDrawEffects effects;
    Image32 image(6, 3, MakeColour(1, 2, 3));
    effects.DrawImage(image, 1, 1, 4, 2, bitmap, true, magenta, ImageStyleGrey, false, 0, 0, 0, 0, 0);
    EXPECT_EQ(image.At(1, 1), MakeColour(1, 2, 3));
    EXPECT_EQ(image.At(2, 2), MakeColour(1, 2, 3));
    EXPECT_EQ(image.At(3, 1), MakeColour(29, 29, 29));
    EXPECT_EQ(image.At(4, 2), MakeColour(29, 29, 29));
    EXPECT_EQ(image.At(5, 1), MakeColour(1, 2, 3));

    // Without a mask colour every pixel is drawn.
    Image32 opaque(2, 1, White);
    effects.DrawImage(opaque, 0, 0, 2, 1, bitmap, false, magenta, 0, false, 0, 0, 0, 0, 0);
    EXPECT_EQ(opaque.At(0, 0), magenta);

    // The icon form takes its own transparency.
    Image8 clear(2, 1, 0);
    clear.At(1, 0) = 1;
    Image32 icon(3, 1, White);
    effects.DrawImage(icon, 0, 0, 2, 1, bitmap, clear, 0, false, 0, 0, 0, 0, 0);
    EXPECT_EQ(icon.At(0, 0), magenta);
    EXPECT_EQ(icon.At(1, 0), White);
}

TEST(DrawImage, ShadowsAndTheMovedPicture)
{
    const uint32_t red = MakeColour(255, 0, 0);
    const Image32 bitmap(1, 1, red);
    CDrawEffects effects;

    // Hard shadow, darkness 50: grey 128 under the opaque pixel.
    Image32 hard(3, 3, White);
    effects.DrawImage(hard, 0, 0, 1, 1, bitmap, false, 0, ImageStyleHardShadow, true, 1, 1, 3, 3, 50);
    EXPECT_EQ(hard.At(0, 0), red);
    EXPECT_EQ(hard.At(1, 1), 0x808080u);
    EXPECT_EQ(hard.At(2, 2), White);

    // The picture is drawn over its own shadow.
    Image32 over(3, 3, White);
    effects.DrawImage(over, 0, 0, 2, 2, bitmap, false, 0, ImageStyleHardShadow, true, 1, 1, 3, 3, 100);
    EXPECT_EQ(over.At(1, 1), red);
    EXPECT_EQ(over.At(2, 2), Black);

    // Soft shadow: the box mean softens the grey.
    Image32 soft(8, 8, White);
    effects.DrawImage(soft, 0, 0, 4, 4, bitmap, false, 0, ImageStyleSoftShadow, true, 2, 2, 3, 3, 100);
    EXPECT_EQ(soft.At(0, 0), red);
    EXPECT_EQ(soft.At(3, 3), red);
    EXPECT_EQ(soft.At(4, 4), 0xE2E2E2u); // 8 of 9 white around the shrunk 1 x 1 shadow at (3, 3)
    EXPECT_EQ(soft.At(5, 5), White);

    // Shadow on, but no shadow bit: the picture itself moves.
    Image32 moved(3, 3, White);
    effects.DrawImage(moved, 0, 0, 1, 1, bitmap, false, 0, ImageStyleGrey, true, 2, 1, 0, 0, 50);
    EXPECT_EQ(moved.At(0, 0), White);
    EXPECT_EQ(moved.At(2, 1), MakeColour(76, 76, 76));

    // Shadow bits without shadowOn draw no shadow.
    Image32 off(3, 3, White);
    effects.DrawImage(off, 0, 0, 1, 1, bitmap, false, 0, ImageStyleHardShadow, false, 1, 1, 0, 0, 50);
    EXPECT_EQ(off.At(1, 1), White);
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
    for (uint32_t pixel : image.Pixels())
        EXPECT_EQ(pixel, White);
}
