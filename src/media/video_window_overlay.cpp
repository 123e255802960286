// The overlay of the video window: splicing the mixer in front of the renderer with its journal,
// the mixer's callback, and finding the mixer the colour controls talk to.
#include "framework/windowing/message_queue.h"
#include "media/video_window.h"
#include "media/video_window_journal.h"

namespace brisat {

namespace {

bool IsConnected(const TPin& pin) {
    TPin peer;
    return Succeeded(pin.ConnectedTo(peer));
}

bool HasDirection(const TPin& pin, PIN_DIRECTION wanted) {
    PIN_DIRECTION direction = PINDIR_INPUT;
    return Succeeded(pin.QueryDirection(direction)) && direction == wanted;
}

// A mixer already in the graph counts only when it feeds Renderer and something feeds it.
bool MixerFeedsRenderer(const TFilter& mixer, const TFilter& renderer) {
    bool feedsRenderer = false, fed = false;
    for (const TPin& pin : TPinList(mixer)) {
        TPin peer;
        if (Failed(pin.ConnectedTo(peer))) continue;
        if (HasDirection(pin, PINDIR_INPUT)) {
            fed = true;
        } else {
            TPinInfo info;
            feedsRenderer =
                feedsRenderer || (Succeeded(peer.QueryPinInfo(info)) && info.Filter == renderer);
        }
    }
    return feedsRenderer && fed;
}

TPin FirstFreeInput(const TFilter& filter) {
    for (const TPin& pin : TPinList(filter))
        if (HasDirection(pin, PINDIR_INPUT) && !IsConnected(pin)) return pin;
    return TPin();
}

} // namespace

void TConnectionJournal::Undo(TMediaPipeline& graph) {
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        if (entry->Reconnect) {
            graph.Connect(entry->Output, entry->Input);
        } else {
            entry->Output.Disconnect();
            entry->Input.Disconnect();
        }
    }
    m_entries.clear();
}

void TOverlayCallback::SetWindow(HWND window) {
    std::lock_guard lock(m_lock);
    m_window = window;
}

HRESULT TOverlayCallback::OnUpdateColorKey(const COLORKEY& key, COLORREF) {
    std::lock_guard lock(m_lock);
    if (m_window) PostMessage(m_window, WM_OVERLAYCOLORKEY, key.HighColorValue);
    return S_OK;
}

HRESULT TOverlayCallback::OnUpdateSize(long, long, long, long) {
    std::lock_guard lock(m_lock);
    if (m_window) PostMessage(m_window, WM_OVERLAYSIZE);
    return S_OK;
}

std::optional<TMixerPinConfig> TDSVideoWindowEx2::FindOverlayPin() const {
    if (Designing() || !m_filterGraph || !m_filterGraph->Active()) return std::nullopt;
    auto graph = m_filterGraph->QueryInterface<TGraphInterface::IFilterGraph>();
    if (!graph) return std::nullopt;
    TFilter mixer;
    for (const TFilter& filter : TFilterList(*graph))
        if (filter.GetClassID() == kOverlayMixerFactory) mixer = filter;
    if (!mixer) return std::nullopt;
    for (const TPin& pin : TPinList(mixer)) {
        PIN_DIRECTION direction = PINDIR_INPUT;
        if (Failed(pin.QueryDirection(direction))) return std::nullopt;
        if (direction == PINDIR_INPUT) return TMixerPinConfig(mixer);
    }
    return std::nullopt;
}

HRESULT TDSVideoWindowEx2::InsertOverlayMixer() {
    ReleaseOverlay();
    m_overlayAttempted = true;
    auto graph =
        m_filterGraph ? m_filterGraph->QueryInterface<TGraphInterface::IGraphBuilder>() : nullptr;
    if (!graph) return E_NOINTERFACE;
    for (const TFilter& filter : TFilterList(*graph)) {
        const std::string id = filter.GetClassID();
        if (id == kOverlayMixerFactory) m_overlayMixer = filter;
        if (id == kVideoRendererFactory) m_graphRenderer = filter;
    }
    TConnectionJournal journal;
    HRESULT result = S_OK;
    if (m_overlayMixer) {
        if (!MixerFeedsRenderer(m_overlayMixer, m_graphRenderer)) return E_FAIL;
    } else {
        m_overlayMixer = CreateOverlayMixer();
        if (!m_overlayMixer) return E_FAIL;
        result = graph->AddFilter(m_overlayMixer, "Overlay Mixer");
        if (Failed(result)) {
            m_overlayMixer = TFilter();
            return result;
        }
        if (!m_graphRenderer) return E_FAIL; // the mixer stays, unconnected
        result = SpliceMixer(*graph, journal);
    }
    if (Succeeded(result)) {
        m_exclusiveModeVideo.emplace(m_overlayMixer);
        auto callback = std::make_shared<TOverlayCallback>();
        callback->SetWindow(HandleAllocated() ? Handle() : 0);
        result = m_exclusiveModeVideo->SetCallbackInterface(callback, 0);
        if (Succeeded(result)) {
            m_overlayCallback = std::move(callback);
            return S_OK;
        }
        m_exclusiveModeVideo.reset();
    }
    // Undo in reverse order, then take the mixer out again.
    journal.Undo(*graph);
    HRESULT removed = graph->RemoveFilter(m_overlayMixer);
    if (Failed(removed)) return removed;
    m_overlayMixer = TFilter();
    return result;
}

// Decoder → renderer becomes decoder → mixer → renderer; every change is journalled.
HRESULT TDSVideoWindowEx2::SpliceMixer(TMediaPipeline& graph, TConnectionJournal& journal) {
    std::vector<TPin> rendererPins = m_graphRenderer.EnumPins();
    if (rendererPins.empty()) return VFW_E_NOT_FOUND;
    TPin rendererInput = rendererPins.front();
    TPin upstream;
    HRESULT result = rendererInput.ConnectedTo(upstream);
    if (Failed(result)) return result;
    if (Failed(result = rendererInput.Disconnect()) || Failed(result = upstream.Disconnect()))
        return result;
    journal.Disconnected(upstream, rendererInput);
    TPin mixerInput = FirstFreeInput(m_overlayMixer);
    if (!mixerInput) return E_FAIL;
    if (Failed(result = graph.Connect(upstream, mixerInput))) return result;
    journal.Connected(upstream, mixerInput);
    TPin mixerOutput;
    if (Failed(result = m_overlayMixer.FindPin("Output", mixerOutput))) return result;
    if (Failed(result = graph.Connect(mixerOutput, rendererInput))) return result;
    journal.Connected(mixerOutput, rendererInput);
    return S_OK;
}

} // namespace brisat
