// Loading a skin file of each storage variant into a skin source (reading, inflating, parsing the
// object text, key pixels, links), as the engine does when the user picks a skin. The skin is a
// shipped one when the build has made them (Skins/ beside the build's programs), else one built
// here of a realistic size. Bytes are those of the uncompressed body.
#include "platform/program_folder.h"
#include "skin/files/skin_filter_registry.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object_classes.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using namespace brisat;

// Art-like pixels: smooth gradients with a little grain and a magenta cut-out corner, which
// compress about as well as drawn skins do.
std::unique_ptr<TKsBitmap> ArtBitmap(const std::string& name, int32_t width, int32_t height) {
    auto bitmap = std::make_unique<TKsBitmap>();
    bitmap->SetName(name);
    bitmap->SetSize(width, height);
    uint32_t grain = 12345;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            grain = grain * 1103515245 + 12345;
            const uint32_t r = uint32_t(96 + 80 * std::sin(x * 0.05)) + (grain >> 30);
            const uint32_t g = uint32_t(128 + y * 100 / height);
            const uint32_t b = uint32_t(160 + 60 * std::cos(y * 0.07));
            const bool cut = x + y < 4;
            bitmap->SetPixels(x, y, cut ? 0xFFFF00FF : 0xFF000000 | r << 16 | g << 8 | b);
        }
    return bitmap;
}

// One window tree: a frame with caption, client, borders and caption buttons.
std::unique_ptr<TSeSkinObject> WindowTree(const std::string& name, const std::string& art) {
    auto form = std::make_unique<TSeFormBitmapSkinObject>(nullptr);
    form->SetName(name);
    form->SetKind(TSeKind::skForm);
    form->SetBounds(Bounds(0, 0, 320, 200));
    form->Bitmap().SetName(art);
    form->Bitmap().SetRect(Rect(0, 0, 256, 160));
    form->InactiveBitmap().SetName(art);
    form->InactiveBitmap().SetRect(Rect(0, 160, 256, 320));
    const TSeKind parts[] = {TSeKind::skTitle, TSeKind::skClient, TSeKind::skLeft,
                             TSeKind::skRight, TSeKind::skBottom, TSeKind::skTop};
    for (TSeKind kind : parts) {
        auto& part = CreateOwned<TSeBitmapBoxObject>(*form);
        part.SetKind(kind);
        part.SetAlign(TSeAlign::saClient);
        part.Bitmap().SetName(art);
        part.Bitmap().SetRect(Rect(0, 0, 32, 32));
        part.SetMarginLeft(4);
        part.SetMarginRight(4);
    }
    for (TSeAction action : {TSeAction::sbaClose, TSeAction::sbaMaximize, TSeAction::sbaMinimize}) {
        auto& button = CreateOwned<TSeSysButtonSkinObject>(*form);
        button.SetAction(action);
        button.SetBounds(Bounds(280, 4, 16, 16));
        for (TKsBitmapLink* link : {&button.Bitmap(), &button.BitmapHover(), &button.BitmapDown()}) {
            link->SetName("Buttons");
            link->SetRect(Rect(0, 0, 16, 16));
        }
    }
    return form;
}

TSeSkinBody BuiltSkin() {
    TSeSkinBody body;
    body.SkinName = "Bench";
    for (int i = 0; i < 12; ++i)
        body.Bitmaps.Add(ArtBitmap("Art" + std::to_string(i), 256, 320));
    body.Bitmaps.Add(ArtBitmap("Buttons", 96, 48));
    for (const char* name : {"Form", "ToolWindow", "MenuBar", "PopupMenu", "Panel", "Button",
                             "TrackBar", "ScrollBar", "ListBox", "ComboBox", "Edit", "CheckBox",
                             "RadioButton", "GroupBox", "Tabs"})
        body.Objects.push_back(WindowTree(name, "Art" + std::to_string(body.Objects.size() % 12)));
    return body;
}

// The shipped steel skin when the build has made it, else the built one, written once in each
// variant to a temporary folder that is removed at exit.
struct TSkinFiles {
    std::filesystem::path Folder =
        std::filesystem::temp_directory_path() / ("bench_skin_files." + std::to_string(getpid()));

    TSkinFiles() {
        std::filesystem::create_directories(Folder);
        TSeSkinSource source;
        const std::string shipped = ProgramFolder() + "../Skins/steel.xskn";
        if (std::filesystem::exists(shipped)) {
            source.LoadFromFile(shipped);
            std::printf("Skin: %s\n", shipped.c_str());
        }
        const TSeSkinBody built = source.Count() > 0 ? TSeSkinBody() : BuiltSkin();
        for (const char* extension : {"uskn", "kskn", "xskn"}) {
            TFileStream file(PathOf(extension), TFileStream::Mode::fmCreate);
            FindSkinFilter(PathOf(extension))
                ->WriteBody(file, source.Count() > 0 ? source.Body() : built);
        }
    }
    ~TSkinFiles() { std::filesystem::remove_all(Folder); }
    std::string PathOf(const std::string& extension) const {
        return (Folder / ("skin." + extension)).string();
    }
};

const TSkinFiles& SkinFiles() {
    static const TSkinFiles files;
    return files;
}

void BM_LoadSkin(benchmark::State& state, const std::string& extension) {
    const std::string file = SkinFiles().PathOf(extension);
    const int64_t bodyBytes = int64_t(std::filesystem::file_size(SkinFiles().PathOf("uskn")));
    state.counters["file_bytes"] = double(std::filesystem::file_size(file));
    for (auto _ : state) {
        TSeSkinSource source;
        source.LoadFromFile(file);
        benchmark::DoNotOptimize(source.Count());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bodyBytes);
}

BENCHMARK_CAPTURE(BM_LoadSkin, uskn, std::string("uskn"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkin, kskn, std::string("kskn"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkin, xskn, std::string("xskn"))->Unit(benchmark::kMillisecond);

} // namespace
