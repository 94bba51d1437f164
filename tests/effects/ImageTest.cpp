#include "tooltip/Image.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Image, SizesWithinBoundsAreMadeOthersRefused)
{
    Image32 image;
    EXPECT_TRUE(image.Create(3, 2, 0x123456));
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.At(2, 1), 0x123456u);
    // The last pair: each side fits, the area does not.
    for (auto size : {std::pair<int, int>{-1, 5}, {MaxImageSide + 1, 1}, {MaxImageSide, MaxImageSide}})
    {
        EXPECT_FALSE(image.Create(size.first, size.second)) << size.first << "x" << size.second;
        EXPECT_TRUE(image.IsEmpty());
    }
    EXPECT_TRUE(image.Create(0, 7)); // empty is allowed
    EXPECT_TRUE(image.IsEmpty());
    Image8 levels;
    EXPECT_FALSE(levels.Create(INT_MAX, INT_MAX));
    EXPECT_TRUE(levels.IsEmpty());
}

TEST(Image, CheckedAccessFillAndExtentsStayInside)
{
    Image32 image(4, 3, 0);
    image.Set(-1, 0, 9);
    image.Set(4, 0, 9);
    EXPECT_EQ(image.Get(10, 10, 77), 77u);
    image.FillRect({-5, 1, 2, 100}, 0xFF);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.At(x, y), (y >= 1 && x < 2) ? 0xFFu : 0u) << x << "," << y;

    const PixelRect wide{INT_MIN, 0, INT_MAX, 1};
    EXPECT_EQ(wide.Width(), INT_MAX); // saturates
    EXPECT_FALSE(wide.IsEmpty());
    const PixelRect inverted{5, 5, 2, 9};
    EXPECT_EQ(inverted.Width(), -3);
    EXPECT_TRUE(inverted.IsEmpty());
}

TEST(Image, StretchTakesTheNearestPixel)
{
    Image32 source(3, 1);
    for (int x = 0; x < 3; ++x)
        source.At(x, 0) = x + 1;
    const Image32 wider = StretchImage(source, 6, 2);
    ASSERT_EQ(wider.Width(), 6);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(wider.At(x, y), uint32_t(x / 2 + 1)) << x << "," << y;
    const Image32 narrower = StretchImage(source, 2, 1);
    EXPECT_EQ(narrower.At(0, 0), 1u);
    EXPECT_EQ(narrower.At(1, 0), 2u); // 1 * 3 / 2 = 1

    EXPECT_TRUE(StretchImage(source, 0, 5).IsEmpty());
    EXPECT_TRUE(StretchImage(source, 5, 0).IsEmpty());
    EXPECT_TRUE(StretchImage(Image32(), 5, 5).IsEmpty());
    EXPECT_TRUE(StretchImage(source, MaxImageSide + 1, 1).IsEmpty());
}
