// TKsBitmap: allocation, copies from and to framework graphics, whole-bitmap pixel operations,
// links and regions.
#include "skin/bitmap/bitmap.h"

#include "framework/core/exceptions.h"
#include "framework/graphics/graphics.h"
#include "skin/bitmap/bitmap_link.h"
#include "skin/bitmap/checked_math.h"
#include "skin/bitmap/pixel_rows.h"

#include <algorithm>
#include <vector>

namespace brisat {

TKsBitmap::TKsBitmap() {
    m_dc.SelectFont(&m_font);
}

TKsBitmap::~TKsBitmap() {
    if (OnBeforeFree) OnBeforeFree(*this);
}

void TKsBitmap::Changed() {
    if (OnChange) OnChange(*this);
}

// --- Allocation -------------------------------------------------------------------------------

void TKsBitmap::SetSize(int32_t width, int32_t height) {
    try {
        width = CheckedAbs(width);
        height = CheckedAbs(height);
        if (width == 0 || height == 0 || (width == Width() && height == Height())) return;
        Reallocate(width, height);
    } catch (...) {
        Changed();
        throw;
    }
    Changed();
}

void TKsBitmap::Reallocate(int32_t width, int32_t height) {
    // Refused before anything changes: the byte count must fit signed 32-bit arithmetic.
    if (int64_t(width) * height > TSurface::MaxPixels) RaiseIntOverflow();
    if (OnBeforeFree) OnBeforeFree(*this);
    m_dc = TDeviceContext();
    m_surface = TSurface();
    try {
        m_surface = TSurface(width, height);
    } catch (const EOutOfResources&) {
        throw EOutOfResources("Can't allocate the DIB handle");
    }
    // A device context on a surface can neither fail to be made nor to select it.
    m_dc = TDeviceContext(&m_surface);
    m_dc.SelectFont(&m_font);
}

// --- Framework graphics -----------------------------------------------------------------------

void TKsBitmap::Assign(const TPersistent& source) {
    if (auto* bitmap = dynamic_cast<const TKsBitmap*>(&source)) {
        if (bitmap != this) CopyPixelsFrom(*bitmap);
        return;
    }
    const TGraphic* graphic = dynamic_cast<const TGraphic*>(&source);
    auto* picture = dynamic_cast<const TPicture*>(&source);
    if (picture) graphic = picture->Graphic();
    if (!graphic && !picture) {
        TPersistent::Assign(source);
        return;
    }
    SetSize(graphic ? graphic->Width() : 0, graphic ? graphic->Height() : 0);
    if (Empty()) return;
    if (auto* frameworkBitmap = dynamic_cast<const TBitmap*>(graphic))
        m_dc.BitBlt(0, 0, Width(), Height(), frameworkBitmap->DC(), 0, 0);
    else if (graphic)
        graphic->Draw(m_dc, BoundsRect());
    SetAlpha(255);
}

void TKsBitmap::CopyPixelsFrom(const TKsBitmap& source) {
    SetSize(source.Width(), source.Height());
    if (Empty() || source.Empty()) return;
    std::copy_n(source.Bits(), source.Surface().PixelCount(), Bits());
}

void TKsBitmap::AssignTo(TPersistent& dest) const {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(TPixelFormat::pf24bit);
    bitmap->SetSize(Width(), Height());
    if (!Empty()) bitmap->DC().BitBlt(0, 0, Width(), Height(), m_dc, 0, 0);
    if (auto* frameworkBitmap = dynamic_cast<TBitmap*>(&dest))
        frameworkBitmap->Assign(*bitmap);
    else if (auto* picture = dynamic_cast<TPicture*>(&dest))
        picture->SetGraphic(std::move(bitmap));
    else
        dest.Assign(*bitmap);
}

// --- Pixels -----------------------------------------------------------------------------------

void TKsBitmap::Fill(TKsPixel pixel) {
    std::fill_n(Bits(), m_surface.PixelCount(), pixel);
}

void TKsBitmap::SetAlpha(uint8_t alpha) {
    SetAlphaRow(Bits(), m_surface.PixelCount(), alpha);
}

void TKsBitmap::SetAlphaRect(uint8_t alpha, const TRect& rect) {
    TRect r = IntersectRect(rect, BoundsRect());
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        SetAlphaRow(Row(y) + r.Left, size_t(r.Right - r.Left), alpha);
}

void TKsBitmap::MakeTransparent(TKsPixel pixel) {
    MakeTransparentRow(Bits(), m_surface.PixelCount(), pixel);
}

void TKsBitmap::ChangeHue(int32_t delta) {
    ChangeHueRow(Bits(), m_surface.PixelCount(), delta);
}

TKsPixel TKsBitmap::Pixels(int32_t x, int32_t y) const {
    if (!PtInRect(BoundsRect(), {x, y})) return ksOutOfRangePixel;
    return Row(y)[x];
}

void TKsBitmap::SetPixels(int32_t x, int32_t y, TKsPixel pixel) {
    if (PtInRect(BoundsRect(), {x, y})) Row(y)[x] = pixel;
}

// --- Links and regions ------------------------------------------------------------------------

std::unique_ptr<TKsBitmapLink> TKsBitmap::GetLink(const TRect& rect) {
    auto link = std::make_unique<TKsBitmapLink>();
    link->SetBitmap(this);
    link->SetRect(rect);
    link->SetName(m_name);
    return link;
}

std::optional<TRegion> TKsBitmap::CreateRegion(int32_t x, int32_t y) const {
    if (Empty()) return std::nullopt;
    // Every rectangle lies inside (X, Y, X + Width, Y + Height).
    CheckedAdd(x, Width());
    CheckedAdd(y, Height());
    std::vector<TRect> runs;
    const int32_t width = Width();
    for (int32_t row = 0; row < Height(); ++row) {
        const TKsPixel* pixels = Row(row);
        int32_t col = 0;
        while (col < width) {
            while (col < width && IsKeyColor(pixels[col]))
                ++col;
            if (col == width) break;
            int32_t start = col;
            while (col < width && !IsKeyColor(pixels[col]))
                ++col;
            runs.push_back({x + start, y + row, x + col, y + row + 1});
        }
    }
    return TRegion::FromDisjointRects(std::move(runs));
}

} // namespace brisat
