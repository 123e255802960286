// The graph builder: RenderFile and Connect of TMediaPipeline.
#include "media/platform/decoder_threads.h"
#include "media/platform/media_pipeline.h"
#include "media/platform/open_failure.h"
#include "media/platform/sound_output.h"
#include "media/platform/video_renderer.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <memory>

namespace brisat {

namespace {

bool IsLinked(GstElement* element, const char* padName) {
    GstPad* pad = gst_element_get_static_pad(element, padName);
    if (!pad) return false;
    bool linked = gst_pad_is_linked(pad);
    gst_object_unref(pad);
    return linked;
}

// Whether `input` takes the format the decoder has fixed on `pad`. The link itself checks only
// what the decoder could produce, which may be more than it will.
bool Accepts(GstPad* input, GstPad* pad) {
    GstCaps* fixed = gst_pad_get_current_caps(pad);
    if (!fixed) return false; // not known yet: convert, which passes matching formats through
    GstCaps* taken = gst_pad_query_caps(input, nullptr);
    bool accepts = gst_caps_can_intersect(fixed, taken);
    gst_caps_unref(taken);
    gst_caps_unref(fixed);
    return accepts;
}

// The element's first input pad (a reference), or nullptr.
GstPad* FirstSinkPad(GstElement* element) {
    GST_OBJECT_LOCK(element);
    GstPad* pad = element->sinkpads ? GST_PAD(gst_object_ref(element->sinkpads->data)) : nullptr;
    GST_OBJECT_UNLOCK(element);
    return pad;
}

// The element with a free input at the top of the chain that ends in Element, following inputs
// upstream (filters spliced in front of the renderer, such as the overlay mixer, belong to the
// chain); nullptr when the chain is fed already.
GstElement* FreeChainHead(GstElement* element) {
    for (int hops = 0; hops < 8; ++hops) {
        GstPad* input = FirstSinkPad(element);
        if (!input) return nullptr;
        GstPad* peer = gst_pad_get_peer(input);
        gst_object_unref(input);
        if (!peer) return element;
        GstElement* upstream = gst_pad_get_parent_element(peer);
        gst_object_unref(peer);
        if (!upstream) return nullptr;
        gst_object_unref(upstream); // the pipeline keeps it
        element = upstream;
    }
    return nullptr;
}

std::string MediaKind(GstPad* pad) {
    GstCaps* caps = gst_pad_get_current_caps(pad);
    if (!caps) caps = gst_pad_query_caps(pad, nullptr);
    std::string kind;
    if (caps && gst_caps_get_size(caps) > 0)
        kind = gst_structure_get_name(gst_caps_get_structure(caps, 0));
    if (caps) gst_caps_unref(caps);
    return kind.substr(0, kind.find('/'));
}

std::string ToUri(const std::string& fileOrAddress) {
    if (gst_uri_is_valid(fileOrAddress.c_str())) return fileOrAddress;
    std::unique_ptr<gchar, TGFreeDeleter> uri(gst_filename_to_uri(fileOrAddress.c_str(), nullptr));
    return uri ? uri.get() : "";
}

// GStreamer's sentence as part of ours: "Could not open." → "could not open".
std::string LowerFirst(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == '\n')) text.pop_back();
    if (!text.empty()) text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : ", ") + part;
    return joined;
}

// The http source shares its session, connections and all, with later sources of the graph
// unless it has settings of its own; a session of its own is closed with the source, so a
// cancelled or failed open hangs up. Its own setting: a longer wait for a stalled server than
// the default 15 seconds.
void OnSourceSetup(GstElement*, GstElement* source, gpointer) {
    GParamSpec* timeout = g_object_class_find_property(G_OBJECT_GET_CLASS(source), "timeout");
    if (timeout && timeout->value_type == G_TYPE_UINT)
        g_object_set(source, "timeout", guint(20), nullptr);
}

// An idle renderer (no video stream reached it) stays out of the graph's state changes and is
// not counted as a sink, so the graph can cue and complete without it.
void SetRendererIdle(GstElement* renderer) {
    GST_OBJECT_FLAG_UNSET(renderer, GST_ELEMENT_FLAG_SINK);
    gst_element_set_locked_state(renderer, TRUE);
    gst_element_set_state(renderer, GST_STATE_READY);
}

// Undoes SetRendererIdle: the renderer is a sink following the graph's state again.
void SetRendererActive(GstElement* renderer) {
    GST_OBJECT_FLAG_SET(renderer, GST_ELEMENT_FLAG_SINK);
    gst_element_set_locked_state(renderer, FALSE);
}

} // namespace

GstElement* TMediaPipeline::FindRenderer() const {
    for (const TFilter& filter : EnumFilters())
        if (G_TYPE_CHECK_INSTANCE_TYPE(filter.Element(), VideoRendererType()))
            return filter.Element(); // the pipeline keeps it alive
    return nullptr;
}

HRESULT TMediaPipeline::BuildFor(const std::string& fileOrAddress,
                                 const std::atomic<bool>* cancel) {
    std::string uri = ToUri(fileOrAddress);
    {
        std::lock_guard lock(m_statusLock);
        m_failure = S_OK;
        m_failureDetail.clear();
        m_failureCause.clear();
        m_missing.clear();
        m_missingPackages.clear();
        m_heldBack = S_OK;
    }
    if (fileOrAddress.empty() || uri.empty()) return E_INVALIDARG;
    // Files that cannot be read fail at once, with the reason: the source would open a FIFO or
    // device while the graph changes state, where no time-out reaches it.
    if (TOpenProblem problem = LocalFileProblem(uri); Failed(problem.Result)) {
        std::lock_guard lock(m_statusLock);
        m_failure = problem.Result;
        m_failureDetail = fileOrAddress + ": " + problem.Cause + ".";
        m_failureCause = problem.Cause;
        return m_failure;
    }
    GstElement* source = gst_element_factory_make("uridecodebin", nullptr);
    if (!source) return VFW_E_CANNOT_LOAD_SOURCE_FILTER;
    {
        std::lock_guard lock(m_statusLock);
        m_rendering = true;
    }
    std::size_t earlier = 0; // elements of an earlier RenderFile on this graph stay
    {
        std::lock_guard lock(m_buildLock);
        m_linkedStreams = 0;
        earlier = m_built.size();
        m_built.push_back(source);
    }
    if (GstElement* renderer = FindRenderer(); renderer && !IsLinked(renderer, "sink"))
        SetRendererIdle(renderer);
    g_object_set(source, "uri", uri.c_str(), nullptr);
    g_signal_connect(source, "pad-added", G_CALLBACK(OnPadAdded), this);
    g_signal_connect(source, "source-setup", G_CALLBACK(OnSourceSetup), nullptr);
    LimitDecoderThreads(source);
    gst_bin_add(GST_BIN(m_pipeline.Get()), source);

    HRESULT result =
        gst_element_set_state(m_pipeline.Get(), GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE
            ? E_FAIL
            : WaitForCue(cancel);
    int linked = 0;
    {
        std::lock_guard lock(m_buildLock);
        linked = m_linkedStreams;
    }
    bool failed = Failed(result) || linked == 0;
    {
        std::lock_guard lock(m_statusLock);
        failed = failed || Failed(m_failure);
    }
    // Still rendering while undoing: errors posted as the source shuts down are no events.
    if (failed) UndoBuild(earlier);
    std::lock_guard lock(m_statusLock);
    m_rendering = false;
    if (Failed(m_failure)) result = m_failure;
    if (Succeeded(result) && linked == 0) result = VFW_E_CANNOT_RENDER;
    if (result == S_OK && !m_missing.empty()) result = VFW_S_PARTIAL_RENDER;
    if (Failed(result) && Succeeded(m_failure)) {
        m_failure = result;
        // Decoders sometimes swallow a demuxer's error while they try it out; the wait then ends
        // with the time-out, which must still read as a reason.
        if (result == VFW_E_TIMEOUT) m_failureDetail = TimeoutText();
        if (result == E_ABORT) m_failureDetail = "The open was cancelled.";
    }
    return result;
}

HRESULT TMediaPipeline::RenderFile(const std::string& fileOrAddress,
                                   const std::atomic<bool>* cancel) {
    HRESULT result = BuildFor(fileOrAddress, cancel);
    if (Failed(result)) {
        // A cancelled build does not wait for the network any more.
        std::string cause = cancel && cancel->load() ? "the open was cancelled"
                                                     : FailureCause(ToUri(fileOrAddress), result);
        std::lock_guard lock(m_statusLock);
        m_failureCause = std::move(cause);
    }
    return result;
}

std::string TMediaPipeline::TimeoutText() const {
    char text[80];
    std::snprintf(text, sizeof text, "Nothing playable arrived within %.1f seconds.",
                  m_renderTimeoutMs / 1000.0);
    return text;
}

// The cause of a failed build in a few words: the time-out, the missing decoders, an address
// that cannot be reached, else GStreamer's words.
std::string TMediaPipeline::FailureCause(const std::string& uri, HRESULT result) const {
    std::string detail;
    {
        std::lock_guard lock(m_statusLock);
        if (!m_failureCause.empty()) return m_failureCause;
        if (result == E_ABORT) return "the open was cancelled";
        if (result == VFW_E_TIMEOUT) return "timed out: " + LowerFirst(TimeoutText());
        if (!m_missing.empty())
            return "no decoder for " + Joined(m_missing) +
                   (m_missingPackages.empty() ? "" : " (install " + Joined(m_missingPackages) + ")");
        detail = m_failureDetail;
    }
    if (!uri.empty() && !gst_uri_has_protocol(uri.c_str(), "file")) {
        std::string unreachable = NetworkProblem(uri, std::chrono::seconds(3));
        if (!unreachable.empty()) return unreachable;
    }
    if (detail.empty()) detail = MediaResultText(result);
    return LowerFirst(detail);
}

// Waits until the pipeline has cued, an error arrived, or the render time-out passed.
HRESULT TMediaPipeline::WaitForCue(const std::atomic<bool>* cancel) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kHeldBackGrace = std::chrono::seconds(1);
    auto deadline = Clock::now() + std::chrono::milliseconds(m_renderTimeoutMs);
    for (;;) {
        GstState state = GST_STATE_NULL;
        GstStateChangeReturn change =
            gst_element_get_state(m_pipeline.Get(), &state, nullptr, 20 * GST_MSECOND);
        int linked = 0;
        {
            std::lock_guard lock(m_buildLock);
            linked = m_linkedStreams;
        }
        {
            std::lock_guard lock(m_statusLock);
            if (Failed(m_failure)) return m_failure;
            // An error a bin held back, and no stream since: that error was the end of it.
            if (Failed(m_heldBack) && linked == 0 && Clock::now() - m_heldBackAt > kHeldBackGrace) {
                m_failure = m_heldBack;
                m_failureDetail = m_heldBackDetail;
                return m_failure;
            }
        }
        if (change == GST_STATE_CHANGE_FAILURE) return E_FAIL;
        if (change != GST_STATE_CHANGE_ASYNC) return S_OK;
        if (cancel && cancel->load()) return E_ABORT;
        if (Clock::now() >= deadline) return VFW_E_TIMEOUT;
    }
}

// Stops the graph and takes out what the builder added from the `keep`-th element on; the caller's
// filters and an earlier build stay.
void TMediaPipeline::UndoBuild(std::size_t keep) {
    gst_element_set_state(m_pipeline.Get(), GST_STATE_NULL);
    std::vector<GstElement*> added;
    {
        std::lock_guard lock(m_buildLock);
        keep = std::min(keep, m_built.size());
        added.assign(m_built.begin() + static_cast<std::ptrdiff_t>(keep), m_built.end());
        m_built.resize(keep);
        auto gone = [&](GstElement* e) {
            return std::find(added.begin(), added.end(), e) != added.end();
        };
        if (gone(m_videoHead)) m_videoHead = nullptr;
        std::erase_if(m_audioHeads, gone);
        std::erase_if(m_volumes, gone);
    }
    for (GstElement* element : added) {
        gst_element_set_state(element, GST_STATE_NULL);
        gst_bin_remove(GST_BIN(m_pipeline.Get()), element);
    }
    if (GstElement* renderer = FindRenderer()) SetRendererActive(renderer);
}

void TMediaPipeline::OnPadAdded(GstElement*, GstPad* pad, gpointer self) {
    static_cast<TMediaPipeline*>(self)->LinkDecodedPad(pad);
}

void TMediaPipeline::LinkDecodedPad(GstPad* pad) {
    std::string kind = MediaKind(pad);
    std::lock_guard lock(m_buildLock);
    if (kind == "video") LinkVideo(pad);
    if (kind == "audio") LinkAudio(pad);
}

// Called under m_buildLock. The new element is added to the pipeline but not yet in its state.
GstElement* TMediaPipeline::AddBuilt(const char* factory) {
    GstElement* element = gst_element_factory_make(factory, nullptr);
    if (!element) return nullptr;
    gst_bin_add(GST_BIN(m_pipeline.Get()), element);
    m_built.push_back(element);
    return element;
}

// Brings `head` (and everything linked after it, already in state) into the pipeline's state,
// then links the decoder pad to it: a sink must be running before data reaches it.
void TMediaPipeline::LinkIntoChain(GstPad* pad, GstElement* head) {
    gst_element_sync_state_with_parent(head);
    GstPad* input = FirstSinkPad(head);
    if (input && gst_pad_link(pad, input) == GST_PAD_LINK_OK) ++m_linkedStreams;
    if (input) gst_object_unref(input);
}

// The first video stream goes to our renderer when it is in the graph and free; in the decoder's
// own format when the renderer takes it, else through a converter, which stays in front of the
// renderer for a restart. Other video streams go to a sink of the video renderer factory.
void TMediaPipeline::LinkVideo(GstPad* pad) {
    GstElement* renderer = FindRenderer();
    if (GstElement* head = renderer && m_videoHead ? FreeChainHead(renderer) : nullptr) {
        SetRendererActive(renderer);
        gst_element_sync_state_with_parent(renderer);
        LinkIntoChain(pad, head);
        return;
    }
    GstElement* sink = nullptr;
    if (renderer && !IsLinked(renderer, "sink")) {
        SetRendererActive(renderer);
        sink = renderer;
    } else {
        sink = AddBuilt(m_videoSinkFactory.c_str());
        if (!sink) sink = AddBuilt("fakesink");
        if (!sink) return;
    }
    gst_element_sync_state_with_parent(sink);
    GstPad* input = gst_element_get_static_pad(sink, "sink");
    bool linked = input && (sink != renderer || Accepts(input, pad)) &&
                  gst_pad_link(pad, input) == GST_PAD_LINK_OK;
    if (input) gst_object_unref(input);
    GstElement* head = sink;
    if (linked) {
        ++m_linkedStreams;
    } else {
        head = AddBuilt("videoconvert");
        if (!head || !gst_element_link(head, sink)) return;
        LinkIntoChain(pad, head);
    }
    if (sink == renderer) m_videoHead = head;
}

// Each audio stream: audioconvert ! audioresample ! volume ! audio sink. A chain left free by a
// restart (the decoder re-creates its pads) is used again.
void TMediaPipeline::LinkAudio(GstPad* pad) {
    auto free = std::find_if(m_audioHeads.begin(), m_audioHeads.end(),
                             [](GstElement* head) { return !IsLinked(head, "sink"); });
    if (free != m_audioHeads.end()) {
        LinkIntoChain(pad, *free);
        return;
    }
    GstElement* convert = AddBuilt("audioconvert");
    GstElement* resample = AddBuilt("audioresample");
    GstElement* volume = AddBuilt("volume");
    // With nowhere to play sound, the audio still paces the picture through a silent sink that
    // keeps time, which is where the automatic sink would end after trying every output.
    const bool silent =
        m_audioSinkFactory == "autoaudiosink" && !SoundOutputReachable(CurrentSoundPlaces());
    GstElement* sink = AddBuilt(silent ? "fakesink" : m_audioSinkFactory.c_str());
    if (silent && sink) g_object_set(sink, "sync", TRUE, nullptr);
    if (!convert || !resample || !volume || !sink ||
        !gst_element_link_many(convert, resample, volume, sink, nullptr))
        return;
    for (GstElement* element : {sink, volume, resample})
        gst_element_sync_state_with_parent(element);
    m_audioHeads.push_back(convert);
    m_volumes.push_back(volume);
    LinkIntoChain(pad, convert);
}

HRESULT TMediaPipeline::Connect(const TPin& output, const TPin& input) {
    if (!output || !input) return E_POINTER;
    PIN_DIRECTION out = PINDIR_INPUT, in = PINDIR_OUTPUT;
    output.QueryDirection(out);
    input.QueryDirection(in);
    if (out != PINDIR_OUTPUT || in != PINDIR_INPUT) return E_INVALIDARG;
    // In a cued or running graph a filter joins the graph's state before data can reach it,
    // downstream first.
    for (const TPin* pin : {&input, &output}) {
        TPinInfo info;
        pin->QueryPinInfo(info);
        GstElement* element = info.Filter.Element();
        if (element && GST_OBJECT_PARENT(element) == GST_OBJECT(m_pipeline.Get()) &&
            !gst_element_is_locked_state(element))
            gst_element_sync_state_with_parent(element);
    }
    return ResultFromPadLink(gst_pad_link(output.Pad(), input.Pad()));
}

} // namespace brisat
