#include "media/platform/pins.h"

#include "media/platform/media_setup.h"

#include <memory>

namespace brisat {

TFilter TFilter::Make(const char* factory) {
    EnsureMediaElements();
    GstElement* element = gst_element_factory_make(factory, nullptr);
    if (!element) return TFilter();
    return TFilter(TGstRef<GstElement>::Adopt(GST_ELEMENT(gst_object_ref_sink(element))));
}

std::string TFilter::GetClassID() const {
    if (!m_element) return "";
    GstElementFactory* factory = gst_element_get_factory(m_element.Get());
    if (!factory) return "";
    return gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory));
}

std::string TFilter::Name() const {
    if (!m_element) return "";
    std::unique_ptr<gchar, TGFreeDeleter> name(gst_object_get_name(GST_OBJECT(m_element.Get())));
    return name ? name.get() : "";
}

std::vector<TPin> TFilter::EnumPins() const {
    std::vector<TPin> pins;
    if (!m_element) return pins;
    GstElement* element = m_element.Get();
    GST_OBJECT_LOCK(element);
    for (GList* sink = element->sinkpads; sink; sink = sink->next)
        pins.push_back(TPin::Share(GST_PAD(sink->data)));
    for (GList* src = element->srcpads; src; src = src->next)
        pins.push_back(TPin::Share(GST_PAD(src->data)));
    GST_OBJECT_UNLOCK(element);
    return pins;
}

HRESULT TFilter::FindPin(const std::string& id, TPin& pin) const {
    if (!m_element) return E_POINTER;
    GstPad* pad = gst_element_get_static_pad(m_element.Get(), id.c_str());
    if (!pad) return VFW_E_NOT_FOUND;
    pin = TPin(TGstRef<GstPad>::Adopt(pad));
    return S_OK;
}

HRESULT TPin::ConnectedTo(TPin& peer) const {
    if (!m_pad) return E_POINTER;
    GstPad* other = gst_pad_get_peer(m_pad.Get());
    if (!other) return VFW_E_NOT_CONNECTED;
    peer = TPin(TGstRef<GstPad>::Adopt(other));
    return S_OK;
}

HRESULT TPin::Disconnect() {
    if (!m_pad) return E_POINTER;
    GstPad* other = gst_pad_get_peer(m_pad.Get());
    if (!other) return S_FALSE;
    TGstRef<GstPad> peer = TGstRef<GstPad>::Adopt(other);
    bool isSource = GST_PAD_IS_SRC(m_pad.Get());
    GstPad* source = isSource ? m_pad.Get() : peer.Get();
    GstPad* sink = isSource ? peer.Get() : m_pad.Get();
    return gst_pad_unlink(source, sink) ? S_OK : E_FAIL;
}

HRESULT TPin::QueryDirection(PIN_DIRECTION& direction) const {
    if (!m_pad) return E_POINTER;
    direction = GST_PAD_IS_SRC(m_pad.Get()) ? PINDIR_OUTPUT : PINDIR_INPUT;
    return S_OK;
}

HRESULT TPin::QueryPinInfo(TPinInfo& info) const {
    if (!m_pad) return E_POINTER;
    info.Filter = TFilter(TGstRef<GstElement>::Adopt(gst_pad_get_parent_element(m_pad.Get())));
    QueryDirection(info.Direction);
    std::unique_ptr<gchar, TGFreeDeleter> name(gst_pad_get_name(m_pad.Get()));
    info.Name = name ? name.get() : "";
    return S_OK;
}

} // namespace brisat
