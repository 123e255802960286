// The classic vertical scroll bar of list boxes and memos, and the control base they share.
//
// TScrollBarPart: a classic vertical scroll bar drawn inside a windowed control:
// an arrow button at each end, a track and a thumb sized by the visible page. The arrows step by
// one, a press on the track pages towards the pointer, both repeating while the button is held;
// the thumb drags. The owner forwards its mouse messages and WM_TIMER (timer ScrollTimerId on its
// own window) and repaints the bar's rectangle when told. GUI thread only.
#pragma once

#include "framework/widgets/control_styles.h"
#include "framework/controls/win_control.h"
#include "framework/widgets/scroll_math.h"

#include <algorithm>
#include <functional>

namespace brisat {

class TScrollBarPart {
public:
    explicit TScrollBarPart(TWinControl& owner) : m_owner(owner) {}

    static constexpr int32_t DefaultWidth = 16;
    static constexpr UINT ScrollTimerId = 0x5CB0;

    // In the owner's client coordinates.
    const TRect& Bounds() const { return m_bounds; }
    void SetBounds(const TRect& bounds) { m_bounds = bounds; }

    // Count units of which Page are visible: Position runs from 0 to Count − Page.
    int32_t Count() const { return m_count; }
    int32_t Page() const { return m_page; }
    void SetRange(int32_t count, int32_t page);
    int32_t Position() const { return m_position; }
    int32_t MaxPosition() const { return std::max(0, LastFullPageTop(m_count - 1, m_page)); }
    // Clamps; OnScroll runs when the position changes.
    void SetPosition(int32_t position);

    void Paint(TDeviceContext& dc, bool enabled) const;

    // A press inside Bounds starts tracking (true); the owner captures the mouse meanwhile.
    bool MouseDown(TPoint p);
    void MouseMove(TPoint p);
    void MouseUp();
    bool Tracking() const { return m_part != TPart::None; }
    // True when the timer was the bar's own.
    bool Timer(WPARAM id);

    std::function<void(int32_t position)> OnScroll;

private:
    enum class TPart : uint8_t { None, LineUp, LineDown, PageUp, PageDown, Thumb };

    int32_t ArrowHeight() const;
    TRect UpArrow() const;
    TRect DownArrow() const;
    TRect Track() const;
    TRect ThumbRect() const;
    TPart PartAt(TPoint p) const;
    void Step();
    void MoveBy(int64_t delta);
    void Invalidate() const;

    TWinControl& m_owner;
    TRect m_bounds;
    int32_t m_count = 0;
    int32_t m_page = 1;
    int32_t m_position = 0;
    TPart m_part = TPart::None;
    TPoint m_pointer;
    int32_t m_grab = 0; // pointer y minus thumb top while dragging
};

// The frame of the input controls: BorderStyle bsSingle is a sunken 3-D edge, or with Ctl3D off a
// one-pixel line; bsNone is nothing.
int32_t InputBorderWidth(TBorderStyle style, bool ctl3D);
void DrawInputBorder(TDeviceContext& dc, const TRect& rect, TBorderStyle style, bool ctl3D);

enum class TScrollBarShow : uint8_t { Never, WhenNeeded, Always };

// TScrollingControl: a windowed control showing rows of equal height inside its input border,
// with the scroll
// bar at the right of the border when the derived class wants it. The mouse wheel scrolls three
// rows a notch. Derived classes report their rows and paint the content rectangle.
class TScrollingControl : public TCustomControl {
public:
    explicit TScrollingControl(TComponent* owner);

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool on);

protected:
    virtual int32_t RowCount() const = 0;
    virtual int32_t RowHeight() const = 0;
    virtual TScrollBarShow ScrollBarShow() const { return TScrollBarShow::WhenNeeded; }
    // Draws the rows from TopRow on; the context is clipped to Content.
    virtual void PaintContent(TDeviceContext& dc, const TRect& content) = 0;

    // Call after the rows or their height changed.
    void UpdateScrollBar();
    int32_t TopRow() const { return m_bar.Position(); }
    void SetTopRow(int32_t row) { m_bar.SetPosition(row); }
    // Whole rows that fit the content rectangle (at least 1).
    int32_t VisibleRows() const;
    // Scrolls as little as needed to show Row whole.
    void MakeRowVisible(int32_t row);
    // Inside the border, left of the scroll bar while it shows.
    TRect ContentRect() const;
    int32_t BorderWidth() const;
    // The height of a line of the control's font.
    int32_t FontLineHeight() const;
    // Whether the scroll bar holds the mouse (an arrow, the track or the thumb is pressed).
    bool ScrollBarTracking() const { return m_bar.Tracking(); }

    void Paint() override;
    void WndProc(TMessage& message) override;
    bool DoMouseWheel(TShiftState shift, int32_t delta, TPoint mousePos) override;
    void Resize() override;

private:
    bool RouteToBar(TMessage& message);

    TScrollBarPart m_bar{*this};
    bool m_barShown = false;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    bool m_ctl3D = true;
};

} // namespace brisat
