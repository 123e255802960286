// A whole-skin hue change of each shipped skin: every bitmap and every object tree re-tinted
// through the engine, as the settings dialog's hue bar does it. The skins are read from the
// Skins folder beside the build's program (build/<dir>/Skins).
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

using namespace brisat;

std::filesystem::path SkinsFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "Skins";
}

void BM_DeltaHue(benchmark::State& state, std::string file) {
    TSeSkinEngine engine(nullptr);
    engine.SetSkinFile(file);
    if (engine.Skin().Count() == 0) {
        state.SkipWithError(("no skin in " + file).c_str());
        return;
    }
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

const bool registered = [] {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(SkinsFolder(), error))
        if (entry.path().extension() == ".xskn")
            benchmark::RegisterBenchmark(("BM_DeltaHue/" + entry.path().stem().string()).c_str(),
                                         BM_DeltaHue, entry.path().string())
                ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
