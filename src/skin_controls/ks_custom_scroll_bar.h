// TKsCustomScrollBar: a self-drawn windowless scroll bar: two arrow buttons, a track and a thumb
// as long as the visible page. Holding a button or the track repeats its step after the
// keyboard's repeat delay at the keyboard's repeat rate; the thumb drags. The owner of the bar
// (the list box) can make it step by line on its own (auto-scroll back or forward) while the
// mouse drags outside the owner. OnScroll sees every user-driven change first and may alter it.
// GUI thread only.
#pragma once

#include "skin_controls/ks_graphic_control.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace brisat {

class TTimer;

enum class TScrollBarKind : uint8_t { sbHorizontal, sbVertical };
enum class TScrollCode : uint8_t {
    scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll
};
using TKsScrollEvent = std::function<void(TComponent& sender, TScrollCode code, int32_t& pos)>;

class TKsCustomScrollBar : public TKsGraphicControl {
public:
    explicit TKsCustomScrollBar(TComponent* owner);
    ~TKsCustomScrollBar() override;
    std::string ClassName() const override { return "TKsCustomScrollBar"; }

    int32_t Position() const { return m_position; }
    // Ignored when equal; clamped to Min..Max.
    void SetPosition(int32_t value);
    int32_t Min() const { return m_min; }
    void SetMin(int32_t value);
    int32_t Max() const { return m_max; }
    void SetMax(int32_t value);
    // Ignored when equal or negative; limited to Max − Min + 1.
    int32_t PageSize() const { return m_pageSize; }
    void SetPageSize(int32_t value);
    TScrollBarKind Kind() const { return m_kind; }
    void SetKind(TScrollBarKind value);
    bool ShowButtons() const { return m_showButtons; }
    void SetShowButtons(bool value);
    int32_t BorderWidth() const { return m_borderWidth; }
    // A negative width raises EInvalidOperation before anything changes.
    void SetBorderWidth(int32_t value);
    int32_t LargeChange() const { return m_largeChange; }
    void SetLargeChange(int32_t value);
    int32_t SmallChange() const { return m_smallChange; }
    void SetSmallChange(int32_t value);

    // Sets the thickness across the axis to the standard thumb size plus the borders.
    virtual void FitThickness();
    // Turning one on turns the other off and starts the repeat timer; off stops it.
    void SetAutoScrollBack(bool on);
    void SetAutoScrollForward(bool on);
    bool AutoScrollBack() const { return m_autoBack; }
    bool AutoScrollForward() const { return m_autoForward; }
    bool Dragging() const { return m_dragOffset >= 0; }

    TNotifyEvent OnChange;
    TKsScrollEvent OnScroll;

    // Geometry, in the bar's own coordinates.
    virtual int32_t GetButtonSize() const;
    virtual int32_t GetThumbSize() const;
    TRect GetFirstButtonRect() const;
    TRect GetSecondButtonRect() const;
    TRect GetThumbRect() const;
    TRect GetTrackRect() const;
    TRect GetPageBackRect() const;
    TRect GetPageForwardRect() const;
    // Whether the thumb shows: enabled (or designing) and of positive size.
    bool ThumbPresent() const;

protected:
    enum TPart : uint8_t { FirstButton, SecondButton, PageBack, PageForward, PartCount };

    void PaintBuffer() override;
    virtual void PaintFirstButton(const TRect& rect);
    virtual void PaintSecondButton(const TRect& rect);
    virtual void PaintThumb(const TRect& rect);
    virtual void PaintTrack(const TRect& rect);
    virtual void PaintBorder();
    // The page area being held, filled darker.
    virtual void PaintPressedArea(const TRect& rect);

    virtual void Change();
    virtual void Scroll(TScrollCode code, int32_t& position);

    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseLeave() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

    bool Vertical() const { return m_kind == TScrollBarKind::sbVertical; }
    // Along the axis; across it.
    int32_t Length() const { return Vertical() ? Height() : Width(); }
    int32_t Thickness() const { return Vertical() ? Width() : Height(); }
    bool Hot(TPart part) const { return m_hot[part]; }
    bool ThumbHot() const { return m_thumbHot; }
    bool PressedAndHot(TPart part) const { return m_pressed[part] && m_hot[part]; }
    TRect PartRect(TPart part) const;

private:
    // A rectangle from Start to End along the axis and B to thickness − B across.
    TRect AlongAxis(int32_t start, int32_t end) const;
    int32_t TrackStart() const;
    int32_t TrackLength() const;
    int64_t ScrollRange() const;
    int32_t ThumbStart() const;
    int32_t PositionAtThumb(int32_t start) const;
    int32_t AlongPoint(int32_t x, int32_t y) const { return Vertical() ? y : x; }
    bool UpdateHot(int32_t x, int32_t y);
    void ScrollTo(TScrollCode code, int64_t target);
    void Step(TScrollCode code);
    void SetAutoScroll(bool& flag, bool& other, bool on);
    void StartTimer(uint32_t interval);
    void StartRepeat();
    void StopRepeat();
    void RepeatTick();
    void RepeatStep();

    int32_t m_lastX = -1;
    int32_t m_lastY = -1;
    std::unique_ptr<TTimer> m_timer;
    int32_t m_dragOffset = -1;
    bool m_thumbHot = false;
    bool m_hot[PartCount] = {};
    bool m_pressed[PartCount] = {};
    int32_t m_position = 0;
    int32_t m_min = 0;
    int32_t m_borderWidth = 1;
    int32_t m_max = 100;
    int32_t m_pageSize = 0;
    TScrollBarKind m_kind = TScrollBarKind::sbHorizontal;
    bool m_showButtons = true;
    uint16_t m_largeChange = 1;
    uint16_t m_smallChange = 1;
    bool m_autoBack = false;
    bool m_autoForward = false;
};

} // namespace brisat
