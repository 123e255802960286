// The bitmap engine's per-pixel work against a plain memcpy of the same bytes: the row kernels on
// each instruction-set path, then the TKsBitmap operations that use them. Items are the pixels
// written; bytes are those pixels' four bytes each, so they compare with memcpy's bytes copied.
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/pixel_row_paths.h"
#include "skin/bitmap/pixel_rows.h"
#include "skin/files/skin_source.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

using namespace brisat;

constexpr int32_t kWidth = 1920, kHeight = 1080;
constexpr size_t kFramePixels = size_t(kWidth) * kHeight;
constexpr int32_t kHueSide = 1024; // 1 Mpixel

// A fixed pseudo-random sequence, so that every run sees the same pixels.
struct TPixelNoise {
    uint64_t state = 0x9E3779B97F4A7C15;
    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return uint32_t(state >> 16);
    }
};

// Varied colours and alphas (0 and 255 included), as in anti-aliased skin art.
std::vector<TKsPixel> VariedPixels(size_t count) {
    TPixelNoise noise;
    std::vector<TKsPixel> pixels(count);
    for (TKsPixel& p : pixels)
        p = noise.Next();
    return pixels;
}

// Varied colours, all opaque.
std::vector<TKsPixel> OpaquePixels(size_t count) {
    std::vector<TKsPixel> pixels = VariedPixels(count);
    for (TKsPixel& p : pixels)
        p |= 0xFF000000;
    return pixels;
}

void CopyInto(TKsBitmap& bitmap, const std::vector<TKsPixel>& pixels) {
    std::memcpy(bitmap.Bits(), pixels.data(), size_t(bitmap.Width()) * bitmap.Height() * 4);
}

void Report(benchmark::State& state, size_t pixels) {
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(pixels));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(pixels) * 4);
}

const TPixelRowKernels* KernelsOrSkip(benchmark::State& state, TPixelRowPath path) {
    const TPixelRowKernels* kernels = PixelRowKernels(path);
    if (!kernels) state.SkipWithError("this processor lacks the path");
    return kernels;
}

// ---- Reference

void BM_Memcpy(benchmark::State& state) {
    const std::vector<TKsPixel> src = VariedPixels(kFramePixels);
    std::vector<TKsPixel> dst(kFramePixels);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), kFramePixels * 4);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    Report(state, kFramePixels);
}
BENCHMARK(BM_Memcpy);

// ---- Row kernels, one 1920 × 1080 frame (or 1 Mpixel for the hue) per iteration

// Op(first pixel of row y) for Rows rows of Width pixels per iteration.
template <class Op> void RunRows(benchmark::State& state, int32_t width, int32_t rows, Op op) {
    for (auto _ : state) {
        for (int32_t y = 0; y < rows; ++y)
            op(size_t(y) * size_t(width));
        benchmark::ClobberMemory();
    }
    Report(state, size_t(width) * size_t(rows));
}

void BM_BlendRow(benchmark::State& state, TPixelRowPath path) {
    const TPixelRowKernels* kernels = KernelsOrSkip(state, path);
    if (!kernels) return;
    const std::vector<TKsPixel> src = VariedPixels(kFramePixels);
    std::vector<TKsPixel> dst = OpaquePixels(kFramePixels);
    RunRows(state, kWidth, kHeight,
            [&](size_t row) { kernels->BlendRow(dst.data() + row, src.data() + row, kWidth); });
}
BENCHMARK_CAPTURE(BM_BlendRow, scalar, TPixelRowPath::Scalar);
BENCHMARK_CAPTURE(BM_BlendRow, sse2, TPixelRowPath::Sse2);
BENCHMARK_CAPTURE(BM_BlendRow, avx2, TPixelRowPath::Avx2);

void BM_BlendFillRow(benchmark::State& state, TPixelRowPath path) {
    const TPixelRowKernels* kernels = KernelsOrSkip(state, path);
    if (!kernels) return;
    std::vector<TKsPixel> dst = OpaquePixels(kFramePixels);
    RunRows(state, kWidth, kHeight,
            [&](size_t row) { kernels->BlendFillRow(dst.data() + row, 0x80336699, kWidth); });
}
BENCHMARK_CAPTURE(BM_BlendFillRow, scalar, TPixelRowPath::Scalar);
BENCHMARK_CAPTURE(BM_BlendFillRow, sse2, TPixelRowPath::Sse2);
BENCHMARK_CAPTURE(BM_BlendFillRow, avx2, TPixelRowPath::Avx2);

// Over 1 Mpixel of varied opaque colours.
void BM_ChangeHueRow(benchmark::State& state, TPixelRowPath path) {
    const TPixelRowKernels* kernels = KernelsOrSkip(state, path);
    if (!kernels) return;
    std::vector<TKsPixel> pixels = OpaquePixels(size_t(kHueSide) * kHueSide);
    RunRows(state, kHueSide, kHueSide,
            [&](size_t row) { kernels->ChangeHueRow(pixels.data() + row, kHueSide, 85); });
}
BENCHMARK_CAPTURE(BM_ChangeHueRow, scalar, TPixelRowPath::Scalar);
BENCHMARK_CAPTURE(BM_ChangeHueRow, sse2, TPixelRowPath::Sse2);
BENCHMARK_CAPTURE(BM_ChangeHueRow, avx2, TPixelRowPath::Avx2);
BENCHMARK_CAPTURE(BM_ChangeHueRow, avx512, TPixelRowPath::Avx512);

// ---- TKsBitmap operations (the dispatched kernels)

// A Width × Height bitmap holding Pixels.
std::unique_ptr<TKsBitmap> MakeBitmap(int32_t width, int32_t height,
                                      const std::vector<TKsPixel>& pixels, bool alphaBlend) {
    auto bitmap = std::make_unique<TKsBitmap>();
    bitmap->SetSize(width, height);
    CopyInto(*bitmap, pixels);
    bitmap->SetAlphaBlend(alphaBlend);
    return bitmap;
}

void BM_DrawRectAlpha(benchmark::State& state) {
    auto src = MakeBitmap(kWidth, kHeight, VariedPixels(kFramePixels), true);
    auto dst = MakeBitmap(kWidth, kHeight, OpaquePixels(kFramePixels), false);
    for (auto _ : state) {
        src->DrawRect(*dst, 0, 0, src->BoundsRect());
        benchmark::ClobberMemory();
    }
    Report(state, kFramePixels);
}
BENCHMARK(BM_DrawRectAlpha);

// Scaled by 2 up (960 × 540 into 1920 × 1080) or down (the reverse); items are the destination
// pixels.
void BM_StretchDraw(benchmark::State& state) {
    const bool up = state.range(0) == 1;
    const int32_t sw = up ? kWidth / 2 : kWidth, sh = up ? kHeight / 2 : kHeight;
    const int32_t dw = up ? kWidth : kWidth / 2, dh = up ? kHeight : kHeight / 2;
    auto src = MakeBitmap(sw, sh, VariedPixels(size_t(sw) * sh), true);
    auto dst = MakeBitmap(dw, dh, OpaquePixels(size_t(dw) * dh), false);
    for (auto _ : state) {
        src->StretchDraw(*dst, dst->BoundsRect(), src->BoundsRect());
        benchmark::ClobberMemory();
    }
    Report(state, size_t(dw) * dh);
}
BENCHMARK(BM_StretchDraw)->ArgName("up")->Arg(1)->Arg(0);

// A 64 × 64 tile with alpha repeated over 1920 × 1080 (the last row of tiles is cut).
void BM_TileDraw(benchmark::State& state) {
    auto tile = MakeBitmap(64, 64, VariedPixels(64 * 64), true);
    auto dst = MakeBitmap(kWidth, kHeight, OpaquePixels(kFramePixels), false);
    for (auto _ : state) {
        tile->TileDraw(*dst, dst->BoundsRect(), tile->BoundsRect());
        benchmark::ClobberMemory();
    }
    Report(state, kFramePixels);
}
BENCHMARK(BM_TileDraw);

// Over the whole frame, top to bottom or left to right, plain or blended.
void BM_FillGradient(benchmark::State& state) {
    const bool vertical = state.range(0) == 1, blended = state.range(1) == 1;
    auto bitmap = MakeBitmap(kWidth, kHeight, OpaquePixels(kFramePixels), blended);
    for (auto _ : state) {
        bitmap->FillGradient(bitmap->BoundsRect(), 0xFF003399, vertical, 0x80FFCC00);
        benchmark::ClobberMemory();
    }
    Report(state, kFramePixels);
}
BENCHMARK(BM_FillGradient)->ArgNames({"vertical", "blended"})->ArgsProduct({{1, 0}, {0, 1}});

void BM_ChangeHue(benchmark::State& state) {
    auto bitmap = MakeBitmap(kHueSide, kHueSide, OpaquePixels(size_t(kHueSide) * kHueSide), false);
    for (auto _ : state) {
        bitmap->ChangeHue(85);
        benchmark::ClobberMemory();
    }
    Report(state, size_t(kHueSide) * kHueSide);
}
BENCHMARK(BM_ChangeHue);

// The bitmaps of every shipped skin, read from the Skins folder beside the build's program
// (build/<dir>/Skins), shifted as a whole-skin hue change shifts them. Each pass shifts the
// pixels the last one left, like the random case: a shift maps colours to colours, so the skins
// never hold more distinct colours than they shipped with.
void BM_ChangeHueShippedSkins(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "Skins";
    std::vector<std::unique_ptr<TSeSkinSource>> skins;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".xskn") {
            skins.push_back(std::make_unique<TSeSkinSource>());
            skins.back()->LoadFromFile(entry.path().string());
        }
    size_t pixels = 0;
    for (const auto& skin : skins)
        for (int32_t i = 0; i < skin->Bitmaps().Count(); ++i)
            pixels += size_t(skin->Bitmaps()[i]->Width()) * size_t(skin->Bitmaps()[i]->Height());
    if (pixels == 0) {
        state.SkipWithError("no skin bitmaps: build the skins target");
        return;
    }
    for (auto _ : state) {
        for (const auto& skin : skins)
            for (int32_t i = 0; i < skin->Bitmaps().Count(); ++i)
                skin->Bitmaps()[i]->ChangeHue(85);
        benchmark::ClobberMemory();
    }
    Report(state, pixels);
    state.counters["skins"] = double(skins.size());
}
BENCHMARK(BM_ChangeHueShippedSkins);

// One pixel in sixteen has the colour made transparent.
void BM_MakeTransparent(benchmark::State& state) {
    std::vector<TKsPixel> pixels = OpaquePixels(kFramePixels);
    for (size_t i = 0; i < pixels.size(); i += 16)
        pixels[i] = 0xFFFF00FF;
    auto bitmap = MakeBitmap(kWidth, kHeight, pixels, false);
    for (auto _ : state) {
        bitmap->MakeTransparent(0xFFFF00FF);
        benchmark::ClobberMemory();
    }
    Report(state, kFramePixels);
}
BENCHMARK(BM_MakeTransparent);

// A 483 × 442 window shape: rounded corners and a ring of round holes in the key colour.
std::vector<TKsPixel> ShapedWindow(int32_t width, int32_t height) {
    std::vector<TKsPixel> pixels = OpaquePixels(size_t(width) * height);
    auto inCircle = [](int32_t x, int32_t y, int32_t cx, int32_t cy, int32_t r) {
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r;
    };
    constexpr int32_t kCorner = 24, kHole = 14;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            // The corner squares outside their quarter circles.
            int32_t cx = x < kCorner ? kCorner : x >= width - kCorner ? width - kCorner - 1 : x;
            int32_t cy = y < kCorner ? kCorner : y >= height - kCorner ? height - kCorner - 1 : y;
            bool outside = !inCircle(x, y, cx, cy, kCorner + 1);
            for (int32_t k = 0; k < 12 && !outside; ++k)
                outside = inCircle(x, y, 60 + (k % 6) * 72, 120 + (k / 6) * 200, kHole);
            if (outside) pixels[size_t(y) * width + x] = ksKeyPixel;
        }
    return pixels;
}

void BM_CreateRegion(benchmark::State& state) {
    constexpr int32_t kRegionWidth = 483, kRegionHeight = 442;
    auto bitmap =
        MakeBitmap(kRegionWidth, kRegionHeight, ShapedWindow(kRegionWidth, kRegionHeight), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(bitmap->CreateRegion(0, 0));
    Report(state, size_t(kRegionWidth) * kRegionHeight);
}
BENCHMARK(BM_CreateRegion);

} // namespace
