// The shipped skins at work, each read from the Skins folder beside the build's program
// (build/<dir>/Skins): loading its .xskn file, a whole-skin hue change through the engine as the
// hue bar does it, and its "Form" tree cloned, laid out and drawn at 800 x 600.
#include "skin/bitmap/bitmap.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace brisat;

constexpr int32_t FormWidth = 800, FormHeight = 600;

std::filesystem::path SkinsFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "Skins";
}

void BM_Load(benchmark::State& state, std::string file) {
    TSeSkinSource source;
    for (auto _ : state) {
        source.Clear();
        source.LoadFromFile(file);
    }
    state.counters["file_bytes"] = double(std::filesystem::file_size(file));
}

void BM_DeltaHue(benchmark::State& state, std::string file) {
    TSeSkinEngine engine(nullptr);
    engine.SetSkinFile(file);
    int64_t pixels = 0;
    for (int32_t i = 0; i < engine.Skin().Bitmaps().Count(); ++i)
        pixels += int64_t(engine.Skin().Bitmaps()[i]->Width()) * engine.Skin().Bitmaps()[i]->Height();
    int32_t hue = 0;
    for (auto _ : state) {
        hue = hue == 0 ? 40 : 0;
        engine.SetDeltaHue(hue);
    }
    state.counters["skin_pixels"] = double(pixels);
}

// The window's title is set on the clone, as a skinned form does.
std::unique_ptr<TSeSkinObject> PlacedForm(const TSeSkinObject& form) {
    std::unique_ptr<TSeSkinObject> clone = CloneObject(form);
    if (TSeSkinObject* title = clone->FindObjectByKind(TSeKind::skTitle)) title->SetText("Brisat");
    clone->SetActive(true);
    clone->SetBounds(Bounds(0, 0, FormWidth, FormHeight));
    return clone;
}

void BM_CloneAndLayOutForm(benchmark::State& state, std::string file) {
    TSeSkinSource source;
    source.LoadFromFile(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlacedForm(*source.GetFormObject()));
}

void BM_DrawForm(benchmark::State& state, std::string file) {
    TSeSkinSource source;
    source.LoadFromFile(file);
    std::unique_ptr<TSeSkinObject> form = PlacedForm(*source.GetFormObject());
    TKsBitmap target;
    target.SetSize(FormWidth, FormHeight);
    for (auto _ : state) {
        form->Draw(target);
        benchmark::DoNotOptimize(target.Bits());
    }
}

const bool registered = [] {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(SkinsFolder(), error)) {
        if (entry.path().extension() != ".xskn") continue;
        const std::string name = entry.path().stem().string(), file = entry.path().string();
        using TRun = void (*)(benchmark::State&, std::string);
        const std::pair<const char*, TRun> runs[] = {{"BM_Load/", BM_Load},
                                                     {"BM_DeltaHue/", BM_DeltaHue},
                                                     {"BM_CloneAndLayOutForm/", BM_CloneAndLayOutForm},
                                                     {"BM_DrawForm/", BM_DrawForm}};
        for (const auto& [kind, run] : runs)
            benchmark::RegisterBenchmark((kind + name).c_str(), run, file)
                ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
