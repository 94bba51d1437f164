#include "tooltip/DrawEffects.h"

#include "engine/Random.h"

#include <benchmark/benchmark.h>

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

BENCHMARK_MAIN();
