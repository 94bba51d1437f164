// Drawing effects with any numbers: nothing is written outside the image or
// the area asked for, a shadow never brightens, and full opacity copies.
#include "engine/Random.h"
#include "tooltip/DrawEffects.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Side = 24;

int Length(FuzzedDataProvider& data)
{
    // Mostly small, sometimes far beyond any image.
    return data.ConsumeBool() ? data.ConsumeIntegralInRange(-4, 40) : data.ConsumeIntegralInRange(-70000, 70000);
}

int Position(FuzzedDataProvider& data)
{
    return data.ConsumeBool() ? data.ConsumeIntegralInRange(-30, 30) : data.ConsumeIntegral<int>();
}

Image32 SomeImage(FuzzedDataProvider& data)
{
    Image32 image(data.ConsumeIntegralInRange(0, 12), data.ConsumeIntegralInRange(0, 12));
    for (uint32_t& pixel : image.Pixels())
        pixel = data.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
    return image;
}

int ClampToInt(int64_t value)
{
    return int(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, value)));
}

bool Inside(int x, int y, int left, int top, int64_t width, int64_t height)
{
    return x >= left && y >= top && x < int64_t(left) + width && y < int64_t(top) + height;
}

void CheckUnchangedOutside(const Image32& before, const Image32& after, int left, int top, int64_t width,
                           int64_t height)
{
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            if (!Inside(x, y, left, top, width, height) && before.At(x, y) != after.At(x, y))
                std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const CDrawEffects effects;
    Image32 image(Side, Side);
    const uint32_t pattern = data.ConsumeIntegral<uint32_t>();
    for (std::size_t i = 0; i < image.Pixels().size(); ++i)
        image.Pixels()[i] = uint32_t(pattern * (i + 1) + i * i * 2654435761u) & 0xFFFFFF;
    SeedRandom(data.ConsumeIntegral<uint32_t>());
    const Image32 before = image;
    const int x = Position(data);
    const int y = Position(data);
    const int width = Length(data);
    const int height = Length(data);
    switch (data.ConsumeIntegralInRange(0, 4))
    {
    case 0: {
        const int effect = data.ConsumeIntegralInRange(-3, 18);
        const PixelRect rect{x, y, ClampToInt(int64_t(x) + width), ClampToInt(int64_t(y) + height)};
        effects.DrawBackground(image, effect, rect, data.ConsumeIntegral<uint32_t>(), data.ConsumeIntegral<uint32_t>(),
                               data.ConsumeIntegral<uint32_t>(), data.ConsumeIntegralInRange(-5, 300),
                               data.ConsumeIntegralInRange(-10, 200));
        CheckUnchangedOutside(before, image, x, y, width, height);
        break;
    }
    case 1: {
        const Image32 source = SomeImage(data);
        effects.TileBlit(image, x, y, width, height, source, Position(data), Position(data), Length(data),
                         Length(data));
        CheckUnchangedOutside(before, image, x, y, width, height);
        break;
    }
    case 2: {
        const Image32 source = SomeImage(data);
        const int opacity = data.ConsumeIntegralInRange(-50, 250);
        const int sourceX = Position(data);
        const int sourceY = Position(data);
        effects.BlendPicture(image, x, y, width, height, source, sourceX, sourceY, opacity);
        CheckUnchangedOutside(before, image, x, y, width, height);
        for (int ty = 0; ty < Side && opacity >= 100; ++ty)
            for (int tx = 0; tx < Side; ++tx)
            {
                const int64_t sx = int64_t(sourceX) + tx - x, sy = int64_t(sourceY) + ty - y;
                const bool fromSource = Inside(tx, ty, x, y, width, height) && sx >= 0 && sy >= 0 &&
                                        sx < source.Width() && sy < source.Height();
                if (fromSource && image.At(tx, ty) != source.At(int(sx), int(sy)))
                    std::abort();
            }
        break;
    }
    case 3: {
        const Image32 mask = SomeImage(data);
        effects.DrawShadow(image, x, y, width, height, mask, data.ConsumeBool(), data.ConsumeIntegral<int>(),
                           data.ConsumeIntegral<int>());
        CheckUnchangedOutside(before, image, x, y, width, height);
        for (int i = 0; i < Side * Side; ++i)
        {
            const uint32_t a = before.Pixels()[i], b = image.Pixels()[i];
            if (RedOf(b) > RedOf(a) || GreenOf(b) > GreenOf(a) || BlueOf(b) > BlueOf(a))
                std::abort();
        }
        break;
    }
    default: {
        const Image32 bitmap = SomeImage(data);
        effects.DrawImage(image, x, y, width, height, bitmap, data.ConsumeBool(), data.ConsumeIntegral<uint32_t>(),
                          data.ConsumeIntegral<int>(), data.ConsumeBool(), data.ConsumeIntegralInRange(-40, 40),
                          data.ConsumeIntegralInRange(-40, 40), data.ConsumeIntegral<int>(),
                          data.ConsumeIntegral<int>(), data.ConsumeIntegral<int>());
        break;
    }
    }
    if (image.Width() != Side || image.Height() != Side)
        std::abort();
    return 0;
}
