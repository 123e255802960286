// TKsBufferedControl<Base>: what the windowed and the windowless self-drawn bases share (Base:
// TWinControl or TGraphicControl). The whole control is drawn into an off-screen buffer rounded
// up to a grain of 30 pixels, so small resizes keep it; the buffer starts from a fill in Color,
// or from the parent's background when Transparent, and with Blend the finished picture lies over
// the parent's background at BlendValue/255. Rendering is lazy: changes set NeedsRender and
// invalidate; the next paint renders. Hover is tracked for OnMouseEnter and OnMouseLeave.
// GUI thread only.
#pragma once

#include "framework/controls/win_control.h"
#include "framework/core/range_check.h"
#include "framework/core/store_if_changed.h"
#include "skin_controls/ks_control_buffer.h"

#include <cstdint>

namespace brisat {

template <class Base> class TKsBufferedControl : public Base {
public:
    explicit TKsBufferedControl(TComponent* owner) : Base(owner) {
        this->InitColor(clBtnFace);
        this->ControlStyle().Include(TControlStyleKind::csOpaque);
        SetBounds(this->Left(), this->Top(), 100, 30);
    }

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) {
        if (StoreIfChanged(m_transparent, value)) Invalidate();
    }
    bool Blend() const { return m_blend; }
    void SetBlend(bool value) {
        if (StoreIfChanged(m_blend, value)) Invalidate();
    }
    // 0..255; other values raise EInvalidOperation before anything changes.
    int32_t BlendValue() const { return m_blendValue; }
    void SetBlendValue(int32_t value) {
        CheckRange("BlendValue", value, 0, 255);
        if (StoreIfChanged(m_blendValue, value)) Invalidate();
    }

    bool MouseInControl() const { return m_mouseInControl; }
    bool NeedsRender() const { return m_needsRender; }
    void SetNeedsRender(bool value) { m_needsRender = value; }

    // The off-screen picture; drawing goes through Buffer() (or BufferCanvas()).
    TKsBitmap& Buffer() { return m_buffer.Bitmap(); }
    TCanvas& BufferCanvas() { return m_buffer.Canvas(); }
    TKsControlBuffer& BufferSet() { return m_buffer; }

    // Redraws the buffer when the control can and must draw; true when it did.
    bool RenderBuffer() {
        if (!CanRender()) return false;
        TKsBitmap& buffer = Buffer();
        buffer.SetFont(this->Font());
        BufferCanvas().Font().Assign(this->Font());
        const bool background = m_transparent && !BackgroundInBuffer();
        if (m_blend) {
            // A blend switched on since the last resize still needs its background buffer.
            m_buffer.FitBlend();
            TKsBitmap& under = m_buffer.BlendBitmap();
            if (BackgroundInBuffer())
                buffer.Draw(under, 0, 0);
            else
                CopyParentBackground(under);
            under.SetAlpha(255);
            if (background) under.Draw(buffer, 0, 0);
            PaintBorder();
            PaintBuffer();
            m_buffer.BlendOverBackground(uint8_t(m_blendValue));
        } else {
            if (background) CopyParentBackground(buffer);
            PaintBorder();
            PaintBuffer();
        }
        m_needsRender = false;
        return true;
    }
    // Fits the buffers to the control's size and renders when they were reallocated.
    void UpdateBufferSize() {
        if (!m_buffer.Fit(m_cachedWidth, m_cachedHeight, m_blend, Designing())) return;
        m_needsRender = true;
        RenderBuffer();
    }
    // Draws what the parent shows beneath this control into Target, Target's 0,0 being this
    // control's top-left corner.
    virtual void CopyParentBackground(TKsBitmap&) {}

    void Invalidate() override {
        if (Designing())
            UpdateBufferSize();
        else
            m_needsRender = true;
        Base::Invalidate();
    }
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override {
        Base::SetBounds(left, top, width, height);
        CacheSize();
    }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Draws the control's face into the buffer.
    virtual void PaintBuffer() {}
    // Draws a border before the face; none here.
    virtual void PaintBorder() {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Whether the control may draw now (parent, size, handle) and has reason to; never while
    // the control is being made.
    virtual bool CanRender() { return false; }
    // Whether the parent has put its pixels into the buffer already.
    virtual bool BackgroundInBuffer() const { return false; }

    // The control's own rectangle in buffer coordinates.
    TRect ControlRect() const { return {0, 0, m_cachedWidth, m_cachedHeight}; }
    int32_t CachedWidth() const { return m_cachedWidth; }
    int32_t CachedHeight() const { return m_cachedHeight; }
    bool Designing() const {
        return this->ComponentState().Contains(TComponentStateFlag::csDesigning);
    }
    // Takes the control's size as the buffer's measure and fits the buffer to it.
    void CacheSize() {
        m_cachedWidth = this->Width();
        m_cachedHeight = this->Height();
        UpdateBufferSize();
    }
    // The parent's background (and, with Children, its windowless children) drawn into
    // Target with the parent's point At at Target's 0,0.
    void DrawParentArea(TWinControl& parent, TKsBitmap& target, TPoint at, bool children) {
        TDeviceContext& dc = target.DC();
        dc.SaveDC();
        const TPoint org = dc.WindowOrg();
        dc.SetWindowOrg(org.X + at.X, org.Y + at.Y);
        try {
            parent.Perform(WM_ERASEBKGND, DCToWParam(&dc), 12);
            if (children && HasGraphicChildren(parent)) parent.PaintControls(dc);
        } catch (...) {
            dc.RestoreDC();
            throw;
        }
        dc.RestoreDC();
    }

    // Windowless children come first among a parent's controls.
    static bool HasGraphicChildren(const TWinControl& parent) {
        return parent.ControlCount() > 0 && !dynamic_cast<TWinControl*>(&parent.Controls(0));
    }

    void WndProc(TMessage& message) override {
        Base::WndProc(message);
        if (message.Msg != CM_MOUSEENTER && message.Msg != CM_MOUSELEAVE) return;
        m_mouseInControl = message.Msg == CM_MOUSEENTER;
        if (m_mouseInControl) {
            MouseEnter();
            if (OnMouseEnter) OnMouseEnter(*this);
        } else {
            MouseLeave();
            if (OnMouseLeave) OnMouseLeave(*this);
        }
    }
    void Loaded() override {
        Base::Loaded();
        UpdateBufferSize();
    }

private:
    TKsControlBuffer m_buffer;
    bool m_needsRender = true;
    bool m_transparent = false;
    bool m_blend = false;
    int32_t m_blendValue = 150;
    bool m_mouseInControl = false;
    int32_t m_cachedWidth = 0;
    int32_t m_cachedHeight = 0;
};

} // namespace brisat
