// TImageList: equal-sized images (Width × Height) kept side by side in one strip of 32-bit
// pixels whose alpha carries the mask (0 transparent, 255 opaque, values between blend). Images
// come from strip bitmaps cut into Width-wide pieces and are drawn enabled or in the classic
// disabled look (their dark parts embossed in the shadow and highlight colours). A layout holds
// the images as a PNG of the strip in the "Bitmap" property. GUI thread only.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/core/component.h"
#include "framework/graphics/graphics.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace brisat {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    std::string ClassName() const override { return "TImageList"; }

    // Image size, 1..MaxImageSize; a change clears the list. Other values raise
    // EInvalidOperation.
    int32_t Width() const { return m_width; }
    void SetWidth(int32_t width) { SetSize(width, m_height); }
    int32_t Height() const { return m_height; }
    void SetHeight(int32_t height) { SetSize(m_width, height); }
    void SetSize(int32_t width, int32_t height);
    // Painted under the transparent parts of masked images; clNone leaves what is there.
    TColor BkColor() const { return m_bkColor; }
    void SetBkColor(TColor color);
    // Off: images are drawn whole, their mask ignored.
    bool Masked() const { return m_masked; }
    void SetMasked(bool masked);
    // How many images room is made for at a time, 1..MaxAllocBy (other values are cut to that).
    int32_t AllocBy() const { return m_allocBy; }
    void SetAllocBy(int32_t count) { m_allocBy = std::clamp(count, 1, MaxAllocBy); }

    int Count() const { return m_count; }
    // Adds the Width-wide pieces of Image's top Height rows, left to right, and returns the
    // index of the first. Without Mask a 32-bit image keeps its alpha (a 24-bit one is opaque);
    // with one, black mask pixels are opaque and the rest transparent. An image narrower or
    // lower than the list's images raises EInvalidOperation.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // As Add, pixels of MaskColor becoming transparent.
    int AddMasked(const TBitmap& image, TColor maskColor);
    // Raises EListError for an index out of range.
    void Delete(int index);
    void Clear();

    // Copies image Index into Image (Width × Height, 32-bit, mask in alpha); false when there
    // is no such image.
    bool GetBitmap(int index, TBitmap& image) const;
    // Draws image Index with its top-left corner at X, Y; nothing for an index out of range.
    void Draw(TDeviceContext& dc, int32_t x, int32_t y, int index, bool enabled = true) const;
    void Draw(TCanvas& canvas, int32_t x, int32_t y, int index, bool enabled = true) const;

    // The images as a PNG of the strip, Count × Width by Height; empty without images.
    std::vector<uint8_t> Data() const;
    // Replaces the images; Data must hold whole images of the list's size, else EReadError.
    void SetData(const std::vector<uint8_t>& data);

    // After every change of the images or of how they are drawn.
    std::function<void(TComponent& sender)> OnChange;

    static constexpr int32_t MaxImageSize = 1024;
    static constexpr int32_t MaxAllocBy = 256;

private:
    TRect ImageRect(int index) const { return Bounds(index * m_width, 0, m_width, m_height); }
    // Makes room for Extra more images.
    void Reserve(int extra);
    // Copies the pieces of Image into the strip unchanged; returns the index of the first.
    int AppendPieces(const TBitmap& image);
    // Pixels of the images from First on, to have their alpha set.
    template <class Op> void ForNewPixels(int first, Op op);
    void Change();

    int32_t m_width = 16;
    int32_t m_height = 16;
    TColor m_bkColor = clNone;
    bool m_masked = true;
    int32_t m_allocBy = 4;
    int m_count = 0;
    TBitmap m_strip; // room for whole images, the first m_count in use
};

// How DrawGlyph treats a picture's pixels.
struct TGlyphStyle {
    bool Enabled = true;
    // Off: alpha is ignored and every pixel drawn.
    bool UseAlpha = true;
    // A colour (0x00BBGGRR) whose pixels are left out, as the bottom-left pixel of a glyph is.
    std::optional<uint32_t> Key;
    // Painted under the transparent parts (0x00BBGGRR).
    std::optional<uint32_t> Background;
};

// Draws Part of Source with its top-left corner at logical X, Y, clipped to the context's
// visible area. Disabled, the picture's dark pixels (darker than silver, and in the darker half
// of the picture's own luminance range) are drawn embossed: in the highlight colour one pixel
// down and right, then in the shadow colour.
void DrawGlyph(TDeviceContext& dc, int32_t x, int32_t y, const TSurface& source, const TRect& part,
               const TGlyphStyle& style);

} // namespace brisat
