#pragma once
#include "controls/PaletteBitmap.h"

#include <cstdint>

// The pictures of a gradient button, computed once and only copied at paint.
struct ButtonFaces {
    CPaletteBitmap normalFace;
    CPaletteBitmap hoverFace;
    CPaletteBitmap pressedFace;
    CPaletteBitmap disabledFace;
    CPaletteBitmap focusLineH; // top and bottom of the focus rectangle
    CPaletteBitmap focusLineV; // left and right
};

// The system's button colours the palette runs through.
struct ButtonColours {
    uint32_t shadow;
    uint32_t face;
    uint32_t highlight;
};

struct FaceRecipe {
    int style = 1;        // 1: diagonal grained gradient
    int grain = 8;        // half the width of the random grain, in palette steps
    int highlight = 20;   // percent the hover face is lightened
    int tint = 70;        // percent the faces lean towards tintColour
    uint32_t tintColour = 0;
};

constexpr int FaceStyleDiagonal = 1;

// Entry k of the shadow-face-highlight ramp: 0 is the shadow, 255 the highlight.
uint32_t ButtonPaletteEntry(int k, const ButtonColours& colours);

// One grain value in -grain..+grain, drawn from the calling thread's generator.
int DrawGrainValue(int grain);

// Builds all six pictures for a window of width x height pixels. Pictures that
// cannot be had stay empty (the control then paints the plain face colour).
// Draws one random number per face pixel from the calling thread's generator.
void BuildButtonFaces(ButtonFaces& faces, int width, int height, int focusMargin,
                      const FaceRecipe& recipe, const ButtonColours& colours);
