#include "controls/PaletteBitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

void PutLittleEndian32(uint8_t* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutLittleEndian16(uint8_t* at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

// BITMAPINFOHEADER, written byte by byte so that the native build produces
// exactly the block the platform reads.
void WriteHeader(uint8_t* header, int width, int height, uint32_t imageSize)
{
    PutLittleEndian32(header + 0, CPaletteBitmap::HeaderSize);
    PutLittleEndian32(header + 4, static_cast<uint32_t>(width));
    PutLittleEndian32(header + 8, static_cast<uint32_t>(height));
    PutLittleEndian16(header + 12, 1); // planes
    PutLittleEndian16(header + 14, 8); // bits per pixel
    PutLittleEndian32(header + 16, 0); // no compression
    PutLittleEndian32(header + 20, imageSize);
    // resolution and colour counts stay 0
}

int MixChannel(int channel, int target, int percent)
{
    return (channel * (100 - percent) + target * percent) / 100;
}

} // namespace

bool CPaletteBitmap::Create(int width, int height)
{
    Release();
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        return false;
    const int rowLength = (width + 3) / 4 * 4;
    const size_t imageSize = static_cast<size_t>(rowLength) * static_cast<size_t>(height);
    const size_t blockSize = HeaderSize + PaletteEntries * 4 + imageSize;
    m_block.reset(new (std::nothrow) uint8_t[blockSize]);
    if (!m_block)
        return false;
    std::memset(m_block.get(), 0, blockSize);
    WriteHeader(m_block.get(), width, height, static_cast<uint32_t>(imageSize));
    m_blockSize = blockSize;
    m_width = width;
    m_height = height;
    m_rowLength = rowLength;
    return true;
}

void CPaletteBitmap::Release()
{
    m_block.reset();
    m_blockSize = 0;
    m_width = m_height = m_rowLength = 0;
}

void CPaletteBitmap::SetPaletteEntry(int index, int red, int green, int blue)
{
    if (!IsValid() || index < 0 || index >= PaletteEntries)
        return;
    uint8_t* entry = Palette() + 4 * index;
    entry[0] = static_cast<uint8_t>(blue);
    entry[1] = static_cast<uint8_t>(green);
    entry[2] = static_cast<uint8_t>(red);
    entry[3] = 0;
}

void CPaletteBitmap::TintPalette(uint32_t colour, int percent)
{
    if (!IsValid())
        return;
    const int p = std::clamp(percent, 0, 100);
    for (int k = 0; k < PaletteEntries; ++k) {
        const uint32_t entry = PaletteEntry(k);
        SetPaletteEntry(k, MixChannel(RedOf(entry), RedOf(colour), p),
                        MixChannel(GreenOf(entry), GreenOf(colour), p),
                        MixChannel(BlueOf(entry), BlueOf(colour), p));
    }
}

bool CPaletteBitmap::CopyFrom(const CPaletteBitmap& other)
{
    if (&other == this)
        return IsValid();
    if (!Create(other.m_width, other.m_height))
        return false;
    std::memcpy(m_block.get(), other.m_block.get(), m_blockSize);
    return true;
}

uint8_t* CPaletteBitmap::Pixels()
{
    return IsValid() ? Palette() + PaletteEntries * 4 : nullptr;
}

const uint8_t* CPaletteBitmap::Pixels() const
{
    return IsValid() ? Palette() + PaletteEntries * 4 : nullptr;
}

uint32_t CPaletteBitmap::PaletteEntry(int index) const
{
    if (!IsValid() || index < 0 || index >= PaletteEntries)
        return 0;
    const uint8_t* entry = Palette() + 4 * index;
    return MakeColour(entry[2], entry[1], entry[0]);
}

uint8_t CPaletteBitmap::PixelAt(int x, int row) const
{
    if (!IsValid() || x < 0 || x >= m_width || row < 0 || row >= m_height)
        return 0;
    return Pixels()[static_cast<size_t>(row) * m_rowLength + x];
}
