// Filters and pins of the graph: thin owning views of GStreamer elements and pads. A filter's class
// identifier is its element factory name. All calls run on the GUI thread.
#pragma once

#include "media/platform/gst_ref.h"
#include "media/platform/result_codes.h"

#include <string>
#include <vector>

namespace brisat {

class Pin;

class Filter {
public:
    Filter() = default;
    explicit Filter(GstRef<GstElement> element) : m_element(std::move(element)) {}
    static Filter Share(GstElement* element) { return Filter(GstRef<GstElement>::Share(element)); }
    // A new element of the factory (our own elements included); empty when there is none.
    static Filter Make(const char* factory);

    GstElement* Element() const { return m_element.get(); }
    explicit operator bool() const { return static_cast<bool>(m_element); }
    bool operator==(const Filter& other) const { return m_element == other.m_element; }

    // The element factory name ("" for an element made without a factory).
    std::string GetClassID() const;
    // The name under which the filter is in its graph.
    std::string Name() const;
    // Pins in the element's own order (sink pads first for most elements).
    std::vector<Pin> EnumPins() const;
    HRESULT FindPin(const std::string& id, Pin& pin) const;

private:
    GstRef<GstElement> m_element;
};

enum PIN_DIRECTION { PINDIR_INPUT = 0, PINDIR_OUTPUT = 1 };

struct PinInfo {
    Filter pFilter;
    PIN_DIRECTION dir = PINDIR_INPUT;
    std::string achName;
};

class Pin {
public:
    Pin() = default;
    explicit Pin(GstRef<GstPad> pad) : m_pad(std::move(pad)) {}
    static Pin Share(GstPad* pad) { return Pin(GstRef<GstPad>::Share(pad)); }

    GstPad* Pad() const { return m_pad.get(); }
    explicit operator bool() const { return static_cast<bool>(m_pad); }
    bool operator==(const Pin& other) const { return m_pad == other.m_pad; }

    // The peer pin, or VFW_E_NOT_CONNECTED.
    HRESULT ConnectedTo(Pin& peer) const;
    // Breaks the link from either end: S_OK, or S_FALSE when the pin was not connected.
    HRESULT Disconnect();
    HRESULT QueryDirection(PIN_DIRECTION& direction) const;
    HRESULT QueryPinInfo(PinInfo& info) const;

private:
    GstRef<GstPad> m_pad;
};

} // namespace brisat
