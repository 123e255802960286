#include "framework/graphics/graphics.h"

namespace brisat {

void TBitmap::Assign(const TPersistent& source) {
    if (auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        if (bitmap == this) return;
        SetSize(bitmap->Width(), bitmap->Height());
        m_pixelFormat = bitmap->m_pixelFormat;
        if (!Empty()) m_dc.BitBlt(0, 0, Width(), Height(), bitmap->m_dc, 0, 0);
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        SetSize(graphic->Width(), graphic->Height());
        if (!Empty()) graphic->Draw(m_dc, m_surface.BoundsRect());
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::Draw(TDeviceContext& dc, const TRect& rect) const {
    if (Empty()) return;
    dc.StretchBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), m_dc, 0, 0, Width(), Height());
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(*this);
    return copy;
}

void TBitmap::SetSize(int32_t width, int32_t height) {
    if (width == Width() && height == Height()) return;
    m_surface = TSurface(width, height);
    m_dc = TDeviceContext(&m_surface);
}

void TPicture::Assign(const TPersistent& source) {
    if (auto* picture = dynamic_cast<const TPicture*>(&source)) {
        if (picture != this) m_graphic = picture->m_graphic ? picture->m_graphic->Clone() : nullptr;
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        m_graphic = graphic->Clone();
        return;
    }
    TPersistent::Assign(source);
}

} // namespace brisat
