#include "framework/screen.h"

#include "framework/exceptions.h"
#include "framework/form.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdlib>

namespace brisat {
namespace {

int64_t DistanceSquared(const TRect& r, TPoint p) {
    const int64_t dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - r.Right + 1 : 0;
    const int64_t dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0;
    return dx * dx + dy * dy;
}

} // namespace

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

TCustomForm& TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount())
        throw EInvalidOperation("Form index out of bounds (" + std::to_string(index) + ")");
    // Shown forms in window z-order first.
    std::vector<TCustomForm*> ordered;
    for (HWND top : GetTopLevelWindows())
        if (auto* f = dynamic_cast<TCustomForm*>(FindControl(top));
            f && std::find(m_forms.begin(), m_forms.end(), f) != m_forms.end() &&
            IsWindowVisible(top))
            ordered.push_back(f);
    for (TCustomForm* f : m_forms)
        if (std::find(ordered.begin(), ordered.end(), f) == ordered.end()) ordered.push_back(f);
    return *ordered[size_t(index)];
}

void TScreen::AddForm(TCustomForm& form) {
    m_forms.push_back(&form);
}

void TScreen::RemoveForm(TCustomForm& form) {
    std::erase(m_forms, &form);
    if (m_activeForm == &form) m_activeForm = nullptr;
}

std::vector<TMonitor> TScreen::Snapshot() const {
    std::vector<TMonitor> list;
    for (const TMonitorInfo& info : Platform().Monitors()) {
        TMonitor m;
        m.m_num = int(list.size());
        m.m_primary = info.Primary;
        m.m_bounds = {info.Bounds.Left, info.Bounds.Top, info.Bounds.Right, info.Bounds.Bottom};
        m.m_workArea = {info.WorkArea.Left, info.WorkArea.Top, info.WorkArea.Right,
                        info.WorkArea.Bottom};
        list.push_back(m);
    }
    if (list.empty()) {
        // A platform without monitors still answers with a plausible screen.
        TMonitor m;
        m.m_primary = true;
        m.m_bounds = m.m_workArea = {0, 0, 1024, 768};
        list.push_back(m);
    }
    return list;
}

int TScreen::MonitorCount() const {
    return int(Snapshot().size());
}

TMonitor TScreen::Monitors(int index) const {
    const std::vector<TMonitor> list = Snapshot();
    if (index < 0 || index >= int(list.size()))
        throw EInvalidOperation("Monitor index out of bounds (" + std::to_string(index) + ")");
    return list[size_t(index)];
}

TMonitor TScreen::PrimaryMonitor() const {
    const std::vector<TMonitor> list = Snapshot();
    for (const TMonitor& m : list)
        if (m.Primary()) return m;
    return list.front();
}

TMonitor TScreen::MonitorFromPoint(TPoint p) const {
    const std::vector<TMonitor> list = Snapshot();
    const TMonitor* best = &list.front();
    for (const TMonitor& m : list)
        if (DistanceSquared(m.BoundsRect(), p) < DistanceSquared(best->BoundsRect(), p)) best = &m;
    return *best;
}

TMonitor TScreen::MonitorFromRect(const TRect& r) const {
    const std::vector<TMonitor> list = Snapshot();
    const TMonitor* best = nullptr;
    int64_t bestArea = 0;
    for (const TMonitor& m : list) {
        const TRect i = IntersectRect(m.BoundsRect(), r);
        const int64_t area = int64_t(i.Width()) * i.Height();
        if (area > bestArea) best = &m, bestArea = area;
    }
    if (best) return *best;
    return MonitorFromPoint({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
}

TMonitor TScreen::MonitorFromWindow(HWND hwnd) const {
    return MonitorFromRect(GetWindowRect(hwnd));
}

TRect TScreen::DesktopRect() const {
    TRect r;
    for (const TMonitor& m : Snapshot())
        r = UnionRect(r, m.BoundsRect());
    return r;
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == m_cursor) return;
    m_cursor = cursor;
    Platform().SetCursor(cursor);
}

} // namespace brisat
