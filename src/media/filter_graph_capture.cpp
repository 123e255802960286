#include "media/filter_graph_capture.h"

#include "media/platform/gst_ref.h"
#include "media/platform/video_renderer.h"

namespace brisat {

namespace {

bool IsVideoRenderer(const TFilter& filter) {
    return G_TYPE_CHECK_INSTANCE_TYPE(filter.Element(), VideoRendererType());
}

// The media kind ("video", "audio") a source pin offers.
std::string OfferedKind(const TPin& pin) {
    std::unique_ptr<GstCaps, TGstCapsDeleter> caps(gst_pad_query_caps(pin.Pad(), nullptr));
    if (!caps || gst_caps_is_empty(caps.get()) || gst_caps_is_any(caps.get())) return "";
    std::string name = gst_structure_get_name(gst_caps_get_structure(caps.get(), 0));
    return name.substr(0, name.find('/'));
}

TPin FirstPin(const TFilter& filter, PIN_DIRECTION wanted) {
    for (TPin& pin : filter.EnumPins()) {
        PIN_DIRECTION direction = PINDIR_INPUT;
        if (Succeeded(pin.QueryDirection(direction)) && direction == wanted) return pin;
    }
    return TPin();
}

} // namespace

HRESULT TCaptureGraphBuilder::SetFiltergraph(std::shared_ptr<TMediaPipeline> graph) {
    if (!graph) return E_POINTER;
    m_graph = std::move(graph);
    return S_OK;
}

HRESULT TCaptureGraphBuilder::GetFiltergraph(std::shared_ptr<TMediaPipeline>& graph) const {
    graph = m_graph;
    return m_graph ? S_OK : E_UNEXPECTED;
}

HRESULT TCaptureGraphBuilder::FindCaptureDevice(TCaptureKind kind, TFilter& source) const {
    source = TFilter();
    GstDeviceMonitor* monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(
        monitor, kind == TCaptureKind::ckVideo ? "Video/Source" : "Audio/Source", nullptr);
    GList* devices = gst_device_monitor_get_devices(monitor);
    if (devices)
        if (GstElement* element = gst_device_create_element(GST_DEVICE(devices->data), nullptr))
            source = TFilter(TGstRef<GstElement>::Adopt(GST_ELEMENT(gst_object_ref_sink(element))));
    g_list_free_full(devices, gst_object_unref);
    gst_object_unref(monitor);
    return source ? S_OK : VFW_E_NO_CAPTURE_HARDWARE;
}

// Adds a new filter of `factory`, connects `from` to its input and answers its output.
HRESULT TCaptureGraphBuilder::AddConnected(const TPin& from, const char* factory, TPin& output) {
    TFilter filter = TFilter::Make(factory);
    if (!filter) return VFW_E_CANNOT_CONNECT;
    HRESULT result = m_graph->AddFilter(filter, "");
    if (Succeeded(result)) result = m_graph->Connect(from, FirstPin(filter, PINDIR_INPUT));
    output = FirstPin(filter, PINDIR_OUTPUT);
    return result;
}

HRESULT TCaptureGraphBuilder::RenderStream(const TFilter& source) {
    if (!m_graph) return VFW_E_WRONG_STATE;
    if (!source) return E_POINTER;
    TPin output = FirstPin(source, PINDIR_OUTPUT);
    std::string kind = output ? OfferedKind(output) : "";
    if (kind != "video" && kind != "audio") return VFW_E_CANNOT_RENDER;
    HRESULT result = m_graph->AddFilter(source, "Capture");
    if (Failed(result)) return result;
    TPin converted;
    result = AddConnected(output, kind == "video" ? "videoconvert" : "audioconvert", converted);
    if (Failed(result)) return result;
    if (kind == "video")
        for (const TFilter& filter : m_graph->EnumFilters())
            if (IsVideoRenderer(filter))
                return m_graph->Connect(converted, FirstPin(filter, PINDIR_INPUT));
    TPin unused;
    return AddConnected(converted, kind == "video" ? "autovideosink" : "autoaudiosink", unused);
}

} // namespace brisat
