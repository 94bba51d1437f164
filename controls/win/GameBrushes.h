#pragma once
#include <windows.h>
#include "controls/GameColors.h"

// Six solid brushes for the whole process, created once at start-up and kept
// until exit (the system frees them with the process).
struct GameBrushSet {
    HBRUSH white = nullptr;
    HBRUSH lightGrey = nullptr;
    HBRUSH brown = nullptr;
    HBRUSH sand = nullptr;
    HBRUSH beige = nullptr;
    HBRUSH green = nullptr;

    HBRUSH Get(GameBrush brush) const;
};

extern GameBrushSet GameBrushes;

// Creates the brushes once; later calls keep the existing ones.
void CreateGameBrushes();
