// The player's main window in its skins on the headless platform: from creation (the settings
// name the skin, which the creation loads) until the window is shown and painted; a skin chosen
// from the "Skin" menu until every window is painted again; and, while a clip plays, how often the
// skinned controls paint against the video frames shown (they should not follow the frames).
// The shipped skins are found as the player finds them, in "Skins" beside the program.
#include "app/main_form.h"
#include "framework/controls/application.h"
#include "framework/controls/menu_item.h"
#include "platform/headless_platform.h"
#include "skin_controls/ks_custom_control.h"
#include "skin_windows/se_skin_form.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

using namespace brisat;
namespace fs = std::filesystem;

// A settings file in a folder of its own, ticking the skin Key.
struct TSettingsFolder {
    explicit TSettingsFolder(const std::string& skinKey) {
        std::string pattern = (fs::temp_directory_path() / "brisat-bench.XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        Folder = pattern;
        std::ofstream(Folder / "Brisat.ini") << "[Skin]\n" << skinKey << "=1\n";
    }
    ~TSettingsFolder() { fs::remove_all(Folder); }
    TConfigurationFile Settings() const {
        const std::string ini = (Folder / "Brisat.ini").string();
        return TConfigurationFile({ini, ini});
    }
    fs::path Folder;
};

bool SkinsBuilt() {
    return fs::exists(fs::read_symlink("/proc/self/exe").parent_path() / "Skins" / "steel.xskn");
}

// Body runs with a headless application; the windows go afterwards.
template <class F> void OnHeadless(benchmark::State& state, F body) {
    if (!SkinsBuilt()) return state.SkipWithError("the shipped skins are not built (skins)");
    SetPlatform(std::make_unique<THeadlessPlatform>());
    body();
    for (HWND top : GetTopLevelWindows())
        DestroyWindow(top);
    SetPlatform(nullptr);
}

void StartToFirstSkinnedPaint(benchmark::State& state) {
    OnHeadless(state, [&] {
        const TSettingsFolder settings("Xp Blue");
        for (auto _ : state) {
            auto app = std::make_unique<TApplication>();
            auto& main = app->CreateForm<TfrmMain>(settings.Settings());
            main.Show();
            app->ProcessMessages();
            if (!main.Parts().SeSkinForm1->IsSkinned()) state.SkipWithError("not skinned");
            state.PauseTiming();
            app.reset();
            state.ResumeTiming();
        }
    });
}

void SkinSwitch(benchmark::State& state) {
    OnHeadless(state, [&] {
        const TSettingsFolder settings("Xp Blue");
        TApplication app;
        auto& main = app.CreateForm<TfrmMain>(settings.Settings());
        main.Show();
        app.ProcessMessages();
        auto& alien = *static_cast<TMenuItem*>(main.FindComponentInTree("a"));
        auto& blue = *static_cast<TMenuItem*>(main.FindComponentInTree("xb"));
        bool toAlien = true;
        for (auto _ : state) {
            (toAlien ? alien : blue).Click();
            app.ProcessMessages();
            toAlien = !toAlien;
        }
        if (!main.Parts().SeSkinForm1->IsSkinned()) state.SkipWithError("not skinned");
    });
}

// Counts the paint messages of every skinned control of a window.
class TPaintCounter {
public:
    explicit TPaintCounter(TComponent& root) { Watch(root); }
    int64_t Paints = 0;

private:
    void Watch(TComponent& root) {
        for (int i = 0; i < root.ComponentCount(); ++i) {
            TComponent& c = root.Components(i);
            if (auto* control = dynamic_cast<TKsCustomControl*>(&c); control && control->HandleAllocated())
                SetWindowSubclass(control->Handle(), [this](HWND h, UINT m, WPARAM w, LPARAM l, uintptr_t) {
                    if (m == WM_PAINT) ++Paints;
                    return DefSubclassProc(h, m, w, l);
                }, uintptr_t(this));
            Watch(c);
        }
    }
};

void PaintsWhilePlaying(benchmark::State& state) {
    OnHeadless(state, [&] {
        const TSettingsFolder settings("Steel");
        const std::string clip = (settings.Folder / "clip.avi").string();
        const std::string make = "gst-launch-1.0 -q videotestsrc num-buffers=300 pattern=ball ! "
                                 "video/x-raw,width=320,height=240,framerate=30/1 ! jpegenc ! "
                                 "avimux ! filesink location='" + clip + "'";
        if (std::system(make.c_str()) != 0) return state.SkipWithError("no clip");
        auto& host = static_cast<THeadlessPlatform&>(Platform());
        for (auto _ : state) {
            TApplication app;
            auto& main = app.CreateForm<TfrmMain>(settings.Settings());
            main.Show();
            app.ProcessMessages();
            TPaintCounter counter(main);
            main.PlayFile(clip);
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            int64_t frames = 0;
            while (frames < 150 && std::chrono::steady_clock::now() < until) {
                app.ProcessMessages();
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                THeadlessWindow* window = host.Window(GetTopLevelWindow(main.Handle()));
                if (auto* layer = window ? window->VideoLayerIfAny() : nullptr)
                    frames = layer->FrameCount();
            }
            state.counters["video frames"] = double(frames);
            state.counters["skinned paints"] = double(counter.Paints);
        }
    });
}

} // namespace

BENCHMARK(StartToFirstSkinnedPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(SkinSwitch)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintsWhilePlaying)->Unit(benchmark::kMillisecond)->Iterations(1);
