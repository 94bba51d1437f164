// Drawing effects with any numbers: nothing is written outside the image or
// the area asked for, a shadow never brightens, and full opacity copies.
#include "engine/Random.h"
#include "tooltip/DrawEffects.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr int Side = 24;

bool Inside(int64_t x, int64_t y, int64_t left, int64_t top, int64_t width, int64_t height)
{
    return x >= left && y >= top && x < left + width && y < top + height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // Mostly near the image, sometimes far beyond it.
    const auto some = [&data](int near, int far) {
        return data.ConsumeBool() ? data.ConsumeIntegralInRange(-4, near) : data.ConsumeIntegralInRange(-far, far);
    };
    Image32 image(Side, Side);
    const uint32_t pattern = data.ConsumeIntegral<uint32_t>();
    for (std::size_t i = 0; i < image.Pixels().size(); ++i)
        image.Pixels()[i] = uint32_t(pattern * (i + 1) + i * i * 2654435761u) & 0xFFFFFF;
    SeedRandom(data.ConsumeIntegral<uint32_t>());
    const Image32 before = image;
    const int x = some(30, INT_MAX), y = some(30, INT_MAX), width = some(40, 70000), height = some(40, 70000);
    const int what = data.ConsumeIntegralInRange(0, 4);
    // No picture for a background; a small one of any size for the rest.
    Image32 source(what ? data.ConsumeIntegralInRange(0, 12) : 0, what ? data.ConsumeIntegralInRange(0, 12) : 0);
    for (uint32_t& pixel : source.Pixels())
        pixel = data.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
    const int opacity = data.ConsumeIntegralInRange(-50, 250), sourceX = some(30, INT_MAX), sourceY = some(30, INT_MAX);
    const int a = data.ConsumeIntegral<int>(), b = data.ConsumeIntegral<int>();
    const uint32_t colour = data.ConsumeIntegral<uint32_t>();
    const CDrawEffects effects;
    if (what == 0) {
        const auto edge = [](int64_t v) { return int(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
        const PixelRect rect{x, y, edge(int64_t(x) + width), edge(int64_t(y) + height)};
        effects.DrawBackground(image, a % 22, rect, colour, uint32_t(a), uint32_t(b), b % 306, opacity);
    } else if (what == 1) {
        effects.TileBlit(image, x, y, width, height, source, sourceX, sourceY, a % 50, b % 50);
    } else if (what == 2) {
        effects.BlendPicture(image, x, y, width, height, source, sourceX, sourceY, opacity);
    } else if (what == 3) {
        effects.DrawShadow(image, x, y, width, height, source, colour & 1, a, b);
    } else {
        effects.DrawImage(image, x, y, width, height, source, colour & 1, colour, a, colour & 2, sourceX % 41,
                          sourceY % 41, a, b, opacity);
    }
    if (image.Width() != Side || image.Height() != Side)
        std::abort();
    for (int ty = 0; ty < Side; ++ty)
        for (int tx = 0; tx < Side; ++tx) {
            const uint32_t was = before.At(tx, ty), is = image.At(tx, ty);
            const bool inArea = Inside(tx, ty, x, y, width, height);
            const int64_t sx = int64_t(sourceX) + tx - x, sy = int64_t(sourceY) + ty - y;
            if ((what < 4 && !inArea && was != is) ||
                (what == 3 && (RedOf(is) > RedOf(was) || GreenOf(is) > GreenOf(was) || BlueOf(is) > BlueOf(was))) ||
                (what == 2 && opacity >= 100 && inArea && Inside(sx, sy, 0, 0, source.Width(), source.Height()) &&
                 is != source.At(int(sx), int(sy))))
                std::abort();
        }
    return 0;
}
