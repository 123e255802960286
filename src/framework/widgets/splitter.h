// TSplitter: a windowless bar aligned to a side of its parent, against the control aligned
// before it on that side (its neighbour). Dragging it with the left button resizes the
// neighbour live, keeping it between MinSize and what leaves MinSize for the rest of the parent;
// OnCanResize may change or refuse each new size, and with AutoSnap a size at or below MinSize
// snaps the neighbour shut. OnMoved follows every change. With ResizeStyle rsNone the size is
// applied when the button is released instead. GUI thread only.
#pragma once

#include "framework/controls/control.h"

#include <algorithm>

namespace brisat {

enum class TResizeStyle : uint8_t { rsNone, rsLine, rsUpdate, rsPattern };

class TSplitter : public TGraphicControl {
public:
    // NewSize: the neighbour's proposed width (height for top and bottom splitters).
    using TCanResizeEvent =
        std::function<void(TSplitter& sender, int32_t& newSize, bool& accept)>;

    explicit TSplitter(TComponent* owner);
    std::string ClassName() const override { return "TSplitter"; }

    bool AutoSnap() const { return m_autoSnap; }
    void SetAutoSnap(bool on) { m_autoSnap = on; }
    bool Beveled() const { return m_beveled; }
    void SetBeveled(bool on);
    // 1..0x7FFF (beyond any window's size); other values are cut to that range.
    int32_t MinSize() const { return m_minSize; }
    void SetMinSize(int32_t size) { m_minSize = std::clamp(size, 1, 0x7FFF); }
    // rsLine and rsPattern resize live, as rsUpdate does.
    TResizeStyle ResizeStyle() const { return m_resizeStyle; }
    void SetResizeStyle(TResizeStyle style) { m_resizeStyle = style; }

    // The control a drag resizes: the visible sibling touching the splitter's aligned side.
    TControl* FindNeighbour() const;

    // Hides TControl::OnCanResize, which is about the splitter's own size.
    TCanResizeEvent OnCanResize;
    TNotifyEvent OnMoved;

protected:
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void Paint() override;
    void Notification(TComponent& component, TOperation operation) override;

private:
    bool Horizontal() const; // left or right: resizes widths
    int32_t NeighbourSize() const;
    // The neighbour's new size for the pointer at X, Y, within MinSize..m_maxSize.
    int32_t SizeAt(int32_t x, int32_t y) const;
    bool CanResize(int32_t& newSize);
    void ApplySize();
    void UpdateCursor();

    bool m_autoSnap = true;
    bool m_beveled = false;
    int32_t m_minSize = 30;
    TResizeStyle m_resizeStyle = TResizeStyle::rsPattern;
    // While dragging:
    TControl* m_control = nullptr;
    TPoint m_downPos;
    int32_t m_maxSize = 0;
    int32_t m_newSize = 0;
};

} // namespace brisat
