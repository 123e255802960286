// The self-drawn controls at work on the headless platform with the shipped "steel" skin
// (build/<dir>/Skins): a skinned tool-bar panel (483 × 28, the player's seek panel) and a skinned
// push button (75 × 25, the open-URL dialog's) rendered afresh, with the heap allocations each
// render makes; the player's playlist list box (250 × 200, 25 entries, its scroll bar showing)
// rendered afresh plain and skinned; the main window's whole set of skinned controls rendered
// afresh; a skin change of a window of 30 skinned controls, from the new skin file to the last
// repaint; and how many buffer reallocations a control resized one pixel at a time makes.
#include "allocation_counter.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "platform/headless_platform.h"
#include "skin/engine/skin_engine.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_controls/se_skin_list_box.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_controls/se_skin_track_bar.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace brisat;

std::string ShippedSkin(const char* name) {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
            "Skins" / (std::string(name) + ".xskn"))
        .string();
}
std::string SteelSkin() { return ShippedSkin("steel"); }

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

// The playlist as the player sets it up, its current entry selected; each render draws the list
// and its scroll bar into the list's buffer.
void RenderPlaylist(benchmark::State& state, bool skinned) {
    WithSkinnedForm(state, [&](TForm& form, TSeSkinEngine& engine) {
        auto& list = CreateOwned<TSeSkinListBox>(form);
        list.SetBoundsRect(Bounds(8, 8, 250, 200));
        list.SetParent(&form);
        for (int32_t i = 1; i <= 25; ++i)
            list.Items().Add("Track " + std::to_string(i) + " - a song of some length.avi");
        list.SetItemIndex(3);
        if (skinned) list.SetSkinEngine(&engine);
        if (skinned != list.IsSkinned()) state.SkipWithError("steel lacks the list box");
        uint64_t allocations = 0;
        for (auto _ : state) {
            const uint64_t before = AllocationCount();
            list.SetNeedsRender(true);
            list.RenderBuffer();
            list.PaintGraphicChildren(list.Buffer().DC());
            allocations += AllocationCount() - before;
        }
        state.counters["allocs/render"] =
            benchmark::Counter(double(allocations) / double(state.iterations()));
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

// The skinned controls of the player's main window at their sizes there: five panels, the
// volume and zoom bars, the monitor combo box and the playlist.
std::vector<TKsCustomControl*> PlaceMainWindowSet(TForm& form, TSeSkinEngine& engine,
                                                  int32_t dy = 0) {
    std::vector<TKsCustomControl*> set;
    for (const TRect& bounds : {Bounds(0, dy + 0, 483, 28), Bounds(0, dy + 30, 483, 32),
                                Bounds(0, dy + 64, 483, 32), Bounds(0, dy + 98, 249, 24),
                                Bounds(260, dy + 98, 150, 30)}) {
        auto& panel = Place<TSeSkinPanel>(form, engine, bounds);
        panel.SetShowCaption(false);
        set.push_back(&panel);
    }
    auto& volume = Place<TSeSkinTrackBar>(form, engine, Bounds(0, dy + 130, 77, 27));
    volume.SetMax(10000);
    volume.SetFrequency(1000);
    volume.SetShowTicks(false);
    volume.SetThumbHalfWidth(2);
    volume.SetPosition(7000);
    auto& zoom = Place<TSeSkinTrackBar>(form, engine, Bounds(600, dy + 0, 25, 261));
    zoom.SetOrientation(TTrackOrientation::toVertical);
    zoom.SetMax(99);
    zoom.SetShowTicks(false);
    zoom.SetThumbHalfWidth(2);
    zoom.SetIntervalHighlightType(TIntervalHighlightType::htLowInterval);
    zoom.SetPosition(30);
    auto& monitors = Place<TSeSkinComboBox>(form, engine, Bounds(80, dy + 130, 121, 21));
    for (const char* name : {"Current monitor", "Monitor 0", "Monitor 1"})
        monitors.Items().Add(name);
    monitors.SetItemIndex(0);
    auto& playlist = Place<TSeSkinListBox>(form, engine, Bounds(630, dy + 0, 250, 261));
    for (int32_t i = 1; i <= 25; ++i)
        playlist.Items().Add("Track " + std::to_string(i) + " - a song of some length.avi");
    playlist.SetItemIndex(3);
    set.insert(set.end(), {&volume, &zoom, &monitors, &playlist});
    return set;
}

void RenderMainWindowSet(benchmark::State& state) {
    WithSkinnedForm(state, [&](TForm& form, TSeSkinEngine& engine) {
        form.SetBounds(0, 0, 900, 300);
        const std::vector<TKsCustomControl*> set = PlaceMainWindowSet(form, engine);
        uint64_t allocations = 0;
        for (auto _ : state) {
            const uint64_t before = AllocationCount();
            for (TKsCustomControl* control : set) {
                control->SetNeedsRender(true);
                control->RenderBuffer();
                control->PaintGraphicChildren(control->Buffer().DC());
            }
            allocations += AllocationCount() - before;
        }
        state.counters["allocs/set"] =
            benchmark::Counter(double(allocations) / double(state.iterations()));
        state.SetItemsProcessed(state.iterations() * int64_t(set.size()));
    });
}

// Thirty skinned controls of every family on a shown window; each iteration loads the other of
// two skins and runs the message loop until every control has repainted.
void SkinChangeOf30Controls(benchmark::State& state) {
    WithSkinnedForm(state, [&](TForm& form, TSeSkinEngine& engine) {
        form.SetBounds(0, 0, 1000, 900);
        int32_t placed = 0;
        for (int32_t dy : {0, 280, 560}) {
            placed += int32_t(PlaceMainWindowSet(form, engine, dy).size());
            auto& edit = Place<TSeSkinEdit>(form, engine, Bounds(220, dy + 130, 300, 21));
            edit.SetText("mms://example.org/stream");
            ++placed;
        }
        const std::string skins[] = {ShippedSkin("alien"), SteelSkin()};
        size_t next = 0;
        for (auto _ : state) {
            engine.SetSkinFile(skins[next]);
            next ^= 1;
            Application->ProcessMessages();
        }
        state.counters["controls"] = double(placed);
    });
}

BENCHMARK(RenderMainWindowSet)->Unit(benchmark::kMicrosecond);
BENCHMARK(SkinChangeOf30Controls)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderSkinnedPanelAndButton)->Unit(benchmark::kMicrosecond);
BENCHMARK(ResizeByOnePixel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RenderPlaylist, plain, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RenderPlaylist, skinned, true)->Unit(benchmark::kMicrosecond);

} // namespace
