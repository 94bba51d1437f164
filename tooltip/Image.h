#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Plain images in memory, the material of every pixel operation of the
// tooltip. Pixels hold colour values as the rest of the program does:
// 0x00BBGGRR, red in the lowest byte. Rows run from top to bottom.

// Images never grow beyond these bounds: a size that comes from a markup
// text or a window must not make us allocate without limit.
constexpr int MaxImageSide = 16384;
constexpr int64_t MaxImagePixels = int64_t(1) << 24;

// True when an image of this size may be made (both sides 0 or more, within
// the bounds above). An empty size is allowed and makes an empty image.
bool IsAllowedImageSize(int width, int height);

constexpr uint32_t MakeColour(int red, int green, int blue)
{
    return uint32_t(red & 0xFF) | (uint32_t(green & 0xFF) << 8) | (uint32_t(blue & 0xFF) << 16);
}
constexpr int RedOf(uint32_t colour) { return int(colour & 0xFF); }
constexpr int GreenOf(uint32_t colour) { return int((colour >> 8) & 0xFF); }
constexpr int BlueOf(uint32_t colour) { return int((colour >> 16) & 0xFF); }

// A rectangle in pixels; right and bottom lie outside it, as in GDI.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Saturated, so that a rectangle from hostile numbers cannot overflow.
    int Width() const { return Extent(left, right); }
    int Height() const { return Extent(top, bottom); }
    bool IsEmpty() const { return right <= left || bottom <= top; }

private:
    static int Extent(int low, int high)
    {
        const int64_t extent = int64_t(high) - int64_t(low);
        return extent > INT32_MAX ? INT32_MAX : (extent < INT32_MIN ? INT32_MIN : int(extent));
    }
};

// 32-bit image.
class Image32
{
public:
    Image32() = default;
    // A refused size leaves an empty image; check with IsEmpty or Create.
    Image32(int width, int height, uint32_t fill = 0) { Create(width, height, fill); }

    // Makes the image anew, every pixel set to fill. False (and an empty
    // image) when the size is not allowed.
    bool Create(int width, int height, uint32_t fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_width == 0 || m_height == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // Unchecked access; callers keep inside the image.
    uint32_t At(int x, int y) const { return m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)]; }
    uint32_t& At(int x, int y) { return m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)]; }

    // Checked access: outside the image Get answers outside and Set does nothing.
    uint32_t Get(int x, int y, uint32_t outside = 0) const { return Contains(x, y) ? At(x, y) : outside; }
    void Set(int x, int y, uint32_t colour)
    {
        if (Contains(x, y))
            At(x, y) = colour;
    }

    void Fill(uint32_t colour);
    // Fills the part of the rectangle that lies in the image.
    void FillRect(const PixelRect& rect, uint32_t colour);

    const std::vector<uint32_t>& Pixels() const { return m_pixels; }
    std::vector<uint32_t>& Pixels() { return m_pixels; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

// 8-bit image with a palette of 256 colour values (0x00BBGGRR); the
// textures are made as grey levels and shown through the palette.
class Image8
{
public:
    Image8() = default;
    Image8(int width, int height, uint8_t fill = 0) { Create(width, height, fill); }

    bool Create(int width, int height, uint8_t fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_width == 0 || m_height == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    uint8_t At(int x, int y) const { return m_levels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)]; }
    uint8_t& At(int x, int y) { return m_levels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)]; }

    std::array<uint32_t, 256>& Palette() { return m_palette; }
    const std::array<uint32_t, 256>& Palette() const { return m_palette; }

    // The colour of a pixel through the palette.
    uint32_t ColourAt(int x, int y) const { return m_palette[At(x, y)]; }

    const std::vector<uint8_t>& Levels() const { return m_levels; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_levels;
    std::array<uint32_t, 256> m_palette{};
};

// The source stretched to width x height; each target pixel takes the
// nearest source pixel, as a plain stretch blit does.
// An empty source or a refused size gives an empty image.
Image32 StretchImage(const Image32& source, int width, int height);
