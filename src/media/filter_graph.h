// TFilterGraph: the filter graph controller, a non-visual component that owns one media graph and
// drives it for the player: graph lifetime (Active), building a graph for a file or address
// (RenderFile), run/pause/stop, audio volume, clearing the graph between files, and the graph's
// events delivered on the GUI thread to listeners and to the published handlers. Controls attach
// as filter clients (they bring a filter of their own into every graph) and event listeners (they
// hear graph events and the controller's own actions).
//
// Threads: everything runs on the GUI thread. GStreamer's threads only queue events in the graph
// and post GraphNotifyMessage to the controller's hidden notification window, whose procedure
// drains the queue. Graphs are built on a worker thread: BeginRenderFile returns at once and
// reports on the GUI thread; RenderFile waits for the worker and keeps the windows painted.
#pragma once

#include "framework/core/component.h"
#include "framework/core/exceptions.h"
#include "framework/windowing/messages.h"
#include "media/filter_graph_events.h"
#include "media/filter_graph_lists.h"
#include "media/platform/media_event_queue.h"
#include "media/platform/media_pipeline.h"
#include "media/platform/result_codes.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brisat {

class TCaptureGraphBuilder;
class TDvdGraphBuilder;
class TDvdNavigator;
class TGraphEditRegistration;
class TGraphLogFile;

// The message the graph posts to the notification window whenever events are queued.
inline constexpr UINT GraphNotifyMessage = WM_APP + 1;

// The error of a failed media call: the result code's text and the code, as
// "<text> ($XXXXXXXX)."; ErrorCode holds the code.
class EDirectShowException : public Exception {
public:
    EDirectShowException(const std::string& message, HRESULT code)
        : Exception(message), ErrorCode(code) {}
    HRESULT ErrorCode;
};

// The text of a result code ("" for a code without one).
std::string MediaErrorText(HRESULT code);
// "<text> ($XXXXXXXX).": the message of EDirectShowException for a code.
std::string MediaErrorMessage(HRESULT code);
// Returns a success code (>= 0) unchanged; raises EDirectShowException for a failure code.
HRESULT CheckMediaResult(HRESULT code);
// Milliseconds of a 100-ns reference time, truncating; callers keep the low 32 bits.
inline std::int64_t ReferenceTimeToMs(std::int64_t time) {
    return time / 10000;
}

enum class TGraphMode { gmNormal, gmCapture, gmDVD };
enum class TFilterClientOperation { fcoAdding, fcoAdded, fcoRemoving, fcoRemoved };
enum class TGraphControlEvent {
    gcePlay,
    gcePause,
    gceStop,
    gceFileRendering,
    gceFileRendered,
    gceActive
};

// A control that brings a filter of its own into every graph. It must detach itself before it is
// destroyed.
class IGraphFilterClient {
public:
    virtual TFilter GetClientFilter() = 0;
    // The name under which the filter is added (the control's component name).
    virtual std::string GetClientName() = 0;
    // Called around every add and remove of the client's filter; param is always 0.
    virtual void NotifyFilterOperation(TFilterClientOperation operation, std::int32_t param) = 0;

protected:
    ~IGraphFilterClient() = default;
};

// A control told about graph events and the controller's actions. It must detach itself before it
// is destroyed.
class IGraphEventListener {
public:
    // Each graph event, before the controller's own handlers.
    virtual void HandleGraphEvent(long code, std::intptr_t param1, std::intptr_t param2) = 0;
    // gcePlay, gcePause, gceStop (param 0) come before the graph call; gceFileRendering before a
    // build, gceFileRendered after a successful one; gceActive with 1 after activation and 0
    // before deactivation.
    virtual void HandleControlEvent(TGraphControlEvent kind, std::int32_t param) = 0;

protected:
    ~IGraphEventListener() = default;
};

// Interfaces the controller answers on behalf of its graph. The graph manager's interfaces are
// all served by the platform graph (TMediaPipeline); IMediaEvent and IMediaEventEx by its event
// queue; IBasicAudio only while the graph renders audio.
enum class TGraphInterface {
    IFilterGraph,
    IFilterGraph2,
    IGraphBuilder,
    IMediaControl,
    IMediaSeeking,
    IBasicAudio,
    IMediaEvent,
    IMediaEventEx,
    ICaptureGraphBuilder2,
    IDvdGraphBuilder,
    IDvdInfo2,
    IDvdControl2,
};

// The object type that answers each interface.
template <TGraphInterface I> struct TGraphInterfaceObject { using Type = TMediaPipeline; };
template <> struct TGraphInterfaceObject<TGraphInterface::IMediaEvent> {
    using Type = TMediaEventQueue;
};
template <> struct TGraphInterfaceObject<TGraphInterface::IMediaEventEx> {
    using Type = TMediaEventQueue;
};
template <> struct TGraphInterfaceObject<TGraphInterface::ICaptureGraphBuilder2> {
    using Type = TCaptureGraphBuilder;
};
template <> struct TGraphInterfaceObject<TGraphInterface::IDvdGraphBuilder> {
    using Type = TDvdGraphBuilder;
};
template <> struct TGraphInterfaceObject<TGraphInterface::IDvdInfo2> {
    using Type = TDvdNavigator;
};
template <> struct TGraphInterfaceObject<TGraphInterface::IDvdControl2> {
    using Type = TDvdNavigator;
};

class TFilterGraph : public TComponent {
public:
    explicit TFilterGraph(TComponent* owner);
    // Deactivates, then destroys the notification window.
    ~TFilterGraph() override;

    std::string ClassName() const override { return "TFilterGraph"; }

    // --- properties ------------------------------------------------------------------------
    // Creates (true) or releases (false) the graph and everything around it. A mode that cannot
    // run on this machine (no camera, no disc) still activates; its builder reports that when used.
    bool Active() const { return m_active; }
    void SetActive(bool active);
    // Become active when loading from a layout completes.
    bool AutoCreate() const { return m_autoCreate; }
    void SetAutoCreate(bool autoCreate) { m_autoCreate = autoCreate; }
    // Changing the mode while active rebuilds the graph in the new mode.
    TGraphMode Mode() const { return m_mode; }
    void SetMode(TGraphMode mode);
    // While active and set: an entry "FilterGraph <address> pid <pid>" in the user's runtime
    // folder holds a Graphviz picture of the live graph. Failures are silent.
    bool GraphEdit() const { return m_graphEdit; }
    void SetGraphEdit(bool graphEdit);
    // GStreamer's debug log is written to this file while active. A file that cannot be created
    // leaves the property as it was.
    const std::string& LogFile() const { return m_logFile; }
    void SetLogFile(const std::string& logFile);

    // --- media control -----------------------------------------------------------------------
    // Each tells the listeners first, then calls the graph through CheckMediaResult. Play is true
    // for any success; Pause and Stop only for S_OK (S_FALSE: the change is still under way). All
    // three are false, with nothing told, while inactive.
    bool Play();
    bool Pause();
    bool Stop();

    // Builds the graph for a file path or stream address around the clients' filters. Inactive:
    // S_FALSE and nothing else. A failure raises EDirectShowException (the listeners saw
    // gceFileRendering but never see gceFileRendered) and leaves only the clients' filters; its
    // message is MediaErrorMessage and, on a line of its own, the file or address and the cause
    // ("/films: is a folder, not a media file."). The build runs on a worker thread while this
    // call waits and the GUI thread repaints its windows (input waits in the queue).
    HRESULT RenderFile(const std::string& fileOrAddress);
    // The same build without waiting: returns at once and the GUI thread goes on. When the build
    // succeeds, `built` runs on the GUI thread after gceFileRendered; when it fails, the
    // exception RenderFile would raise leaves the notification window's message, where the
    // application's exception display shows it. While the build runs the controller answers no
    // graph interface (Play, Pause, Volume do nothing), graph events wait, and CancelRender,
    // Stop, ClearGraph, deactivation, RenderFile and another BeginRenderFile cancel it: a
    // cancelled build reports nothing. Inactive: nothing happens.
    void BeginRenderFile(const std::string& fileOrAddress, std::function<void()> built);
    // Whether a build runs.
    bool Rendering() const { return m_render != nullptr; }
    // Cancels a build in progress and waits until its worker has undone it.
    void CancelRender();
    // GStreamer's words for the last failure of RenderFile or of the graph ("" if none).
    std::string LastErrorDetail() const;

    // Stops, disconnects every pin and removes every filter except the clients'.
    void ClearGraph();
    // Disconnects every pin of every filter of the graph.
    void DisconnectAllPins();

    // 0 (silence) .. 10000 (full) = attenuation in 1/100 dB + 10000; 0 without audio. Writes are
    // not clamped; a value outside the range is refused by the graph and ignored.
    std::int32_t Volume() const;
    void SetVolume(std::int32_t volume);

    // --- interface lookup --------------------------------------------------------------------
    // The object answering `iid` for the active graph in this mode, or nullptr ("not supported").
    // An inactive controller answers nothing. Holders keep the object alive; release it when the
    // controller tells gceActive 0.
    std::shared_ptr<void> QueryInterface(TGraphInterface iid) const;
    template <TGraphInterface I>
    std::shared_ptr<typename TGraphInterfaceObject<I>::Type> QueryInterface() const {
        return std::static_pointer_cast<typename TGraphInterfaceObject<I>::Type>(QueryInterface(I));
    }

    // --- clients and listeners ---------------------------------------------------------------
    // Attaching the same one twice lists it twice. A client attached while active has its filter
    // added at once; detached while active, removed at once.
    void AttachFilterClient(IGraphFilterClient& client);
    void DetachFilterClient(IGraphFilterClient& client);
    void AttachEventListener(IGraphEventListener& listener);
    void DetachEventListener(IGraphEventListener& listener);

    // Routes one event: listeners, then OnDSEvent, then the handler of its code.
    virtual void DispatchGraphEvent(long code, std::intptr_t param1, std::intptr_t param2);

    // The hidden window that receives GraphNotifyMessage.
    HWND NotificationWindow() const { return m_window; }

    // --- events ------------------------------------------------------------------------------
    TNotifyEvent OnActivate;
    TOnDSEvent OnDSEvent;
    TOnGraphBufferingData OnGraphBufferingData;
    TNotifyEvent OnGraphClockChanged;
    TOnGraphComplete OnGraphComplete;
    TOnGraphDeviceLost OnGraphDeviceLost;
    TOnGraphEndOfSegment OnGraphEndOfSegment;
    TOnDSResultEvent OnGraphErrorStillPlaying;
    TOnDSResultEvent OnGraphErrorAbort;
    TOnGraphFullscreenLost OnGraphFullscreenLost;
    TNotifyEvent OnGraphChanged;
    TOnGraphOleEvent OnGraphOleEvent;
    TOnGraphOpeningFile OnGraphOpeningFile;
    TNotifyEvent OnGraphPaletteChanged;
    TOnDSResultEvent OnGraphPaused;
    TNotifyEvent OnGraphQualityChange;
    TOnGraphSNDDevError OnGraphSNDDevInError;
    TOnGraphSNDDevError OnGraphSNDDevOutError;
    TNotifyEvent OnGraphStepComplete;
    TOnGraphStreamControl OnGraphStreamControlStarted;
    TOnGraphStreamControl OnGraphStreamControlStopped;
    TOnGraphStreamError OnGraphStreamErrorStillPlaying;
    TOnGraphStreamError OnGraphStreamErrorStopped;
    TNotifyEvent OnGraphUserAbort;
    TOnGraphVideoSizeChanged OnGraphVideoSizeChanged;
    TOnGraphTimeCodeAvailable OnGraphTimeCodeAvailable;
    TOnGraphEXTDeviceModeChange OnGraphEXTDeviceModeChange;
    TNotifyEvent OnGraphClockUnset;
    TOnGraphVMRRenderDevice OnGraphVMRRenderDevice;
    TOnDVDStreamChange OnDVDAudioStreamChange;
    TOnDVDCurrentTime OnDVDCurrentTime;
    TOnDVDValue OnDVDTitleChange;
    TOnDVDValue OnDVDChapterStart;
    TOnDVDPair OnDVDAngleChange;
    TOnDVDValue OnDVDValidUOPSChange;
    TOnDVDPair OnDVDButtonChange;
    TNotifyEvent OnDVDChapterAutoStop;
    TOnDVDStillOn OnDVDStillOn;
    TNotifyEvent OnDVDStillOff;
    TOnDVDStreamChange OnDVDSubpictureStreamChange;
    TNotifyEvent OnDVDNoFP_PGC;
    TOnDVDPlaybackRateChange OnDVDPlaybackRateChange;
    TOnDVDValue OnDVDParentalLevelChange;
    TNotifyEvent OnDVDPlaybackStopped;
    TOnDVDFlag OnDVDAnglesAvailable;
    TNotifyEvent OnDVDPlayPeriodAutoStop;
    TOnDVDValue OnDVDButtonAutoActivated;
    TOnDVDValue OnDVDCMDStart;
    TOnDVDValue OnDVDCMDEnd;
    TNotifyEvent OnDVDDiscEjected;
    TNotifyEvent OnDVDDiscInserted;
    TOnDVDCurrentHMSFTime OnDVDCurrentHMSFTime;
    TOnDVDFlag OnDVDKaraokeMode;
    TNotifyEvent OnDVDDomainFirstPlay;
    TNotifyEvent OnDVDDomainVideoManagerMenu;
    TNotifyEvent OnDVDDomainVideoTitleSetMenu;
    TNotifyEvent OnDVDDomainTitle;
    TNotifyEvent OnDVDDomainStop;
    TNotifyEvent OnDVDErrorUnexpected;
    TNotifyEvent OnDVDErrorCopyProtectFail;
    TNotifyEvent OnDVDErrorInvalidDVD1_0Disc;
    TNotifyEvent OnDVDErrorInvalidDiscRegion;
    TNotifyEvent OnDVDErrorLowParentalLevel;
    TNotifyEvent OnDVDErrorMacrovisionFail;
    TNotifyEvent OnDVDErrorIncompatibleSystemAndDecoderRegions;
    TNotifyEvent OnDVDErrorIncompatibleDiscAndDecoderRegions;
    TNotifyEvent OnDVDWarningInvalidDVD1_0Disc;
    TNotifyEvent OnDVDWarningFormatNotSupported;
    TNotifyEvent OnDVDWarningIllegalNavCommand;
    TNotifyEvent OnDVDWarningOpen;
    TNotifyEvent OnDVDWarningSeek;
    TNotifyEvent OnDVDWarningRead;

protected:
    void Loaded() override;

private:
    void Activate();
    void Deactivate();
    void CreateBuilders();
    void AddClientFilter(IGraphFilterClient& client);
    void RemoveClientFilter(IGraphFilterClient& client);
    void BroadcastGraphEvent(long code, std::intptr_t param1, std::intptr_t param2);
    void BroadcastControlEvent(TGraphControlEvent kind, std::int32_t param);
    void PumpGraphEvents();
    void HandleNotifyMessage();
    struct PendingRender;
    void StartRender(const std::string& fileOrAddress, std::function<void()> built);
    HRESULT FinishRender();
    void WaitForRender();
    void HandleRenderDone(std::uint32_t generation);
    void RefreshGraphEdit();

    bool m_active = false;
    bool m_autoCreate = false;
    HWND m_window = 0;
    TGraphMode m_mode = TGraphMode::gmNormal;
    std::vector<IGraphFilterClient*> m_clients;
    std::vector<IGraphEventListener*> m_listeners;
    std::shared_ptr<TMediaPipeline> m_graph;
    std::shared_ptr<TCaptureGraphBuilder> m_captureBuilder;
    std::shared_ptr<TDvdGraphBuilder> m_dvdBuilder;
    std::shared_ptr<TMediaEventQueue> m_events;
    // Set by the graph's threads when they post GraphNotifyMessage, cleared when the pump starts:
    // one message in the queue at a time however many events arrive.
    std::shared_ptr<std::atomic<bool>> m_notifyPending;
    bool m_graphEdit = false;
    std::unique_ptr<TGraphEditRegistration> m_registration;
    std::string m_logFile;
    std::unique_ptr<TGraphLogFile> m_log;
    std::unique_ptr<PendingRender> m_render;
    std::uint32_t m_renderGeneration = 0; // tells a finished build's message from older ones
};

} // namespace brisat
