// TKsGraphicControl: the windowless base of the self-drawn controls (see TKsBufferedControl),
// without a border. While a windowed self-drawn parent paints it (PaintedByParent), the parent
// has already put its own pixels into this control's buffer and the background copy is skipped.
// GUI thread only.
#pragma once

#include "skin_controls/ks_buffered_control.h"

namespace brisat {

class TKsGraphicControl : public TKsBufferedControl<TGraphicControl> {
public:
    explicit TKsGraphicControl(TComponent* owner);
    ~TKsGraphicControl() override;
    std::string ClassName() const override { return "TKsGraphicControl"; }

    bool PaintedByParent() const { return m_paintedByParent; }
    void SetPaintedByParent(bool value) { m_paintedByParent = value; }

    // The parent's background beneath this control (when the parent has its window).
    void CopyParentBackground(TKsBitmap& target) override;

protected:
    // Fills the whole buffer with Color unless Transparent.
    void PaintBuffer() override;
    bool CanRender() override;
    bool BackgroundInBuffer() const override { return m_paintedByParent; }
    void WMPaint(TMessage& message) override;

private:
    bool m_paintedByParent = false;
};

} // namespace brisat
