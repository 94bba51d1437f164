#pragma once
#include <cstdint>

// Colours as 0x00BBGGRR, red in the lowest byte.
constexpr uint32_t MakeColor(int red, int green, int blue) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue) << 16;
}

// The six process-wide brushes, by colour.
enum class GameBrush { White, LightGrey, Brown, Sand, Beige, Green };
uint32_t GameBrushColor(GameBrush brush);
