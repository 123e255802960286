#include "app/mpris_bridge.h"

#include "app/component_binding.h"
#include "app/main_form.h"
#include "app/mpris_mapping.h"
#include "framework/controls/application.h"
#include "framework/widgets/speed_button.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"
#include "media/platform/event_codes.h"
#include "media/platform/playable_sources.h"
#include "skin_controls/se_skin_track_bar.h"

namespace brisat {
namespace {

// Posted to the bridge's window: requests wait in the queue; the state changed.
constexpr UINT RequestsMessage = WM_APP + 0x50;
constexpr UINT RefreshMessage = WM_APP + 0x51;
constexpr UINT RefreshTimer = 1;
constexpr uint32_t RefreshIntervalMs = 500;

// The graph reports in units of 100 ns, the protocol in microseconds.
constexpr int64_t ToMicroseconds(int64_t referenceTime) {
    return referenceTime / 10;
}

std::string TrackId(uint32_t track) {
    return "/org/brisat/track/" + std::to_string(track);
}

} // namespace

TMprisBridge::TMprisBridge(TfrmMain& form)
    : m_form(form), m_play(BindComponent<TSpeedButton>(form, "SpeedButton1")),
      m_pause(BindComponent<TSpeedButton>(form, "SpeedButton2")),
      m_stop(BindComponent<TSpeedButton>(form, "SpeedButton3")) {
    m_window = AllocateHWnd([this](TMessage& message) { HandleMessage(message); });
    SetTimer(m_window, RefreshTimer, RefreshIntervalMs);
    m_form.Parts().FilterGraph1->AttachEventListener(*this);
    m_service =
        std::make_unique<TMprisService>(TMprisSetup{.Name = "brisat",
                                                    .Identity = "Brisat",
                                                    .UriSchemes = PlayableUriSchemes(),
                                                    .MimeTypes = PlayableMimeTypes},
                                        [this](const TMprisRequest& request) { Queue(request); });
    Refresh();
}

TMprisBridge::~TMprisBridge() {
    m_service.reset();
    m_form.Parts().FilterGraph1->DetachEventListener(*this);
    DeallocateHWnd(m_window);
}

void TMprisBridge::Queue(const TMprisRequest& request) {
    bool first = false;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
        first = m_requests.size() == 1;
    }
    if (first) PostMessage(m_window, RequestsMessage);
}

void TMprisBridge::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case RequestsMessage:
        RunQueued();
        break;
    case RefreshMessage:
    case WM_TIMER:
        Refresh();
        break;
    }
}

// Each request is a command of the window's own; one that fails is shown as the window shows
// its errors, and the rest still run.
void TMprisBridge::RunQueued() {
    std::deque<TMprisRequest> requests;
    {
        std::lock_guard lock(m_mutex);
        requests.swap(m_requests);
    }
    for (const TMprisRequest& request : requests) {
        try {
            Run(request);
        } catch (...) {
            if (Application) Application->HandleException(m_form);
        }
    }
    Refresh();
}

void TMprisBridge::Run(const TMprisRequest& request) {
    TPlayList& playList = m_form.PlayList();
    switch (request.Command) {
    case TMprisCommand::Raise:
        Raise();
        break;
    case TMprisCommand::Quit:
        m_form.Close();
        break;
    case TMprisCommand::PlayPause:
        PlayPause();
        break;
    // Without a graph the window's Play asks for files; the protocol's Play then does nothing.
    case TMprisCommand::Play:
        if (m_form.Parts().FilterGraph1->Active()) m_play.Click();
        break;
    case TMprisCommand::Pause:
        m_pause.Click();
        break;
    case TMprisCommand::Stop:
        m_stop.Click();
        break;
    case TMprisCommand::Next:
        playList.Next();
        break;
    case TMprisCommand::Previous:
        playList.Previous();
        break;
    case TMprisCommand::Seek:
        Seek(request.Offset);
        break;
    case TMprisCommand::SetPosition:
        SetPosition(request.TrackId, request.Offset);
        break;
    case TMprisCommand::OpenUri:
        OpenUri(request.Location);
        break;
    case TMprisCommand::SetVolume:
        m_form.Parts().SoundLevel->SetPosition(PlayerVolume(request.Volume));
        break;
    }
}

void TMprisBridge::PlayPause() {
    if (m_status == TMprisStatus::Playing)
        m_pause.Click();
    else if (m_form.Parts().FilterGraph1->Active())
        m_play.Click();
}

void TMprisBridge::Seek(int64_t offset) {
    const int64_t length = Length();
    if (length <= 0) return;
    int64_t position = 0;
    if (auto seeking =
            m_form.Parts().FilterGraph1->QueryInterface<TGraphInterface::IMediaSeeking>())
        seeking->GetCurrentPosition(position);
    if (const std::optional<int64_t> target = SeekTarget(ToMicroseconds(position), offset, length))
        SeekTo(*target);
    else
        m_form.PlayList().Next();
}

// The protocol ignores a position for another track or outside this one.
void TMprisBridge::SetPosition(const std::string& trackId, int64_t position) {
    if (!m_hasTrack || trackId != TrackId(m_tracks) || !PositionInTrack(position, Length())) return;
    SeekTo(position);
}

// As the seek bar seeks: to Position (microseconds), keeping the stop position.
void TMprisBridge::SeekTo(int64_t position) {
    auto seeking = m_form.Parts().FilterGraph1->QueryInterface<TGraphInterface::IMediaSeeking>();
    if (!seeking) return;
    int64_t target = position * 10, stop = 0;
    seeking->GetStopPosition(stop);
    seeking->SetPositions(&target, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_NoPositioning);
    m_service->Seeked(position);
}

// The file or address joins the playlist and plays, as one dropped on the video does.
void TMprisBridge::OpenUri(const std::string& location) {
    TPlayList& playList = m_form.PlayList();
    const int first = playList.Count();
    playList.AppendFiles({location});
    playList.PlayEntry(first);
}

void TMprisBridge::Raise() {
    m_form.BringToFront();
}

void TMprisBridge::HandleGraphEvent(long code, std::intptr_t, std::intptr_t) {
    if (code != EC_COMPLETE) return;
    m_status = TMprisStatus::Stopped;
    PostRefresh();
}

// Told before the graph acts; the state is taken once the command is through.
void TMprisBridge::HandleControlEvent(TGraphControlEvent kind, std::int32_t param) {
    switch (kind) {
    case TGraphControlEvent::gcePlay:
        m_status = TMprisStatus::Playing;
        break;
    case TGraphControlEvent::gcePause:
        m_status = TMprisStatus::Paused;
        break;
    case TGraphControlEvent::gceStop:
        m_status = TMprisStatus::Stopped;
        break;
    case TGraphControlEvent::gceFileRendering:
        break;
    case TGraphControlEvent::gceFileRendered:
        ++m_tracks;
        m_hasTrack = true;
        break;
    case TGraphControlEvent::gceActive:
        if (param == 0) {
            m_status = TMprisStatus::Stopped;
            m_hasTrack = false;
        }
        break;
    }
    PostRefresh();
}

void TMprisBridge::PostRefresh() {
    PostMessage(m_window, RefreshMessage);
}

int64_t TMprisBridge::Length() const {
    int64_t duration = 0;
    if (auto seeking =
            m_form.Parts().FilterGraph1->QueryInterface<TGraphInterface::IMediaSeeking>())
        seeking->GetDuration(duration);
    return ToMicroseconds(duration);
}

void TMprisBridge::Refresh() {
    const TFilterGraph& graph = *m_form.Parts().FilterGraph1;
    const TPlayList& playList = m_form.PlayList();
    const bool active = graph.Active() && !graph.Rendering();
    TMprisState state;
    state.Status = m_status;
    state.Volume = MprisVolume(m_form.Parts().SoundLevel->Position());
    state.CanGoNext = playList.CurrentIndex() < playList.Count() - 1;
    state.CanGoPrevious = playList.CurrentIndex() > 0;
    state.CanPlay = active;
    state.CanPause = active;
    if (m_hasTrack && active) {
        state.TrackId = TrackId(m_tracks);
        state.Title = TrackTitle(m_form.OpenedLocation());
        state.Url = TrackUrl(m_form.OpenedLocation());
        state.Length = Length();
        state.CanSeek = state.Length > 0;
        int64_t position = 0;
        if (auto seeking = graph.QueryInterface<TGraphInterface::IMediaSeeking>())
            seeking->GetCurrentPosition(position);
        state.Position = ToMicroseconds(position);
    }
    m_service->Update(state);
}

} // namespace brisat
