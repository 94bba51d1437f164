#include "tooltip/DrawEffects.h"

#include "engine/Random.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <malloc.h>
#include <new>

// Bytes on the heap now and at most since the last reset, counted by the
// replaced operator new: what one drawing takes beyond its target.
namespace {
std::size_t heapNow = 0;
std::size_t heapPeak = 0;
void ResetHeapPeak() { heapPeak = heapNow; }
} // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    heapNow += malloc_usable_size(block);
    heapPeak = std::max(heapPeak, heapNow);
    return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept
{
    if (!block)
        return;
    heapNow -= malloc_usable_size(block);
    std::free(block);
}
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }

// A tooltip of the game is a few hundred pixels wide; each paint darkens
// the shadow and blends the picture, each show draws the background.
namespace {
constexpr int TipWidth = 400;
constexpr int TipHeight = 200;

Image32 ShapeMask()
{
    Image32 mask(TipWidth, TipHeight, 0xFFFFFF);
    mask.FillRect({0, 16, TipWidth - 6, TipHeight - 6}, 0x808080);
    return mask;
}
} // namespace

static void BM_SoftShadow(benchmark::State& state)
{
    const Image32 mask = ShapeMask();
    const CDrawEffects effects;
    for (auto _ : state)
    {
        Image32 output(TipWidth, TipHeight, 0xC0C0C0);
        effects.DrawShadow(output, 6, 6, TipWidth, TipHeight, mask, true, 7, 7);
        benchmark::DoNotOptimize(output.Pixels().data());
    }
}
BENCHMARK(BM_SoftShadow)->Unit(benchmark::kMicrosecond);

static void BM_BlendPicture(benchmark::State& state)
{
    const Image32 picture(TipWidth, TipHeight, 0xE1FFFF);
    Image32 output(TipWidth, TipHeight, 0x404040);
    const CDrawEffects effects;
    for (auto _ : state)
    {
        effects.BlendPicture(output, 0, 0, TipWidth, TipHeight, picture, 0, 0, 60);
        benchmark::DoNotOptimize(output.Pixels().data());
    }
}
BENCHMARK(BM_BlendPicture)->Unit(benchmark::kMicrosecond);

static void BM_Background(benchmark::State& state)
{
    const int effect = int(state.range(0));
    Image32 output(TipWidth, TipHeight);
    const CDrawEffects effects;
    SeedRandom(1);
    for (auto _ : state)
    {
        effects.DrawBackground(output, effect, {0, 0, TipWidth, TipHeight}, 0xE1FFFF, 0x80C0FF, 0x0040A0, 10);
        benchmark::DoNotOptimize(output.Pixels().data());
    }
}
BENCHMARK(BM_Background)->Arg(EffectSolid)->Arg(EffectHCGradient)->Arg(EffectSoftBump)->Arg(EffectMetal)
    ->Unit(benchmark::kMicrosecond);

// A picture of 4096 x 4096 with a soft shadow, the largest that may be
// drawn, from a small bitmap (range 0) or one of its own size (range 1).
static void BM_LargeImageSoftShadow(benchmark::State& state)
{
    constexpr int Side = 4096;
    const int sourceSide = state.range(0) ? Side : 64;
    const Image32 bitmap(sourceSide, sourceSide, 0x3060C0);
    // The largest target there may be; the shadow runs off its edges.
    Image32 output(Side, Side, 0xE1FFFF);
    const CDrawEffects effects;
    std::size_t peak = 0;
    for (auto _ : state)
    {
        ResetHeapPeak();
        const std::size_t before = heapNow;
        effects.DrawImage(output, 0, 0, Side, Side, bitmap, true, 0xFF00FF, ImageStyleSoftShadow, true, 4, 4, 5, 5,
                          50);
        peak = std::max(peak, heapPeak - before);
        benchmark::DoNotOptimize(output.Pixels().data());
    }
    state.counters["peak_heap_MB"] = double(peak) / 1e6;
}
BENCHMARK(BM_LargeImageSoftShadow)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
