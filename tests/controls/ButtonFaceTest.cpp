#include "controls/ButtonFace.h"
#include "controls/PaletteBitmap.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

uint32_t ReadLittleEndian32(const uint8_t* at)
{
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}

const ButtonColours ClassicColours{MakeColour(128, 128, 128), MakeColour(192, 192, 192),
                                   MakeColour(255, 255, 255)};

FaceRecipe GameRecipe(uint32_t tintColour)
{
    FaceRecipe recipe;
    recipe.style = 1;
    recipe.grain = 8;
    recipe.highlight = 20;
    recipe.tint = 70;
    recipe.tintColour = tintColour;
    return recipe;
}

TEST(PaletteBitmapTest, BlockHoldsHeaderPaletteAndPaddedRows)
{
    CPaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(5, 3));
    EXPECT_EQ(8, bitmap.RowLength());
    ASSERT_EQ(40u + 1024u + 24u, bitmap.BlockSize());

    const uint8_t* header = bitmap.Block();
    // Size 40, 5 x 3 with a positive height (rows bottom-up), 1 plane of
    // 8 bits, uncompressed, 24 bytes of pixels; the rest zero.
    const uint32_t fields[] = {40, 5, 3, 1 | 8 << 16, 0, 24, 0, 0, 0, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(fields[i], ReadLittleEndian32(header + 4 * i)) << "header offset " << 4 * i;

    bitmap.SetPaletteEntry(2, 10, 20, 30);
    const uint8_t* entry = bitmap.Block() + 40 + 8;
    EXPECT_EQ(30u | 20u << 8 | 10u << 16, ReadLittleEndian32(entry)); // blue first, then a zero byte
    EXPECT_EQ(MakeColour(10, 20, 30), bitmap.PaletteEntry(2));

    bitmap.Pixels()[8 + 4] = 77; // second row from the bottom, column 4
    EXPECT_EQ(77, bitmap.PixelAt(4, 1));
    bitmap.Pixels()[0] = 9;
    bitmap.SetPaletteEntry(256, 1, 2, 3); // no entry there: the pixels after the palette stay
    EXPECT_EQ(std::vector<int>({9, 0, 0, 0, 0}), std::vector<int>({bitmap.PixelAt(0, 0), bitmap.PixelAt(-1, 0),
                                                                  bitmap.PixelAt(0, -1), bitmap.PixelAt(5, 0),
                                                                  bitmap.PixelAt(0, 3)}))
        << "outside reads as 0";
    EXPECT_EQ(0u, bitmap.PaletteEntry(256));
}

TEST(PaletteBitmapTest, EmptyAndRefusedBitmapsStayInert)
{
    CPaletteBitmap empty;
    EXPECT_FALSE(empty.IsValid());
    EXPECT_EQ(nullptr, empty.Pixels());
    empty.SetPaletteEntry(0, 1, 2, 3);
    empty.TintPalette(MakeColour(255, 0, 0), 50);
    EXPECT_EQ(0u, empty.PaletteEntry(0));

    CPaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4));
    EXPECT_FALSE(bitmap.Create(0, 4));
    EXPECT_FALSE(bitmap.IsValid()) << "a failed Create still releases the old block";
    EXPECT_FALSE(bitmap.Create(4, -1));
    EXPECT_FALSE(bitmap.Create(CPaletteBitmap::MaxSide + 1, 1));

    ASSERT_TRUE(bitmap.Create(2, 2));
    bitmap.SetPaletteEntry(-1, 1, 1, 1);
    bitmap.SetPaletteEntry(256, 1, 1, 1);
    EXPECT_EQ(0u, bitmap.PaletteEntry(255));
    EXPECT_FALSE(bitmap.CopyFrom(empty));
    EXPECT_FALSE(bitmap.IsValid()) << "copying an empty bitmap leaves an empty one";
}

TEST(PaletteBitmapTest, TintAndCopy)
{
    CPaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(3, 1));
    bitmap.SetPaletteEntry(0, 255, 0, 100);
    bitmap.TintPalette(MakeColour(0, 200, 100), 30);
    EXPECT_EQ(MakeColour(178, 60, 100), bitmap.PaletteEntry(0));
    bitmap.TintPalette(MakeColour(9, 8, 7), 250);
    EXPECT_EQ(MakeColour(9, 8, 7), bitmap.PaletteEntry(0)) << "percent is capped at 100";

    bitmap.Pixels()[1] = 42;
    CPaletteBitmap copy;
    ASSERT_TRUE(copy.CopyFrom(bitmap));
    EXPECT_EQ(3, copy.Width());
    EXPECT_EQ(MakeColour(9, 8, 7), copy.PaletteEntry(0));
    EXPECT_EQ(42, copy.PixelAt(1, 0));
    bitmap.Pixels()[1] = 1;
    EXPECT_EQ(42, copy.PixelAt(1, 0)) << "the copy owns its own block";
}

TEST(ButtonFaceTest, PaletteRunsFromShadowThroughFaceToHighlight)
{
    const ButtonColours colours{MakeColour(0, 40, 80), MakeColour(100, 100, 100),
                                MakeColour(255, 255, 255)};
    EXPECT_EQ(colours.shadow, ButtonPaletteEntry(0, colours));
    EXPECT_EQ(colours.highlight, ButtonPaletteEntry(255, colours));
    EXPECT_EQ(MakeColour(101, 101, 101), ButtonPaletteEntry(128, colours)) << "128 is not the face colour";
    EXPECT_EQ(MakeColour(50, 70, 90), ButtonPaletteEntry(64, colours));
    EXPECT_EQ(MakeColour(99, 99, 99), ButtonPaletteEntry(127, colours));
}

TEST(ButtonFaceTest, FacesAreTintedAndHoverIsLighter)
{
    ButtonFaces faces;
    SeedRandom(7);
    BuildButtonFaces(faces, 20, 10, 4, GameRecipe(MakeColour(230, 230, 230)), ClassicColours);
    ASSERT_TRUE(faces.normalFace.IsValid());

    // White highlight tinted 70 % towards 230: (255 * 30 + 230 * 70) / 100.
    EXPECT_EQ(MakeColour(237, 237, 237), faces.normalFace.PaletteEntry(255));
    // Shadow 128: (128 * 30 + 230 * 70) / 100 = 199.
    EXPECT_EQ(MakeColour(199, 199, 199), faces.normalFace.PaletteEntry(0));
    // Hover: that again 20 % towards the highlight: (237 * 80 + 255 * 20) / 100.
    EXPECT_EQ(MakeColour(240, 240, 240), faces.hoverFace.PaletteEntry(255));
    EXPECT_EQ(MakeColour(210, 210, 210), faces.hoverFace.PaletteEntry(0));

    // The focus lines keep the untinted ramp: pure shadow and highlight dots.
    EXPECT_EQ(ClassicColours.shadow, faces.focusLineH.PaletteEntry(0));
    EXPECT_EQ(ClassicColours.highlight, faces.focusLineV.PaletteEntry(255));

    for (int k = 0; k < 256; ++k) {
        ASSERT_EQ(faces.normalFace.PaletteEntry(k), faces.disabledFace.PaletteEntry(k));
        ASSERT_EQ(faces.hoverFace.PaletteEntry(k), faces.pressedFace.PaletteEntry(k));
    }
    for (int r = 0; r < 10; ++r)
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(faces.normalFace.PixelAt(x, r), faces.disabledFace.PixelAt(x, r));
            ASSERT_EQ(faces.normalFace.PixelAt(x, r), faces.hoverFace.PixelAt(x, r));
            ASSERT_EQ(faces.normalFace.PixelAt(x, r), faces.pressedFace.PixelAt(x, r));
        }
}

TEST(ButtonFaceTest, DiagonalWithKnownDrawsMatchesHandComputedPixels)
{
    // After seed 1 the generator gives 41, 18467, 6334, 26500, 19169, 15724;
    // divided by 2047 and less 8: -8, +1, -5, +4, +1, -1.
    ButtonFaces faces;
    SeedRandom(1);
    BuildButtonFaces(faces, 3, 2, 4, GameRecipe(MakeColour(230, 210, 170)), ClassicColours);
    ASSERT_TRUE(faces.normalFace.IsValid());
    // a = 119; bottom row: 119*(3-x)/3 + 0 + 8 + grain
    // top row adds 119*1/2 = 59
    const int expected[2][3] = {{119, 88, 42}, {190, 147, 105}};
    for (int r = 0; r < 2; ++r)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(expected[r][x], faces.normalFace.PixelAt(x, r)) << x << "," << r;
    EXPECT_EQ(0, faces.normalFace.Pixels()[3]) << "row padding stays zero";

    uint32_t state = 1;
    for (int i = 0; i < 6; ++i)
        NextRandom(state);
    EXPECT_EQ(NextRandom(state), DrawRandom()) << "exactly one draw per pixel";
}

TEST(ButtonFaceTest, FocusLinesAlternateAndNeverVanish)
{
    ButtonFaces faces;
    BuildButtonFaces(faces, 20, 10, 4, GameRecipe(0), ClassicColours);
    ASSERT_EQ(11, faces.focusLineH.Width()); // 20 - 8 - 1
    ASSERT_EQ(1, faces.focusLineH.Height());
    ASSERT_EQ(1, faces.focusLineV.Width());
    ASSERT_EQ(2, faces.focusLineV.Height()); // 10 - 8
    for (int x = 0; x < 11; ++x)
        EXPECT_EQ(x % 2 ? 255 : 0, faces.focusLineH.PixelAt(x, 0)) << x;
    for (int y = 0; y < 2; ++y)
        EXPECT_EQ(y % 2 ? 255 : 0, faces.focusLineV.PixelAt(0, y)) << y;

    ButtonFaces tiny;
    BuildButtonFaces(tiny, 5, 3, 4, GameRecipe(0), ClassicColours);
    EXPECT_EQ(1, tiny.focusLineH.Width());
    EXPECT_EQ(1, tiny.focusLineV.Height());
    EXPECT_TRUE(tiny.normalFace.IsValid());
}

TEST(ButtonFaceTest, ZeroSizedWindowGetsNoFacesButDrawsNothing)
{
    ButtonFaces faces;
    BuildButtonFaces(faces, 30, 30, 4, GameRecipe(0), ClassicColours);
    ASSERT_TRUE(faces.hoverFace.IsValid());
    SeedRandom(1);
    BuildButtonFaces(faces, 0, 0, 4, GameRecipe(0), ClassicColours);
    for (const CPaletteBitmap* face : {&faces.normalFace, &faces.hoverFace, &faces.pressedFace, &faces.disabledFace})
        EXPECT_FALSE(face->IsValid()) << "old faces must not survive a rebuild";
    EXPECT_TRUE(faces.focusLineH.IsValid());
    EXPECT_EQ(41, DrawRandom()) << "no random numbers drawn without a face";
}

TEST(ButtonFaceTest, OtherStylesGiveAnEvenFace)
{
    ButtonFaces faces;
    FaceRecipe recipe = GameRecipe(0);
    recipe.style = 3;
    SeedRandom(1);
    BuildButtonFaces(faces, 6, 4, 4, recipe, ClassicColours);
    for (int r = 0; r < 4; ++r)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(127, faces.normalFace.PixelAt(x, r));
}

} // namespace
