// The monitors as the platform reports them now, with their bounds and work areas, and the
// monitor nearest a point, a rectangle or a window. GUI thread only.
#pragma once

#include "framework/windowing/window_handle.h"

#include <vector>

namespace brisat {

class TMonitor {
public:
    TMonitor() = default;
    TMonitor(int num, bool primary, const TRect& bounds, const TRect& workArea)
        : m_num(num), m_primary(primary), m_bounds(bounds), m_workArea(workArea) {}

    int MonitorNum() const { return m_num; }
    bool Primary() const { return m_primary; }
    TRect BoundsRect() const { return m_bounds; }
    TRect WorkareaRect() const { return m_workArea; }
    int32_t Left() const { return m_bounds.Left; }
    int32_t Top() const { return m_bounds.Top; }
    int32_t Width() const { return m_bounds.Width(); }
    int32_t Height() const { return m_bounds.Height(); }

private:
    int m_num = 0;
    bool m_primary = false;
    TRect m_bounds;
    TRect m_workArea;
};

// At least one: a platform without monitors still answers with a plausible screen.
std::vector<TMonitor> MonitorsNow();
// The monitor containing the point, else the nearest one.
TMonitor MonitorFromPoint(TPoint p);
// The monitor with the largest share of the rectangle, else the nearest one.
TMonitor MonitorFromRect(const TRect& r);
TMonitor MonitorFromWindow(HWND hwnd);

} // namespace brisat
