// TTrackBar: the standard track bar, a thumb sliding along a channel between Min and Max, drawn
// in the classic look. Keys: arrows move by LineSize, Page Up / Page Down by PageSize, Home and
// End go to the ends; a press on the thumb drags it, a press beside it pages towards the pointer
// and repeats while the button is held. OnChange follows every change of Position, set by the
// user or by the program. GUI thread only.
//
// Geometry (client coordinates; "along" is the channel's direction, x for a horizontal bar and y
// for a vertical one, "across" the other):
//   - the thumb is ThumbLength across and ThumbBreadth() along; it points towards the ticks when
//     they are on one side only and is a plain block otherwise;
//   - the thumb's along extent runs from ChannelInset() to the client length − ChannelInset(),
//     so its centre, ValueToPixel(Min) … ValueToPixel(Max), is where the ticks of those values
//     stand; the channel spans the same length;
//   - across, the ticks (a TickGap, then TickLength pixels, TickLength + 1 at Min and Max) lie
//     beside the thumb on the TickMarks side(s), and the group of ticks and thumb is centred in
//     the client; the channel is centred on the thumb, 4 pixels thick, thicker while a selection
//     range (SelStart < SelEnd) is shown in it.
#pragma once

#include "framework/controls/win_control.h"
#include "framework/widgets/track_scale.h"

#include <vector>

namespace brisat {

enum class TTrackBarOrientation : uint8_t { trHorizontal, trVertical };
enum class TTickMark : uint8_t { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle : uint8_t { tsNone, tsAuto, tsManual };

class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* owner);

    std::string ClassName() const override { return "TTrackBar"; }

    // Setting Min above Max (or Max below Min) moves the other end along; Position is kept in
    // range. While a layout is read the values are taken as they come and put in order by
    // Loaded.
    int32_t Min() const { return m_min; }
    void SetMin(int32_t value);
    int32_t Max() const { return m_max; }
    void SetMax(int32_t value);
    int32_t Position() const { return m_position; }
    void SetPosition(int32_t value);
    // Values between automatic ticks; values below 1 count as 1.
    int32_t Frequency() const { return m_frequency; }
    void SetFrequency(int32_t value);
    int32_t LineSize() const { return m_lineSize; }
    void SetLineSize(int32_t value) { m_lineSize = value; }
    int32_t PageSize() const { return m_pageSize; }
    void SetPageSize(int32_t value) { m_pageSize = value; }
    // The highlighted part of the channel; shown when SelStart < SelEnd.
    int32_t SelStart() const { return m_selStart; }
    void SetSelStart(int32_t value);
    int32_t SelEnd() const { return m_selEnd; }
    void SetSelEnd(int32_t value);
    // Pixels across the channel, at least MinThumbLength.
    int32_t ThumbLength() const { return m_thumbLength; }
    void SetThumbLength(int32_t value);
    // Changing it turns the control: width and height swap (not while a layout is read).
    TTrackBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TTrackBarOrientation value);
    TTickMark TickMarks() const { return m_tickMarks; }
    void SetTickMarks(TTickMark value);
    TTickStyle TickStyle() const { return m_tickStyle; }
    void SetTickStyle(TTickStyle value);
    bool SliderVisible() const { return m_sliderVisible; }
    void SetSliderVisible(bool value);
    // Manual ticks (tsManual): Min and Max always carry one; SetTick adds one at Value.
    void SetTick(int32_t value);
    void ClearTicks();

    TNotifyEvent OnChange;

    static constexpr int32_t MinThumbLength = 5;
    static constexpr int32_t TickGap = 2;
    static constexpr int32_t TickLength = 3;

protected:
    using TControl::Changed;
    // After every change of Position; fires OnChange.
    virtual void Changed();

    // --- Geometry, client coordinates -----------------------------------------------------
    bool Vertical() const { return m_orientation == TTrackBarOrientation::trVertical; }
    int32_t ThumbBreadth() const;
    int32_t ChannelInset() const;
    TRect ChannelRect() const;
    TRect ThumbRect() const;
    // The along coordinate of the thumb's centre at Value (clamped to the range).
    int32_t ValueToPixel(int32_t value) const;
    // The value whose thumb centre lies nearest to the along coordinate Pixel.
    int32_t PixelToValue(int32_t pixel) const;
    // The along coordinate of a client point.
    int32_t Along(TPoint p) const { return Vertical() ? p.Y : p.X; }

    // --- Drawing (the canvas is bound; Paint calls them in this order) ---------------------
    void Paint() override;
    virtual void DrawChannel(TDeviceContext& dc, const TRect& channel);
    virtual void DrawTicks(TDeviceContext& dc);
    // One tick at Value on the TickMarks side(s); Length pixels long.
    void DrawTick(TDeviceContext& dc, int32_t value, int32_t length);
    virtual void DrawThumb(TDeviceContext& dc, const TRect& thumb);

    // --- Input ------------------------------------------------------------------------------
    // True between a press on the thumb and its release.
    bool Dragging() const { return m_tracking == TTracking::Dragging; }
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;
    void DoEnter() override;
    void DoExit() override;
    void Loaded() override;

private:
    enum class TTracking : uint8_t { None, Dragging, Paging };

    struct TCrossLayout {
        int32_t ThumbStart = 0; // across coordinate of the thumb's near side
        int32_t ThickStart = 0; // across coordinate of the channel
        int32_t Thickness = 4;
    };
    TCrossLayout CrossLayout() const;
    bool TicksBefore() const;
    bool TicksAfter() const;
    // The along length of the client and the span the thumb's near side travels.
    int32_t Length() const;
    int32_t TrackSpan() const;
    TTrackScale Scale() const;
    TRect AlongAcross(int32_t along0, int32_t along1, int32_t across0, int32_t across1) const;
    void DrawTickAt(TDeviceContext& dc, int32_t pixel, int32_t length);
    void MoveBy(int64_t delta);
    void PageTowardsPointer();
    void StopTracking();
    bool Loading() const { return ComponentState().Contains(TComponentStateFlag::csLoading); }

    int32_t m_min = 0;
    int32_t m_max = 10;
    int32_t m_position = 0;
    int32_t m_frequency = 1;
    int32_t m_lineSize = 1;
    int32_t m_pageSize = 2;
    int32_t m_selStart = 0;
    int32_t m_selEnd = 0;
    int32_t m_thumbLength = 20;
    TTrackBarOrientation m_orientation = TTrackBarOrientation::trHorizontal;
    TTickMark m_tickMarks = TTickMark::tmBottomRight;
    TTickStyle m_tickStyle = TTickStyle::tsAuto;
    bool m_sliderVisible = true;
    std::vector<int32_t> m_ticks;

    TTracking m_tracking = TTracking::None;
    int32_t m_grabOffset = 0; // pointer minus thumb centre when the drag began
    int32_t m_pageDirection = 0;
    int32_t m_pointer = 0; // along coordinate of the pointer while tracking
};

} // namespace brisat
