// Caption drawing and measuring as a repaint does it: 100 short captions per iteration on a
// 640 × 480 surface, with the font and glyph caches warm. Heap allocations are counted too,
// since a warm repaint should make none.
#include "allocation_counter.h"
#include "framework/graphics/device_context.h"
#include "framework/core/font.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

using namespace brisat;

constexpr std::string_view Captions[] = {"Play",      "Stop",    "Pause",       "0:00:01",
                                         "Громкость", "Next",    "&Previous",   "Mute",
                                         "Playlist",  "Открыть", "Яркость 50%", "1:23:45"};
constexpr int CaptionsPerIteration = 100;

void DrawCaptions(benchmark::State& state, TFontStyles style, bool opaque) {
    TSurface surface(640, 480);
    TDeviceContext dc(&surface);
    TFont font;
    font.SetStyle(style);
    dc.SelectFont(&font);
    dc.SetBkMode(opaque ? TBkMode::Opaque : TBkMode::Transparent);
    auto paint = [&] {
        for (int i = 0; i < CaptionsPerIteration; ++i) {
            TRect rect = Bounds((i % 5) * 128, (i / 5) * 24, 128, 24);
            dc.DrawText(Captions[size_t(i) % std::size(Captions)], rect,
                        DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
    };
    paint(); // warm the caches
    const uint64_t before = AllocationCount();
    for (auto _ : state) {
        paint();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * CaptionsPerIteration);
    state.counters["allocs/iter"] =
        double(AllocationCount() - before) / double(std::max<int64_t>(1, state.iterations()));
}

void BM_DrawCaptions(benchmark::State& state) {
    DrawCaptions(state, {}, false);
}
void BM_DrawCaptionsBoldOpaque(benchmark::State& state) {
    DrawCaptions(state, {TFontStyle::fsBold}, true);
}

void BM_MeasureCaptions(benchmark::State& state) {
    TDeviceContext dc;
    TFont font;
    dc.SelectFont(&font);
    int64_t total = 0;
    for (std::string_view caption : Captions)
        total += dc.GetTextExtent(caption).cx;
    const uint64_t before = AllocationCount();
    for (auto _ : state) {
        for (int i = 0; i < CaptionsPerIteration; ++i)
            total += dc.GetTextExtent(Captions[size_t(i) % std::size(Captions)]).cx;
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * CaptionsPerIteration);
    state.counters["allocs/iter"] =
        double(AllocationCount() - before) / double(std::max<int64_t>(1, state.iterations()));
}

BENCHMARK(BM_DrawCaptions);
BENCHMARK(BM_DrawCaptionsBoldOpaque);
BENCHMARK(BM_MeasureCaptions);

} // namespace
