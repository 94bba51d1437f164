// The gradient buttons' pictures: the palette bitmap block, the faces, the focus lines.
#include "controls/ButtonFace.h"
#include "controls/PaletteBitmap.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const ButtonColours Classic{MakeColour(128, 128, 128), MakeColour(192, 192, 192), MakeColour(255, 255, 255)};

// Palette indexes row by row from the bottom line; widths and heights that
// are zero show as "empty".
std::string Pixels(const CPaletteBitmap& bitmap)
{
    if (!bitmap.IsValid())
        return "empty";
    std::string text;
    for (int r = 0; r < bitmap.Height(); ++r)
        for (int x = 0; x < bitmap.Width(); ++x)
            text += std::to_string(bitmap.PixelAt(x, r)) +
                    (x + 1 < bitmap.Width() ? " " : r + 1 < bitmap.Height() ? "/" : "");
    return text;
}

template <class Items, class ColourOf>
std::string Hex(const Items& items, ColourOf colourOf)
{
    std::string text;
    for (auto item : items) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "%06X ", colourOf(item));
        text += colour;
    }
    return text;
}

std::string Entries(const CPaletteBitmap& bitmap, std::initializer_list<int> indexes)
{
    return Hex(indexes, [&](int k) { return bitmap.PaletteEntry(k); });
}

FaceRecipe GameRecipe(uint32_t tintColour, int style = FaceStyleDiagonal)
{
    FaceRecipe recipe;
    recipe.style = style;
    recipe.tintColour = tintColour;
    return recipe;
}

TEST(PaletteBitmapTest, BlockHoldsHeaderPaletteAndPaddedRows)
{
    CPaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(5, 3));
    ASSERT_EQ(40u + 1024u + 24u, bitmap.BlockSize());
    bitmap.SetPaletteEntry(2, 10, 20, 30);
    bitmap.Pixels()[8 + 4] = 77; // second row from the bottom, column 4
    // Size 40, 5 x 3 with a positive height (rows bottom-up), 1 plane of 8
    // bits, uncompressed, 24 bytes of pixels; entry 2 blue first, then a zero byte.
    const uint8_t* b = bitmap.Block();
    const auto field = [b](int i) { return b[i] | b[i + 1] << 8 | b[i + 2] << 16 | b[i + 3] << 24; };
    const std::initializer_list<int> offsets{0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 40 + 8};
    EXPECT_EQ("000028 000005 000003 080001 000000 000018 000000 000000 000000 000000 0A141E ", Hex(offsets, field));
    // Outside the bitmap and the palette: reads 0, writes nothing.
    bitmap.SetPaletteEntry(256, 1, 2, 3);
    bitmap.SetPaletteEntry(-1, 1, 2, 3);
    EXPECT_EQ("0 0 0 0 0/0 0 0 0 77/0 0 0 0 0", Pixels(bitmap));
    EXPECT_EQ("000000 000000 000000 ", Entries(bitmap, {-1, 255, 256}));
    EXPECT_EQ(0, bitmap.PixelAt(-1, 0) + bitmap.PixelAt(0, -1) + bitmap.PixelAt(5, 1) + bitmap.PixelAt(4, 3));
}

TEST(PaletteBitmapTest, TintCopyAndRefusedSizes)
{
    CPaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(3, 1));
    bitmap.SetPaletteEntry(0, 255, 0, 100);
    bitmap.TintPalette(MakeColour(0, 200, 100), 30);
    EXPECT_EQ(MakeColour(178, 60, 100), bitmap.PaletteEntry(0));
    bitmap.TintPalette(MakeColour(9, 8, 7), 250); // capped at 100 per cent
    EXPECT_EQ(MakeColour(9, 8, 7), bitmap.PaletteEntry(0));
    bitmap.Pixels()[1] = 42;
    CPaletteBitmap copy;
    ASSERT_TRUE(copy.CopyFrom(bitmap));
    bitmap.Pixels()[1] = 1; // the copy owns its own block
    EXPECT_EQ("0 42 0 070809 ", Pixels(copy) + " " + Entries(copy, {0}));

    // A refused size leaves an empty bitmap, also where one was before.
    for (auto size : {std::pair<int, int>{0, 4}, {4, -1}, {CPaletteBitmap::MaxSide + 1, 1}, {1, CPaletteBitmap::MaxSide + 1}}) {
        ASSERT_TRUE(bitmap.Create(2, 2));
        EXPECT_FALSE(bitmap.Create(size.first, size.second));
        EXPECT_EQ("empty 000000 ", Pixels(bitmap) + " " + Entries(bitmap, {0}));
    }
    CPaletteBitmap empty;
    empty.SetPaletteEntry(0, 1, 2, 3);
    empty.TintPalette(MakeColour(255, 0, 0), 50);
    EXPECT_FALSE(copy.CopyFrom(empty));
    EXPECT_EQ("empty 000000 empty", Pixels(copy) + " " + Entries(empty, {0}) + Pixels(empty));
}

TEST(ButtonFaceTest, PaletteRunsFromShadowThroughFaceToHighlight)
{
    const ButtonColours colours{MakeColour(0, 40, 80), MakeColour(100, 100, 100), MakeColour(255, 255, 255)};
    // 128 is not the face colour.
    EXPECT_EQ("502800 5A4632 636363 656565 FFFFFF ",
              Hex(std::initializer_list<int>{0, 64, 127, 128, 255}, [&](int k) { return ButtonPaletteEntry(k, colours); }));
}

TEST(ButtonFaceTest, FacesAreTintedHoverIsLighterAndEveryFaceHasThePicture)
{
    ButtonFaces faces;
    BuildButtonFaces(faces, 20, 10, 4, GameRecipe(MakeColour(230, 230, 230)), Classic);
    // Shadow 128 and white tinted 70 % towards 230: 199 and 237; hover that
    // again 20 % towards the highlight: 210 and 240.
    // The focus lines keep the untinted ramp; their dots alternate from the
    // left and the bottom end, shadow first.
    EXPECT_EQ("C7C7C7 EDEDED C7C7C7 EDEDED D2D2D2 F0F0F0 D2D2D2 F0F0F0 808080 FFFFFF 808080 FFFFFF ",
              Entries(faces.normalFace, {0, 255}) + Entries(faces.disabledFace, {0, 255}) + Entries(faces.hoverFace, {0, 255}) +
                  Entries(faces.pressedFace, {0, 255}) + Entries(faces.focusLineH, {0, 255}) + Entries(faces.focusLineV, {0, 255}));
    EXPECT_EQ("0 255 0 255 0 255 0 255 0 255 0", Pixels(faces.focusLineH)); // 20 - 8 - 1 wide
    EXPECT_EQ("0/255", Pixels(faces.focusLineV));                           // 10 - 8 high
    for (const CPaletteBitmap* face : {&faces.disabledFace, &faces.hoverFace, &faces.pressedFace})
        EXPECT_EQ(Pixels(faces.normalFace), Pixels(*face));

    // Too small for a focus rectangle: lines of one dot, the faces still made.
    BuildButtonFaces(faces, 5, 3, 4, GameRecipe(0), Classic);
    EXPECT_EQ("0 0 5 3", Pixels(faces.focusLineH) + " " + Pixels(faces.focusLineV) + " " +
                             std::to_string(faces.pressedFace.Width()) + " " + std::to_string(faces.pressedFace.Height()));
}

TEST(ButtonFaceTest, DiagonalGrainedFaceWithOneDrawPerPixel)
{
    // After seed 1 the generator gives 41, 18467, 6334, 26500, 19169, 15724;
    // divided by 2047 and less 8: -8, +1, -5, +4, +1, -1. a = 119; bottom row
    // 119 * (3 - x) / 3 + 8 + grain, the top row adds 119 / 2.
    ButtonFaces faces;
    SeedRandom(1);
    BuildButtonFaces(faces, 3, 2, 4, GameRecipe(MakeColour(230, 210, 170)), Classic);
    EXPECT_EQ("119 88 42/190 147 105", Pixels(faces.normalFace));
    EXPECT_EQ(0, faces.normalFace.Pixels()[3]); // row padding stays zero
    uint32_t state = 1;
    for (int i = 0; i < 6; ++i)
        NextRandom(state);
    EXPECT_EQ(NextRandom(state), DrawRandom());

    // Other styles: an even face in the middle of the ramp.
    BuildButtonFaces(faces, 3, 2, 4, GameRecipe(0, 3), Classic);
    EXPECT_EQ("127 127 127/127 127 127", Pixels(faces.normalFace));
    // A window of no size: no faces, old ones dropped, no numbers drawn.
    SeedRandom(1);
    BuildButtonFaces(faces, 0, 0, 4, GameRecipe(0), Classic);
    EXPECT_EQ("empty empty empty empty 0", Pixels(faces.normalFace) + " " + Pixels(faces.hoverFace) + " " +
                                               Pixels(faces.pressedFace) + " " + Pixels(faces.disabledFace) + " " +
                                               Pixels(faces.focusLineH));
    EXPECT_EQ(41, DrawRandom());
}

} // namespace
