#include "media/filter_graph.h"

#include "framework/controls/application.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"
#include "media/filter_graph_capture.h"
#include "media/filter_graph_dvd.h"
#include "media/graph_edit_registration.h"
#include "media/graph_log_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <future>

namespace brisat {

namespace {

constexpr long kFullVolume = 10000; // Volume at attenuation 0

// Posted by a build's worker when it is done; wParam is the build's generation.
constexpr UINT RenderDoneMessage = WM_APP + 2;

// Runs on the GUI thread while a graph builds on a worker: repaints what needs it and leaves
// input and posted messages queued for later, so nothing re-enters the controller.
void PaintWhileWaiting() {
    if (!Application) return;
    TMsg msg;
    while (PeekMessage(msg, 0, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessage(msg);
}

} // namespace

std::string MediaErrorText(HRESULT code) {
    char text[255];
    AMGetErrorTextA(code, text, sizeof text);
    return text;
}

std::string MediaErrorMessage(HRESULT code) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, " ($%08X).", static_cast<std::uint32_t>(code));
    return MediaErrorText(code) + suffix;
}

HRESULT CheckMediaResult(HRESULT code) {
    if (Succeeded(code)) return code;
    throw EDirectShowException(MediaErrorMessage(code), code);
}

// A build on its worker: what it opens, what runs when it succeeds, and its cancel flag, which
// the worker reads until it is done.
struct TFilterGraph::PendingRender {
    std::string Subject;
    std::function<void()> Built;
    std::atomic<bool> Cancel{false};
    std::future<HRESULT> Result;
};

TFilterGraph::TFilterGraph(TComponent* owner)
    : TComponent(owner), m_notifyPending(std::make_shared<std::atomic<bool>>(false)) {
    m_window = AllocateHWnd([this](TMessage& m) {
        if (m.Msg == GraphNotifyMessage) HandleNotifyMessage();
        if (m.Msg == RenderDoneMessage) HandleRenderDone(std::uint32_t(m.WParam));
    });
}

TFilterGraph::~TFilterGraph() {
    SetActive(false);
    DeallocateHWnd(m_window);
}

// --- activation ----------------------------------------------------------------------------------

void TFilterGraph::SetActive(bool active) {
    if (active == m_active) return;
    if (active)
        Activate();
    else
        Deactivate();
}

// Makes the mode's builder and its graph; raises with nothing held when the mode cannot run here.
void TFilterGraph::CreateBuilders() {
    switch (m_mode) {
    case TGraphMode::gmNormal:
        m_graph = std::make_shared<TMediaPipeline>();
        break;
    case TGraphMode::gmCapture:
        m_captureBuilder = std::make_shared<TCaptureGraphBuilder>();
        m_graph = std::make_shared<TMediaPipeline>();
        m_captureBuilder->SetFiltergraph(m_graph);
        break;
    case TGraphMode::gmDVD:
        m_dvdBuilder = std::make_shared<TDvdGraphBuilder>();
        m_dvdBuilder->GetFiltergraph(m_graph);
        break;
    }
}

void TFilterGraph::Activate() {
    CreateBuilders();
    m_active = true;
    m_events = QueryInterface<TGraphInterface::IMediaEventEx>();
    if (m_events) {
        m_events->SetNotifyFlags(0);
        // Captures no `this`: a streaming thread may still hold a copy after deactivation.
        m_notifyPending->store(false);
        m_events->SetNotifyCallback([pending = m_notifyPending, window = m_window] {
            if (!pending->exchange(true)) PostMessage(window, GraphNotifyMessage);
        });
    }
    SetGraphEdit(m_graphEdit);
    SetLogFile(m_logFile);
    for (std::size_t i = 0; i < m_clients.size(); ++i)
        AddClientFilter(*m_clients[i]);
    if (OnActivate) OnActivate(*this);
    BroadcastControlEvent(TGraphControlEvent::gceActive, 1);
}

void TFilterGraph::Deactivate() {
    CancelRender();
    BroadcastControlEvent(TGraphControlEvent::gceActive, 0);
    for (std::size_t i = 0; i < m_clients.size(); ++i)
        RemoveClientFilter(*m_clients[i]);
    if (m_events) {
        m_events->SetNotifyFlags(AM_MEDIAEVENT_NONOTIFY);
        m_events->SetNotifyCallback({});
        m_events.reset();
    }
    m_registration.reset();
    if (m_graph) m_graph->SetLogFile(-1);
    m_log.reset();
    m_graph.reset();
    m_captureBuilder.reset();
    m_dvdBuilder.reset();
    m_active = false;
}

void TFilterGraph::Loaded() {
    TComponent::Loaded();
    if (m_autoCreate && !ComponentState().Contains(TComponentStateFlag::csDesigning))
        SetActive(true);
}

void TFilterGraph::SetMode(TGraphMode mode) {
    if (mode == m_mode) return;
    bool wasActive = m_active;
    SetActive(false);
    m_mode = mode;
    SetActive(wasActive);
}

void TFilterGraph::SetGraphEdit(bool graphEdit) {
    if (!graphEdit)
        m_registration.reset();
    else if (!m_registration && m_active && m_graph)
        TGraphEditRegistration::Register(*m_graph, m_registration); // a failure stays unregistered
    m_graphEdit = graphEdit;
}

void TFilterGraph::RefreshGraphEdit() {
    if (m_registration) m_registration->Refresh();
}

void TFilterGraph::SetLogFile(const std::string& logFile) {
    if (m_active && m_graph) {
        m_graph->SetLogFile(-1);
        m_log.reset();
        if (!logFile.empty()) {
            std::unique_ptr<TGraphLogFile> log = TGraphLogFile::Create(logFile);
            if (!log) return; // keeps the previous name
            m_graph->SetLogFile(log->Handle());
            m_log = std::move(log);
        }
    }
    m_logFile = logFile;
}

// --- clients and listeners ---------------------------------------------------------------------

void TFilterGraph::AddClientFilter(IGraphFilterClient& client) {
    client.NotifyFilterOperation(TFilterClientOperation::fcoAdding, 0);
    std::string name = client.GetClientName();
    if (TFilter filter = client.GetClientFilter(); filter && m_graph)
        m_graph->AddFilter(filter, name);
    client.NotifyFilterOperation(TFilterClientOperation::fcoAdded, 0);
    RefreshGraphEdit();
}

void TFilterGraph::RemoveClientFilter(IGraphFilterClient& client) {
    client.NotifyFilterOperation(TFilterClientOperation::fcoRemoving, 0);
    if (TFilter filter = client.GetClientFilter(); filter && m_graph) m_graph->RemoveFilter(filter);
    client.NotifyFilterOperation(TFilterClientOperation::fcoRemoved, 0);
    RefreshGraphEdit();
}

void TFilterGraph::AttachFilterClient(IGraphFilterClient& client) {
    m_clients.push_back(&client);
    if (m_active) AddClientFilter(client);
}

void TFilterGraph::DetachFilterClient(IGraphFilterClient& client) {
    auto found = std::find(m_clients.begin(), m_clients.end(), &client);
    if (found == m_clients.end()) return;
    m_clients.erase(found);
    if (m_active) RemoveClientFilter(client);
}

void TFilterGraph::AttachEventListener(IGraphEventListener& listener) {
    m_listeners.push_back(&listener);
}

void TFilterGraph::DetachEventListener(IGraphEventListener& listener) {
    auto found = std::find(m_listeners.begin(), m_listeners.end(), &listener);
    if (found != m_listeners.end()) m_listeners.erase(found);
}

// By index: a listener may detach itself or another one while it is told.
void TFilterGraph::BroadcastGraphEvent(long code, std::intptr_t param1, std::intptr_t param2) {
    for (std::size_t i = 0; i < m_listeners.size(); ++i)
        m_listeners[i]->HandleGraphEvent(code, param1, param2);
}

void TFilterGraph::BroadcastControlEvent(TGraphControlEvent kind, std::int32_t param) {
    for (std::size_t i = 0; i < m_listeners.size(); ++i)
        m_listeners[i]->HandleControlEvent(kind, param);
}

// --- interface lookup ----------------------------------------------------------------------------

std::shared_ptr<void> TFilterGraph::QueryInterface(TGraphInterface iid) const {
    if (!m_active || !m_graph || m_render) return nullptr;
    switch (iid) {
    case TGraphInterface::ICaptureGraphBuilder2:
        return m_captureBuilder;
    case TGraphInterface::IDvdGraphBuilder:
        return m_dvdBuilder;
    case TGraphInterface::IDvdInfo2:
    case TGraphInterface::IDvdControl2:
        return m_dvdBuilder ? m_dvdBuilder->GetDvdInterface() : nullptr;
    case TGraphInterface::IMediaEvent:
    case TGraphInterface::IMediaEventEx:
        return std::shared_ptr<TMediaEventQueue>(m_graph, &m_graph->Events());
    case TGraphInterface::IBasicAudio: {
        long attenuation = 0;
        return m_graph->get_Volume(attenuation) == E_NOINTERFACE ? nullptr : m_graph;
    }
    default:
        return m_graph;
    }
}

// --- media control -------------------------------------------------------------------------------

bool TFilterGraph::Play() {
    auto control = QueryInterface<TGraphInterface::IMediaControl>();
    if (!control) return false;
    BroadcastControlEvent(TGraphControlEvent::gcePlay, 0);
    return Succeeded(CheckMediaResult(control->Run()));
}

bool TFilterGraph::Pause() {
    auto control = QueryInterface<TGraphInterface::IMediaControl>();
    if (!control) return false;
    BroadcastControlEvent(TGraphControlEvent::gcePause, 0);
    return CheckMediaResult(control->Pause()) == S_OK;
}

bool TFilterGraph::Stop() {
    CancelRender();
    auto control = QueryInterface<TGraphInterface::IMediaControl>();
    if (!control) return false;
    BroadcastControlEvent(TGraphControlEvent::gceStop, 0);
    return CheckMediaResult(control->Stop()) == S_OK;
}

// --- building and clearing -----------------------------------------------------------------------

HRESULT TFilterGraph::RenderFile(const std::string& fileOrAddress) {
    CancelRender();
    if (!QueryInterface<TGraphInterface::IGraphBuilder>()) return S_FALSE;
    StartRender(fileOrAddress, {});
    WaitForRender();
    return FinishRender();
}

void TFilterGraph::BeginRenderFile(const std::string& fileOrAddress,
                                   std::function<void()> built) {
    CancelRender();
    if (QueryInterface<TGraphInterface::IGraphBuilder>())
        StartRender(fileOrAddress, std::move(built));
}

void TFilterGraph::StartRender(const std::string& fileOrAddress, std::function<void()> built) {
    BroadcastControlEvent(TGraphControlEvent::gceFileRendering, 0);
    auto render = std::make_unique<PendingRender>();
    render->Subject = fileOrAddress;
    render->Built = std::move(built);
    const std::uint32_t generation = ++m_renderGeneration;
    // The worker keeps the graph alive and posts to the window, which outlives it: deactivation
    // and destruction cancel the build and wait for the worker first.
    render->Result = std::async(std::launch::async, [graph = m_graph, fileOrAddress,
                                                     cancel = &render->Cancel, generation,
                                                     window = m_window] {
        HRESULT result = graph->RenderFile(fileOrAddress, cancel);
        PostMessage(window, RenderDoneMessage, generation);
        return result;
    });
    m_render = std::move(render);
}

// Windows waiting for paint are painted at once, however quickly the graph builds.
void TFilterGraph::WaitForRender() {
    do {
        try {
            PaintWhileWaiting();
        } catch (...) {
            CancelRender();
            throw;
        }
    } while (m_render->Result.wait_for(std::chrono::milliseconds(15)) !=
             std::future_status::ready);
}

void TFilterGraph::CancelRender() {
    if (!m_render) return;
    std::unique_ptr<PendingRender> render = std::move(m_render);
    render->Cancel = true;
    render->Result.wait();
    RefreshGraphEdit();
    PostMessage(m_window, GraphNotifyMessage); // events that waited for the build
}

void TFilterGraph::HandleRenderDone(std::uint32_t generation) {
    if (!m_render || generation != m_renderGeneration) return; // waited for, or cancelled
    std::function<void()> built = m_render->Built;
    FinishRender();
    if (built) built();
}

// Takes the finished build's result: raises for a failure, else tells the listeners.
HRESULT TFilterGraph::FinishRender() {
    std::unique_ptr<PendingRender> render = std::move(m_render);
    HRESULT result = render->Result.get();
    RefreshGraphEdit();
    PostMessage(m_window, GraphNotifyMessage); // events that waited for the build
    if (Failed(result)) {
        std::string cause = m_graph ? m_graph->LastFailureCause() : "";
        std::string message = MediaErrorMessage(result);
        if (!cause.empty()) message += "\n" + render->Subject + ": " + cause + ".";
        throw EDirectShowException(message, result);
    }
    BroadcastControlEvent(TGraphControlEvent::gceFileRendered, 0);
    return result;
}

std::string TFilterGraph::LastErrorDetail() const {
    return m_graph ? m_graph->LastErrorDetail() : "";
}

void TFilterGraph::ClearGraph() {
    CancelRender();
    auto graph = QueryInterface<TGraphInterface::IFilterGraph>();
    if (!graph) return;
    Stop();
    DisconnectAllPins();
    TFilterList filters(*graph);
    for (IGraphFilterClient* client : m_clients)
        filters.Remove(client->GetClientFilter());
    for (const TFilter& filter : filters)
        CheckMediaResult(graph->RemoveFilter(filter));
    RefreshGraphEdit();
}

void TFilterGraph::DisconnectAllPins() {
    auto graph = QueryInterface<TGraphInterface::IFilterGraph>();
    if (!graph) return;
    for (const TFilter& filter : TFilterList(*graph))
        for (TPin pin : TPinList(filter))
            CheckMediaResult(pin.Disconnect());
}

// --- volume --------------------------------------------------------------------------------------

std::int32_t TFilterGraph::Volume() const {
    auto audio = QueryInterface<TGraphInterface::IBasicAudio>();
    long attenuation = -kFullVolume;
    if (!audio || Failed(audio->get_Volume(attenuation))) return 0;
    return std::int32_t(attenuation + kFullVolume);
}

void TFilterGraph::SetVolume(std::int32_t volume) {
    if (auto audio = QueryInterface<TGraphInterface::IBasicAudio>())
        audio->put_Volume(long(volume) - kFullVolume);
}

// --- events --------------------------------------------------------------------------------------

void TFilterGraph::HandleNotifyMessage() {
    m_notifyPending->store(false);
    if (m_render) return; // the build's end posts this message again
    try {
        PumpGraphEvents();
    } catch (...) {
        if (!Application) throw;
        Application->HandleException(*this);
    }
}

// Drains the current graph's queue. A handler may deactivate and reactivate the controller; the
// pump then goes on with the new graph's events, if any.
void TFilterGraph::PumpGraphEvents() {
    long code = 0;
    std::intptr_t param1 = 0, param2 = 0;
    while (m_events && m_events->GetEvent(code, param1, param2, 0) == S_OK) {
        DispatchGraphEvent(code, param1, param2);
        if (m_events) m_events->FreeEventParams(code, param1, param2);
    }
}

void TFilterGraph::DispatchGraphEvent(long code, std::intptr_t param1, std::intptr_t param2) {
    BroadcastGraphEvent(code, param1, param2);
    if (OnDSEvent) OnDSEvent(*this, code, param1, param2);
    DispatchTableEvent(*this, code, param1, param2);
}

} // namespace brisat
