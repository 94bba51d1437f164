// Plain images: bounded sizes, clipped access and fills, the nearest-pixel stretch.
#include "tooltip/Image.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string Pixels(const Image32& image)
{
    std::string text;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            text += std::to_string(image.At(x, y)) + (x + 1 < image.Width() ? " " : y + 1 < image.Height() ? "/" : "");
    return text;
}

} // namespace

TEST(Image, SizesWithinBoundsAreMadeOthersRefused)
{
    Image32 image(3, 2, 7);
    EXPECT_EQ("7 7 7/7 7 7", Pixels(image));
    // The last pair: each side fits, the area does not.
    for (auto size : {std::pair<int, int>{-1, 5}, {5, -1}, {MaxImageSide + 1, 1}, {1, MaxImageSide + 1}, {MaxImageSide, MaxImageSide}}) {
        EXPECT_FALSE(image.Create(size.first, size.second)) << size.first << "x" << size.second;
        EXPECT_TRUE(image.IsEmpty());
    }
    EXPECT_TRUE(image.Create(MaxImageSide, MaxImagePixels / MaxImageSide));
    EXPECT_TRUE(image.Create(0, 7) && image.IsEmpty()); // empty is allowed
    Image8 levels;
    EXPECT_FALSE(levels.Create(INT_MAX, INT_MAX) || !levels.IsEmpty());
}

TEST(Image, CheckedAccessFillAndExtentsStayInside)
{
    Image32 image(4, 3, 0);
    image.Set(-1, 0, 9);
    image.Set(4, 0, 9);
    image.Set(3, 2, 5);
    image.FillRect({-5, 1, 2, 100}, 1);
    EXPECT_EQ("0 0 0 0/1 1 0 0/1 1 0 5 77 5", Pixels(image) + " " + std::to_string(image.Get(10, 10, 77)) + " " +
                                                  std::to_string(image.Get(3, 2, 77)));
    image.Fill(2);
    EXPECT_EQ("2 2 2 2/2 2 2 2/2 2 2 2", Pixels(image));
    const PixelRect wide{INT_MIN, 0, INT_MAX, 1}, inverted{5, 5, 2, 9};
    EXPECT_EQ(INT_MAX, wide.Width()); // saturates
    EXPECT_EQ(-3, inverted.Width());
    EXPECT_TRUE(inverted.IsEmpty() && !wide.IsEmpty());
}

TEST(Image, StretchTakesTheNearestPixel)
{
    Image32 source(3, 2);
    for (int i = 0; i < 6; ++i)
        source.Pixels()[i] = i + 1;
    EXPECT_EQ("1 1 2 2 3 3/1 1 2 2 3 3/4 4 5 5 6 6", Pixels(StretchImage(source, 6, 3)));
    EXPECT_EQ("1 2", Pixels(StretchImage(source, 2, 1))); // 1 * 3 / 2 = 1
    for (auto size : {std::pair<int, int>{0, 5}, {5, 0}, {MaxImageSide + 1, 1}})
        EXPECT_TRUE(StretchImage(source, size.first, size.second).IsEmpty());
    EXPECT_TRUE(StretchImage(Image32(), 5, 5).IsEmpty());
}
