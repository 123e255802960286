// Filters and pins of the graph: thin owning views of GStreamer elements and pads. A filter's class
// identifier is its element factory name. All calls run on the GUI thread.
#pragma once

#include "media/platform/gst_ref.h"
#include "media/platform/result_codes.h"

#include <string>
#include <vector>

namespace brisat {

class TPin;

class TFilter {
public:
    TFilter() = default;
    explicit TFilter(TGstRef<GstElement> element) : m_element(std::move(element)) {}
    static TFilter Share(GstElement* element) {
        return TFilter(TGstRef<GstElement>::Share(element));
    }
    // A new element of the factory (our own elements included); empty when there is none.
    static TFilter Make(const char* factory);

    GstElement* Element() const { return m_element.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_element); }
    bool operator==(const TFilter& other) const { return m_element == other.m_element; }

    // The element factory name ("" for an element made without a factory).
    std::string GetClassID() const;
    // The name under which the filter is in its graph.
    std::string Name() const;
    // Pins in the element's own order (sink pads first for most elements).
    std::vector<TPin> EnumPins() const;
    HRESULT FindPin(const std::string& id, TPin& pin) const;

private:
    TGstRef<GstElement> m_element;
};

enum PIN_DIRECTION { PINDIR_INPUT = 0, PINDIR_OUTPUT = 1 };

struct TPinInfo {
    TFilter Filter;
    PIN_DIRECTION Direction = PINDIR_INPUT;
    std::string Name;
};

class TPin {
public:
    TPin() = default;
    explicit TPin(TGstRef<GstPad> pad) : m_pad(std::move(pad)) {}
    static TPin Share(GstPad* pad) { return TPin(TGstRef<GstPad>::Share(pad)); }

    GstPad* Pad() const { return m_pad.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_pad); }
    bool operator==(const TPin& other) const { return m_pad == other.m_pad; }

    // The peer pin, or VFW_E_NOT_CONNECTED.
    HRESULT ConnectedTo(TPin& peer) const;
    // Breaks the link from either end: S_OK, or S_FALSE when the pin was not connected.
    HRESULT Disconnect();
    HRESULT QueryDirection(PIN_DIRECTION& direction) const;
    HRESULT QueryPinInfo(TPinInfo& info) const;

private:
    TGstRef<GstPad> m_pad;
};

} // namespace brisat
