// TKsPopupForm: the frame of a popup menu window, a TKsCustomForm without caption, border icons,
// moving or sizing, kept on top and at least 10 × 10. Its plain frame is three one-pixel bevels
// round a client area inset by 3; blend, drop shadow and show animation are the form's.
// TSeSkinPopupForm takes the frame from the skin's "PopupMenu" object. GUI thread only.
#pragma once

#include "skin_windows/ks_custom_form.h"

namespace brisat {

class TSeSkinEngine;
class TSeSkinObject;

class TKsPopupForm : public TKsCustomForm {
public:
    // Owner: the popup window whose frame this is.
    explicit TKsPopupForm(TComponent* owner);
    std::string ClassName() const override { return "TKsPopupForm"; }

    // The frame's widths: left, top, right and bottom.
    virtual TRect FrameMargins();
    void GetClientRect(TRect& rect) override;
    void PaintFrame(TKsBitmap& bitmap) override;
    // What lies under the items: Bitmap holds the client area.
    virtual void PaintItemsBackground(TKsBitmap& bitmap);
};

class TSeSkinPopupForm : public TKsPopupForm {
public:
    TSeSkinPopupForm(TComponent* owner, TSeSkinEngine* engine);
    ~TSeSkinPopupForm() override;
    std::string ClassName() const override { return "TSeSkinPopupForm"; }

    // The "PopupMenu" object's "Frame" margins (3 each without a "Frame"); plain without a skin.
    TRect FrameMargins() override;
    // The skin's frame shapes the window: its see-through corners show what lies beneath.
    std::optional<TRegion> GetRegion() override;
    void PaintFrame(TKsBitmap& bitmap) override;
    // The part of the skin's frame the client area covers.
    void PaintItemsBackground(TKsBitmap& bitmap) override;

protected:
    void Notification(TComponent& component, TOperation operation) override;

private:
    // The skin's "PopupMenu" object's "Frame", when the engine holds a usable skin.
    TSeSkinObject* FrameObject() const;
    // The frame drawn with its top-left corner at Origin.
    bool DrawFrame(TKsBitmap& bitmap, TPoint origin);
    TSeSkinEngine* m_engine = nullptr;
};

} // namespace brisat
