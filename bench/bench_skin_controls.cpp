// The self-drawn controls at work on the headless platform with the shipped "steel" skin
// (build/<dir>/Skins): a skinned tool-bar panel (483 × 28, the player's seek panel) and a skinned
// push button (75 × 25, the open-URL dialog's) rendered afresh, with the heap allocations each
// render makes; and how many buffer reallocations a control resized one pixel at a time makes.
#include "allocation_counter.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "platform/headless_platform.h"
#include "skin/engine/skin_engine.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_panel.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace brisat;

std::string SteelSkin() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
            "Skins" / "steel.xskn")
        .string();
}

// A shown form owning an engine with the steel skin; Body runs with it.
template <class F> void WithSkinnedForm(benchmark::State& state, F body) {
    SetPlatform(std::make_unique<THeadlessPlatform>());
    {
        TApplication app;
        auto& form = app.CreateForm<TForm>();
        form.SetBounds(0, 0, 640, 200);
        auto& engine = CreateOwned<TSeSkinEngine>(form);
        if (std::filesystem::exists(SteelSkin())) {
            engine.SetSkinFile(SteelSkin());
            form.Show();
            app.ProcessMessages();
            body(form, engine);
            app.ProcessMessages();
        } else {
            state.SkipWithError("the shipped skins are not built (target skins)");
        }
    }
    for (HWND top : GetTopLevelWindows())
        DestroyWindow(top);
    SetPlatform(nullptr);
}

template <class T> T& Place(TForm& form, TSeSkinEngine& engine, const TRect& bounds) {
    T& control = CreateOwned<T>(form);
    control.SetBoundsRect(bounds);
    control.SetParent(&form);
    control.SetSkinEngine(&engine);
    return control;
}

void RenderSkinnedPanelAndButton(benchmark::State& state) {
    WithSkinnedForm(state, [&](TForm& form, TSeSkinEngine& engine) {
        auto& panel = Place<TSeSkinPanel>(form, engine, Bounds(8, 8, 483, 28));
        panel.SetShowCaption(false);
        auto& button = Place<TSeSkinButton>(form, engine, Bounds(8, 60, 75, 25));
        button.SetCaption("OK");
        if (!panel.IsSkinned() || !button.IsSkinned()) state.SkipWithError("steel lacks objects");
        uint64_t allocations = 0;
        for (auto _ : state) {
            const uint64_t before = AllocationCount();
            panel.SetNeedsRender(true);
            panel.RenderBuffer();
            button.SetNeedsRender(true);
            button.RenderBuffer();
            allocations += AllocationCount() - before;
        }
        state.counters["allocs/render"] =
            benchmark::Counter(double(allocations) / double(state.iterations()));
        state.SetItemsProcessed(state.iterations() * 2);
    });
}

// 200 one-pixel steps of growth: the grain keeps most of them.
void ResizeByOnePixel(benchmark::State& state) {
    WithSkinnedForm(state, [&](TForm& form, TSeSkinEngine& engine) {
        auto& panel = Place<TSeSkinPanel>(form, engine, Bounds(8, 8, 100, 28));
        int64_t reallocations = 0;
        for (auto _ : state) {
            const int32_t before = panel.BufferSet().Reallocations();
            for (int32_t w = 101; w <= 300; ++w)
                panel.SetWidth(w);
            reallocations += panel.BufferSet().Reallocations() - before;
            state.PauseTiming();
            panel.SetWidth(100);
            state.ResumeTiming();
        }
        state.counters["reallocs/200 resizes"] =
            benchmark::Counter(double(reallocations) / double(state.iterations()));
    });
}

BENCHMARK(RenderSkinnedPanelAndButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(ResizeByOnePixel)->Unit(benchmark::kMillisecond);

} // namespace
