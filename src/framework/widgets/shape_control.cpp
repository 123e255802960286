#include "framework/widgets/shape_control.h"

#include "framework/graphics/canvas.h"
#include "framework/core/exceptions.h"
#include "framework/core/store_if_changed.h"

#include <algorithm>

namespace brisat {

void TPen::SetWidth(int32_t width) {
    if (width < 0 || width > MaxWidth)
        throw EInvalidOperation("Pen width " + std::to_string(width) + " is out of range (0.." +
                                std::to_string(MaxWidth) + ")");
    Update(m_settings.Width, width);
}

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 65);
    m_pen.OnChange = [this](TPen&) { Invalidate(); };
    m_brush.OnChange = [this](TBrush&) { Invalidate(); };
}

void TShape::SetShape(TShapeType shape) {
    if (StoreIfChanged(m_shape, shape)) Invalidate();
}

void TShape::Paint() {
    TDeviceContext& dc = *Canvas().Handle();
    dc.SetPen(m_pen.Data());
    dc.SetBrush(m_brush.Data());
    // The outline's centre line runs half a pen inside the bounds, so wide pens stay in them.
    const int32_t pen = m_pen.Width();
    int32_t x = pen / 2, y = x;
    int32_t w = Width() - pen + 1, h = Height() - pen + 1;
    if (pen == 0) --w, --h;
    const int32_t s = std::min(w, h);
    const bool square = m_shape == TShapeType::stSquare || m_shape == TShapeType::stRoundSquare ||
                        m_shape == TShapeType::stCircle;
    if (square) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    const TRect r = Bounds(x, y, w, h);
    switch (m_shape) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
        dc.Rectangle(r);
        break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare:
        dc.RoundRect(r, s / 4, s / 4);
        break;
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
        dc.Ellipse(r);
        break;
    }
}

} // namespace brisat
