#include "controls/GameColors.h"

uint32_t GameBrushColor(GameBrush brush) {
    switch (brush) {
    case GameBrush::White: return MakeColor(255, 255, 255);
    case GameBrush::LightGrey: return MakeColor(230, 230, 230);
    case GameBrush::Brown: return MakeColor(210, 150, 100);
    case GameBrush::Sand: return MakeColor(230, 200, 175);
    case GameBrush::Beige: return MakeColor(230, 210, 170);
    case GameBrush::Green: return MakeColor(0, 128, 0);
    }
    return MakeColor(255, 255, 255);
}
