// A full repaint of a 1024 × 768 form holding 50 controls on the headless platform: 25 windowed
// panels that fill themselves and draw a caption, each holding a windowless box, as the
// framework paints a form after a resize or an exposure (frame, erase, paint, children in
// z-order, one present of the dirty area). Heap allocations per repaint are counted too.
#include "allocation_counter.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "platform/headless_platform.h"

#include <benchmark/benchmark.h>

namespace {

using namespace brisat;

class TCaptionPanel : public TCustomControl {
public:
    explicit TCaptionPanel(TComponent* owner) : TCustomControl(owner) {}

protected:
    void Paint() override {
        TRect r = ClientRect();
        Canvas().Handle()->DrawEdge(r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        Canvas().Brush().Style = TBrushStyle::bsClear;
        Canvas().DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

class TFillBox : public TGraphicControl {
public:
    explicit TFillBox(TComponent* owner) : TGraphicControl(owner) {}

protected:
    void Paint() override { Canvas().FillRect(ClientRect()); }
};

void FormRepaint(benchmark::State& state) {
    SetPlatform(std::make_unique<THeadlessPlatform>());
    {
        TApplication app;
        auto& form = app.CreateForm<TForm>();
        form.SetBounds(0, 0, 1024, 768);
        form.SetCaption("Repaint");
        for (int i = 0; i < 25; ++i) {
            auto& panel = CreateOwned<TCaptionPanel>(form);
            panel.SetBounds(10 + (i % 5) * 200, 10 + (i / 5) * 145, 190, 135);
            panel.SetColor(TColor(RGB(uint8_t(40 * (i % 5)), uint8_t(30 * (i / 5)), 200)));
            panel.SetCaption("Panel " + std::to_string(i));
            panel.SetParent(&form);
            auto& box = CreateOwned<TFillBox>(form);
            box.SetBounds(20, 20, 60, 40);
            box.SetColor(clYellow);
            box.SetParent(&panel);
        }
        form.Show();
        app.ProcessMessages();
        uint64_t allocations = 0;
        for (auto _ : state) {
            RedrawWindow(form.Handle(), nullptr, RDW_INVALIDATE | RDW_FRAME);
            const uint64_t before = AllocationCount();
            UpdateWindow(form.Handle());
            allocations += AllocationCount() - before;
        }
        state.counters["allocs/repaint"] =
            benchmark::Counter(double(allocations) / double(state.iterations()));
        state.SetItemsProcessed(state.iterations() * 50);
    }
    for (HWND top : GetTopLevelWindows())
        DestroyWindow(top);
    SetPlatform(nullptr);
}

BENCHMARK(FormRepaint)->Unit(benchmark::kMillisecond);

} // namespace
