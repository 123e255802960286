// TSpeedButton: a windowless tool button with a glyph and a caption. The glyph comes from an
// image list (Images, ImageIndex) or from the Glyph bitmap, which holds NumGlyphs pictures side
// by side (up, disabled, pressed, held down) and whose bottom-left pixel colour is transparent.
// Buttons with a GroupIndex stay down when clicked and release the others of their group on the
// same parent; AllowAllUp lets the last one come up again. A flat button shows its frame only
// while the mouse is over it or it is down. Click fires OnClick after a press and release
// inside the button. GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "framework/graphics/graphics.h"

namespace brisat {

class TImageList;

enum class TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonState : uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    std::string ClassName() const override { return "TSpeedButton"; }

    // Fires OnClick.
    void Click() override;

    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool on);
    int32_t GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int32_t index);
    // Only buttons of a group stay down; going down releases the group's other buttons.
    bool Down() const { return m_down; }
    void SetDown(bool down);
    bool Flat() const { return m_flat; }
    void SetFlat(bool on);
    // Off, the face is filled with Color even where a flat button shows no frame.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);

    TBitmap& Glyph() { return m_glyph; }
    const TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const TBitmap& glyph);
    // 1..4 pictures in Glyph; other values raise EInvalidOperation.
    int32_t NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int32_t count);
    // The image list the glyph comes from, before Glyph; cleared when it goes.
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    int32_t ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int32_t index);

    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    // Pixels from the edge to the glyph, up to MaxMargin; -1 centres glyph and caption.
    int32_t Margin() const { return m_margin; }
    void SetMargin(int32_t margin);
    // Pixels between glyph and caption, up to MaxMargin; -1 spreads the room evenly.
    int32_t Spacing() const { return m_spacing; }
    void SetSpacing(int32_t spacing);

    // The state the button is drawn in; whether the mouse is over it.
    TButtonState State() const { return m_state; }
    bool MouseInControl() const { return m_mouseInControl; }

    // Larger margins and spacings are cut to this (beyond any window's size).
    static constexpr int32_t MaxMargin = 0x7FFF;

protected:
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void Paint() override;
    void Notification(TComponent& component, TOperation operation) override;

private:
    // Releases this button when another of its group goes down.
    void GroupButtonPressed(const TSpeedButton& sender);
    void UpdateExclusive();
    TSize GlyphSize() const;
    void DrawFace(TDeviceContext& dc, TRect& r) const;
    void DrawGlyphAt(TDeviceContext& dc, TPoint at) const;
    void Changed();

    bool m_allowAllUp = false;
    int32_t m_groupIndex = 0;
    bool m_down = false;
    bool m_flat = false;
    bool m_transparent = true;
    TBitmap m_glyph;
    int32_t m_numGlyphs = 1;
    TImageList* m_images = nullptr;
    int32_t m_imageIndex = -1;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int32_t m_margin = -1;
    int32_t m_spacing = 4;
    TButtonState m_state = TButtonState::bsUp;
    bool m_mouseInControl = false;
    bool m_dragging = false;
};

} // namespace brisat
