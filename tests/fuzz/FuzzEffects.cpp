// Drawing effects with any numbers: nothing is written outside the image or
// the area asked for, a shadow never brightens, and full opacity copies.
#include "engine/Random.h"
#include "tooltip/DrawEffects.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Side = 24;

// Mostly small, sometimes far beyond any image.
int Length(FuzzedDataProvider& d)
{
    return d.ConsumeBool() ? d.ConsumeIntegralInRange(-4, 40) : d.ConsumeIntegralInRange(-70000, 70000);
}

int Position(FuzzedDataProvider& d)
{
    return d.ConsumeBool() ? d.ConsumeIntegralInRange(-30, 30) : d.ConsumeIntegral<int>();
}

Image32 SomeImage(FuzzedDataProvider& data)
{
    Image32 image(data.ConsumeIntegralInRange(0, 12), data.ConsumeIntegralInRange(0, 12));
    for (uint32_t& pixel : image.Pixels())
        pixel = data.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
    return image;
}

bool Inside(int64_t x, int64_t y, int64_t left, int64_t top, int64_t width, int64_t height)
{
    return x >= left && y >= top && x < left + width && y < top + height;
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
    const int x = Position(data), y = Position(data), width = Length(data), height = Length(data);
    const int what = data.ConsumeIntegralInRange(0, 4);
    const Image32 source = what == 0 ? Image32() : SomeImage(data);
    int opacity = 0, sourceX = 0, sourceY = 0;
    switch (what) {
    case 0: {
        const auto edge = [](int64_t v) { return int(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
        const int effect = data.ConsumeIntegralInRange(-3, 18);
        const PixelRect rect{x, y, edge(int64_t(x) + width), edge(int64_t(y) + height)};
        const uint32_t c1 = data.ConsumeIntegral<uint32_t>(), c2 = data.ConsumeIntegral<uint32_t>();
        const uint32_t c3 = data.ConsumeIntegral<uint32_t>();
        const int granularity = data.ConsumeIntegralInRange(-5, 300);
        effects.DrawBackground(image, effect, rect, c1, c2, c3, granularity, data.ConsumeIntegralInRange(-10, 200));
        break;
    }
    case 1:
        effects.TileBlit(image, x, y, width, height, source, Position(data), Position(data), Length(data),
                         Length(data));
        break;
    case 2:
        opacity = data.ConsumeIntegralInRange(-50, 250), sourceX = Position(data), sourceY = Position(data);
        effects.BlendPicture(image, x, y, width, height, source, sourceX, sourceY, opacity);
        break;
    case 3: {
        const bool gradient = data.ConsumeBool();
        const int blurX = data.ConsumeIntegral<int>();
        effects.DrawShadow(image, x, y, width, height, source, gradient, blurX, data.ConsumeIntegral<int>());
        break;
    }
    default:
        effects.DrawImage(image, x, y, width, height, source, data.ConsumeBool(), data.ConsumeIntegral<uint32_t>(),
                          data.ConsumeIntegral<int>(), data.ConsumeBool(), data.ConsumeIntegralInRange(-40, 40),
                          data.ConsumeIntegralInRange(-40, 40), data.ConsumeIntegral<int>(),
                          data.ConsumeIntegral<int>(), data.ConsumeIntegral<int>());
        break;
    }
    if (image.Width() != Side || image.Height() != Side)
        std::abort();
    for (int ty = 0; ty < Side; ++ty)
        for (int tx = 0; tx < Side; ++tx) {
            const uint32_t a = before.At(tx, ty), b = image.At(tx, ty);
            const bool inArea = Inside(tx, ty, x, y, width, height);
            const int64_t sx = int64_t(sourceX) + tx - x, sy = int64_t(sourceY) + ty - y;
            if (what < 4 && !inArea && a != b)
                std::abort();
            if (what == 3 && (RedOf(b) > RedOf(a) || GreenOf(b) > GreenOf(a) || BlueOf(b) > BlueOf(a)))
                std::abort();
            if (what == 2 && opacity >= 100 && inArea && Inside(sx, sy, 0, 0, source.Width(), source.Height()) &&
                b != source.At(int(sx), int(sy)))
                std::abort();
        }
    return 0;
}
