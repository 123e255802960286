// TShape: a windowless geometric shape (rectangle, square, rounded rectangle or square,
// ellipse, circle) outlined with its Pen and filled with its Brush, both persistent objects of
// their own. Square shapes are centred in the bounds; wide pens stay inside them. GUI thread
// only.
#pragma once

#include "framework/control.h"
#include "framework/device_context.h"
#include "framework/persistent.h"

#include <functional>

namespace brisat {

// The pen a shape outlines with. Width 0 draws as 1, as the platform does.
class TPen : public TPersistent {
public:
    std::string ClassName() const override { return "TPen"; }
    void Assign(const TPersistent& source) override;

    TColor Color() const { return m_spec.Color; }
    void SetColor(TColor color);
    TPenStyle Style() const { return m_spec.Style; }
    void SetStyle(TPenStyle style);
    // 0..MaxWidth; other values raise EInvalidOperation.
    int32_t Width() const { return m_spec.Width; }
    void SetWidth(int32_t width);
    const TPenSpec& Spec() const { return m_spec; }

    std::function<void(TPen&)> OnChange;
    static constexpr int32_t MaxWidth = 256;

private:
    void Changed();
    TPenSpec m_spec;
};

class TBrush : public TPersistent {
public:
    std::string ClassName() const override { return "TBrush"; }
    void Assign(const TPersistent& source) override;

    TColor Color() const { return m_spec.Color; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return m_spec.Style; }
    void SetStyle(TBrushStyle style);
    const TBrushSpec& Spec() const { return m_spec; }

    std::function<void(TBrush&)> OnChange;

private:
    void Changed();
    TBrushSpec m_spec;
};

enum class TShapeType : uint8_t {
    stRectangle,
    stSquare,
    stRoundRect,
    stRoundSquare,
    stEllipse,
    stCircle
};

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner);
    std::string ClassName() const override { return "TShape"; }

    TShapeType Shape() const { return m_shape; }
    void SetShape(TShapeType shape);
    TPen& Pen() { return m_pen; }
    const TPen& Pen() const { return m_pen; }
    TBrush& Brush() { return m_brush; }
    const TBrush& Brush() const { return m_brush; }

protected:
    void Paint() override;

private:
    TShapeType m_shape = TShapeType::stRectangle;
    TPen m_pen;
    TBrush m_brush;
};

} // namespace brisat
