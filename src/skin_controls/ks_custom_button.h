// TKsCustomButton: a self-drawn push button with an optional glyph (NumGlyphs cells side by side:
// normal, disabled, ...; the bottom-left pixel's colour is transparent) laid out beside its
// caption, a modal result for its form, and the dialog keys: Return clicks the focused button or
// the default one when no other button has the focus, Escape clicks a button whose ModalResult
// is mrCancel. Kind gives standard captions, results and glyphs. GUI thread only.
#pragma once

#include "framework/controls/form.h"
#include "framework/graphics/graphics.h"
#include "framework/widgets/speed_button.h"
#include "skin_controls/ks_custom_control.h"

namespace brisat {

// The result of the "All" kind, beyond the framework's own results.
inline constexpr TModalResult mrAll = 8;

enum class TBitBtnKind : uint8_t {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

class TKsCustomButton : public TKsCustomControl {
public:
    explicit TKsCustomButton(TComponent* owner);
    std::string ClassName() const override { return "TKsCustomButton"; }

    // Gives the form the button's ModalResult, then fires OnClick.
    void Click() override;

    // Draws the default frame: the button is Default and no button has the focus.
    bool Active() const;
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    // A change sets ModalResult to mrCancel.
    void SetCancel(bool value);
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult value) { m_modalResult = value; }
    bool Pressed() const { return m_pressed; }

    TBitmap& Glyph() { return m_glyph; }
    const TBitmap& Glyph() const { return m_glyph; }
    // Copies the picture; a strip of square cells sets NumGlyphs (1 for more than 4 cells).
    void SetGlyph(const TBitmap& glyph);
    // 1..4; other values raise EInvalidOperation.
    int32_t NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int32_t value);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout value);
    int32_t Spacing() const { return m_spacing; }
    void SetSpacing(int32_t value);
    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind value);
    // Grey glyph while the mouse is not over the button.
    bool BlackAndWhiteGlyph() const { return m_blackAndWhiteGlyph; }
    void SetBlackAndWhiteGlyph(bool value);

    // Content (caption and glyph) centred in the button, and its caption and glyph parts.
    TRect GetContentRect();
    TRect GetCaptionRect();
    TRect GetGlyphRect();

protected:
    void PaintBuffer() override;
    virtual void PaintFace();
    virtual void PaintCaption();
    // The glyph cell (disabled cell when there is one), transparent colour left out.
    virtual void PaintGlyph();
    // The caption centred in GetCaptionRect, in the buffer's font.
    void DrawCaptionText(TColor color, TPoint offset = {});

    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void MouseEnter() override { Invalidate(); }
    void MouseLeave() override { Invalidate(); }
    void FocusEnter() override;
    void FocusExit() override;

private:
    TSize GlyphCell() const;
    void GlyphChanged();
    void SetPressed(bool value);
    bool DialogKey(const TMessage& message);
    void InvalidateDefaultButtons();

    bool m_default = false;
    bool m_tracking = false;
    TBitmap m_glyph;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    TBitBtnKind m_kind = TBitBtnKind::bkCustom;
    int32_t m_numGlyphs = 1;
    int32_t m_spacing = 4;
    bool m_pressed = false;
    TModalResult m_modalResult = mrNone;
    bool m_blackAndWhiteGlyph = false;
    bool m_cancel = false;
};

} // namespace brisat
