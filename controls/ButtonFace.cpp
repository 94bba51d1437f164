#include "controls/ButtonFace.h"

#include "engine/Random.h"

#include <algorithm>

namespace {

int RampChannel(int k, int shadow, int face, int highlight)
{
    if (k < 128)
        return (shadow * (128 - k) + face * k) / 128;
    return (face * (255 - k) + highlight * (k - 127)) / 128;
}

void SetRampPalette(CPaletteBitmap& bitmap, const ButtonColours& colours)
{
    for (int k = 0; k < CPaletteBitmap::PaletteEntries; ++k) {
        const uint32_t entry = ButtonPaletteEntry(k, colours);
        bitmap.SetPaletteEntry(k, RedOf(entry), GreenOf(entry), BlueOf(entry));
    }
}

// Dots alternate shadow and highlight, starting with shadow at the left end
// of the horizontal line and at the bottom end of the vertical one.
void FillFocusLines(CPaletteBitmap& lineH, CPaletteBitmap& lineV)
{
    if (uint8_t* pixels = lineH.Pixels()) {
        for (int x = 0; x < lineH.Width(); ++x)
            pixels[x] = (x % 2 == 0) ? 0 : 255;
    }
    if (uint8_t* pixels = lineV.Pixels()) {
        for (int i = 0; i < lineV.Height(); ++i)
            pixels[static_cast<size_t>(i) * lineV.RowLength()] = (i % 2 == 0) ? 0 : 255;
    }
}

// Lightest at the top-left, darkest at the bottom-right. Row 0 is the bottom
// line; the generator is drawn once per pixel in storage order, so a given
// seed always gives the same picture.
void FillDiagonal(CPaletteBitmap& face, int grain)
{
    const int w = face.Width();
    const int h = face.Height();
    const int a = (255 - 2 * grain) / 2;
    uint8_t* pixels = face.Pixels();
    for (int r = 0; r < h; ++r) {
        uint8_t* row = pixels + static_cast<size_t>(r) * face.RowLength();
        for (int x = 0; x < w; ++x) {
            const int index = a * (w - x) / w + a * r / h + grain + DrawGrainValue(grain);
            row[x] = static_cast<uint8_t>(index);
        }
    }
}

// No part of the game asks for another style; they get an even face in the
// middle of the ramp rather than undefined pixels.
void FillPlain(CPaletteBitmap& face)
{
    uint8_t* pixels = face.Pixels();
    for (int r = 0; r < face.Height(); ++r)
        std::fill_n(pixels + static_cast<size_t>(r) * face.RowLength(), face.Width(), uint8_t{127});
}

} // namespace

uint32_t ButtonPaletteEntry(int k, const ButtonColours& colours)
{
    const uint32_t s = colours.shadow, f = colours.face, h = colours.highlight;
    return MakeColour(RampChannel(k, RedOf(s), RedOf(f), RedOf(h)),
                      RampChannel(k, GreenOf(s), GreenOf(f), GreenOf(h)),
                      RampChannel(k, BlueOf(s), BlueOf(f), BlueOf(h)));
}

int DrawGrainValue(int grain)
{
    const int q = RandomMax / std::max(1, 2 * grain);
    return DrawRandom() / q - grain;
}

void BuildButtonFaces(ButtonFaces& faces, int width, int height, int focusMargin,
                      const FaceRecipe& recipe, const ButtonColours& colours)
{
    const int m = focusMargin;
    faces.focusLineH.Create(std::max(1, width - 2 * m - 1), 1);
    faces.focusLineV.Create(1, std::max(1, height - 2 * m));
    faces.normalFace.Create(width, height);

    SetRampPalette(faces.focusLineH, colours);
    SetRampPalette(faces.focusLineV, colours);
    SetRampPalette(faces.normalFace, colours);
    faces.normalFace.TintPalette(recipe.tintColour, recipe.tint);

    FillFocusLines(faces.focusLineH, faces.focusLineV);
    if (faces.normalFace.IsValid()) {
        if (recipe.style == FaceStyleDiagonal)
            FillDiagonal(faces.normalFace, recipe.grain);
        else
            FillPlain(faces.normalFace);
    }

    faces.disabledFace.CopyFrom(faces.normalFace);
    faces.hoverFace.CopyFrom(faces.normalFace);
    faces.hoverFace.TintPalette(colours.highlight, recipe.highlight);
    faces.pressedFace.CopyFrom(faces.hoverFace);
}
