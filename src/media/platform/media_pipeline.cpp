#include "media/platform/media_pipeline.h"

#include "media/platform/bus_events.h"
#include "media/platform/debug_log.h"
#include "media/platform/error_watch.h"
#include "media/platform/event_codes.h"
#include "media/platform/media_setup.h"
#include "media/platform/missing_plugin_package.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <gst/base/gstbasesink.h>
#include <gst/pbutils/missing-plugins.h>
#include <limits>

namespace brisat {

namespace {

constexpr long kSilence = -10000;
constexpr std::size_t kMaxMissing = 16;

double LinearFromAttenuation(long attenuation) {
    return attenuation <= kSilence ? 0.0 : std::pow(10.0, attenuation / 2000.0);
}

long AttenuationFromLinear(double linear) {
    if (linear <= 0.0) return kSilence;
    double attenuation = std::round(2000.0 * std::log10(linear));
    return static_cast<long>(std::clamp(attenuation, double(kSilence), 0.0));
}

GstState CurrentState(GstElement* element) {
    GstState state = GST_STATE_NULL;
    gst_element_get_state(element, &state, nullptr, 0);
    return state;
}

bool HasChild(GstElement* pipeline, GstElement* element) {
    return GST_OBJECT_PARENT(element) == GST_OBJECT(pipeline);
}

} // namespace

TMediaPipeline::TMediaPipeline() {
    EnsureMediaElements();
    GstElement* pipeline = gst_pipeline_new("FilterGraph");
    m_pipeline = TGstRef<GstElement>::Adopt(GST_ELEMENT(gst_object_ref_sink(pipeline)));
    TGstRef<GstBus> bus = TGstRef<GstBus>::Adopt(gst_element_get_bus(pipeline));
    gst_bus_set_sync_handler(bus.Get(), OnBusMessage, this, nullptr);
    WatchPostedErrors(pipeline, this);
}

TMediaPipeline::~TMediaPipeline() {
    // An idle renderer keeps its own state; unlocked, it goes down to NULL with the rest.
    for (const TFilter& filter : EnumFilters())
        gst_element_set_locked_state(filter.Element(), FALSE);
    // NULL joins every streaming thread, so nothing calls back into this object afterwards.
    gst_element_set_state(m_pipeline.Get(), GST_STATE_NULL);
    TGstRef<GstBus> bus = TGstRef<GstBus>::Adopt(gst_element_get_bus(m_pipeline.Get()));
    gst_bus_set_sync_handler(bus.Get(), nullptr, nullptr, nullptr);
    WatchPostedErrors(m_pipeline.Get(), nullptr);
}

// --- filters ---------------------------------------------------------------------------------

HRESULT TMediaPipeline::AddFilter(const TFilter& filter, const std::string& name) {
    GstElement* element = filter.Element();
    if (!element) return E_POINTER;
    if (GST_OBJECT_PARENT(element)) return E_INVALIDARG; // already in a graph
    HRESULT result = S_OK;
    if (!name.empty()) {
        std::string unique = name;
        TFilter taken;
        for (int n = 1; Succeeded(FindFilterByName(unique, taken)); ++n) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, " %04d", n);
            unique = name + suffix;
            result = VFW_S_DUPLICATE_NAME;
        }
        gst_object_set_name(GST_OBJECT(element), unique.c_str());
    }
    if (!gst_bin_add(GST_BIN(m_pipeline.Get()), element)) return E_FAIL;
    return result;
}

HRESULT TMediaPipeline::RemoveFilter(const TFilter& filter) {
    GstElement* element = filter.Element();
    if (!element) return E_POINTER;
    if (!HasChild(m_pipeline.Get(), element)) return VFW_E_NOT_FOUND;
    {
        std::lock_guard lock(m_buildLock);
        for (auto* list : {&m_built, &m_audioHeads, &m_volumes})
            list->erase(std::remove(list->begin(), list->end(), element), list->end());
        if (m_videoHead == element) m_videoHead = nullptr;
    }
    if (G_TYPE_CHECK_INSTANCE_TYPE(element, GST_TYPE_BASE_SINK))
        GST_OBJECT_FLAG_SET(element, GST_ELEMENT_FLAG_SINK); // undo an idle renderer's state
    gst_element_set_locked_state(element, FALSE);
    gst_element_set_state(element, GST_STATE_NULL);
    return gst_bin_remove(GST_BIN(m_pipeline.Get()), element) ? S_OK : E_FAIL;
}

std::vector<TFilter> TMediaPipeline::EnumFilters() const {
    std::vector<TFilter> filters;
    GstBin* bin = GST_BIN(m_pipeline.Get());
    GST_OBJECT_LOCK(bin);
    for (GList* child = bin->children; child; child = child->next)
        filters.push_back(TFilter::Share(GST_ELEMENT(child->data)));
    GST_OBJECT_UNLOCK(bin);
    std::reverse(filters.begin(), filters.end()); // the bin keeps the newest first
    return filters;
}

HRESULT TMediaPipeline::FindFilterByName(const std::string& name, TFilter& filter) const {
    for (TFilter& candidate : EnumFilters()) {
        if (candidate.Name() == name) {
            filter = candidate;
            return S_OK;
        }
    }
    return VFW_E_NOT_FOUND;
}

// --- events ------------------------------------------------------------------------------------

GstBusSyncReply TMediaPipeline::OnBusMessage(GstBus*, GstMessage* message, gpointer self) {
    static_cast<TMediaPipeline*>(self)->HandleBusMessage(message);
    // Nobody pops the bus: the event queue is the only consumer. A dropped message is the
    // handler's to release; kept, it would hold its source and so the whole graph alive.
    gst_message_unref(message);
    return GST_BUS_DROP;
}

void TMediaPipeline::RecordFailure(HRESULT result, std::string detail) {
    std::lock_guard lock(m_statusLock);
    if (Failed(m_failure)) return; // the first error is the cause, later ones its echoes
    m_failure = result;
    m_failureDetail = std::move(detail);
}

void TMediaPipeline::HandleBusMessage(GstMessage* message) {
    if (gst_is_missing_plugin_message(message)) {
        std::unique_ptr<gchar, TGFreeDeleter> what(
            gst_missing_plugin_message_get_description(message));
        std::unique_ptr<gchar, TGFreeDeleter> detail(
            gst_missing_plugin_message_get_installer_detail(message));
        const std::string package = detail ? MissingPluginPackage(detail.get()) : "";
        std::lock_guard lock(m_statusLock);
        if (what && m_missing.size() < kMaxMissing) m_missing.emplace_back(what.get());
        if (!package.empty() && std::find(m_missingPackages.begin(), m_missingPackages.end(),
                                          package) == m_missingPackages.end())
            m_missingPackages.push_back(package);
        return;
    }
    TMediaEvent event;
    TEventPosting posting;
    bool rendering;
    {
        std::lock_guard lock(m_statusLock);
        TBusContext context{m_pipeline.Get(), m_pauseRequested.load(), &m_buffering};
        posting = TranslateBusMessage(message, context, event);
        rendering = m_rendering;
    }
    if (event.Code == EC_PAUSED && !m_pauseRequested.exchange(false)) return;
    if (event.Code == EC_ERRORABORT) {
        RecordFailure(static_cast<HRESULT>(event.Param1), event.Detail);
        if (rendering) return; // RenderFile answers with the failure instead
        event.Detail = LastErrorDetail();
    }
    m_events.Post(std::move(event), posting);
}

void TMediaPipeline::NotePostedError(GstMessage* message) {
    GError* raw = nullptr;
    gst_message_parse_error(message, &raw, nullptr);
    std::unique_ptr<GError, TGErrorDeleter> error(raw);
    std::lock_guard lock(m_statusLock);
    if (!m_rendering || Failed(m_heldBack)) return;
    m_heldBack = ResultFromGstError(error.get());
    m_heldBackDetail = error && error->message ? error->message : "";
    m_heldBackAt = std::chrono::steady_clock::now();
}

std::string TMediaPipeline::LastErrorDetail() const {
    std::lock_guard lock(m_statusLock);
    std::string detail = m_failureDetail;
    if (!m_missing.empty()) {
        detail += detail.empty() ? "Missing: " : " Missing: ";
        for (std::size_t i = 0; i < m_missing.size(); ++i)
            detail += (i ? ", " : "") + m_missing[i];
        detail += ".";
    }
    return detail;
}

std::string TMediaPipeline::LastFailureCause() const {
    std::lock_guard lock(m_statusLock);
    return m_failureCause;
}

HRESULT TMediaPipeline::SetLogFile(int fd) {
    m_log.reset();
    if (fd < 0) return S_OK;
    auto log = std::make_unique<TDebugLogFile>(fd);
    if (!log->Valid()) return E_INVALIDARG;
    m_log = std::move(log);
    return S_OK;
}

// --- media control -----------------------------------------------------------------------------

HRESULT TMediaPipeline::ChangeState(GstState state) {
    {
        std::lock_guard lock(m_statusLock);
        m_failure = S_OK;
        m_failureDetail.clear();
    }
    switch (gst_element_set_state(m_pipeline.Get(), state)) {
    case GST_STATE_CHANGE_SUCCESS:
    case GST_STATE_CHANGE_NO_PREROLL:
        return S_OK;
    case GST_STATE_CHANGE_ASYNC:
        return S_FALSE;
    default: {
        std::lock_guard lock(m_statusLock);
        return Failed(m_failure) ? m_failure : E_FAIL;
    }
    }
}

HRESULT TMediaPipeline::Run() {
    HRESULT cued = ApplyPendingSeek();
    if (Failed(cued)) return cued;
    return ChangeState(GST_STATE_PLAYING);
}

HRESULT TMediaPipeline::Pause() {
    HRESULT cued = ApplyPendingSeek();
    if (Failed(cued)) return cued;
    m_pauseRequested = true;
    HRESULT result = ChangeState(GST_STATE_PAUSED);
    // Already paused: no state message comes, so the completion is reported here.
    if (result == S_OK && m_pauseRequested.exchange(false))
        m_events.Post(TMediaEvent{EC_PAUSED, S_OK, 0, ""});
    if (Failed(result)) m_pauseRequested = false;
    return result;
}

// Stopping releases the streaming threads and devices; the next Run or Pause starts from the
// beginning unless a position was set in between.
HRESULT TMediaPipeline::Stop() {
    m_pauseRequested = false;
    m_pendingSeek = -1;
    return ChangeState(GST_STATE_READY);
}

// A position set while stopped: cue the graph (bounded wait), then seek there.
HRESULT TMediaPipeline::ApplyPendingSeek() {
    if (m_pendingSeek < 0) return S_OK;
    std::int64_t position = m_pendingSeek;
    m_pendingSeek = -1;
    HRESULT result = ChangeState(GST_STATE_PAUSED);
    if (Failed(result)) return result;
    GstState state = GST_STATE_NULL;
    if (gst_element_get_state(m_pipeline.Get(), &state, nullptr,
                              GstClockTime(m_renderTimeoutMs) * GST_MSECOND) ==
        GST_STATE_CHANGE_FAILURE)
        return E_FAIL;
    return SetPositions(&position, AM_SEEKING_AbsolutePositioning, nullptr,
                        AM_SEEKING_NoPositioning);
}

// --- seeking -------------------------------------------------------------------------------------

HRESULT TMediaPipeline::GetDuration(std::int64_t& duration) const {
    gint64 nanoseconds = 0;
    if (gst_element_query_duration(m_pipeline.Get(), GST_FORMAT_TIME, &nanoseconds) &&
        nanoseconds >= 0)
        m_knownDuration = nanoseconds / 100;
    if (m_knownDuration < 0) return E_FAIL;
    duration = m_knownDuration;
    return S_OK;
}

HRESULT TMediaPipeline::GetCurrentPosition(std::int64_t& position) const {
    gint64 nanoseconds = 0;
    GstState state = CurrentState(m_pipeline.Get());
    if (state >= GST_STATE_PAUSED &&
        gst_element_query_position(m_pipeline.Get(), GST_FORMAT_TIME, &nanoseconds) &&
        nanoseconds >= 0) {
        position = nanoseconds / 100;
        return S_OK;
    }
    position = m_pendingSeek >= 0 ? m_pendingSeek : 0;
    return S_OK;
}

HRESULT TMediaPipeline::GetStopPosition(std::int64_t& position) const {
    if (m_stop >= 0) {
        position = m_stop;
        return S_OK;
    }
    return GetDuration(position);
}

HRESULT TMediaPipeline::SetPositions(std::int64_t* current, std::uint32_t currentFlags,
                                     std::int64_t* stop, std::uint32_t stopFlags) {
    std::uint32_t currentMode = currentFlags & 3, stopMode = stopFlags & 3;
    if ((currentMode != AM_SEEKING_NoPositioning && !current) ||
        (stopMode != AM_SEEKING_NoPositioning && !stop))
        return E_POINTER;
    if (currentMode > AM_SEEKING_RelativePositioning || stopMode > AM_SEEKING_AbsolutePositioning)
        return E_INVALIDARG;
    std::int64_t now = 0;
    GetCurrentPosition(now);
    std::int64_t target = -1;
    if (currentMode == AM_SEEKING_AbsolutePositioning) target = *current;
    if (currentMode == AM_SEEKING_RelativePositioning &&
        __builtin_add_overflow(now, *current, &target))
        return E_INVALIDARG;
    std::int64_t newStop = stopMode == AM_SEEKING_AbsolutePositioning ? *stop : m_stop;
    if ((currentMode && target < 0) || (stopMode && newStop < 0)) return E_INVALIDARG;
    // GStreamer counts nanoseconds: positions beyond its range are clamped, never overflowed.
    constexpr std::int64_t kLatest = std::numeric_limits<std::int64_t>::max() / 100;
    std::int64_t duration = kLatest;
    GetDuration(duration);
    if (target >= 0) target = std::min({target, duration, kLatest});
    newStop = std::min(newStop, kLatest);
    m_stop = newStop;
    if (CurrentState(m_pipeline.Get()) < GST_STATE_PAUSED) {
        if (target >= 0) m_pendingSeek = target;
        return S_OK;
    }
    bool moved = gst_element_seek(m_pipeline.Get(), 1.0, GST_FORMAT_TIME,
                                  GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                  GST_SEEK_TYPE_SET, (target >= 0 ? target : now) * 100,
                                  m_stop >= 0 ? GST_SEEK_TYPE_SET : GST_SEEK_TYPE_END,
                                  m_stop >= 0 ? m_stop * 100 : 0);
    return moved ? S_OK : E_FAIL;
}

// --- audio
// -----------------------------------------------------------------------------------------

HRESULT TMediaPipeline::get_Volume(long& attenuation) const {
    std::lock_guard lock(m_buildLock);
    if (m_volumes.empty()) return E_NOINTERFACE;
    gdouble linear = 1.0;
    g_object_get(m_volumes.front(), "volume", &linear, nullptr);
    attenuation = AttenuationFromLinear(linear);
    return S_OK;
}

HRESULT TMediaPipeline::put_Volume(long attenuation) {
    if (attenuation > 0 || attenuation < kSilence) return E_INVALIDARG;
    std::lock_guard lock(m_buildLock);
    if (m_volumes.empty()) return E_NOINTERFACE;
    for (GstElement* volume : m_volumes)
        g_object_set(volume, "volume", LinearFromAttenuation(attenuation), nullptr);
    return S_OK;
}

HRESULT TMediaPipeline::DumpGraph(const std::string& path) const {
    std::unique_ptr<gchar, TGFreeDeleter> dot(
        gst_debug_bin_to_dot_data(GST_BIN(m_pipeline.Get()), GST_DEBUG_GRAPH_SHOW_ALL));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out || !dot) return E_FAIL;
    out << dot.get();
    return out.good() ? S_OK : E_FAIL;
}

} // namespace brisat
