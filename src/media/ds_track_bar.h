// TDSTrackBar: the seek bar, a standard track bar showing and changing the playing position of the
// graph of an attached TFilterGraph. While the graph plays, a timer moves the thumb and reports the
// position and the duration in milliseconds through OnTimer; releasing the thumb after a
// left-button press seeks the graph to the thumb's position. One track bar unit is one
// TimerInterval.
//
// Threads: GUI thread only; the timer posts WM_TIMER to the bar's hidden timer window.
#pragma once

#include "framework/widgets/track_bar.h"
#include "media/filter_graph.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace brisat {

// CurrentPos and StopPos in milliseconds.
using TTimerEvent =
    std::function<void(TComponent& sender, std::uint32_t CurrentPos, std::uint32_t StopPos)>;

class TDSTrackBar : public TTrackBar, public IGraphEventListener {
public:
    explicit TDSTrackBar(TComponent* owner);
    // Stops the timer and detaches from the controller.
    ~TDSTrackBar() override;

    std::string ClassName() const override { return "TDSTrackBar"; }

    // Attaches as an event listener of `graph` (detaching from the previous one).
    TFilterGraph* FilterGraph() const { return m_filterGraph; }
    void SetFilterGraph(TFilterGraph* graph);
    // Timer period in milliseconds and the size of one track bar unit; 0 stops the timer. Raises
    // EOutOfResources when the platform refuses a timer.
    std::uint32_t TimerInterval() const { return m_timerInterval; }
    void SetTimerInterval(std::uint32_t interval);
    const TTimerEvent& OnTimer() const { return m_onTimer; }
    void SetOnTimer(TTimerEvent handler);

    // Whether the timer runs: from Play (when the bar is enabled then) to Pause or Stop.
    bool TimerEnabled() const { return m_timerEnabled; }

    // IGraphEventListener.
    void HandleGraphEvent(long code, std::intptr_t param1, std::intptr_t param2) override;
    void HandleControlEvent(TGraphControlEvent kind, std::int32_t param) override;

protected:
    void Notification(TComponent& component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

private:
    void SetTimerEnabled(bool enabled);
    void UpdateTimer();
    void TimerTick();
    void SeekToThumb();

    TFilterGraph* m_filterGraph = nullptr;
    std::shared_ptr<TMediaPipeline> m_seeking; // IMediaSeeking, held while the graph is active
    HWND m_timerWindow = 0;
    std::uint32_t m_timerInterval = 1000;
    TTimerEvent m_onTimer;
    bool m_timerEnabled = false;
    bool m_seekDragging = false; // between a left press and the release that seeks
};

} // namespace brisat
