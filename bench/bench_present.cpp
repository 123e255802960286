// Presenting a native window on each SDL render driver offered here: a fully dirty 1024 × 768
// back buffer, and a 1920 × 1080 I420 frame uploaded to the video layer and presented (into a
// 1024 × 768 window and into a 1920 × 1080 one, as full screen, both all key; into a 640 × 360
// one, where the software renderer halves the frame first, which it does not for an 854 × 480
// frame into the same window; and into the keyed middle of a 1024 × 768 window whose skin around
// it is opaque). Also the halving alone. Each iteration waits
// for the X server to finish its drawing, so the figures include its work. Needs a display (e.g.
// under `Xvfb :9 -screen 0 1920x1080x24` with DISPLAY=:9); without one it reports why and skips.
#include "platform/half_picture.h"
#include "platform/native_window.h"
#include "platform/sdl_renderer_choice.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

using namespace brisat;

namespace {

void WaitForServer(const TNativeWindow& window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window.SdlWindow(), &info) && info.subsystem == SDL_SYSWM_X11)
        XSync(info.info.x11.display, False);
}

void PresentFullyDirty(benchmark::State& state, const std::string& driver) {
    TNativeWindow window("bench", 1024, 768, driver);
    std::vector<uint32_t> pixels(1024 * 768, 0xFF336699u);
    const TScreenRect all{0, 0, 1024, 768};
    for (auto _ : state) {
        window.Present(pixels.data(), 1024, {&all, 1});
        WaitForServer(window);
    }
    state.SetLabel(window.RenderDriver());
}

// A Width × Height I420 frame (even sides) over Planes (Width × Height × 3 / 2 bytes).
TVideoFrame I420Frame(const std::vector<uint8_t>& planes, int32_t width, int32_t height) {
    TVideoFrame frame;
    frame.Format = TVideoPixelFormat::I420;
    frame.Width = width;
    frame.Height = height;
    const size_t luma = size_t(width) * size_t(height);
    frame.Planes[0] = planes.data();
    frame.Planes[1] = planes.data() + luma;
    frame.Planes[2] = planes.data() + luma * 5 / 4;
    frame.Strides[0] = width;
    frame.Strides[1] = frame.Strides[2] = width / 2;
    return frame;
}

// The video fills the window; the back buffer is all key, as a playing video window's is, or
// only inside a 40-pixel skin border (Skinned).
void PresentI420Frame(benchmark::State& state, const std::string& driver, int32_t w, int32_t h,
                      bool skinned, int32_t frameW, int32_t frameH) {
    TNativeWindow window("bench", w, h, driver);
    std::vector<uint32_t> pixels(size_t(w) * h, 0xFF000000u | 0xFF00FF);
    if (skinned)
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                if (x < 40 || y < 40 || x >= w - 40 || y >= h - 40)
                    pixels[size_t(y) * w + size_t(x)] = 0xFF808080u;
    std::vector<uint8_t> planes(size_t(frameW) * size_t(frameH) * 3 / 2, 128);
    const TVideoFrame frame = I420Frame(planes, frameW, frameH);
    TSdlVideoLayer& layer = window.VideoLayer();
    layer.SetColorKey(0xFF00FF);
    layer.SetDestRect(skinned ? TScreenRect{40, 40, w - 40, h - 40} : TScreenRect{0, 0, w, h});
    window.Present(pixels.data(), w);
    for (auto _ : state) {
        layer.SubmitFrame(frame);
        window.Present(pixels.data(), w, {});
        WaitForServer(window);
    }
    state.SetLabel(window.RenderDriver());
}

void HalveI420Frame1080p(benchmark::State& state) {
    std::vector<uint8_t> planes(1920 * 1080 * 3 / 2), packed;
    for (size_t i = 0; i < planes.size(); ++i)
        planes[i] = uint8_t(i * 7);
    const TVideoFrame frame = I420Frame(planes, 1920, 1080);
    for (auto _ : state)
        benchmark::DoNotOptimize(HalveYuvFrame(frame, packed).Planes[0]);
    state.SetItemsProcessed(state.iterations() * 1920 * 1080);
}
BENCHMARK(HalveI420Frame1080p)->Unit(benchmark::kMillisecond);

// A frame of FrameW × FrameH presented into a WindowW × WindowH window.
struct TFrameCase {
    std::string Name;
    int32_t WindowW, WindowH;
    bool Skinned;
    int32_t FrameW, FrameH;
};
const TFrameCase kFrameCases[] = {
    {"I420Frame1080pIn1024x768", 1024, 768, false, 1920, 1080},
    {"I420Frame1080pIn1920x1080", 1920, 1080, false, 1920, 1080},
    {"I420Frame1080pIn640x360", 640, 360, false, 1920, 1080},
    {"I420Frame480pIn640x360", 640, 360, false, 854, 480},
    {"I420Frame1080pInSkinned1024x768", 1024, 768, true, 1920, 1080},
};

bool RegisterAll() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        const std::string why =
            std::string("no display (") + SDL_GetError() + "); run under Xvfb with DISPLAY set";
        benchmark::RegisterBenchmark("Present/skipped", [why](benchmark::State& state) {
            for (auto _ : state) {
            }
            state.SkipWithError(why.c_str());
        });
        return false;
    }
    for (const std::string& driver : AvailableRenderDrivers()) {
        benchmark::RegisterBenchmark(("PresentFullyDirty1024x768/" + driver).c_str(),
                                     PresentFullyDirty, driver)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        for (const TFrameCase& c : kFrameCases)
            benchmark::RegisterBenchmark((c.Name + ("/" + driver)).c_str(), PresentI420Frame,
                                         driver, c.WindowW, c.WindowH, c.Skinned, c.FrameW,
                                         c.FrameH)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    }
    return true;
}

const bool g_registered = RegisterAll();

} // namespace
