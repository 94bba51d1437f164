#include "controls/win/GameBrushes.h"

GameBrushSet GameBrushes;

HBRUSH GameBrushSet::Get(GameBrush brush) const {
    switch (brush) {
    case GameBrush::White: return white;
    case GameBrush::LightGrey: return lightGrey;
    case GameBrush::Brown: return brown;
    case GameBrush::Sand: return sand;
    case GameBrush::Beige: return beige;
    case GameBrush::Green: return green;
    }
    return white;
}

void CreateGameBrushes() {
    if (GameBrushes.white)
        return;
    auto make = [](GameBrush brush) { return CreateSolidBrush(GameBrushColor(brush)); };
    GameBrushes.white = make(GameBrush::White);
    GameBrushes.lightGrey = make(GameBrush::LightGrey);
    GameBrushes.brown = make(GameBrush::Brown);
    GameBrushes.sand = make(GameBrush::Sand);
    GameBrushes.beige = make(GameBrush::Beige);
    GameBrushes.green = make(GameBrush::Green);
}
