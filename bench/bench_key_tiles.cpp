// Classifying a window's back buffer into key tiles (key_tiles.h): the whole of a 1920 × 1080
// buffer, all key as a full-screen video window's is or mostly opaque as a skinned main window's,
// and the small rectangle a time display repaints each second.
#include "platform/key_tiles.h"

#include <benchmark/benchmark.h>
#include <vector>

using namespace brisat;

namespace {

constexpr int32_t W = 1920, H = 1080;
constexpr uint32_t Key = 0xFF00FF;

std::vector<uint32_t> Buffer(const TScreenRect& keyed) {
    std::vector<uint32_t> pixels(size_t(W) * H, 0xFF808080u);
    for (int32_t y = keyed.Top; y < keyed.Bottom; ++y)
        for (int32_t x = keyed.Left; x < keyed.Right; ++x)
            pixels[size_t(y) * W + size_t(x)] = 0xFF000000u | Key;
    return pixels;
}

void Classify(benchmark::State& state, TScreenRect keyed, TScreenRect dirty) {
    const std::vector<uint32_t> pixels = Buffer(keyed);
    TKeyTiles tiles;
    tiles.Reset(W, H);
    for (auto _ : state) {
        tiles.Update(pixels.data(), W, dirty, Key);
        benchmark::DoNotOptimize(tiles.Runs().data());
    }
}

BENCHMARK_CAPTURE(Classify, WholeAllKey, TScreenRect{0, 0, W, H}, TScreenRect{0, 0, W, H})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Classify, WholeSkinned, TScreenRect{40, 60, 1880, 900}, TScreenRect{0, 0, W, H})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Classify, TimeDisplay, TScreenRect{0, 0, W, H}, TScreenRect{8, 8, 120, 30})
    ->Unit(benchmark::kMicrosecond);

} // namespace
