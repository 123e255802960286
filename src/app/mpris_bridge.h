// The player on the session bus as a media player the desktop can drive (mpris_service.h): the
// desktop's calls become the main window's own commands (play, pause and stop, the playlist's
// previous and next, a seek of the graph as the seek bar makes it, the volume track bar), and the
// window's playback state goes back to the desktop after each command and twice a second.
//
// Threads: the calls arrive on the service's thread, which only queues them and posts a message
// to the bridge's hidden window; everything else runs on the GUI thread.
#pragma once

#include "media/filter_graph.h"
#include "platform/mpris_service.h"

#include <deque>
#include <memory>
#include <mutex>

namespace brisat {

class TfrmMain;
class TSpeedButton;

class TMprisBridge : public IGraphEventListener {
public:
    // Listens to the window's filter graph and goes on the bus; the window must outlive it.
    explicit TMprisBridge(TfrmMain& form);
    ~TMprisBridge();
    TMprisBridge(const TMprisBridge&) = delete;
    TMprisBridge& operator=(const TMprisBridge&) = delete;

    // The service's bus name, "" while it has none.
    std::string BusName() const { return m_service ? m_service->BusName() : std::string(); }

    // IGraphEventListener: the playback status follows the graph's commands and its end.
    void HandleGraphEvent(long code, std::intptr_t param1, std::intptr_t param2) override;
    void HandleControlEvent(TGraphControlEvent kind, std::int32_t param) override;

private:
    void Queue(const TMprisRequest& request);
    void HandleMessage(TMessage& message);
    void RunQueued();
    void Run(const TMprisRequest& request);
    void PlayPause();
    void Seek(int64_t offset);
    void SetPosition(const std::string& trackId, int64_t position);
    void SeekTo(int64_t position);
    void OpenUri(const std::string& location);
    void Raise();
    // Takes the window's state and hands it to the service.
    void Refresh();
    void PostRefresh();
    int64_t Length() const;

    TfrmMain& m_form;
    TSpeedButton& m_play;
    TSpeedButton& m_pause;
    TSpeedButton& m_stop;
    HWND m_window = 0;
    TMprisStatus m_status = TMprisStatus::Stopped;
    uint32_t m_tracks = 0;  // tracks rendered so far: the last one's id
    bool m_hasTrack = false;
    std::mutex m_mutex;
    std::deque<TMprisRequest> m_requests; // from the service's thread, under m_mutex
    std::unique_ptr<TMprisService> m_service; // last: it goes first, and with it its thread
};

} // namespace brisat
