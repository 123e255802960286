// The media pipeline: the filter graph manager on a GStreamer pipeline whose elements are the
// filters, with our graph builder (RenderFile), media control, the event queue, seeking, audio
// volume, a debug log and a Graphviz dump. Every call runs on the GUI thread.
//
// Threads: GStreamer's threads reach this object only through the bus sync handler, which
// translates messages into the event queue (locked) and calls its notify callback, through the
// builder's pad-added handler, which links new decoder outputs under m_buildLock, and through the
// error watch (NotePostedError), which notes a failure under m_statusLock.
#pragma once

#include "media/platform/media_event_queue.h"
#include "media/platform/pins.h"
#include "media/platform/result_codes.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace brisat {

constexpr std::uint32_t AM_SEEKING_NoPositioning = 0;
constexpr std::uint32_t AM_SEEKING_AbsolutePositioning = 1;
constexpr std::uint32_t AM_SEEKING_RelativePositioning = 2;

class TDebugLogFile;

class TMediaPipeline {
public:
    TMediaPipeline();
    ~TMediaPipeline();
    TMediaPipeline(const TMediaPipeline&) = delete;
    TMediaPipeline& operator=(const TMediaPipeline&) = delete;

    // --- filters ---------------------------------------------------------------------------
    // Adds a filter under `name` ("" keeps its own); a taken name gets a number appended and the
    // call answers VFW_S_DUPLICATE_NAME.
    HRESULT AddFilter(const TFilter& filter, const std::string& name);
    HRESULT RemoveFilter(const TFilter& filter);
    std::vector<TFilter> EnumFilters() const;
    HRESULT FindFilterByName(const std::string& name, TFilter& filter) const;

    // --- graph builder -----------------------------------------------------------------------
    // Builds the graph for a file path or an address around the filters already added: decoded
    // video goes to our video renderer when one is in the graph (else the video sink factory),
    // decoded audio through audioconvert, audioresample and volume to the audio sink factory. Waits
    // until the graph is cued (paused on its first picture) or fails, at most the render time-out.
    // On failure the builder's elements are removed and the graph is left as it was. Setting
    // `cancel` (any thread) ends the wait with E_ABORT.
    HRESULT RenderFile(const std::string& fileOrAddress, const std::atomic<bool>* cancel = nullptr);
    HRESULT Connect(const TPin& output, const TPin& input);
    // Element factory names of the sinks the builder creates ("autoaudiosink", "autovideosink").
    void SetAudioRendererFactory(std::string factory) { m_audioSinkFactory = std::move(factory); }
    void SetVideoRendererFactory(std::string factory) { m_videoSinkFactory = std::move(factory); }
    void SetRenderTimeout(int milliseconds) { m_renderTimeoutMs = milliseconds; }
    // GStreamer's own words for the last failure, with any missing decoder named ("" if none).
    std::string LastErrorDetail() const;
    // Why the last RenderFile failed, in a few words ("is a folder", "permission denied",
    // "connection refused", "timed out: …", "no decoder for …"); "" after a success.
    std::string LastFailureCause() const;
    // Writes GStreamer's debug log to a duplicate of `fd` while set; -1 stops it. The log is the
    // process's: with two graphs logging, both files get every line.
    HRESULT SetLogFile(int fd);

    // --- media control -----------------------------------------------------------------------
    // S_OK when the state is reached, S_FALSE while the change goes on, a failure code otherwise.
    // A completed Pause queues EC_PAUSED. Stop releases the streaming threads and devices (the
    // decoder's outputs are re-linked when the graph runs again); the next Run or Pause starts at
    // the beginning, or at a position set while stopped.
    HRESULT Run();
    HRESULT Pause();
    HRESULT Stop();

    // --- events --------------------------------------------------------------------------------
    TMediaEventQueue& Events() { return m_events; }

    // --- seeking, in 100-ns units --------------------------------------------------------------
    HRESULT GetDuration(std::int64_t& duration) const;
    HRESULT GetCurrentPosition(std::int64_t& position) const;
    HRESULT GetStopPosition(std::int64_t& position) const;
    HRESULT SetPositions(std::int64_t* current, std::uint32_t currentFlags, std::int64_t* stop,
                         std::uint32_t stopFlags);

    // --- audio: attenuation in 1/100 dB, -10000 (silence) .. 0 (full) --------------------------
    // E_NOINTERFACE when the graph renders no audio.
    HRESULT get_Volume(long& attenuation) const;
    HRESULT put_Volume(long attenuation);

    // Graphviz text of the live graph, written to `path`.
    HRESULT DumpGraph(const std::string& path) const;

    // The pipeline, for inspection; the graph keeps ownership.
    GstElement* Pipeline() const { return m_pipeline.Get(); }

    // Any thread: an element of this graph posted an error, which a bin may still hold back.
    void NotePostedError(GstMessage* message);

private:
    static GstBusSyncReply OnBusMessage(GstBus* bus, GstMessage* message, gpointer self);
    static void OnPadAdded(GstElement* source, GstPad* pad, gpointer self);
    void HandleBusMessage(GstMessage* message);
    void RecordFailure(HRESULT result, std::string detail);
    void LinkDecodedPad(GstPad* pad);
    void LinkVideo(GstPad* pad);
    void LinkAudio(GstPad* pad);
    GstElement* AddBuilt(const char* factory);
    void LinkIntoChain(GstPad* pad, GstElement* head);
    HRESULT BuildFor(const std::string& fileOrAddress, const std::atomic<bool>* cancel);
    HRESULT WaitForCue(const std::atomic<bool>* cancel);
    std::string TimeoutText() const;
    std::string FailureCause(const std::string& uri, HRESULT result) const;
    void UndoBuild(std::size_t keep);
    GstElement* FindRenderer() const;
    HRESULT ChangeState(GstState state);
    HRESULT ApplyPendingSeek();

    TGstRef<GstElement> m_pipeline;
    TMediaEventQueue m_events;
    std::string m_audioSinkFactory = "autoaudiosink";
    std::string m_videoSinkFactory = "autovideosink";
    int m_renderTimeoutMs = 15000;

    // Shared with the streaming threads. The builder's elements are guarded by m_buildLock, held
    // while linking (which posts bus messages); what the bus handler touches is guarded by
    // m_statusLock, never held around a GStreamer call.
    mutable std::mutex m_buildLock;
    std::vector<GstElement*> m_built;      // elements the builder added (the pipeline owns them)
    GstElement* m_videoHead = nullptr;     // first element in front of our renderer
    std::vector<GstElement*> m_audioHeads; // first element of each audio chain
    std::vector<GstElement*> m_volumes;
    int m_linkedStreams = 0;
    mutable std::mutex m_statusLock;
    int m_buffering = -1;
    bool m_rendering = false;
    HRESULT m_failure = S_OK;
    std::string m_failureDetail;
    std::string m_failureCause;
    std::vector<std::string> m_missing;
    std::vector<std::string> m_missingPackages; // Debian packages that bring them, no repeats
    HRESULT m_heldBack = S_OK; // first error posted while rendering, as seen by the error watch
    std::string m_heldBackDetail;
    std::chrono::steady_clock::time_point m_heldBackAt;

    std::atomic<bool> m_pauseRequested{false};
    mutable std::int64_t m_knownDuration = -1;
    std::int64_t m_stop = -1;        // 100-ns units, -1 = end of the stream
    std::int64_t m_pendingSeek = -1; // asked for while stopped, applied when cued
    std::unique_ptr<TDebugLogFile> m_log;
};

} // namespace brisat
