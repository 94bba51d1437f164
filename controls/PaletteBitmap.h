#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

struct HDC__; // the Windows device context handle, for Draw only

// Colours are 0x00BBGGRR, red in the lowest byte, as the platform keeps them.
constexpr uint32_t MakeColour(int red, int green, int blue)
{
    return static_cast<uint32_t>(red & 0xFF) | static_cast<uint32_t>(green & 0xFF) << 8 |
           static_cast<uint32_t>(blue & 0xFF) << 16;
}
constexpr int RedOf(uint32_t colour) { return colour & 0xFF; }
constexpr int GreenOf(uint32_t colour) { return (colour >> 8) & 0xFF; }
constexpr int BlueOf(uint32_t colour) { return (colour >> 16) & 0xFF; }

// An 8-bit device-independent picture with its own 256-entry palette, kept as
// one block (header, palette, pixels) so that it can go to the screen as is.
// Rows run from the bottom line upwards, each padded to a multiple of 4 bytes.
// Every operation on an empty bitmap does nothing.
class CPaletteBitmap {
public:
    static constexpr int PaletteEntries = 256;
    static constexpr int HeaderSize = 40;
    // Larger pictures are refused: a button face never comes near this, and
    // the size arithmetic stays far from overflowing.
    static constexpr int MaxSide = 16384;

    CPaletteBitmap() = default;
    CPaletteBitmap(const CPaletteBitmap&) = delete;
    CPaletteBitmap& operator=(const CPaletteBitmap&) = delete;

    // Releases any old block; the new palette and pixels are all zero.
    bool Create(int width, int height);
    bool IsValid() const { return m_block != nullptr; }
    void Release();

    void SetPaletteEntry(int index, int red, int green, int blue);
    // Mixes every entry with the colour; percent is capped at 100.
    void TintPalette(uint32_t colour, int percent);
    // Becomes a copy of the other (empty when the other is empty).
    bool CopyFrom(const CPaletteBitmap& other);

    uint8_t* Pixels();
    const uint8_t* Pixels() const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int RowLength() const { return m_rowLength; }

    // The whole block, starting with the header: what the platform takes as
    // the picture's description.
    const uint8_t* Block() const { return m_block.get(); }
    size_t BlockSize() const { return m_blockSize; }

    // For readers: entry as 0x00BBGGRR (0 when empty or out of range), and
    // the palette index at column x of bitmap row r (0 = bottom line).
    uint32_t PaletteEntry(int index) const;
    uint8_t PixelAt(int x, int row) const;

    // Copies the picture unscaled to the device context (Windows build only).
    void Draw(HDC__* dc, int x, int y) const;

private:
    uint8_t* Palette() const { return m_block.get() + HeaderSize; }

    std::unique_ptr<uint8_t[]> m_block;
    size_t m_blockSize = 0;
    int m_width = 0;
    int m_height = 0;
    int m_rowLength = 0;
};
