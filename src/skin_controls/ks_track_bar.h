// TKsCustomTrackBar: the self-drawn track bar. An integer value in Min..Max picked by dragging a
// thumb along a channel (the dragged value snaps to multiples of Frequency), by clicking beside
// the thumb (one PageSize per click) or with the keys (arrows LineSize, Page Up/Down PageSize,
// Home/End the ends). Vertical values grow downwards. The plain look is drawn from system
// colours; the skinned class overrides the sizes and the Paint… steps. GUI thread only.
//
// Geometry along the axis (L the width or height, m GetMargin, t GetThumbSize): the thumb's centre
// travels T = L − 2m − t pixels from m + t div 2. Frequency below 1 counts as 1; a bar too short
// for any travel keeps its thumb at the start and maps every pixel to Min.
#pragma once

#include "framework/widgets/track_bar.h"
#include "framework/widgets/track_scale.h"
#include "skin_controls/ks_custom_control.h"

#include <array>
#include <cstdint>
#include <span>

namespace brisat {

enum class TTrackOrientation : uint8_t { toHorizontal, toVertical };
enum class TIntervalHighlightType : uint8_t { htLowInterval, htHighInterval, htNone };

class TKsCustomTrackBar : public TKsCustomControl {
public:
    explicit TKsCustomTrackBar(TComponent* owner);
    std::string ClassName() const override { return "TKsCustomTrackBar"; }

    TTrackOrientation Orientation() const { return m_orientation; }
    // At design time the control turns to the new shape (width and height swap).
    void SetOrientation(TTrackOrientation value);
    int32_t Min() const { return m_min; }
    // Ignored when not below Max; Position follows into the range (firing OnChange).
    void SetMin(int32_t value);
    int32_t Max() const { return m_max; }
    // Ignored when not above Min; Position follows into the range (firing OnChange).
    void SetMax(int32_t value);
    int32_t Position() const { return m_position; }
    // A different value is clamped to Min..Max, stored and reported by OnChange, even when the
    // clamped value is the old one.
    void SetPosition(int32_t value);
    bool ShowTicks() const { return m_showTicks; }
    void SetShowTicks(bool value);
    uint16_t ThumbHalfWidth() const { return m_thumbHalfWidth; }
    void SetThumbHalfWidth(uint16_t value);
    TTickMark TickMarks() const { return m_tickMarks; }
    void SetTickMarks(TTickMark value);
    int32_t LineSize() const { return m_lineSize; }
    void SetLineSize(int32_t value) { m_lineSize = value; }
    int32_t PageSize() const { return m_pageSize; }
    void SetPageSize(int32_t value) { m_pageSize = value; }
    int32_t Frequency() const { return m_frequency; }
    void SetFrequency(int32_t value);
    bool ThumbVisible() const { return m_thumbVisible; }
    void SetThumbVisible(bool value);
    TIntervalHighlightType IntervalHighlightType() const { return m_highlight; }
    void SetIntervalHighlightType(TIntervalHighlightType value);

    bool Dragging() const { return m_dragging; }
    bool ThumbHot() const { return m_thumbHot; }

    // The thumb centre's coordinate along the axis for Value.
    uint16_t ValueToPixel(int32_t value) const;
    // The value for an axis coordinate: nearest, snapped to Frequency, clamped to Min..Max.
    int32_t PixelToValue(uint16_t coordinate) const;
    // Whether a client point lies in the thumb's shape (its outline included).
    virtual bool ThumbHitTest(int32_t x, int32_t y) const;
    // The thumb's extent across the channel.
    int32_t GetThumbCrossSize() const;

    TNotifyEvent OnChange;

protected:
    virtual int32_t GetThumbSize() const;
    virtual int32_t GetMargin() const;
    virtual int32_t GetChannelOffset() const;
    virtual void PaintChannel(int32_t from, int32_t to, int32_t thumbPosition);
    virtual void PaintThumb(int32_t thumbPosition);
    virtual void PaintTick(int32_t value, int32_t position, bool topLeft);
    virtual void PaintTicks();
    virtual void Change();
    // The skinned thumb's cross size, when the skin has one.
    virtual int32_t SkinThumbCrossSize() const { return 0; }

    void PaintBuffer() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseLeave() override;
    void FocusEnter() override;
    void FocusExit() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

    // --- Geometry for the drawing steps ----------------------------------------------------
    bool Vertical() const { return m_orientation == TTrackOrientation::toVertical; }
    // The width (horizontal) or height (vertical).
    int32_t AxisLength() const;
    // A rectangle given along the axis and across it.
    TRect AlongAcross(int32_t along0, int32_t along1, int32_t across0, int32_t across1) const;
    // The channel from From to To along the axis, at its cross position.
    TRect ChannelRect(int32_t from, int32_t to) const;
    // The highlighted stretch of a channel running From..To with the thumb at ThumbPosition;
    // empty when there is none or the control is disabled.
    TRect HighlightRect(const TRect& channel, int32_t thumbPosition) const;
    // The thumb's rectangle with its centre at ThumbPosition, GetThumbCrossSize across.
    TRect ThumbRect(int32_t thumbPosition) const;
    // Where ticks and thumb start across: the channel offset, moved past top/left ticks.
    int32_t CrossStart() const;
    // The one-pixel line of the tick for Value at Position, on the top/left or bottom/right
    // side; one pixel longer at Min and Max.
    TRect TickRect(int32_t value, int32_t position, bool topLeft) const;

private:
    // The thumb's outline, along and across, for the hit test and the plain thumb.
    struct TThumbOutline {
        std::array<TPoint, 5> Points;
        size_t Count = 0;
        std::span<const TPoint> Span() const { return {Points.data(), Count}; }
    };
    TThumbOutline ThumbOutline(int32_t thumbPosition) const;
    TTrackScale Scale() const;
    int32_t SnapToFrequency(int64_t value) const;
    void StepBy(int64_t delta);
    void SetThumbHot(bool value);
    void StopDragging();
    void PaintPlainThumb(int32_t thumbPosition);
    void PaintTickAt(int32_t value, int32_t position);
    bool Loading() const { return ComponentState().Contains(TComponentStateFlag::csLoading); }

    bool m_dragging = false;
    TTrackOrientation m_orientation = TTrackOrientation::toHorizontal;
    int32_t m_min = 0;
    int32_t m_max = 10;
    int32_t m_position = 3;
    bool m_showTicks = true;
    uint16_t m_thumbHalfWidth = 4;
    TTickMark m_tickMarks = TTickMark::tmBottomRight;
    bool m_thumbHot = false;
    int32_t m_lineSize = 1;
    int32_t m_pageSize = 2;
    int32_t m_frequency = 1;
    bool m_thumbVisible = true;
    TIntervalHighlightType m_highlight = TIntervalHighlightType::htNone;
};

} // namespace brisat
