// TKsBitmap: drawing from one bitmap into another bitmap, a device context or a surface.
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/checked_math.h"
#include "skin/bitmap/pixel_rows.h"

#include <algorithm>
#include <cstring>

namespace brisat {

namespace {

// A block of Width × Height pixels read at (SrcX, SrcY) and written at (DstX, DstY).
struct TBlock {
    int32_t SrcX, SrcY, DstX, DstY, Width, Height;
};

// Which corner of the source rectangle is placed at X, Y: the one asked for (a block copy,
// where clipping the source shifts the picture with it), or the one left after clipping the
// rectangle to the source (the alpha-aware copy).
enum class TAnchor { SourceRect, ClippedRect };

// The part of SrcRect that lies in SrcBounds and, placed at X, Y, lands in DstBounds.
std::optional<TBlock> PlaceBlock(const TRect& srcRect, const TRect& srcBounds, int32_t x, int32_t y,
                                 const TRect& dstBounds, TAnchor anchor) {
    TRect src = IntersectRect(srcRect, srcBounds);
    if (IsRectEmpty(src)) return std::nullopt;
    if (anchor == TAnchor::SourceRect) {
        x = CheckedAdd(x, CheckedSub(src.Left, srcRect.Left));
        y = CheckedAdd(y, CheckedSub(src.Top, srcRect.Top));
    }
    TRect dst{x, y, CheckedAdd(x, src.Right - src.Left), CheckedAdd(y, src.Bottom - src.Top)};
    TRect visible = IntersectRect(dst, dstBounds);
    if (IsRectEmpty(visible)) return std::nullopt;
    // visible lies inside dst, so these differences stay within the block's size.
    return TBlock{
        src.Left + (visible.Left - x), src.Top + (visible.Top - y), visible.Left, visible.Top,
        visible.Right - visible.Left,  visible.Bottom - visible.Top};
}

// Target alpha 0 takes the source pixel, 1..254 is blended over it, 255 stays.
void MergeUnderRow(TKsPixel* dst, const TKsPixel* src, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        uint32_t a = dst[i] >> 24;
        if (a == 0)
            dst[i] = src[i];
        else if (a != 255)
            dst[i] = Blend(dst[i], src[i]);
    }
}

} // namespace

void TKsBitmap::Draw(TKsBitmap& dest, int32_t x, int32_t y) const {
    DrawRect(dest, x, y, BoundsRect());
}

void TKsBitmap::DrawRect(TKsBitmap& dest, int32_t x, int32_t y, const TRect& srcRect) const {
    if (!m_alphaBlend) {
        DrawRectToDC(dest.DC(), x, y, srcRect);
        return;
    }
    auto block = PlaceBlock(srcRect, BoundsRect(), x, y, dest.BoundsRect(), TAnchor::ClippedRect);
    if (!block) return;
    for (int32_t row = 0; row < block->Height; ++row)
        BlendRow(dest.Row(block->DstY + row) + block->DstX, Row(block->SrcY + row) + block->SrcX,
                 size_t(block->Width));
}

void TKsBitmap::StretchDraw(TKsBitmap& dest, const TRect& dstRect, const TRect& srcRect) const {
    if (!m_alphaBlend) {
        // Negative sizes mirror here, as the platform stretch does.
        const int32_t sw = RectWidth(srcRect), sh = RectHeight(srcRect);
        const int32_t dw = RectWidth(dstRect), dh = RectHeight(dstRect);
        if (sw == dw && sh == dh && dw > 0 && dh > 0)
            DrawRectToDC(dest.DC(), dstRect.Left, dstRect.Top, srcRect);
        else if (!Empty())
            dest.DC().StretchBlt(dstRect.Left, dstRect.Top, dw, dh, m_dc, srcRect.Left, srcRect.Top,
                                 sw, sh);
        return;
    }
    if (IsRectEmpty(IntersectRect(srcRect, BoundsRect())) || IsRectEmpty(dstRect)) return;
    const TRect v = IntersectRect(dstRect, dest.BoundsRect());
    if (IsRectEmpty(v)) return;
    const int32_t sw = RectWidth(srcRect), sh = RectHeight(srcRect);
    const int32_t dw = RectWidth(dstRect), dh = RectHeight(dstRect);
    if (sw == dw && sh == dh) {
        DrawRect(dest, dstRect.Left, dstRect.Top, srcRect);
        return;
    }
    // 16.16 fixed point: steps with 65536, start offsets with 65535.
    const int64_t stepX = CheckedMul(sw, 65536) / dw;
    const int64_t stepY = CheckedMul(sh, 65536) / dh;
    const int64_t startX = MulDiv(CheckedMul(sw, v.Left - dstRect.Left), 65535, dw);
    const int64_t startY = MulDiv(CheckedMul(sh, v.Top - dstRect.Top), 65535, dh);
    // Samples that fall outside this bitmap (SrcRect may reach past it) are skipped.
    const uint32_t width = uint32_t(Width()), height = uint32_t(Height());
    // Each row is sampled into a small buffer and blended by the row kernel; a sample outside
    // the bitmap becomes a fully transparent pixel, which the alpha rule leaves alone.
    constexpr int32_t kChunk = 256;
    TKsPixel samples[kChunk];
    int64_t fy = startY;
    for (int32_t y = v.Top; y < v.Bottom; ++y, fy += stepY) {
        const int64_t sy = srcRect.Top + (fy >> 16);
        if (uint64_t(sy) >= height) continue;
        const TKsPixel* src = Row(int32_t(sy));
        TKsPixel* out = dest.Row(y);
        int64_t fx = startX;
        for (int32_t x = v.Left; x < v.Right; x += kChunk) {
            const int32_t count = std::min(kChunk, v.Right - x);
            for (int32_t i = 0; i < count; ++i, fx += stepX) {
                const int64_t sx = srcRect.Left + (fx >> 16);
                samples[i] = uint64_t(sx) < width ? src[sx] : 0;
            }
            BlendRow(out + x, samples, size_t(count));
        }
    }
}

void TKsBitmap::TileDraw(TKsBitmap& dest, const TRect& dstRect, const TRect& srcRect) const {
    if (IsRectEmpty(srcRect) || IsRectEmpty(dstRect)) return;
    const int32_t sw = RectWidth(srcRect), sh = RectHeight(srcRect);
    const int32_t dw = RectWidth(dstRect), dh = RectHeight(dstRect);
    // Only tiles that can reach a visible pixel are drawn; the others would draw nothing, and
    // skipping them keeps a huge DstRect from costing more than the destination's size.
    const TRect visible =
        IntersectRect(dstRect, m_alphaBlend ? dest.BoundsRect() : dest.DC().ClipBox());
    if (IsRectEmpty(visible)) return;
    const int64_t columns = (int64_t(dw) + sw - 1) / sw, rows = (int64_t(dh) + sh - 1) / sh;
    const int64_t firstColumn = (int64_t(visible.Left) - dstRect.Left) / sw;
    const int64_t lastColumn =
        std::min(columns, (int64_t(visible.Right) - dstRect.Left + sw - 1) / sw);
    const int64_t firstRow = (int64_t(visible.Top) - dstRect.Top) / sh;
    const int64_t lastRow = std::min(rows, (int64_t(visible.Bottom) - dstRect.Top + sh - 1) / sh);
    for (int64_t i = firstColumn; i < lastColumn; ++i) {
        for (int64_t j = firstRow; j < lastRow; ++j) {
            const int64_t left = dstRect.Left + i * sw, top = dstRect.Top + j * sh;
            TRect tile{int32_t(left), int32_t(top),
                       int32_t(std::min<int64_t>(left + sw, dstRect.Right)),
                       int32_t(std::min<int64_t>(top + sh, dstRect.Bottom))};
            if (IsRectEmpty(tile)) break;
            const TRect src{srcRect.Left, srcRect.Top, srcRect.Left + (tile.Right - tile.Left),
                            srcRect.Top + (tile.Bottom - tile.Top)};
            StretchDraw(dest, tile, src);
        }
    }
}

void TKsBitmap::MergeUnder(const TKsBitmap& source, int32_t x, int32_t y, const TRect& srcRect) {
    auto block = PlaceBlock(srcRect, source.BoundsRect(), x, y, BoundsRect(), TAnchor::SourceRect);
    if (!block) return;
    for (int32_t row = 0; row < block->Height; ++row)
        MergeUnderRow(Row(block->DstY + row) + block->DstX,
                      source.Row(block->SrcY + row) + block->SrcX, size_t(block->Width));
}

void TKsBitmap::DrawToDC(TDeviceContext& dc, int32_t x, int32_t y) const {
    DrawRectToDC(dc, x, y, BoundsRect());
}

void TKsBitmap::DrawRectToDC(TDeviceContext& dc, int32_t x, int32_t y, const TRect& srcRect) const {
    // Clipped here first, so the device context only ever sees coordinates that fit.
    auto block = PlaceBlock(srcRect, BoundsRect(), x, y, dc.ClipBox(), TAnchor::SourceRect);
    if (!block) return;
    dc.BitBlt(block->DstX, block->DstY, block->Width, block->Height, m_dc, block->SrcX,
              block->SrcY);
}

void TKsBitmap::DrawToSurface(TSurface& surface, int32_t x, int32_t y) const {
    auto block =
        PlaceBlock(BoundsRect(), BoundsRect(), x, y, surface.BoundsRect(), TAnchor::SourceRect);
    if (!block) return;
    for (int32_t row = 0; row < block->Height; ++row)
        std::memmove(surface.Row(block->DstY + row) + block->DstX,
                     Row(block->SrcY + row) + block->SrcX, size_t(block->Width) * 4);
}

} // namespace brisat
