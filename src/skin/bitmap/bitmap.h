// TKsBitmap: the 32-bit off-screen bitmap every skinned window and control draws into. Pixels are
// 0xAARRGGBB with straight alpha (bytes B, G, R, A in memory), rows top to bottom without gaps.
// The bitmap owns its surface, a device context drawing on it (with the bitmap's font selected)
// for the shape and text calls, and the font.
//
// Rectangles are half-open. Drawing never raises for empty or out-of-range rectangles; coordinate
// arithmetic that overflows 32 bits raises EIntOverflow. Used on the GUI thread only.
#pragma once

#include "framework/graphics/device_context.h"
#include "framework/core/font.h"
#include "framework/core/persistent.h"
#include "framework/graphics/region.h"
#include "framework/graphics/surface.h"
#include "framework/core/types.h"
#include "skin/bitmap/pixel.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brisat {

class TKsBitmapLink;
class TStream;

class TKsBitmap : public TPersistent {
public:
    TKsBitmap();
    // Fires OnBeforeFree, then releases the pixels.
    ~TKsBitmap() override;
    TKsBitmap(const TKsBitmap&) = delete;
    TKsBitmap& operator=(const TKsBitmap&) = delete;

    std::string ClassName() const override { return "TKsBitmap"; }
    // From a framework bitmap: size and pixels (block copy), then alpha 255. From another graphic
    // or a picture: size, the graphic drawn into DC(), then alpha 255. From another TKsBitmap:
    // size and pixels, alpha included.
    void Assign(const TPersistent& source) override;

    // --- Allocation ----------------------------------------------------------------------------
    // Both arguments are taken as absolute values. Nothing happens when either is 0 or the size
    // is unchanged; otherwise OnBeforeFree fires, the old pixels are released and new zeroed ones
    // allocated. OnChange fires afterwards, also after a failure. Raises EIntOverflow when the
    // byte count does not fit 32 bits, EOutOfResources "Can't allocate the DIB handle" when
    // memory cannot be had (the bitmap is then empty).
    void SetSize(int32_t width, int32_t height);
    bool Empty() const { return m_surface.Empty(); }
    int32_t Width() const { return m_surface.Width(); }
    int32_t Height() const { return m_surface.Height(); }
    TRect BoundsRect() const { return m_surface.BoundsRect(); }
    // First pixel of the top row; nullptr while empty.
    TKsPixel* Bits() { return m_surface.Bits(); }
    const TKsPixel* Bits() const { return m_surface.Bits(); }
    // Row Y (0 ≤ Y < Height) of a non-empty bitmap.
    TKsPixel* Row(int32_t y) { return m_surface.Row(y); }
    const TKsPixel* Row(int32_t y) const { return m_surface.Row(y); }
    const TSurface& Surface() const { return m_surface; }
    // Device context on the pixels, recreated (state reset) by every reallocation.
    TDeviceContext& DC() { return m_dc; }
    const TDeviceContext& DC() const { return m_dc; }

    // --- Properties ----------------------------------------------------------------------------
    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    // When set, drawing from this bitmap into another and FillRect into this one blend by alpha.
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool value) { m_alphaBlend = value; }
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& font) { m_font.Assign(font); }
    // Last MoveTo / LineTo point.
    TPoint PenPos() const { return m_penPos; }

    std::function<void(TKsBitmap&)> OnChange;
    // Fired just before the pixels are released (SetSize and destruction).
    std::function<void(TKsBitmap&)> OnBeforeFree;
    void Changed();

    // --- Pixels --------------------------------------------------------------------------------
    void Fill(TKsPixel pixel);
    void SetAlpha(uint8_t alpha);
    void SetAlphaRect(uint8_t alpha, const TRect& rect);
    // Pixels whose R, G, B equal those of Pixel become the key pixel.
    void MakeTransparent(TKsPixel pixel);
    // HueShift of every pixel whose alpha is not 0.
    void ChangeHue(int32_t delta);
    // ksOutOfRangePixel outside the bitmap.
    TKsPixel Pixels(int32_t x, int32_t y) const;
    // Ignored outside the bitmap.
    void SetPixels(int32_t x, int32_t y, TKsPixel pixel);

    // --- Drawing into another bitmap ----------------------------------------------------------
    void Draw(TKsBitmap& dest, int32_t x, int32_t y) const;
    // SrcRect of this bitmap to Dest with its top-left at X, Y: a block copy through Dest's
    // device context, or with AlphaBlend the alpha rule per pixel (0 keeps, 255 replaces, else
    // Blend) with SrcRect first clipped to this bitmap.
    void DrawRect(TKsBitmap& dest, int32_t x, int32_t y, const TRect& srcRect) const;
    // Nearest-neighbour scaling of SrcRect into DstRect (16.16 fixed point with AlphaBlend).
    void StretchDraw(TKsBitmap& dest, const TRect& dstRect, const TRect& srcRect) const;
    // Repeats SrcRect over DstRect, column by column; tiles at the right and bottom are cut.
    void TileDraw(TKsBitmap& dest, const TRect& dstRect, const TRect& srcRect) const;
    // Fills this bitmap's transparent parts from SrcRect of Source placed at X, Y: target alpha 0
    // takes the source pixel, 1..254 becomes Blend(target, source), 255 stays.
    void MergeUnder(const TKsBitmap& source, int32_t x, int32_t y, const TRect& srcRect);

    // --- Drawing elsewhere --------------------------------------------------------------------
    void DrawToDC(TDeviceContext& dc, int32_t x, int32_t y) const;
    void DrawRectToDC(TDeviceContext& dc, int32_t x, int32_t y, const TRect& srcRect) const;
    void DrawToSurface(TSurface& surface, int32_t x, int32_t y) const;

    // --- Fills ---------------------------------------------------------------------------------
    // With AlphaBlend each pixel := Blend(Pixel, pixel), otherwise Pixel.
    void FillRect(const TRect& rect, TKsPixel pixel);
    void FrameRect(const TRect& rect, TKsPixel pixel);
    // One-pixel frame blended over the bitmap: top and left in TopLeft, bottom and right in
    // BottomRight.
    void BevelRect(const TRect& rect, TKsPixel topLeft, TKsPixel bottomRight);
    // FillRect, then DotPixel where X and Y are both even or both odd.
    void FillHalftoneRect(const TRect& rect, TKsPixel pixel, TKsPixel dotPixel);
    // At most 255 bands from StartPixel to EndPixel, top to bottom (Vertical) or left to right.
    void FillGradient(const TRect& rect, TKsPixel startPixel, bool vertical, TKsPixel endPixel);

    // --- Shapes through the device context (opaque, colour from the pixel) --------------------
    void FillRoundRect(const TRect& rect, int32_t radius, TKsPixel pixel);
    void FillPolygon(std::span<const TPoint> points, TKsPixel pixel);
    // FillPolygon, then DotPixel at the halftone positions inside the polygon.
    void FillHalftonePolygon(std::span<const TPoint> points, TKsPixel pixel, TKsPixel dotPixel);
    void DrawFocusRect(const TRect& rect, TKsPixel pixel);
    void MoveTo(int32_t x, int32_t y);
    // One-pixel solid line from the pen position; the end point is not drawn.
    void LineTo(int32_t x, int32_t y, TKsPixel pixel);

    // --- Text (UTF-8, in Font) ------------------------------------------------------------------
    int32_t TextWidth(std::string_view text, uint32_t flags = 0);
    int32_t TextHeight(std::string_view text);
    // Transparent background, Font's colour; returns the text height.
    int32_t DrawText(std::string_view text, const TRect& rect, uint32_t flags);
    // The text turned a quarter turn (reading top to bottom when Clockwise) inside Rect.
    void DrawRotatedText(std::string_view text, const TRect& rect, bool clockwise, uint32_t flags);

    // --- Regions, links, streams ----------------------------------------------------------------
    // Row runs of pixels that are not the key colour, offset by X, Y; nullopt when empty.
    std::optional<TRegion> CreateRegion(int32_t x, int32_t y) const;
    // A link to Rect of this bitmap carrying its Name.
    std::unique_ptr<TKsBitmapLink> GetLink(const TRect& rect);
    // Name, width, height, pixels. Raises EReadError for a stream shorter than the size it
    // claims (checked before allocating) and EIntOverflow for sizes beyond 32-bit byte counts.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

protected:
    // To a framework bitmap or picture: a 24-bit bitmap of this size filled by block copy;
    // anything else receives such a bitmap through its own Assign.
    void AssignTo(TPersistent& dest) const override;

private:
    void Reallocate(int32_t width, int32_t height);
    void CopyPixelsFrom(const TKsBitmap& source);
    // Dot at every X in Left..Right − 1 of row Y (inside the bitmap) where X + Y is even.
    void HalftoneRow(int32_t y, int32_t left, int32_t right, TKsPixel dot);

    TSurface m_surface;
    TDeviceContext m_dc;
    TFont m_font;
    std::string m_name;
    bool m_alphaBlend = false;
    TPoint m_penPos;
};

} // namespace brisat
