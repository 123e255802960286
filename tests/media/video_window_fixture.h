// A video window on a form of the headless platform, attached to a live controller that plays the
// test clips through the real pipeline (audio to a fake sink).
#pragma once

#include "framework/controls/form.h"
#include "framework/headless_fixture.h"
#include "media/platform/event_codes.h"
#include "media/video_window.h"
#include "media_clips.h"

#include <chrono>
#include <thread>

namespace brisat::test {

class VideoWindowTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(100, 100, 500, 300);
        Graph = &CreateOwned<TFilterGraph>(*Form);
        Window = &CreateOwned<TDSVideoWindowEx2>(*Form);
        Window->SetParent(Form.get());
        Window->SetBounds(24, 20, 452, 261);
        Window->SetFilterGraph(Graph);
        Graph->OnGraphComplete = [this](TComponent&, HRESULT, TFilter) { Completed = true; };
        Form->Show();
        Pump();
    }

    void TearDown() override {
        Form.reset();
        HeadlessTest::TearDown();
    }

    // A fresh graph (audio to a fake sink) built for Clip, as the player opens a file.
    void Open(const std::string& clip) {
        Graph->SetActive(false);
        Graph->SetActive(true);
        auto graph = Graph->QueryInterface<TGraphInterface::IFilterGraph>();
        graph->SetAudioRendererFactory("fakesink");
        // Late frames are shown, not dropped, so a loaded machine still counts them all.
        g_object_set(Window->OwnRenderer().Element(), "max-lateness", gint64(-1), "qos", FALSE,
                     nullptr);
        Completed = false;
        ASSERT_GE(Graph->RenderFile(Clip(clip)), 0);
    }

    // Runs the message loop until the clip completed (or ten seconds passed).
    void PlayToEnd() {
        ASSERT_TRUE(Graph->Play());
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!Completed && std::chrono::steady_clock::now() < deadline) {
            Pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        Pump();
        ASSERT_TRUE(Completed);
    }

    THeadlessVideoLayer& Layer() { return *Native(Form->Handle()).VideoLayerIfAny(); }
    // A presented pixel at a client point of the video window.
    uint32_t WindowPixel(int32_t x, int32_t y) {
        TPoint screen = Window->ClientToScreen(TPoint{x, y});
        TRect top = GetWindowRect(Form->Handle());
        return PixelAt(Form->Handle(), screen.X - top.Left, screen.Y - top.Top);
    }
    // The layer's picture rectangle in the video window's client coordinates.
    TRect LayerDestInClient() {
        TScreenRect d = Layer().DestRect();
        TPoint origin = Window->ClientToScreen(TPoint{0, 0});
        TRect top = GetWindowRect(Form->Handle());
        return OffsetRect(Rect(d.Left, d.Top, d.Right, d.Bottom), top.Left - origin.X,
                          top.Top - origin.Y);
    }

    std::unique_ptr<TForm> Form;
    TFilterGraph* Graph = nullptr;
    TDSVideoWindowEx2* Window = nullptr;
    bool Completed = false;
};

} // namespace brisat::test
