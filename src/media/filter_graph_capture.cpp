#include "media/filter_graph_capture.h"

#include "media/platform/gst_ref.h"
#include "media/platform/video_renderer.h"

namespace brisat {

namespace {

bool IsVideoRenderer(const Filter& filter) {
    return G_TYPE_CHECK_INSTANCE_TYPE(filter.Element(), VideoRendererType());
}

// The media kind ("video", "audio") a source pin offers.
std::string OfferedKind(const Pin& pin) {
    std::unique_ptr<GstCaps, GstCapsDeleter> caps(gst_pad_query_caps(pin.Pad(), nullptr));
    if (!caps || gst_caps_is_empty(caps.get()) || gst_caps_is_any(caps.get())) return "";
    std::string name = gst_structure_get_name(gst_caps_get_structure(caps.get(), 0));
    return name.substr(0, name.find('/'));
}

Pin FirstPin(const Filter& filter, PIN_DIRECTION wanted) {
    for (Pin& pin : filter.EnumPins()) {
        PIN_DIRECTION direction = PINDIR_INPUT;
        if (Succeeded(pin.QueryDirection(direction)) && direction == wanted) return pin;
    }
    return Pin();
}

} // namespace

HRESULT CaptureGraphBuilder::SetFiltergraph(std::shared_ptr<TMediaPipeline> graph) {
    if (!graph) return E_POINTER;
    m_graph = std::move(graph);
    return S_OK;
}

HRESULT CaptureGraphBuilder::GetFiltergraph(std::shared_ptr<TMediaPipeline>& graph) const {
    graph = m_graph;
    return m_graph ? S_OK : E_UNEXPECTED;
}

HRESULT CaptureGraphBuilder::FindCaptureDevice(TCaptureKind kind, Filter& source) const {
    source = Filter();
    GstDeviceMonitor* monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(
        monitor, kind == TCaptureKind::ckVideo ? "Video/Source" : "Audio/Source", nullptr);
    GList* devices = gst_device_monitor_get_devices(monitor);
    if (devices)
        if (GstElement* element = gst_device_create_element(GST_DEVICE(devices->data), nullptr))
            source = Filter(GstRef<GstElement>::Adopt(GST_ELEMENT(gst_object_ref_sink(element))));
    g_list_free_full(devices, gst_object_unref);
    gst_object_unref(monitor);
    return source ? S_OK : VFW_E_NO_CAPTURE_HARDWARE;
}

// Adds a new filter of `factory`, connects `from` to its input and answers its output.
HRESULT CaptureGraphBuilder::AddConnected(const Pin& from, const char* factory, Pin& output) {
    Filter filter = Filter::Make(factory);
    if (!filter) return VFW_E_CANNOT_CONNECT;
    HRESULT result = m_graph->AddFilter(filter, "");
    if (Succeeded(result)) result = m_graph->Connect(from, FirstPin(filter, PINDIR_INPUT));
    output = FirstPin(filter, PINDIR_OUTPUT);
    return result;
}

HRESULT CaptureGraphBuilder::RenderStream(const Filter& source) {
    if (!m_graph) return VFW_E_WRONG_STATE;
    if (!source) return E_POINTER;
    Pin output = FirstPin(source, PINDIR_OUTPUT);
    std::string kind = output ? OfferedKind(output) : "";
    if (kind != "video" && kind != "audio") return VFW_E_CANNOT_RENDER;
    HRESULT result = m_graph->AddFilter(source, "Capture");
    if (Failed(result)) return result;
    Pin converted;
    result = AddConnected(output, kind == "video" ? "videoconvert" : "audioconvert", converted);
    if (Failed(result)) return result;
    if (kind == "video")
        for (const Filter& filter : m_graph->EnumFilters())
            if (IsVideoRenderer(filter))
                return m_graph->Connect(converted, FirstPin(filter, PINDIR_INPUT));
    Pin unused;
    return AddConnected(converted, kind == "video" ? "autovideosink" : "autoaudiosink", unused);
}

} // namespace brisat
