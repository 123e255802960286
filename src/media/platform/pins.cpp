#include "media/platform/pins.h"

#include "media/platform/media_setup.h"

#include <memory>

namespace brisat {

Filter Filter::Make(const char* factory) {
    EnsureMediaElements();
    GstElement* element = gst_element_factory_make(factory, nullptr);
    if (!element) return Filter();
    return Filter(GstRef<GstElement>::Adopt(GST_ELEMENT(gst_object_ref_sink(element))));
}

std::string Filter::GetClassID() const {
    if (!m_element) return "";
    GstElementFactory* factory = gst_element_get_factory(m_element.get());
    if (!factory) return "";
    return gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory));
}

std::string Filter::Name() const {
    if (!m_element) return "";
    std::unique_ptr<gchar, GFreeDeleter> name(gst_object_get_name(GST_OBJECT(m_element.get())));
    return name ? name.get() : "";
}

std::vector<Pin> Filter::EnumPins() const {
    std::vector<Pin> pins;
    if (!m_element) return pins;
    GstElement* element = m_element.get();
    GST_OBJECT_LOCK(element);
    for (GList* sink = element->sinkpads; sink; sink = sink->next)
        pins.push_back(Pin::Share(GST_PAD(sink->data)));
    for (GList* src = element->srcpads; src; src = src->next)
        pins.push_back(Pin::Share(GST_PAD(src->data)));
    GST_OBJECT_UNLOCK(element);
    return pins;
}

HRESULT Filter::FindPin(const std::string& id, Pin& pin) const {
    if (!m_element) return E_POINTER;
    GstPad* pad = gst_element_get_static_pad(m_element.get(), id.c_str());
    if (!pad) return VFW_E_NOT_FOUND;
    pin = Pin(GstRef<GstPad>::Adopt(pad));
    return S_OK;
}

HRESULT Pin::ConnectedTo(Pin& peer) const {
    if (!m_pad) return E_POINTER;
    GstPad* other = gst_pad_get_peer(m_pad.get());
    if (!other) return VFW_E_NOT_CONNECTED;
    peer = Pin(GstRef<GstPad>::Adopt(other));
    return S_OK;
}

HRESULT Pin::Disconnect() {
    if (!m_pad) return E_POINTER;
    GstPad* other = gst_pad_get_peer(m_pad.get());
    if (!other) return S_FALSE;
    GstRef<GstPad> peer = GstRef<GstPad>::Adopt(other);
    bool isSource = GST_PAD_IS_SRC(m_pad.get());
    GstPad* source = isSource ? m_pad.get() : peer.get();
    GstPad* sink = isSource ? peer.get() : m_pad.get();
    return gst_pad_unlink(source, sink) ? S_OK : E_FAIL;
}

HRESULT Pin::QueryDirection(PIN_DIRECTION& direction) const {
    if (!m_pad) return E_POINTER;
    direction = GST_PAD_IS_SRC(m_pad.get()) ? PINDIR_OUTPUT : PINDIR_INPUT;
    return S_OK;
}

HRESULT Pin::QueryPinInfo(PinInfo& info) const {
    if (!m_pad) return E_POINTER;
    info.pFilter = Filter(GstRef<GstElement>::Adopt(gst_pad_get_parent_element(m_pad.get())));
    QueryDirection(info.dir);
    std::unique_ptr<gchar, GFreeDeleter> name(gst_pad_get_name(m_pad.get()));
    info.achName = name ? name.get() : "";
    return S_OK;
}

} // namespace brisat
