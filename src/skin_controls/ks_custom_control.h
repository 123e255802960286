// TKsCustomControl: the windowed base of the self-drawn controls (see TKsBufferedControl). It adds
// an optional sunken border, focus tracking, the paint contract (WM_PAINT renders and copies the
// buffer whole with the windowless children drawn into it; WM_ERASEBKGND copies the buffer, so
// the framework never erases and nested self-drawn controls see their parent fully drawn) and a
// full redraw at every paint while its form is blended. GUI thread only.
#pragma once

#include "framework/widgets/control_styles.h"
#include "skin_controls/ks_buffered_control.h"

namespace brisat {

// A control asks its form whether the form is blended; a non-zero answer means yes.
inline constexpr UINT CM_ISOWNERBLENDED = 1591;

class TKsGraphicControl;

class TKsCustomControl : public TKsBufferedControl<TWinControl> {
public:
    explicit TKsCustomControl(TComponent* owner);
    ~TKsCustomControl() override;
    std::string ClassName() const override { return "TKsCustomControl"; }

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value) { DoSetBorderStyle(value); }
    // The input focus as last told by enter and exit (hides TWinControl's window query).
    bool Focused() const { return m_focused; }

    // The parent's background and windowless children beneath this control.
    void CopyParentBackground(TKsBitmap& target) override;
    // Draws the windowless children into Dc over the parts of this buffer beneath them.
    void PaintGraphicChildren(TDeviceContext& dc);
    // Whether this control's form is blended (asked with CM_ISOWNERBLENDED).
    bool IsOwnerBlended();

    // Children align inside the border.
    void AdjustClientRect(TRect& rect) const override { rect = GetPaintRect(); }

protected:
    // Fills the paint rectangle with Color unless Transparent.
    void PaintBuffer() override;
    // The sunken border for BorderStyle single.
    void PaintBorder() override;
    // The control rectangle less the border.
    virtual TRect GetPaintRect() const;
    virtual void DoSetBorderStyle(TBorderStyle value);
    virtual void FocusEnter() {}
    virtual void FocusExit() {}

    bool CanRender() override;
    void WMPaint(TMessage& message) override;
    void WMEraseBkgnd(TMessage& message) override;
    void WMWindowPosChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;

private:
    void CopyBufferTo(TDeviceContext& dc);
    void PaintKsGraphicChild(TKsGraphicControl& child, TDeviceContext& dc);
    void PaintOtherGraphicChild(TControl& child, TDeviceContext& dc);

    bool m_focused = false;
    TBorderStyle m_borderStyle = TBorderStyle::bsNone;
};

} // namespace brisat
