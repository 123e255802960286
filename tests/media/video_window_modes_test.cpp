// The video window's display modes and cursor handling on the headless platform.
#include "framework/controls/screen.h"
#include "video_window_fixture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class VideoWindowModesTest : public VideoWindowTest {};

} // namespace

TEST_F(VideoWindowModesTest, FullScreenMovesTheVideoToTheMonitorAndBack) {
    Window->SetAlign(TAlign::alClient);
    Open("clip.avi");
    PlayToEnd();
    const TRect before = Window->BoundsRect();
    std::vector<bool> overlayVisible;
    Window->OnOverlayVisible = [&](TComponent&, bool visible) {
        overlayVisible.push_back(visible);
    };

    Window->StartFullScreen();
    Window->StartFullScreen(); // once is enough
    Pump();
    ASSERT_TRUE(Window->FullScreen());
    TCustomForm* full = Window->ParentForm();
    ASSERT_NE(full, Form.get());
    EXPECT_TRUE(full->Visible());
    EXPECT_EQ(full->BoundsRect(), Screen().Monitors(0).BoundsRect());
    EXPECT_EQ(Window->BoundsRect(), full->ClientRect()); // client alignment fills the monitor
    // The picture now goes to the full-screen window's layer, letter-boxed on 1024 × 768.
    THeadlessVideoLayer* layer = Native(full->Handle()).VideoLayerIfAny();
    ASSERT_NE(layer, nullptr);
    // The clip has ended, yet its last picture shows at once.
    EXPECT_EQ(layer->FrameCount(), 1);
    EXPECT_TRUE(layer->Visible());
    EXPECT_EQ(layer->DestRect(), (TScreenRect{0, 0, 1024, 768}));
    EXPECT_FALSE(Layer().Visible());
    EXPECT_EQ(Layer().LastFrame().Width, 0) << "the main window still holds a picture";
    const int32_t framesBefore = Layer().FrameCount();

    Window->NormalPlayback();
    Pump();
    EXPECT_FALSE(Window->FullScreen());
    EXPECT_EQ(Window->Parent(), Form.get());
    EXPECT_EQ(Window->BoundsRect(), before);
    EXPECT_FALSE(full->Visible());
    EXPECT_TRUE(Window->OverlayVisible());
    EXPECT_EQ(overlayVisible, std::vector<bool>{true});
    EXPECT_TRUE(Layer().Visible());
    EXPECT_EQ(Layer().FrameCount(), framesBefore + 1);
    EXPECT_EQ(Layer().LastFrame().Width, 160);
    EXPECT_EQ(LayerDestInClient(), Window->VideoRect());

    bool canClose = true;
    full->OnCloseQuery(*full, canClose);
    EXPECT_FALSE(canClose); // the full-screen window does not close on its own
}

TEST_F(VideoWindowModesTest, CursorHidesAfterIdleTimeAndShowsOnMovement) {
    Window->SetAutoHideCursor(1000);
    Window->SetCursor(crHandPoint);
    std::vector<bool> shown;
    Window->OnCursorShowHide = [&](TComponent&, bool visible) { shown.push_back(visible); };
    Open("clip.avi");
    const TRect frame = GetWindowRect(Form->Handle());
    auto moveTo = [&](int32_t x, int32_t y) {
        const TPoint p = Window->ClientToScreen(TPoint{x, y});
        Host->MouseMove(Form->Handle(), p.X - frame.Left, p.Y - frame.Top);
        Pump();
    };
    moveTo(100, 100);
    bool done = false;
    Host->Advance(999);
    Window->AutoHideCursorIdle(done);
    EXPECT_TRUE(done);
    EXPECT_EQ(Window->Cursor(), crHandPoint);
    Host->Advance(1);
    Window->AutoHideCursorIdle(done);
    EXPECT_EQ(Window->Cursor(), crNone);
    EXPECT_EQ(shown, std::vector<bool>{false});

    moveTo(100, 100); // no movement, no activity
    EXPECT_EQ(Window->Cursor(), crNone);
    moveTo(101, 100);
    EXPECT_EQ(Window->Cursor(), crHandPoint);
    EXPECT_EQ(shown, (std::vector<bool>{false, true}));
}

TEST_F(VideoWindowModesTest, DesktopPlaybackShowsTheVideoUnderEveryWindowAndPutsTheDesktopBack) {
    Host->SetDesktop("/home/user/beach.png", 0x3A6EA5);
    Window->SetAlign(TAlign::alClient);
    Open("clip.avi");
    ASSERT_TRUE(Graph->Play());
    Pump();
    std::vector<bool> overlayVisible;
    Window->OnOverlayVisible = [&](TComponent&, bool visible) {
        overlayVisible.push_back(visible);
    };

    Window->StartDesktopPlayback();
    Window->StartDesktopPlayback(); // once is enough
    Pump();
    ASSERT_TRUE(Window->DesktopPlayback());
    EXPECT_FALSE(Window->OverlayVisible());
    EXPECT_EQ(overlayVisible, std::vector<bool>{false});
    EXPECT_EQ(Host->Wallpaper(), "");
    EXPECT_EQ(Host->DesktopColor(), Layer().ColorKey());
    TCustomForm* desktop = Window->ParentForm();
    ASSERT_NE(desktop, Form.get());
    THeadlessWindow& native = Native(desktop->Handle());
    EXPECT_TRUE(native.OnDesktop());
    EXPECT_TRUE(native.Visible());
    EXPECT_EQ(native.Bounds(), (TScreenRect{0, 0, 1024, 768}));
    // The picture fills the monitor, letter-boxed, under the player's own window.
    THeadlessVideoLayer* layer = native.VideoLayerIfAny();
    ASSERT_NE(layer, nullptr);
    EXPECT_TRUE(layer->Visible());
    EXPECT_EQ(layer->DestRect().Right - layer->DestRect().Left, 1024);
    const std::vector<uint32_t> screen = Host->CaptureScreen({0, 0, 1024, 768});
    EXPECT_EQ(screen[size_t(150) * 1024 + 150], PixelAt(Form->Handle(), 50, 50));

    // Full screen from the desktop puts the desktop back first.
    Window->StartFullScreen();
    Pump();
    EXPECT_FALSE(Window->DesktopPlayback());
    EXPECT_TRUE(Window->FullScreen());
    EXPECT_EQ(Host->Wallpaper(), "/home/user/beach.png");
    EXPECT_EQ(Host->DesktopColor(), 0x3A6EA5u);
    EXPECT_FALSE(native.OnDesktop());

    Window->StartDesktopPlayback(0);
    Pump();
    EXPECT_FALSE(Window->FullScreen());
    EXPECT_TRUE(native.OnDesktop());
    Window->NormalPlayback();
    Pump();
    EXPECT_EQ(Window->Parent(), Form.get());
    EXPECT_FALSE(native.OnDesktop());
    EXPECT_FALSE(native.Visible());
    EXPECT_TRUE(Window->OverlayVisible());
    EXPECT_EQ(Host->Wallpaper(), "/home/user/beach.png");
    EXPECT_EQ(Host->DesktopColor(), 0x3A6EA5u);
}

TEST_F(VideoWindowModesTest, DestroyingTheWindowOnTheDesktopPutsTheDesktopBack) {
    Host->SetDesktop("/home/user/beach.png", 0x102030);
    Window->StartDesktopPlayback();
    ASSERT_EQ(Host->Wallpaper(), "");
    Form.reset();
    EXPECT_EQ(Host->Wallpaper(), "/home/user/beach.png");
    EXPECT_EQ(Host->DesktopColor(), 0x102030u);
}
