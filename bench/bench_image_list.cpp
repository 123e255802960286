// Image-list drawing: the per-pixel blend of enabled images and the two embossing passes of
// disabled ones, for the player's 16 × 15 glyphs and for one large image. Items are the pixels
// of the images drawn.
#include "framework/graphics/image_list.h"

#include <benchmark/benchmark.h>

namespace {

using namespace brisat;

// A list of Count images of Side × Side (15 high for the glyph case) with a masked background
// and an anti-aliased ring of partial alpha.
void Fill(TImageList& list, int count, int32_t width, int32_t height) {
    list.SetSize(width, height);
    TBitmap strip;
    strip.SetSize(width * count, height);
    TSurface& pixels = *strip.DC().Surface();
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width * count; ++x) {
            const int32_t dx = x % width - width / 2, dy = y - height / 2;
            const int32_t d = dx * dx + dy * dy, r = width * width / 9;
            const uint32_t alpha = d < r ? 255 : d < 2 * r ? 128 : 0;
            pixels.Row(y)[x] = alpha << 24 | uint32_t(x * 37 + y * 11) % 0xFFFFFF;
        }
    list.Add(strip);
}

void DrawAll(benchmark::State& state, int count, int32_t width, int32_t height, bool enabled) {
    TImageList list(nullptr);
    Fill(list, count, width, height);
    TBitmap target;
    target.SetSize(width * count, height);
    for (auto _ : state) {
        for (int i = 0; i < count; ++i)
            list.Draw(target.DC(), i * width, 0, i, enabled);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * count * width * height);
}

void BM_GlyphsEnabled(benchmark::State& state) {
    DrawAll(state, 25, 16, 15, true);
}
void BM_GlyphsDisabled(benchmark::State& state) {
    DrawAll(state, 25, 16, 15, false);
}
void BM_LargeImageEnabled(benchmark::State& state) {
    DrawAll(state, 1, 512, 512, true);
}
void BM_LargeImageDisabled(benchmark::State& state) {
    DrawAll(state, 1, 512, 512, false);
}

BENCHMARK(BM_GlyphsEnabled);
BENCHMARK(BM_GlyphsDisabled);
BENCHMARK(BM_LargeImageEnabled);
BENCHMARK(BM_LargeImageDisabled);

} // namespace
