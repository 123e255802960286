// TZeltLiquidLabel: a label whose letters are filled with a gradient from FromColor to ToColor
// running in Direction. The label keeps the gradient and the text mask as bitmaps of its own
// size and lays the gradient over the background through the mask's coverage, so the letters
// keep their anti-aliased edges. A disabled label draws its text embossed, as a plain label
// does. GUI thread only.
#pragma once

#include "framework/core/colors.h"
#include "framework/graphics/graphics.h"
#include "framework/widgets/label.h"

namespace brisat {

class TSurface;

enum class TDirection : uint8_t {
    dfLeftRight,
    dfRightLeft,
    dfTopBottom,
    dfBottomTop,
    dfInHorizontal,
    dfOutHorizontal,
    dfInVertical,
    dfOutVertical,
    dfInRectangle,
    dfOutRectangle,
};

extern const TEnumInfo DirectionInfo;

// Fills the whole surface with the gradient (opaque pixels). Step i of n has, per channel,
// From + (To − From) × i / n rounded to the nearest integer; a direction with no steps to go
// (a one-pixel-wide label running left to right, say) is all From.
void FillGradient(TSurface& surface, TColor from, TColor to, TDirection direction);

class TZeltLiquidLabel : public TLabel {
public:
    explicit TZeltLiquidLabel(TComponent* owner);
    std::string ClassName() const override { return "TZeltLiquidLabel"; }

    TColor FromColor() const { return m_fromColor; }
    void SetFromColor(TColor color);
    TColor ToColor() const { return m_toColor; }
    void SetToColor(TColor color);
    TDirection Direction() const { return m_direction; }
    void SetDirection(TDirection direction);

protected:
    void Paint() override;

private:
    uint32_t TextFormat() const;
    // The text rectangle in client coordinates, moved down for a centred or bottom layout.
    TRect TextRect(TDeviceContext& measure) const;
    void DrawMask(const TRect& textRect);
    // Lays the gradient over the copy of the background through the mask's coverage.
    void Compose();

    TColor m_fromColor = clBlue;
    TColor m_toColor = clBlack;
    TDirection m_direction = TDirection::dfLeftRight;
    TBitmap m_gradient;
    TBitmap m_mask;
    TBitmap m_backdrop;
    // The gradient bitmap holds these colours, direction and size.
    bool m_gradientValid = false;
};

} // namespace brisat
