#include "framework/windowing/monitors.h"

#include "platform/platform.h"

namespace brisat {
namespace {

int64_t DistanceSquared(const TRect& r, TPoint p) {
    const int64_t dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - r.Right + 1 : 0;
    const int64_t dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0;
    return dx * dx + dy * dy;
}

TMonitor NearestTo(const std::vector<TMonitor>& list, TPoint p) {
    const TMonitor* best = &list.front();
    for (const TMonitor& m : list)
        if (DistanceSquared(m.BoundsRect(), p) < DistanceSquared(best->BoundsRect(), p)) best = &m;
    return *best;
}

} // namespace

std::vector<TMonitor> MonitorsNow() {
    std::vector<TMonitorInfo> infos = Platform().Monitors();
    // Without any monitor reported, one of a common size stands in.
    if (infos.empty())
        infos.push_back(
            {.Bounds = {0, 0, 1024, 768}, .WorkArea = {0, 0, 1024, 768}, .Primary = true});
    std::vector<TMonitor> list;
    for (const TMonitorInfo& info : infos)
        list.emplace_back(
            int(list.size()), info.Primary,
            TRect{info.Bounds.Left, info.Bounds.Top, info.Bounds.Right, info.Bounds.Bottom},
            TRect{info.WorkArea.Left, info.WorkArea.Top, info.WorkArea.Right,
                  info.WorkArea.Bottom});
    return list;
}

TMonitor MonitorFromPoint(TPoint p) {
    return NearestTo(MonitorsNow(), p);
}

TMonitor MonitorFromRect(const TRect& r) {
    const std::vector<TMonitor> list = MonitorsNow();
    const TMonitor* best = nullptr;
    int64_t bestArea = 0;
    for (const TMonitor& m : list) {
        const TRect i = IntersectRect(m.BoundsRect(), r);
        const int64_t area = int64_t(i.Width()) * i.Height();
        if (area > bestArea) best = &m, bestArea = area;
    }
    if (best) return *best;
    return NearestTo(list, {r.Left + r.Width() / 2, r.Top + r.Height() / 2});
}

TMonitor MonitorFromWindow(HWND hwnd) {
    return MonitorFromRect(GetWindowRect(hwnd));
}

} // namespace brisat
