#include "tooltip/Image.h"

#include <algorithm>

bool IsAllowedImageSize(int width, int height)
{
    if (width < 0 || height < 0 || width > MaxImageSide || height > MaxImageSide)
        return false;
    return int64_t(width) * int64_t(height) <= MaxImagePixels;
}

bool Image32::Create(int width, int height, uint32_t fill)
{
    if (!IsAllowedImageSize(width, height))
    {
        *this = Image32();
        return false;
    }
    m_width = width;
    m_height = height;
    m_pixels.assign(std::size_t(width) * std::size_t(height), fill);
    return true;
}

void Image32::Fill(uint32_t colour)
{
    std::fill(m_pixels.begin(), m_pixels.end(), colour);
}

void Image32::FillRect(const PixelRect& rect, uint32_t colour)
{
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, m_width);
    const int bottom = std::min(rect.bottom, m_height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            At(x, y) = colour;
}

bool Image8::Create(int width, int height, uint8_t fill)
{
    if (!IsAllowedImageSize(width, height))
    {
        *this = Image8();
        return false;
    }
    m_width = width;
    m_height = height;
    m_levels.assign(std::size_t(width) * std::size_t(height), fill);
    return true;
}

Image32 StretchImage(const Image32& source, int width, int height)
{
    Image32 result;
    if (source.IsEmpty() || !result.Create(width, height))
        return result;
    for (int y = 0; y < height; ++y)
    {
        const int sourceY = int(int64_t(y) * source.Height() / height);
        for (int x = 0; x < width; ++x)
        {
            const int sourceX = int(int64_t(x) * source.Width() / width);
            result.At(x, y) = source.At(sourceX, sourceY);
        }
    }
    return result;
}
