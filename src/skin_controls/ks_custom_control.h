// TKsCustomControl: the windowed base of the self-drawn controls. The whole control is drawn into
// an off-screen buffer (rounded up to a grain of 30 pixels so small resizes keep it) and copied
// to the screen in one block. The buffer starts from a fill in Color, or from the parent's
// background when Transparent; with Blend the finished picture is laid over the parent's
// background at BlendValue/255. Rendering is lazy: changes set NeedsRender and invalidate, the
// next WM_PAINT or WM_ERASEBKGND renders. The base also tracks hover and focus and draws an
// optional sunken border. GUI thread only.
#pragma once

#include "framework/controls/win_control.h"
#include "framework/widgets/control_styles.h"
#include "skin_controls/ks_control_buffer.h"

#include <cstdint>

namespace brisat {

// A control asks its form whether the form is blended; a non-zero answer means yes.
inline constexpr UINT CM_ISOWNERBLENDED = 1591;

class TKsCustomControl : public TWinControl {
public:
    explicit TKsCustomControl(TComponent* owner);
    ~TKsCustomControl() override;
    std::string ClassName() const override { return "TKsCustomControl"; }

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool Blend() const { return m_blend; }
    void SetBlend(bool value);
    // 0..255; other values raise EInvalidOperation before anything changes.
    int32_t BlendValue() const { return m_blendValue; }
    void SetBlendValue(int32_t value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value) { DoSetBorderStyle(value); }

    // The input focus as last told by enter and exit (hides TWinControl's window query).
    bool Focused() const { return m_focused; }
    bool MouseInControl() const { return m_mouseInControl; }
    bool NeedsRender() const { return m_needsRender; }
    void SetNeedsRender(bool value) { m_needsRender = value; }

    // The off-screen picture; drawing goes through Buffer() (or BufferCanvas()).
    TKsBitmap& Buffer() { return m_buffer.Bitmap(); }
    TCanvas& BufferCanvas() { return m_buffer.Canvas(); }
    TKsControlBuffer& BufferSet() { return m_buffer; }
    int32_t BufferGrain() const { return m_buffer.Grain(); }
    void SetBufferGrain(int32_t grain) { m_buffer.SetGrain(grain); }

    // Redraws the buffer when it must (see the class comment); true when it did.
    bool RenderBuffer();
    // Fits the buffers to the current size and renders when they were reallocated.
    void UpdateBufferSize();
    // Draws what the parent shows beneath this control (its background and its windowless
    // children) into Target, Target's 0,0 being this control's top-left corner.
    void CopyParentBackground(TKsBitmap& target);
    // Draws the windowless children into Dc over the parts of this buffer beneath them.
    void PaintGraphicChildren(TDeviceContext& dc);
    // Whether this control's form is blended (asked with CM_ISOWNERBLENDED).
    bool IsOwnerBlended();

    void Invalidate() override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    // Children align inside the border.
    void AdjustClientRect(TRect& rect) const override { rect = GetPaintRect(); }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Draws the control's face; the base fills the paint rectangle with Color unless Transparent.
    virtual void PaintBuffer();
    // Draws the border for BorderStyle.
    virtual void PaintBorder();
    // The control rectangle less the border.
    virtual TRect GetPaintRect() const;
    virtual void DoSetBorderStyle(TBorderStyle value);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void FocusEnter();
    virtual void FocusExit();

    // The control's own rectangle in buffer coordinates.
    TRect ControlRect() const { return {0, 0, m_cachedWidth, m_cachedHeight}; }
    int32_t CachedWidth() const { return m_cachedWidth; }
    int32_t CachedHeight() const { return m_cachedHeight; }
    bool Designing() const {
        return ComponentState().Contains(TComponentStateFlag::csDesigning);
    }

    void WndProc(TMessage& message) override;
    void WMPaint(TMessage& message) override;
    void WMEraseBkgnd(TMessage& message) override;
    void WMWindowPosChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void Loaded() override;

private:
    bool CanRender();
    void CopyBufferTo(TDeviceContext& dc);
    void PaintKsGraphicChild(class TKsGraphicControl& child, TDeviceContext& dc);
    void PaintOtherGraphicChild(TControl& child, TDeviceContext& dc);

    TKsControlBuffer m_buffer;
    bool m_focused = false;
    bool m_needsRender = true;
    bool m_transparent = false;
    bool m_blend = false;
    int32_t m_blendValue = 150;
    bool m_mouseInControl = false;
    TBorderStyle m_borderStyle = TBorderStyle::bsNone;
    int32_t m_cachedWidth = 0;
    int32_t m_cachedHeight = 0;
};

// Raises EInvalidOperation naming a BlendValue outside 0..255.
void CheckBlendValue(int32_t value);

} // namespace brisat
