// The width-independent blending part of the vector row kernels, written once for every vector
// path. A path includes this file inside its own anonymous namespace, after its intrinsics header,
// having defined its primitives:
//   BRISAT_LANES         how helpers are declared: inline, always inlined, with the attribute that
//                        enables the path's instructions
//   BRISAT_EPI(op)       the integer intrinsic op of the path's pixel register (_mm_op, _mm256_op)
//   TPixels              the pixel register; PixelSelect(mask, a, b) on it, bit by bit

// ---- Blending. Channels are widened to 16-bit lanes, so (v × k + 128) >> 8 never carries; the
// unpacks and packs work within 128-bit halves, which keeps the pixel order.

BRISAT_LANES TPixels Scale16(TPixels v, TPixels k) {
    TPixels product = BRISAT_EPI(mullo_epi16)(v, k);
    return BRISAT_EPI(srli_epi16)(BRISAT_EPI(add_epi16)(product, BRISAT_EPI(set1_epi16)(128)), 8);
}

// ScalePixel(v, k) of every pixel, K given in 16-bit lanes for the low and the high pixels.
BRISAT_LANES TPixels ScalePixels(TPixels v, TPixels kLow, TPixels kHigh) {
    const TPixels zero = BRISAT_EPI(set1_epi32)(0);
    return BRISAT_EPI(packus_epi16)(Scale16(BRISAT_EPI(unpacklo_epi8)(v, zero), kLow),
                                    Scale16(BRISAT_EPI(unpackhi_epi8)(v, zero), kHigh));
}

// Each pixel's alpha, widened, copied to its four channel words.
BRISAT_LANES TPixels SpreadAlpha(TPixels wide) {
    return BRISAT_EPI(shufflehi_epi16)(BRISAT_EPI(shufflelo_epi16)(wide, 0xFF), 0xFF);
}

// The alpha rule: alpha 0 keeps dst, 255 takes src, anything else gives
// Blend = ScalePixel(src, a) + ScalePixel(dst, 255 − a), added as 32-bit pixels.
BRISAT_LANES TPixels BlendPixels(TPixels src, TPixels dst) {
    const TPixels zero = BRISAT_EPI(set1_epi32)(0), full = BRISAT_EPI(set1_epi16)(255);
    TPixels alphaLow = SpreadAlpha(BRISAT_EPI(unpacklo_epi8)(src, zero));
    TPixels alphaHigh = SpreadAlpha(BRISAT_EPI(unpackhi_epi8)(src, zero));
    TPixels mixed = BRISAT_EPI(add_epi32)(ScalePixels(src, alphaLow, alphaHigh),
                                          ScalePixels(dst, BRISAT_EPI(sub_epi16)(full, alphaLow),
                                                      BRISAT_EPI(sub_epi16)(full, alphaHigh)));
    TPixels alpha = BRISAT_EPI(srli_epi32)(src, 24);
    TPixels opaque = BRISAT_EPI(cmpeq_epi32)(alpha, BRISAT_EPI(set1_epi32)(255));
    TPixels clear = BRISAT_EPI(cmpeq_epi32)(alpha, zero);
    return PixelSelect(opaque, src, PixelSelect(clear, dst, mixed));
}

// Blend(pixel, dst) for a pixel whose alpha a is neither 0 nor 255, given ScalePixel(pixel, a)
// and K = 255 − a in 16-bit lanes.
BRISAT_LANES TPixels BlendFill(TPixels dst, TPixels scaledPixel, TPixels k) {
    return BRISAT_EPI(add_epi32)(ScalePixels(dst, k, k), scaledPixel);
}

// Asks for the pixels a kilobyte ahead of Dst and Src. Blending streams two rows in and one out;
// without this it stalls on memory by up to half, depending on where the two bitmaps lie
// relative to each other. Prefetches never fault, past the end of a buffer included.
BRISAT_LANES void PrefetchAhead(TKsPixel* dst, const TKsPixel* src) {
    _mm_prefetch(reinterpret_cast<const char*>(src) + 1024, _MM_HINT_T0);
    _mm_prefetch(reinterpret_cast<const char*>(dst) + 1024, _MM_HINT_T0);
}

// True when the alpha byte of every pixel equals that of Value.
BRISAT_LANES bool AlphasEqual(TPixels pixels, TPixels value) {
    constexpr uint32_t kAlphaBits = uint32_t(0x88888888ull & ((1ull << sizeof(TPixels)) - 1));
    uint32_t equal = uint32_t(BRISAT_EPI(movemask_epi8)(BRISAT_EPI(cmpeq_epi8)(pixels, value)));
    return (equal & kAlphaBits) == kAlphaBits;
}
