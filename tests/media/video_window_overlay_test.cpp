// The video window on a real graph: its renderer joins the graph, the overlay mixer is spliced in
// front of it (and taken out again when a step fails), frames reach the top-level window's video
// layer, and the colour key is painted where the picture goes.
#include "media/platform/media_setup.h"
#include "media/video_window_journal.h"
#include "video_window_fixture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr uint32_t kKeyPixel = 0x100010; // the mixer's key RGB(16, 0, 16) as 0x00RRGGBB

// The filter whose pad feeds Pin, or an empty filter.
TFilter Upstream(const TPin& pin) {
    TPin peer;
    TPinInfo info;
    if (Failed(pin.ConnectedTo(peer)) || Failed(peer.QueryPinInfo(info))) return TFilter();
    return info.Filter;
}

TPin PinOf(const TFilter& filter, const char* name) {
    TPin pin;
    filter.FindPin(name, pin);
    return pin;
}

// Takes an element factory out of GStreamer's registry for one test, as if its plugin were
// missing, and puts it back afterwards.
class MissingFactory {
public:
    explicit MissingFactory(const char* name)
        : m_feature((EnsureMediaElements(), gst_registry_lookup_feature(gst_registry_get(), name))) {
        if (m_feature) gst_registry_remove_feature(gst_registry_get(), m_feature);
    }
    ~MissingFactory() {
        if (!m_feature) return;
        gst_registry_add_feature(gst_registry_get(), m_feature);
        gst_object_unref(m_feature);
    }

private:
    GstPluginFeature* m_feature;
};

} // namespace

TEST_F(VideoWindowTest, PlaysThroughTheMixerAndShowsTheVideoWhereTheKeyIsPainted) {
    std::vector<bool> overlayVisible;
    Window->OnOverlayVisible = [&](TComponent&, bool visible) {
        overlayVisible.push_back(visible);
    };
    Open("clip.avi");
    ASSERT_TRUE(Window->OverlayActive());
    EXPECT_TRUE(Window->Capabilities().CanOverlayGraphic());
    // decoder → mixer → our renderer
    ASSERT_TRUE(Window->OverlayMixer());
    EXPECT_EQ(Upstream(PinOf(Window->OwnRenderer(), "sink")), Window->OverlayMixer());
    EXPECT_TRUE(Upstream(PinOf(Window->OverlayMixer(), "Input0")));
    EXPECT_EQ(Window->ColorKey(), TColor(kDefaultColorKey));

    PlayToEnd();
    EXPECT_EQ(overlayVisible, std::vector<bool>{true});
    EXPECT_TRUE(Window->OverlayVisible());
    THeadlessVideoLayer& layer = Layer();
    EXPECT_GE(layer.FrameCount(), kMostOfASecond);
    THeadlessVideoLayer::TFrameCopy frame = layer.LastFrame();
    EXPECT_EQ(frame.Format, TVideoPixelFormat::I420);
    EXPECT_EQ(frame.Width, 160);
    EXPECT_EQ(frame.Height, 120);

    // A 4:3 picture letter-boxed in 452 × 261: the key, and the picture, at (52, 0, 400, 261).
    EXPECT_EQ(Window->VideoRect(), Rect(52, 0, 400, 261));
    EXPECT_TRUE(layer.Visible());
    EXPECT_EQ(layer.ColorKey(), kKeyPixel);
    EXPECT_EQ(LayerDestInClient(), Rect(52, 0, 400, 261));
    EXPECT_EQ(WindowPixel(226, 130), kKeyPixel);
    EXPECT_EQ(WindowPixel(399, 260), kKeyPixel);
    EXPECT_EQ(WindowPixel(51, 130), 0u); // the black margin
    EXPECT_EQ(WindowPixel(400, 0), 0u);

    ASSERT_TRUE(Graph->Stop());
    Pump();
    EXPECT_EQ(overlayVisible, (std::vector<bool>{true, false}));
    EXPECT_EQ(WindowPixel(226, 130), 0u);
    EXPECT_FALSE(layer.Visible());
}

// The cued picture shows in its proportions the moment the overlay shows, before any further
// picture carries the format through the mixer spliced in after cueing.
TEST_F(VideoWindowTest, CuedPictureShowsLetterBoxedAtOnce) {
    Open("clip.avi");
    ASSERT_TRUE(Graph->Pause());
    Pump();
    ASSERT_TRUE(Window->OverlayVisible());
    EXPECT_TRUE(Layer().Visible());
    EXPECT_EQ(Window->VideoRect(), Rect(52, 0, 400, 261));
    EXPECT_EQ(LayerDestInClient(), Rect(52, 0, 400, 261));
}

TEST_F(VideoWindowTest, DrawingOnTheControlCoversTheVideo) {
    // The volume bar of the player, drawn after each repaint.
    const TRect bar = Rect(100, 200, 300, 220);
    Window->OnPaint = [&](TComponent&) {
        Window->Canvas().Brush() = {clLime, TBrushStyle::bsSolid};
        Window->Canvas().FillRect(bar);
    };
    Open("clip.avi");
    PlayToEnd();
    EXPECT_EQ(WindowPixel(150, 210), Rgb(clLime));
    EXPECT_EQ(WindowPixel(150, 190), kKeyPixel);
    // Wiping it: the player drops its drawing and refreshes.
    Window->OnPaint = nullptr;
    Window->RefreshVideoWindow();
    EXPECT_EQ(WindowPixel(150, 210), kKeyPixel);
}

TEST_F(VideoWindowTest, PictureFollowsTheControlAndItsVisibility) {
    Open("clip.avi");
    PlayToEnd();
    Window->SetBounds(0, 0, 400, 300); // 4:3 exactly
    Pump();
    EXPECT_EQ(Window->VideoRect(), Rect(0, 0, 400, 300));
    EXPECT_EQ(LayerDestInClient(), Rect(0, 0, 400, 300));
    EXPECT_EQ(Layer().DestRect(), (TScreenRect{0, 0, 400, 300})); // borderless form
    Window->Hide();
    Pump();
    EXPECT_FALSE(Layer().Visible());
    Window->Show();
    Pump();
    EXPECT_TRUE(Layer().Visible());
}

TEST_F(VideoWindowTest, AspectModesAndZoomSetTheKeyAndTheSourceRectangle) {
    // Asked for before a file is open: applied when the new graph's clock is chosen.
    Window->SetDigitalZoom(25);
    Window->SetAspectRatio(TRatioModes::rmCrop);
    Open("clip.avi");
    PlayToEnd();
    TSourceRect zoomed;
    ASSERT_EQ(TBasicVideo(Window->OwnRenderer()).GetSourcePosition(zoomed), S_OK);
    EXPECT_EQ(zoomed, (TSourceRect{20, 15, 120, 90}));

    struct Case {
        TRatioModes Mode;
        int Zoom;
        TRect Key;
        TScreenRect Source;
    } cases[] = {
        // 160 × 120 letter-boxed, stretched, and cropped to the 452 × 261 area.
        {TRatioModes::rmLetterBox, 0, Rect(52, 0, 400, 261), {0, 0, 160, 120}},
        {TRatioModes::rmStretched, 0, Rect(0, 0, 452, 261), {0, 0, 160, 120}},
        {TRatioModes::rmCrop, 0, Rect(0, 0, 452, 261), {0, 14, 160, 106}},
        {TRatioModes::rmLetterBox, 25, Rect(52, 0, 400, 261), {20, 15, 140, 105}},
        {TRatioModes::rmCrop, 50, Rect(0, 0, 452, 261), {40, 37, 120, 83}},
    };
    for (const Case& c : cases) {
        Window->SetAspectRatio(c.Mode);
        Window->SetDigitalZoom(c.Zoom);
        Pump();
        EXPECT_EQ(Window->VideoRect(), c.Key) << int(c.Mode) << " " << c.Zoom;
        EXPECT_EQ(LayerDestInClient(), c.Key) << int(c.Mode) << " " << c.Zoom;
        EXPECT_EQ(Layer().SourceRect(), c.Source) << int(c.Mode) << " " << c.Zoom;
        EXPECT_EQ(WindowPixel(2, 2), c.Key.Left ? 0u : kKeyPixel);
    }
    AM_ASPECT_RATIO_MODE mode = AM_ARMODE_STRETCHED;
    TMixerPinConfig(Window->OverlayMixer()).GetAspectRatioMode(mode);
    EXPECT_EQ(mode, AM_ARMODE_CROP);

    try {
        Window->SetDigitalZoom(100);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Value 100 out of range. Value must bee between 0 -> 99");
    }
    EXPECT_THROW(Window->SetDigitalZoom(-1), Exception);
    EXPECT_EQ(Window->DigitalZoom(), 50);
}

TEST_F(VideoWindowTest, AudioOnlyFilePaintsOnlyTheBackground) {
    Open("audio.mp3");
    PlayToEnd();
    EXPECT_FALSE(Window->OverlayActive());
    EXPECT_FALSE(Window->OverlayMixer()); // taken out again
    EXPECT_EQ(WindowPixel(226, 130), 0u);
    EXPECT_EQ(Layer().FrameCount(), 0);
}

TEST_F(VideoWindowTest, FailedSpliceRestoresTheGraphAndTheVideoStillPlays) {
    TFilter decoder;
    {
        // Without videobalance our mixer has no pins: the splice fails after it disconnected the
        // renderer, and must connect the decoder to it again.
        MissingFactory missing("videobalance");
        Open("clip.avi");
    }
    EXPECT_FALSE(Window->OverlayActive());
    EXPECT_FALSE(Window->OverlayMixer());
    EXPECT_FALSE(Window->Capabilities().CanOverlayGraphic());
    auto graph = Graph->QueryInterface<TGraphInterface::IFilterGraph>();
    for (const TFilter& filter : graph->EnumFilters())
        EXPECT_NE(filter.GetClassID(), kOverlayMixerFactory);
    TFilter upstream = Upstream(PinOf(Window->OwnRenderer(), "sink"));
    ASSERT_TRUE(upstream);
    EXPECT_NE(upstream.GetClassID(), kOverlayMixerFactory);
    PlayToEnd();
    EXPECT_GE(TBasicVideo(Window->OwnRenderer()).FramesRendered(), uint64_t(kMostOfASecond));
    // The renderer shows the picture itself, stretched over the whole control.
    EXPECT_GE(Layer().FrameCount(), kMostOfASecond);
    EXPECT_TRUE(Layer().Visible());
    EXPECT_EQ(LayerDestInClient(), Rect(0, 0, 452, 261));
    EXPECT_EQ(WindowPixel(2, 2), kKeyPixel);
    ASSERT_TRUE(Graph->Stop());
    Pump();
    EXPECT_FALSE(Layer().Visible());
    EXPECT_EQ(WindowPixel(2, 2), 0u);
}

TEST(ConnectionJournal, UndoesConnectionChangesLastFirst) {
    TMediaPipeline graph;
    TFilter source = TFilter::Make("videotestsrc"), middle = TFilter::Make("identity"),
            sink = TFilter::Make("fakesink");
    for (const TFilter& f : {source, middle, sink})
        ASSERT_EQ(graph.AddFilter(f, ""), S_OK);
    TPin out = PinOf(source, "src"), in = PinOf(sink, "sink");
    TPin middleIn = PinOf(middle, "sink"), middleOut = PinOf(middle, "src");
    ASSERT_EQ(graph.Connect(out, in), S_OK);

    // The splice: source → sink becomes source → middle → sink.
    TConnectionJournal journal;
    ASSERT_EQ(in.Disconnect(), S_OK);
    journal.Disconnected(out, in);
    ASSERT_EQ(graph.Connect(out, middleIn), S_OK);
    journal.Connected(out, middleIn);
    ASSERT_EQ(graph.Connect(middleOut, in), S_OK);
    journal.Connected(middleOut, in);

    journal.Undo(graph);
    EXPECT_TRUE(journal.Empty());
    EXPECT_EQ(Upstream(in), source);
    EXPECT_FALSE(Upstream(middleIn));
    TPin peer;
    EXPECT_EQ(middleOut.ConnectedTo(peer), VFW_E_NOT_CONNECTED);
}

TEST_F(VideoWindowTest, PlayingAgainAfterStopKeepsTheMixerInFrontOfTheRenderer) {
    Open("clip.avi");
    PlayToEnd();
    ASSERT_TRUE(Graph->Stop());
    Pump();
    const int32_t before = Layer().FrameCount();
    Completed = false;
    PlayToEnd();
    EXPECT_GE(Layer().FrameCount() - before, kMostOfASecond);
    EXPECT_EQ(Upstream(PinOf(Window->OwnRenderer(), "sink")), Window->OverlayMixer());
    EXPECT_TRUE(Upstream(PinOf(Window->OverlayMixer(), "Input0")));
    auto graph = Graph->QueryInterface<TGraphInterface::IFilterGraph>();
    for (const TFilter& filter : graph->EnumFilters())
        EXPECT_NE(filter.GetClassID(), "autovideosink");
}

TEST_F(VideoWindowTest, ANewKeyFromTheMixerIsPaintedAndGivenToTheLayer) {
    int changes = 0;
    Window->OnColorKeyChanged = [&](TComponent&) { ++changes; };
    Open("clip.avi");
    PlayToEnd();
    changes = 0;
    // The mixer tells its callback, which posts to the control: nothing changes before the
    // message is handled on the GUI thread.
    const COLORREF green = 0x0000C000; // 0x00BBGGRR
    ASSERT_EQ(TMixerPinConfig(Window->OverlayMixer()).SetColorKey(COLORKEY{CK_RGB, 0, 0, green}),
              S_OK);
    EXPECT_EQ(Window->ColorKey(), TColor(kDefaultColorKey));
    Pump();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Window->ColorKey(), TColor(green));
    EXPECT_EQ(Layer().ColorKey(), 0x00C000u);
    Window->RefreshVideoWindow();
    EXPECT_EQ(WindowPixel(226, 130), 0x00C000u);
}

TEST_F(VideoWindowTest, AWindowDestroyedWhilePlayingLeavesTheControllerWorking) {
    int paints = 0;
    Window->OnPaint = [&](TComponent&) { ++paints; };
    Open("clip.avi");
    ASSERT_TRUE(Graph->Play());
    Pump();
    TFilter renderer = Window->OwnRenderer();
    paints = 0;
    Window->Free();
    Window = nullptr;
    EXPECT_EQ(paints, 0);
    auto graph = Graph->QueryInterface<TGraphInterface::IFilterGraph>();
    for (const TFilter& filter : graph->EnumFilters())
        EXPECT_FALSE(filter == renderer);
    Graph->Stop();
    Graph->SetActive(false);
    Graph->SetActive(true); // no client left to call
    Pump();
}
