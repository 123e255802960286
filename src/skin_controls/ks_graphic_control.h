// TKsGraphicControl: the windowless base of the self-drawn controls, with the same off-screen
// buffer, see-through painting and blending as TKsCustomControl but no border. While a windowed
// self-drawn parent paints it (PaintedByParent), the parent has already put its own pixels into
// this control's buffer and the background copy is skipped. GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "skin_controls/ks_control_buffer.h"

#include <cstdint>

namespace brisat {

class TKsGraphicControl : public TGraphicControl {
public:
    explicit TKsGraphicControl(TComponent* owner);
    ~TKsGraphicControl() override;
    std::string ClassName() const override { return "TKsGraphicControl"; }

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool Blend() const { return m_blend; }
    void SetBlend(bool value);
    // 0..255; other values raise EInvalidOperation before anything changes.
    int32_t BlendValue() const { return m_blendValue; }
    void SetBlendValue(int32_t value);

    bool MouseInControl() const { return m_mouseInControl; }
    bool NeedsRender() const { return m_needsRender; }
    void SetNeedsRender(bool value) { m_needsRender = value; }
    bool PaintedByParent() const { return m_paintedByParent; }
    void SetPaintedByParent(bool value) { m_paintedByParent = value; }

    TKsBitmap& Buffer() { return m_buffer.Bitmap(); }
    TCanvas& BufferCanvas() { return m_buffer.Canvas(); }
    TKsControlBuffer& BufferSet() { return m_buffer; }

    // Redraws the buffer when NeedsRender is set and the control can draw; true when it did.
    bool RenderBuffer();
    void UpdateBufferSize();
    // Draws the parent's background beneath this control into Target.
    void CopyParentBackground(TKsBitmap& target);

    void Invalidate() override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Fills the whole buffer with Color unless Transparent.
    virtual void PaintBuffer();
    virtual void MouseEnter();
    virtual void MouseLeave();

    TRect ControlRect() const { return {0, 0, m_cachedWidth, m_cachedHeight}; }
    bool Designing() const {
        return ComponentState().Contains(TComponentStateFlag::csDesigning);
    }

    void WndProc(TMessage& message) override;
    void WMPaint(TMessage& message) override;
    void Loaded() override;

private:
    bool CanRender() const;

    TKsControlBuffer m_buffer;
    bool m_needsRender = true;
    bool m_transparent = false;
    bool m_blend = false;
    int32_t m_blendValue = 150;
    bool m_mouseInControl = false;
    bool m_paintedByParent = false;
    int32_t m_cachedWidth = 0;
    int32_t m_cachedHeight = 0;
};

} // namespace brisat
