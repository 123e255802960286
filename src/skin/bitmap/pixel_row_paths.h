// The instruction-set paths behind the row kernels of pixel_rows.h. Every path gives exactly the
// results of the scalar one; the public kernels call the widest path the processor runs. Tests and
// benchmarks reach each path directly through PixelRowKernels.
#pragma once

#include "skin/bitmap/pixel.h"

#include <cstddef>
#include <cstdint>

namespace brisat {

// One path's row kernels, with the contracts of the functions of the same names in pixel_rows.h.
struct TPixelRowKernels {
    void (*BlendRow)(TKsPixel* dst, const TKsPixel* src, size_t count);
    void (*BlendFillRow)(TKsPixel* dst, TKsPixel pixel, size_t count);
    void (*ChangeHueRow)(TKsPixel* pixels, size_t count, int32_t delta);
    void (*MakeTransparentRow)(TKsPixel* pixels, size_t count, TKsPixel pixel);
    void (*SetAlphaRow)(TKsPixel* pixels, size_t count, uint8_t alpha);
};

// Avx512 is the AVX2 path with its hue shift built for AVX-512VL and BW (more registers, same
// width); it needs all three.
enum class TPixelRowPath { Scalar, Sse2, Avx2, Avx512 };

// The kernels of Path, or nullptr when this build or this processor cannot run it.
const TPixelRowKernels* PixelRowKernels(TPixelRowPath path);

// The scalar reference kernels; the SSE2 path finishes row tails with them.
void ScalarBlendRow(TKsPixel* dst, const TKsPixel* src, size_t count);
void ScalarBlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count);
void ScalarChangeHueRow(TKsPixel* pixels, size_t count, int32_t delta);
void ScalarMakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel);
void ScalarSetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha);

// x86-64 only: SSE2 belongs to its baseline.
extern const TPixelRowKernels ksSse2RowKernels;
// Run only where the processor reports their instruction sets; PixelRowKernels checks that.
extern const TPixelRowKernels ksAvx2RowKernels;
extern const TPixelRowKernels ksAvx512RowKernels;

// Step 3 of HueShift for one Delta: entry k is the shifted hue, as a fraction of the circle, of a
// pixel whose hue rounds to step k (0..255). The table belongs to the calling thread and stays
// valid until its next call with another Delta.
const double* HueShiftTable(int32_t delta);

} // namespace brisat
