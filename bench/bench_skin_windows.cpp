// The skinned form at work on the headless platform with shipped skins (build/<dir>/Skins): a
// full repaint of the frame of an 800 × 600 window in a few skins, through the message loop to
// the presented window, with the heap allocations each repaint makes; 100 moves of a skinned
// window through the message loop, without and with the drop shadow, counting how often the
// frame was drawn meanwhile (it should not be: a move does not change the frame) and the heap
// allocations a move makes; and a skinned popup menu of 20 items from Popup
// until it is shown and waits for input.
#include "allocation_counter.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "platform/headless_platform.h"
#include "skin/engine/skin_engine.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/ks_popup_window.h"
#include "skin_windows/se_skin_form.h"
#include "skin_windows/se_skin_item.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace brisat;

std::string ShippedSkin(const std::string& name) {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "Skins" /
            (name + ".xskn"))
        .string();
}

// Counts the frames drawn.
class TCountingSkinForm : public TSeSkinForm {
public:
    using TSeSkinForm::TSeSkinForm;
    void PaintFrame(TKsBitmap& bitmap) override {
        ++Frames;
        TSeSkinForm::PaintFrame(bitmap);
    }
    int64_t Frames = 0;
};

// A shown 800 × 600 form framed by Skin; Body runs with its skinned form.
template <class F>
void WithSkinnedWindow(benchmark::State& state, const std::string& skin, F body) {
    SetPlatform(std::make_unique<THeadlessPlatform>());
    {
        TApplication app;
        auto& form = app.CreateForm<TForm>();
        form.SetCaption("Benchmark");
        form.SetBounds(40, 40, 800, 600);
        auto& engine = CreateOwned<TSeSkinEngine>(form);
        auto& frame = CreateOwned<TCountingSkinForm>(form);
        if (std::filesystem::exists(ShippedSkin(skin))) {
            engine.SetSkinFile(ShippedSkin(skin));
            frame.SetSkinEngine(&engine);
            form.Show();
            app.ProcessMessages();
            if (!frame.IsSkinned()) state.SkipWithError("the skin has no form object");
            body(app, form, frame);
            app.ProcessMessages();
        } else {
            state.SkipWithError("the shipped skins are not built (target skins)");
        }
    }
    for (HWND top : GetTopLevelWindows())
        DestroyWindow(top);
    SetPlatform(nullptr);
}

void NonClientRepaint(benchmark::State& state, const std::string& skin) {
    WithSkinnedWindow(state, skin, [&](TApplication& app, TForm&, TCountingSkinForm& frame) {
        frame.Frames = 0;
        uint64_t allocations = 0;
        for (auto _ : state) {
            const uint64_t before = AllocationCount();
            // The frame is invalidated and drawn by the message loop, which presents it.
            frame.PaintNonClient();
            app.ProcessMessages();
            allocations += AllocationCount() - before;
        }
        state.counters["allocs/repaint"] =
            benchmark::Counter(double(allocations) / double(state.iterations()));
        // Proof that every repaint drew the frame.
        state.counters["frames/repaint"] =
            benchmark::Counter(double(frame.Frames) / double(state.iterations()));
    });
}

// Argument 1: with the drop shadow, which copies the screen behind the window at every move.
void HundredMoves(benchmark::State& state) {
    WithSkinnedWindow(state, "steel",
                      [&](TApplication& app, TForm& form, TCountingSkinForm& frame) {
                          frame.SetDropShadow(state.range(0) != 0);
                          app.ProcessMessages();
                          int64_t frames = 0;
                          uint64_t allocations = 0;
                          for (auto _ : state) {
                              const int64_t before = frame.Frames;
                              const uint64_t allocated = AllocationCount();
                              for (int32_t i = 0; i < 100; ++i) {
                                  form.SetBounds(40 + i, 40 + i / 2, 800, 600);
                                  app.ProcessMessages();
                              }
                              frames += frame.Frames - before;
                              allocations += AllocationCount() - allocated;
                              state.PauseTiming();
                              form.SetBounds(40, 40, 800, 600);
                              app.ProcessMessages();
                              state.ResumeTiming();
                          }
                          state.counters["frames/100 moves"] =
                              benchmark::Counter(double(frames) / double(state.iterations()));
                          state.counters["allocs/move"] = benchmark::Counter(
                              double(allocations) / double(state.iterations()) / 100);
                      });
}

// Popup of a 20-item skinned menu until the loop first waits for input (the popup is laid out,
// drawn and presented by then); an Escape typed there closes it.
void PopupOfTwentyItems(benchmark::State& state) {
    WithSkinnedWindow(state, "steel",
                      [&](TApplication& app, TForm& form, TCountingSkinForm& frame) {
                          auto& menu = CreateOwned<TSeSkinPopupMenu>(form);
                          menu.SetSkinEngine(frame.SkinEngine());
                          for (int i = 0; i < 20; ++i) {
                              auto& item = CreateOwned<TSeSkinItem>(form);
                              item.SetCaption(i % 5 == 4 ? "-" : "Item &" + std::to_string(i));
                              menu.Items().Add(item);
                          }
                          auto& host = static_cast<THeadlessPlatform&>(Platform());
                          int64_t shown = 0;
                          for (auto _ : state) {
                              host.OnIdleWait = [&](int32_t) {
                                  state.PauseTiming();
                                  for (HWND top : GetTopLevelWindows())
                                      if (dynamic_cast<TKsPopupWindow*>(FindControl(top)) &&
                                          IsWindowVisible(top)) {
                                          ++shown;
                                          host.TypeKey(uint32_t(top), VK_ESCAPE);
                                      }
                                  host.OnIdleWait = nullptr;
                              };
                              menu.Popup(300, 200);
                              app.ProcessMessages();
                              state.ResumeTiming();
                          }
                          // Proof that every run showed the popup.
                          state.counters["popups/run"] =
                              benchmark::Counter(double(shown) / double(state.iterations()));
                      });
}

} // namespace

BENCHMARK(PopupOfTwentyItems)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NonClientRepaint, steel, std::string("steel"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NonClientRepaint, alien, std::string("alien"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NonClientRepaint, xp_blue, std::string("xp_blue"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NonClientRepaint, pencil, std::string("pencil"))->Unit(benchmark::kMicrosecond);
BENCHMARK(HundredMoves)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
