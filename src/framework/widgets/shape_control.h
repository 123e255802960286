// TShape: a windowless geometric shape (rectangle, square, rounded rectangle or square,
// ellipse, circle) outlined with its Pen and filled with its Brush, both persistent objects of
// their own. Square shapes are centred in the bounds; wide pens stay inside them. GUI thread
// only.
#pragma once

#include "framework/controls/control.h"
#include "framework/graphics/device_context.h"
#include "framework/core/persistent.h"
#include "framework/core/store_if_changed.h"

#include <functional>

namespace brisat {

// What pens and brushes share: drawing settings whose every change is told to the owner
// through OnChange.
template <class Self, class TSettings> class TGraphicsObject : public TPersistent {
public:
    void Assign(const TPersistent& source) override {
        if (const auto* other = dynamic_cast<const Self*>(&source)) {
            m_settings = other->m_settings;
            Changed();
            return;
        }
        TPersistent::Assign(source);
    }

    TColor Color() const { return m_settings.Color; }
    void SetColor(TColor color) { Update(m_settings.Color, color); }
    const TSettings& Data() const { return m_settings; }

    std::function<void(Self&)> OnChange;

protected:
    template <class V> void Update(V& field, V value) {
        if (StoreIfChanged(field, value)) Changed();
    }
    void Changed() {
        if (OnChange) OnChange(static_cast<Self&>(*this));
    }

    TSettings m_settings;
};

// The pen a shape outlines with. Width 0 draws as 1, as the platform does.
class TPen : public TGraphicsObject<TPen, TPenSpec> {
public:
    std::string ClassName() const override { return "TPen"; }

    TPenStyle Style() const { return m_settings.Style; }
    void SetStyle(TPenStyle style) { Update(m_settings.Style, style); }
    // 0..MaxWidth; other values raise EInvalidOperation.
    int32_t Width() const { return m_settings.Width; }
    void SetWidth(int32_t width);

    static constexpr int32_t MaxWidth = 256;
};

class TBrush : public TGraphicsObject<TBrush, TBrushSpec> {
public:
    std::string ClassName() const override { return "TBrush"; }

    TBrushStyle Style() const { return m_settings.Style; }
    void SetStyle(TBrushStyle style) { Update(m_settings.Style, style); }
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
