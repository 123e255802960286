#include "framework/graphics/image_list.h"

#include "framework/graphics/bitmap_data.h"
#include "framework/core/exceptions.h"
#include "framework/core/store_if_changed.h"

#include <algorithm>

namespace brisat {

namespace {

constexpr uint32_t AlphaMask = 0xFF000000u;

// 0x00BBGGRR of a surface pixel.
uint32_t PixelToRGB(uint32_t p) {
    return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
}

uint32_t Blend(uint32_t src, uint32_t dst, uint32_t a) {
    const uint32_t rb = ((src & 0x00FF00FF) * a + (dst & 0x00FF00FF) * (255 - a) + 0x00800080);
    const uint32_t g = ((src & 0x0000FF00) * a + (dst & 0x0000FF00) * (255 - a) + 0x00008000);
    return AlphaMask | (((rb + ((rb >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF) |
           (((g + ((g >> 8) & 0x0000FF00)) >> 8) & 0x0000FF00);
}

// Calls Op(destination pixel, source pixel) for every pixel of Part that lands on the context's
// visible area when Part's top-left corner is drawn at logical X, Y.
template <class Op>
void ForEachPixel(TDeviceContext& dc, int32_t x, int32_t y, const TSurface& source,
                  const TRect& part, Op op) {
    TSurface* target = dc.Surface();
    if (!target || IsRectEmpty(part)) return;
    const TRect dest = dc.LogicalToDevice(Bounds(x, y, part.Width(), part.Height()));
    const TRegion visible = dc.VisibleRegion();
    for (const TRect& area : visible.Rects()) {
        const TRect r = IntersectRect(area, dest);
        for (int32_t row = r.Top; row < r.Bottom; ++row) {
            uint32_t* d = target->Row(row) + r.Left;
            const uint32_t* s =
                source.Row(part.Top + row - dest.Top) + part.Left + (r.Left - dest.Left);
            for (int32_t n = r.Width(); n > 0; --n)
                op(*d++, *s++);
        }
    }
}

// Integer luminance (weights 77, 150, 29 of 256).
uint32_t Luminance(uint32_t p) {
    return (((p >> 16) & 0xFF) * 77 + ((p >> 8) & 0xFF) * 150 + (p & 0xFF) * 29) >> 8;
}

// The luminance at or below which a disabled picture's pixel is ink: never silver (192) or
// lighter, and no more than the middle of the picture's own range, so a picture drawn in dark
// colours alone embosses its darker lines rather than one grey blob of its outline.
template <class AlphaOf>
uint32_t InkThreshold(const TSurface& source, const TRect& part, AlphaOf alphaOf) {
    uint32_t darkest = 255, lightest = 0;
    for (int32_t row = part.Top; row < part.Bottom; ++row)
        for (int32_t col = part.Left; col < part.Right; ++col) {
            const uint32_t s = source.Row(row)[col];
            if (alphaOf(s) < 128) continue;
            darkest = std::min(darkest, Luminance(s));
            lightest = std::max(lightest, Luminance(s));
        }
    return std::min<uint32_t>(0xBF, (darkest + lightest) / 2);
}

} // namespace

void DrawGlyph(TDeviceContext& dc, int32_t x, int32_t y, const TSurface& source, const TRect& part,
               const TGlyphStyle& style) {
    const TRect inside = IntersectRect(part, source.BoundsRect());
    x += inside.Left - part.Left;
    y += inside.Top - part.Top;
    const bool useAlpha = style.UseAlpha, keyed = style.Key.has_value();
    const uint32_t key = keyed ? *style.Key : 0;
    const bool under = style.Background.has_value();
    const uint32_t background = under ? RGBToOpaquePixel(*style.Background) : 0;
    const auto alphaOf = [=](uint32_t s) -> uint32_t {
        if (keyed && PixelToRGB(s) == key) return 0;
        return useAlpha ? s >> 24 : 255;
    };
    if (style.Enabled) {
        ForEachPixel(dc, x, y, source, inside, [&](uint32_t& d, uint32_t s) {
            const uint32_t a = alphaOf(s);
            if (a == 0 && !under) return;
            d = Blend(s, under ? background : d, a);
        });
        return;
    }
    if (under)
        ForEachPixel(dc, x, y, source, inside, [&](uint32_t& d, uint32_t) { d = background; });
    const uint32_t threshold = InkThreshold(source, inside, alphaOf);
    const auto ink = [&](uint32_t s) { return alphaOf(s) >= 128 && Luminance(s) <= threshold; };
    for (const auto& [dx, color] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
        const uint32_t pixel = RGBToOpaquePixel(ColorToRGB(color));
        ForEachPixel(dc, x + dx, y + dx, source, inside, [&](uint32_t& d, uint32_t s) {
            if (ink(s)) d = pixel;
        });
    }
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetSize(int32_t width, int32_t height) {
    if (width < 1 || height < 1 || width > MaxImageSize || height > MaxImageSize)
        throw EInvalidOperation("Invalid image size " + std::to_string(width) + " x " +
                                std::to_string(height) + " (1.." + std::to_string(MaxImageSize) +
                                ")");
    if (width == m_width && height == m_height) return;
    m_width = width;
    m_height = height;
    Clear();
}

void TImageList::SetBkColor(TColor color) {
    if (StoreIfChanged(m_bkColor, color)) Change();
}

void TImageList::SetMasked(bool masked) {
    if (StoreIfChanged(m_masked, masked)) Change();
}

void TImageList::Change() {
    if (OnChange) OnChange(*this);
}

void TImageList::Reserve(int extra) {
    const int64_t needed = int64_t(m_count) + extra;
    const int64_t room = m_strip.Empty() ? 0 : m_strip.Width() / m_width;
    if (needed <= room) return;
    const int64_t images = (needed + m_allocBy - 1) / m_allocBy * m_allocBy;
    if (images * m_width * m_height > MaxBitmapDataPixels)
        throw EOutOfResources("Too many images for the image list");
    TBitmap grown;
    grown.SetSize(int32_t(images * m_width), m_height);
    if (m_count > 0) grown.DC().BitBlt(0, 0, m_count * m_width, m_height, m_strip.DC(), 0, 0);
    m_strip.Assign(grown);
}

int TImageList::AppendPieces(const TBitmap& image) {
    if (image.Width() < m_width || image.Height() < m_height)
        throw EInvalidOperation("An image of " + std::to_string(image.Width()) + " x " +
                                std::to_string(image.Height()) + " does not fit images of " +
                                std::to_string(m_width) + " x " + std::to_string(m_height));
    const int pieces = image.Width() / m_width;
    Reserve(pieces);
    const int first = m_count;
    m_strip.DC().BitBlt(first * m_width, 0, pieces * m_width, m_height, image.DC(), 0, 0);
    m_count += pieces;
    return first;
}

template <class Op> void TImageList::ForNewPixels(int first, Op op) {
    TSurface& strip = *m_strip.DC().Surface();
    for (int32_t y = 0; y < m_height; ++y) {
        uint32_t* row = strip.Row(y);
        for (int32_t x = first * m_width; x < m_count * m_width; ++x)
            op(row[x], x - first * m_width, y);
    }
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
    const int first = AppendPieces(image);
    if (mask) {
        const TSurface& m = mask->Surface();
        ForNewPixels(first, [&](uint32_t& p, int32_t x, int32_t y) {
            const bool opaque = x >= m.Width() || y >= m.Height() || !(m.Row(y)[x] & 0xFFFFFF);
            p = (p & 0xFFFFFF) | (opaque ? AlphaMask : 0);
        });
    } else if (image.PixelFormat() == TPixelFormat::pf24bit) {
        ForNewPixels(first, [](uint32_t& p, int32_t, int32_t) { p |= AlphaMask; });
    }
    Change();
    return first;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
    const int first = AppendPieces(image);
    const uint32_t key = ColorToRGB(maskColor);
    ForNewPixels(first, [key](uint32_t& p, int32_t, int32_t) {
        p = (p & 0xFFFFFF) | (PixelToRGB(p) == key ? 0 : AlphaMask);
    });
    Change();
    return first;
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= m_count)
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    const int after = m_count - index - 1;
    if (after > 0)
        m_strip.DC().BitBlt(index * m_width, 0, after * m_width, m_height, m_strip.DC(),
                            (index + 1) * m_width, 0);
    --m_count;
    Change();
}

void TImageList::Clear() {
    m_strip.SetSize(0, 0);
    m_count = 0;
    Change();
}

bool TImageList::GetBitmap(int index, TBitmap& image) const {
    if (index < 0 || index >= m_count) return false;
    image.SetSize(m_width, m_height);
    image.SetPixelFormat(TPixelFormat::pf32bit);
    image.DC().BitBlt(0, 0, m_width, m_height, m_strip.DC(), index * m_width, 0);
    return true;
}

void TImageList::Draw(TDeviceContext& dc, int32_t x, int32_t y, int index, bool enabled) const {
    if (index < 0 || index >= m_count) return;
    TGlyphStyle style;
    style.Enabled = enabled;
    style.UseAlpha = m_masked;
    if (m_masked && m_bkColor != clNone) style.Background = ColorToRGB(m_bkColor);
    DrawGlyph(dc, x, y, m_strip.Surface(), ImageRect(index), style);
}

void TImageList::Draw(TCanvas& canvas, int32_t x, int32_t y, int index, bool enabled) const {
    if (canvas.Handle()) Draw(*canvas.Handle(), x, y, index, enabled);
}

std::vector<uint8_t> TImageList::Data() const {
    return m_count ? BitmapToData(m_strip, m_count * m_width) : std::vector<uint8_t>{};
}

void TImageList::SetData(const std::vector<uint8_t>& data) {
    TBitmap strip;
    DataToBitmap(data, strip);
    if (!strip.Empty() && (strip.Height() != m_height || strip.Width() % m_width != 0))
        throw EReadError("Image data of " + std::to_string(strip.Width()) + " x " +
                         std::to_string(strip.Height()) + " does not hold images of " +
                         std::to_string(m_width) + " x " + std::to_string(m_height));
    m_strip.Assign(strip);
    m_count = strip.Empty() ? 0 : strip.Width() / m_width;
    Change();
}

} // namespace brisat
