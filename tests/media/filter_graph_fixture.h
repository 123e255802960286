// A controller on the headless platform with a client that brings our video renderer into every
// graph (as the video window does) and listens to the graph, all writing to one log, so tests can
// check what happened in which order. Graphs render audio to a fake sink.
#pragma once

#include "framework/headless_fixture.h"
#include "media/filter_graph.h"
#include "media/platform/event_codes.h"
#include "media_clips.h"

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace brisat::test {

using Log = std::vector<std::string>;

inline const char* OperationName(TFilterClientOperation operation) {
    constexpr const char* names[] = {"fcoAdding", "fcoAdded", "fcoRemoving", "fcoRemoved"};
    return names[int(operation)];
}

inline const char* ControlName(TGraphControlEvent kind) {
    constexpr const char* names[] = {"gcePlay",          "gcePause",        "gceStop",
                                     "gceFileRendering", "gceFileRendered", "gceActive"};
    return names[int(kind)];
}

class RecordingClient : public IGraphFilterClient, public IGraphEventListener {
public:
    explicit RecordingClient(Log& log, std::string name = "VideoWindow")
        : m_log(log), m_name(std::move(name)) {}

    TFilter GetClientFilter() override { return Renderer; }
    std::string GetClientName() override { return m_name; }
    // A new renderer for every graph, as the video window makes one.
    void NotifyFilterOperation(TFilterClientOperation operation, std::int32_t) override {
        m_log.push_back(OperationName(operation));
        if (operation != TFilterClientOperation::fcoAdding) return;
        Renderer = CreateVideoRenderer();
        g_object_set(Renderer.Element(), "max-lateness", gint64(-1), "qos", FALSE, nullptr);
    }
    void HandleGraphEvent(long code, std::intptr_t, std::intptr_t) override {
        m_log.push_back(m_name + " event " + std::to_string(code));
    }
    void HandleControlEvent(TGraphControlEvent kind, std::int32_t param) override {
        std::string entry = ControlName(kind);
        if (kind == TGraphControlEvent::gceActive) entry += " " + std::to_string(param);
        m_log.push_back(entry);
    }

    TFilter Renderer;

private:
    Log& m_log;
    std::string m_name;
};

class FilterGraphTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        Graph = std::make_unique<TFilterGraph>(nullptr);
    }
    void TearDown() override {
        Graph.reset();
        HeadlessTest::TearDown();
    }

    // Activates with the client attached and audio going to a fake sink.
    void Activate() {
        Graph->SetActive(true);
        Graph->QueryInterface<TGraphInterface::IGraphBuilder>()->SetAudioRendererFactory(
            "fakesink");
    }
    void Attach() {
        Graph->AttachFilterClient(Client);
        Graph->AttachEventListener(Client);
    }
    void Detach() {
        Graph->DetachFilterClient(Client);
        Graph->DetachEventListener(Client);
    }
    // Runs the message loop until `done` or the time-out; returns `done()`.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            Pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return done();
    }
    std::vector<TFilter> Filters() {
        auto graph = Graph->QueryInterface<TGraphInterface::IFilterGraph>();
        return graph ? graph->EnumFilters() : std::vector<TFilter>{};
    }
    bool IsConnected(const TFilter& filter) {
        for (TPin& pin : filter.EnumPins()) {
            TPin peer;
            if (pin.ConnectedTo(peer) == S_OK) return true;
        }
        return false;
    }

    Log Events;
    RecordingClient Client{Events};
    std::unique_ptr<TFilterGraph> Graph;
};

} // namespace brisat::test
