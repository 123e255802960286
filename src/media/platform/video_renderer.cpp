#include "media/platform/video_renderer.h"

#include "media/platform/element_type.h"
#include "platform/video_stats.h"

#include <atomic>
#include <gst/video/gstvideosink.h>
#include <gst/video/video.h>
#include <mutex>

namespace brisat {

namespace {

struct TRendererState {
    std::mutex Lock;
    std::shared_ptr<IFrameConsumer> Consumer;
    GstVideoInfo Info{};
    bool HasFormat = false;
    TSourceRect Source;
    std::atomic<std::uint64_t> Frames{0};
    // The picture handed on while prerolling (a reference, so the buffer cannot be reused under
    // the same address); the base sink renders it again when playback starts from it.
    GstBuffer* Prerolled = nullptr;

    ~TRendererState() {
        if (Prerolled) gst_buffer_unref(Prerolled);
    }
};

// A video sink that hands its frames on; the base sink does the timing and the dropping.
void InitRendererClass(GstVideoSinkClass* video);
constexpr TElementInfo kRendererInfo{"BrisatVideoRenderer", gst_video_sink_get_type,
                                     "Brisat video renderer", "Sink/Video",
                                     "Hands decoded pictures to the video window"};
using TRendererType = TElementType<GstVideoSink, GstVideoSinkClass, TRendererState,
                                   kRendererInfo, InitRendererClass>;

bool Fits(const TSourceRect& r, const GstVideoInfo& info) {
    return r.Left >= 0 && r.Top >= 0 && r.Width > 0 && r.Height > 0 &&
           r.Left + r.Width <= GST_VIDEO_INFO_WIDTH(&info) &&
           r.Top + r.Height <= GST_VIDEO_INFO_HEIGHT(&info);
}

TSourceRect FullPicture(const GstVideoInfo& info) {
    return {0, 0, GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info)};
}

TDecodedPixelFormat PixelFormat(GstVideoFormat format) {
    switch (format) {
    case GST_VIDEO_FORMAT_NV12:
        return TDecodedPixelFormat::NV12;
    case GST_VIDEO_FORMAT_BGRA:
        return TDecodedPixelFormat::BGRA;
    default:
        return TDecodedPixelFormat::I420;
    }
}

gboolean SetInfo(GstVideoSink* sink, GstCaps*, const GstVideoInfo* info) {
    TRendererState& state = TRendererType::State(sink);
    {
        std::lock_guard lock(state.Lock);
        state.Info = *info;
        state.HasFormat = true;
        if (!Fits(state.Source, *info)) state.Source = FullPicture(*info);
    }
    GST_VIDEO_SINK_WIDTH(sink) = GST_VIDEO_INFO_WIDTH(info);
    GST_VIDEO_SINK_HEIGHT(sink) = GST_VIDEO_INFO_HEIGHT(info);
    GstStructure* size = gst_structure_new(
        kVideoSizeMessage, "width", G_TYPE_INT, GST_VIDEO_INFO_WIDTH(info), "height", G_TYPE_INT,
        GST_VIDEO_INFO_HEIGHT(info), "par-n", G_TYPE_INT, GST_VIDEO_INFO_PAR_N(info), "par-d",
        G_TYPE_INT, GST_VIDEO_INFO_PAR_D(info), nullptr);
    gst_element_post_message(GST_ELEMENT(sink), gst_message_new_element(GST_OBJECT(sink), size));
    return TRUE;
}

// A mapped picture that keeps its buffer for as long as a frame consumer holds it.
struct TMappedPicture {
    GstVideoFrame Frame{};
    bool Mapped = false;
    ~TMappedPicture() {
        if (Mapped) gst_video_frame_unmap(&Frame);
    }
};

// A picture may outlive ShowFrame only when its pool cannot run dry: a pool with a maximum would
// stall its decoder while the window holds pictures from it.
bool MayKeep(GstBuffer* buffer) {
    if (!buffer->pool) return true;
    GstStructure* config = gst_buffer_pool_get_config(buffer->pool);
    guint size = 0, least = 0, most = 0;
    const bool bounded =
        gst_buffer_pool_config_get_params(config, nullptr, &size, &least, &most) && most != 0;
    gst_structure_free(config);
    return !bounded;
}

// Hands Buffer, a picture of Layout (the negotiated layout when null), to the consumer; false
// when it cannot be read.
bool Deliver(TRendererState& state, GstBuffer* buffer, const GstVideoInfo* layout = nullptr) {
    std::shared_ptr<IFrameConsumer> consumer;
    GstVideoInfo info;
    TSourceRect source;
    {
        std::lock_guard lock(state.Lock);
        consumer = state.Consumer;
        info = state.Info;
        source = state.Source;
    }
    if (!consumer) return true;
    if (layout) info = *layout;
    auto picture = std::make_shared<TMappedPicture>();
    picture->Mapped = gst_video_frame_map(&picture->Frame, &info, buffer, GST_MAP_READ);
    if (!picture->Mapped) return false;
    const GstVideoFrame& mapped = picture->Frame;
    TDecodedFrame frame;
    frame.Format = PixelFormat(GST_VIDEO_INFO_FORMAT(&info));
    frame.Width = GST_VIDEO_INFO_WIDTH(&info);
    frame.Height = GST_VIDEO_INFO_HEIGHT(&info);
    frame.PlaneCount = static_cast<int>(GST_VIDEO_FRAME_N_PLANES(&mapped));
    for (int plane = 0; plane < frame.PlaneCount && plane < 3; ++plane) {
        frame.Planes[plane] = static_cast<const std::uint8_t*>(mapped.data[plane]);
        frame.Strides[plane] = GST_VIDEO_FRAME_PLANE_STRIDE(&mapped, plane);
    }
    GstClockTime pts = GST_BUFFER_PTS(buffer);
    frame.Time = GST_CLOCK_TIME_IS_VALID(pts) ? static_cast<std::int64_t>(pts / 100) : 0;
    frame.Source = source;
    if (MayKeep(buffer)) frame.Keeper = picture;
    consumer->ReceiveFrame(frame);
    return true;
}

GstFlowReturn ShowFrame(GstVideoSink* sink, GstBuffer* buffer) {
    TRendererState& state = TRendererType::State(sink);
    state.Frames.fetch_add(1, std::memory_order_relaxed);
    if (!Deliver(state, buffer)) {
        GST_ELEMENT_ERROR(sink, STREAM, FAILED, ("Cannot read a decoded picture."), (nullptr));
        return GST_FLOW_ERROR;
    }
    NoteFrameRendered();
    return GST_FLOW_OK;
}

GstBaseSinkClass* ParentSink() {
    return GST_BASE_SINK_CLASS(TRendererType::ParentClass());
}

void ForgetPrerolled(TRendererState& state) {
    GstBuffer* held = nullptr;
    {
        std::lock_guard lock(state.Lock);
        std::swap(held, state.Prerolled);
    }
    if (held) gst_buffer_unref(held);
}

GstFlowReturn Preroll(GstBaseSink* sink, GstBuffer* buffer) {
    TRendererState& state = TRendererType::State(sink);
    ForgetPrerolled(state);
    const GstFlowReturn result = ParentSink()->preroll(sink, buffer);
    gboolean shown = FALSE;
    g_object_get(sink, "show-preroll-frame", &shown, nullptr);
    if (result == GST_FLOW_OK && shown) {
        std::lock_guard lock(state.Lock);
        state.Prerolled = gst_buffer_ref(buffer);
    }
    return result;
}

// The prerolled picture is on its way to the window already: rendering it again would only
// copy it a second time and count it twice.
GstFlowReturn Render(GstBaseSink* sink, GstBuffer* buffer) {
    TRendererState& state = TRendererType::State(sink);
    bool again = false;
    {
        std::lock_guard lock(state.Lock);
        again = buffer == state.Prerolled;
    }
    ForgetPrerolled(state);
    return again ? GST_FLOW_OK : ParentSink()->render(sink, buffer);
}

// Pictures may come with their own plane offsets and strides (the frame mapping reads them), so a
// decoder hands over the pictures it decoded into, padded as they are, instead of copying each
// into a buffer of the plain layout. No pool is proposed: the decoder's own has no maximum.
gboolean ProposeAllocation(GstBaseSink*, GstQuery* query) {
    gst_query_add_allocation_meta(query, GST_VIDEO_META_API_TYPE, nullptr);
    return TRUE;
}

// Before the sink leaves PAUSED (and resets its counts), its late drops go to the video stats.
GstStateChangeReturn ChangeState(GstElement* element, GstStateChange transition) {
    if (transition == GST_STATE_CHANGE_PAUSED_TO_READY) {
        GstStructure* stats = nullptr;
        g_object_get(element, "stats", &stats, nullptr);
        guint64 dropped = 0;
        if (stats && gst_structure_get_uint64(stats, "dropped", &dropped)) NoteSinkDropped(dropped);
        if (stats) gst_structure_free(stats);
        ForgetPrerolled(TRendererType::State(element));
    }
    return GST_ELEMENT_CLASS(TRendererType::ParentClass())->change_state(element, transition);
}

void InitRendererClass(GstVideoSinkClass* video) {
    GstElementClass* element = GST_ELEMENT_CLASS(video);
    element->change_state = ChangeState;
    GstCaps* caps = gst_caps_from_string(GST_VIDEO_CAPS_MAKE("{ I420, NV12, BGRA }"));
    gst_element_class_add_pad_template(
        element, gst_pad_template_new("sink", GST_PAD_SINK, GST_PAD_ALWAYS, caps));
    gst_caps_unref(caps);
    GstBaseSinkClass* base = GST_BASE_SINK_CLASS(video);
    base->preroll = Preroll;
    base->render = Render;
    base->propose_allocation = ProposeAllocation;
    video->set_info = SetInfo;
    video->show_frame = ShowFrame;
}

TRendererState* StateOf(const TFilter& filter) {
    return TRendererType::FindState(filter.Element());
}

} // namespace

GType VideoRendererType() {
    return TRendererType::Type();
}

TFilter CreateVideoRenderer() {
    return TFilter::Make(kVideoRendererFactory);
}

HRESULT TBasicVideo::RepaintLastFrame() {
    TRendererState* state = StateOf(m_renderer);
    if (!state) return E_NOINTERFACE;
    GstSample* sample = gst_base_sink_get_last_sample(GST_BASE_SINK(m_renderer.Element()));
    if (!sample) return S_FALSE;
    GstVideoInfo info;
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    GstCaps* caps = gst_sample_get_caps(sample);
    const bool shown =
        buffer && caps && gst_video_info_from_caps(&info, caps) && Deliver(*state, buffer, &info);
    gst_sample_unref(sample);
    return shown ? S_OK : S_FALSE;
}

HRESULT TBasicVideo::SetFrameConsumer(std::shared_ptr<IFrameConsumer> consumer) {
    TRendererState* state = StateOf(m_renderer);
    if (!state) return E_NOINTERFACE;
    std::lock_guard lock(state->Lock);
    state->Consumer = std::move(consumer);
    return S_OK;
}

HRESULT TBasicVideo::GetVideoSize(long& width, long& height) const {
    TRendererState* state = StateOf(m_renderer);
    if (!state) return E_NOINTERFACE;
    std::lock_guard lock(state->Lock);
    if (!state->HasFormat) return VFW_E_NOT_CONNECTED;
    width = GST_VIDEO_INFO_WIDTH(&state->Info);
    height = GST_VIDEO_INFO_HEIGHT(&state->Info);
    return S_OK;
}

HRESULT TBasicVideo::SetDefaultSourcePosition() {
    TRendererState* state = StateOf(m_renderer);
    if (!state) return E_NOINTERFACE;
    std::lock_guard lock(state->Lock);
    if (!state->HasFormat) return VFW_E_NOT_CONNECTED;
    state->Source = FullPicture(state->Info);
    return S_OK;
}

HRESULT TBasicVideo::GetSourcePosition(TSourceRect& rect) const {
    TRendererState* state = StateOf(m_renderer);
    if (!state) return E_NOINTERFACE;
    std::lock_guard lock(state->Lock);
    if (!state->HasFormat) return VFW_E_NOT_CONNECTED;
    rect = state->Source;
    return S_OK;
}

HRESULT TBasicVideo::get_SourceWidth(long& width) const {
    TSourceRect rect;
    HRESULT hr = GetSourcePosition(rect);
    if (Succeeded(hr)) width = rect.Width;
    return hr;
}

HRESULT TBasicVideo::get_SourceHeight(long& height) const {
    TSourceRect rect;
    HRESULT hr = GetSourcePosition(rect);
    if (Succeeded(hr)) height = rect.Height;
    return hr;
}

HRESULT TBasicVideo::EditSource(void (*edit)(TSourceRect&, long), long value) {
    TRendererState* state = StateOf(m_renderer);
    if (!state) return E_NOINTERFACE;
    std::lock_guard lock(state->Lock);
    if (!state->HasFormat) return VFW_E_NOT_CONNECTED;
    TSourceRect rect = state->Source;
    edit(rect, value);
    if (!Fits(rect, state->Info)) return E_INVALIDARG;
    state->Source = rect;
    return S_OK;
}

HRESULT TBasicVideo::put_SourceLeft(long left) {
    return EditSource([](TSourceRect& r, long v) { r.Left = v; }, left);
}
HRESULT TBasicVideo::put_SourceTop(long top) {
    return EditSource([](TSourceRect& r, long v) { r.Top = v; }, top);
}
HRESULT TBasicVideo::put_SourceWidth(long width) {
    return EditSource([](TSourceRect& r, long v) { r.Width = v; }, width);
}
HRESULT TBasicVideo::put_SourceHeight(long height) {
    return EditSource([](TSourceRect& r, long v) { r.Height = v; }, height);
}

std::uint64_t TBasicVideo::FramesRendered() const {
    TRendererState* state = StateOf(m_renderer);
    return state ? state->Frames.load(std::memory_order_relaxed) : 0;
}

} // namespace brisat
