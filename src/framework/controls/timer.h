// TTimer: calls OnTimer every Interval milliseconds while Enabled, from the message loop (its
// own hidden window receives the WM_TIMER). A handler that runs a nested loop (a modal dialog)
// is not entered again by its own timer until it returns. GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "framework/windowing/messages.h"

namespace brisat {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // Milliseconds; 0 stops the timer.
    uint32_t Interval() const { return m_interval; }
    void SetInterval(uint32_t interval);

    TNotifyEvent OnTimer;

protected:
    void Loaded() override;

private:
    void UpdateTimer();
    void Tick();

    HWND m_window = 0;
    bool m_enabled = true;
    uint32_t m_interval = 1000;
    bool m_running = false;
};

} // namespace brisat
