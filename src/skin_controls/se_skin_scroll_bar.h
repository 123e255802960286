// TSeSkinScrollBar: the scroll bar drawn with the skin object "ScrollBar": its frame child
// ("VertFrame"/"HorzFrame", else "Frame") over the whole bar, its button children
// ("TopButton"/"LeftButton", "BottomButton"/"RightButton") and its thumb ("VertSlider"/
// "HorzSlider", else "Slider"); a missing child leaves that part undrawn. Without a skin the
// plain look. GUI thread only.
#pragma once

#include "skin_controls/ks_custom_scroll_bar.h"
#include "skin/objects/skin_object_types.h"
#include "skin_controls/se_skin_control.h"

namespace brisat {

class TSeSkinScrollBar : public TSeSkinControl<TKsCustomScrollBar> {
public:
    explicit TSeSkinScrollBar(TComponent* owner);
    std::string ClassName() const override { return "TSeSkinScrollBar"; }

    int32_t GetButtonSize() const override;
    // Skinned: the thickness of the frame.
    void FitThickness() override;

protected:
    void SkinBound() override;
    void PaintBuffer() override;
    void PaintPressedArea(const TRect& rect) override;

private:
    // The first of the two children present, or nullptr (also when unskinned).
    TSeSkinObject* Child(const char* name, const char* fallback = nullptr) const;
    TSeSkinObject* Frame() const;
    TSeState PartState(bool pressed, bool hot) const;
    void DrawPart(TSeSkinObject* part, const TRect& rect, TSeState state);
};

} // namespace brisat
