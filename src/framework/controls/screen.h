// TScreen: the program's view of the desktop: its forms in z-order, the monitors with their
// bounds and work areas, the monitor nearest a window, point or rectangle, the active form, and
// a cursor that overrides every control's. GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "framework/windowing/monitors.h"

#include <vector>

namespace brisat {

class TCustomForm;

class TScreen {
public:
    // Layouts find the forms by name ("frmMain.SeSkinEngine1").
    TScreen();
    TScreen(const TScreen&) = delete;
    TScreen& operator=(const TScreen&) = delete;

    // Forms, topmost first; hidden forms follow the shown ones in creation order.
    int FormCount() const { return int(m_forms.size()); }
    TCustomForm& Forms(int index) const;
    TCustomForm* ActiveForm() const { return m_activeForm; }
    // The form named Name (ignoring case), or nullptr.
    TCustomForm* FindForm(std::string_view name) const;

    // The monitors as the platform reports them now (at least one).
    int MonitorCount() const;
    TMonitor Monitors(int index) const;
    TMonitor PrimaryMonitor() const;
    // The monitor containing the point, else the nearest one.
    TMonitor MonitorFromPoint(TPoint p) const { return brisat::MonitorFromPoint(p); }
    // The monitor with the largest share of the rectangle, else the nearest one.
    TMonitor MonitorFromRect(const TRect& r) const { return brisat::MonitorFromRect(r); }
    TMonitor MonitorFromWindow(HWND hwnd) const { return brisat::MonitorFromWindow(hwnd); }
    // The primary monitor's size, and the bounds of all monitors together.
    int32_t Width() const { return PrimaryMonitor().Width(); }
    int32_t Height() const { return PrimaryMonitor().Height(); }
    TRect DesktopRect() const;
    TRect WorkAreaRect() const { return PrimaryMonitor().WorkareaRect(); }

    // crDefault lets each control's cursor show; anything else shows everywhere.
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);

    // Kept by the forms themselves.
    void AddForm(TCustomForm& form);
    void RemoveForm(TCustomForm& form);
    void SetActiveForm(TCustomForm* form) { m_activeForm = form; }

private:
    std::vector<TCustomForm*> m_forms;
    TCustomForm* m_activeForm = nullptr;
    TCursor m_cursor = crDefault;
};

TScreen& Screen();

} // namespace brisat
