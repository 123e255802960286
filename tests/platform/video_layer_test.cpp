// The video layer and dirty-rectangle presents of a real window on a private X server, read back
// from the screen, on each SDL render driver this machine offers.
#include "platform/native_window.h"
#include "platform/sdl_renderer_choice.h"
#include "xvfb_display.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <tuple>
#include <vector>

using namespace brisat;

namespace {

constexpr int32_t WindowW = 80, WindowH = 60;
constexpr int32_t FrameW = 64, FrameH = 48;
constexpr uint32_t Key = 0xFF00FF, Grey = 0x808080;
constexpr uint32_t Red = 0xC82828, Green = 0x28C828, Blue = 0x2828C8, Yellow = 0xC8C828;

uint8_t Clamp8(double v) {
    return uint8_t(std::clamp(v + 0.5, 0.0, 255.0));
}
int Channel(uint32_t rgb, int shift) {
    return int(rgb >> shift & 0xFF);
}

// BT.601, limited range: what SDL assumes for YUV frames of this size.
void ToYuv(uint32_t rgb, uint8_t& y, uint8_t& u, uint8_t& v) {
    const double r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
    y = Clamp8(16 + (65.481 * r + 128.553 * g + 24.966 * b) / 255);
    u = Clamp8(128 + (-37.797 * r - 74.203 * g + 112.0 * b) / 255);
    v = Clamp8(128 + (112.0 * r - 93.786 * g - 18.214 * b) / 255);
}

// A FrameW × FrameH frame in Format whose quadrants are red, green (top), blue, yellow (bottom),
// or one colour throughout.
class TTestFrame {
public:
    TTestFrame(TVideoPixelFormat format, uint32_t tl = Red, uint32_t tr = Green, uint32_t bl = Blue,
               uint32_t br = Yellow) {
        const uint32_t colours[4] = {tl, tr, bl, br};
        auto at = [&](int32_t x, int32_t y) {
            return colours[(y >= FrameH / 2) * 2 + (x >= FrameW / 2)];
        };
        m_frame.Format = format;
        m_frame.Width = FrameW;
        m_frame.Height = FrameH;
        for (int p = 0; p < PlaneCount(format); ++p) {
            m_planes[p].resize(size_t(PlaneRowBytes(format, FrameW, p)) *
                               PlaneRows(format, FrameH, p));
            m_frame.Planes[p] = m_planes[p].data();
            m_frame.Strides[p] = PlaneRowBytes(format, FrameW, p);
        }
        for (int32_t y = 0; y < FrameH; ++y)
            for (int32_t x = 0; x < FrameW; ++x)
                Put(format, x, y, at(x, y));
    }
    const TVideoFrame& Frame() const { return m_frame; }

private:
    void Put(TVideoPixelFormat format, int32_t x, int32_t y, uint32_t rgb) {
        if (format == TVideoPixelFormat::BGRA) {
            reinterpret_cast<uint32_t*>(m_planes[0].data())[y * FrameW + x] = 0xFF000000 | rgb;
            return;
        }
        uint8_t yy, u, v;
        ToYuv(rgb, yy, u, v);
        m_planes[0][size_t(y * FrameW + x)] = yy;
        const size_t c = size_t(y / 2) * (FrameW / 2) + size_t(x / 2);
        if (format == TVideoPixelFormat::I420) {
            m_planes[1][c] = u;
            m_planes[2][c] = v;
        } else {
            m_planes[1][2 * c] = u;
            m_planes[1][2 * c + 1] = v;
        }
    }

    TVideoFrame m_frame;
    std::vector<uint8_t> m_planes[3];
};

// A back buffer of the window's size, with Fill everywhere and Paint for rectangles.
struct TBackBuffer {
    std::vector<uint32_t> Pixels = std::vector<uint32_t>(WindowW * WindowH, 0xFF000000 | Grey);
    void Paint(const TScreenRect& r, uint32_t rgb) {
        for (int32_t y = r.Top; y < r.Bottom; ++y)
            for (int32_t x = r.Left; x < r.Right; ++x)
                Pixels[y * WindowW + x] = 0xFF000000 | rgb;
    }
};

testing::AssertionResult Near(uint32_t actual, uint32_t expected, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance)
            return testing::AssertionFailure()
                   << std::hex << "0x" << actual << " is not near 0x" << expected;
    return testing::AssertionSuccess();
}

class TWindowTest : public testing::Test {
protected:
    void OpenWindow(const std::string& driver) {
        const std::string failure = test::EnsureTestDisplay();
        if (!failure.empty()) {
            GTEST_SKIP() << "No display: " << failure;
        }
        if (!SDL_WasInit(SDL_INIT_VIDEO)) {
            ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        }
        const std::vector<std::string> drivers = AvailableRenderDrivers();
        if (std::find(drivers.begin(), drivers.end(), driver) == drivers.end()) {
            GTEST_SKIP() << "SDL offers no " << driver << " renderer here";
        }
        m_window = std::make_unique<TNativeWindow>("test", WindowW, WindowH, driver);
        ASSERT_EQ(m_window->RenderDriver(), driver);
    }
    // The window's screen pixel at (X, Y) after the last present.
    uint32_t At(int32_t x, int32_t y) {
        if (m_screen.empty()) m_screen = m_window->ReadScreen();
        return m_screen[size_t(y * WindowW + x)];
    }
    void Present(const TBackBuffer& buffer, std::vector<TScreenRect> dirty) {
        m_window->Present(buffer.Pixels.data(), WindowW, dirty);
        m_screen.clear();
    }
    void PresentWhole(const TBackBuffer& buffer) {
        m_window->Present(buffer.Pixels.data(), WindowW);
        m_screen.clear();
    }
    // The window's layer keyed with Key over the whole window, holding an all-blue picture.
    TSdlVideoLayer& BlueLayerOverWindow() {
        TSdlVideoLayer& layer = m_window->VideoLayer();
        layer.SetColorKey(Key);
        layer.SetDestRect({0, 0, WindowW, WindowH});
        layer.SubmitFrame(TTestFrame(TVideoPixelFormat::I420, Blue, Blue, Blue, Blue).Frame());
        return layer;
    }
    // BlueLayerOverWindow presented under Buffer, painted all key.
    TSdlVideoLayer& PresentedBlueLayer(TBackBuffer& buffer) {
        TSdlVideoLayer& layer = BlueLayerOverWindow();
        buffer.Paint({0, 0, WindowW, WindowH}, Key);
        PresentWhole(buffer);
        return layer;
    }

    std::unique_ptr<TNativeWindow> m_window;
    std::vector<uint32_t> m_screen;
};

const char* const Drivers[] = {"software", "opengl", "opengles2"};

class TVideoLayerTest
    : public TWindowTest,
      public testing::WithParamInterface<std::tuple<const char*, TVideoPixelFormat>> {};

const char* FormatName(TVideoPixelFormat format) {
    return format == TVideoPixelFormat::I420   ? "I420"
           : format == TVideoPixelFormat::NV12 ? "NV12"
                                               : "BGRA";
}

} // namespace

// The video fills the window; the back buffer holds the key only in KeyArea, so the quadrants
// show there and the grey back buffer elsewhere, untouched.
TEST_P(TVideoLayerTest, VideoShowsOnlyWhereTheBackBufferHoldsTheKey) {
    OpenWindow(std::get<0>(GetParam()));
    if (!m_window) return;
    TSdlVideoLayer& layer = m_window->VideoLayer();
    layer.SetColorKey(Key);
    layer.SetDestRect({0, 0, WindowW, WindowH});
    ASSERT_TRUE(layer.SubmitFrame(TTestFrame(std::get<1>(GetParam())).Frame()));
    TBackBuffer buffer;
    buffer.Paint({10, 10, 70, 50}, Key);
    PresentWhole(buffer);
    EXPECT_EQ(layer.LastError(), "");

    EXPECT_TRUE(Near(At(20, 15), Red, 10));
    EXPECT_TRUE(Near(At(60, 15), Green, 10));
    EXPECT_TRUE(Near(At(20, 45), Blue, 10));
    EXPECT_TRUE(Near(At(60, 45), Yellow, 10));
    for (auto [x, y] : {std::pair{9, 30}, {70, 30}, {40, 9}, {40, 50}, {0, 0}, {79, 59}})
        EXPECT_EQ(At(x, y), Grey) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(DriversAndFormats, TVideoLayerTest,
                         testing::Combine(testing::ValuesIn(Drivers),
                                          testing::Values(TVideoPixelFormat::I420,
                                                          TVideoPixelFormat::NV12,
                                                          TVideoPixelFormat::BGRA)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) + "_" +
                                    FormatName(std::get<1>(info.param));
                         });

class TPresentTest : public TWindowTest, public testing::WithParamInterface<const char*> {};

// The source rectangle picks the green quadrant and the destination puts it in the middle:
// only green shows there, and the key outside the destination shows nothing of the video.
TEST_P(TPresentTest, SourceRectangleZoomsIntoTheDestination) {
    OpenWindow(GetParam());
    if (!m_window) return;
    TSdlVideoLayer& layer = m_window->VideoLayer();
    layer.SetColorKey(Key);
    layer.SetDestRect({20, 10, 60, 50});
    layer.SetSourceRect({FrameW / 2, 0, FrameW, FrameH / 2});
    layer.SubmitFrame(TTestFrame(TVideoPixelFormat::I420).Frame());
    TBackBuffer buffer;
    buffer.Paint({0, 0, WindowW, WindowH}, Key);
    PresentWhole(buffer);
    for (auto [x, y] : {std::pair{21, 11}, {40, 30}, {58, 48}})
        EXPECT_TRUE(Near(At(x, y), Green, 10)) << x << "," << y;
    EXPECT_EQ(At(10, 30), 0u);
    EXPECT_EQ(At(40, 55), 0u);

    // A source rectangle wholly outside the frame falls back to the whole frame.
    layer.SetSourceRect({500, 500, 600, 600});
    layer.SubmitFrame(TTestFrame(TVideoPixelFormat::I420).Frame());
    Present(buffer, {});
    EXPECT_TRUE(Near(At(25, 15), Red, 10));
    EXPECT_TRUE(Near(At(55, 45), Yellow, 10));
}

// Moving the destination leaves nothing of the old picture where the key now shows no video,
// and the back buffer painted over part of the key hides the video there.
TEST_P(TPresentTest, NothingOfAnOldPictureStaysOnScreen) {
    OpenWindow(GetParam());
    if (!m_window) return;
    TBackBuffer buffer;
    TSdlVideoLayer& layer = PresentedBlueLayer(buffer);
    ASSERT_TRUE(Near(At(5, 5), Blue, 10));

    layer.SetDestRect({40, 30, 80, 60});
    layer.SubmitFrame(TTestFrame(TVideoPixelFormat::I420, Red, Red, Red, Red).Frame());
    Present(buffer, {});
    for (auto [x, y] : {std::pair{5, 5}, {39, 45}, {60, 29}, {35, 35}})
        EXPECT_EQ(At(x, y), 0u) << x << "," << y;
    EXPECT_TRUE(Near(At(40, 30), Red, 10));
    EXPECT_TRUE(Near(At(79, 59), Red, 10));

    buffer.Paint({50, 40, 60, 50}, Yellow);
    Present(buffer, {{50, 40, 60, 50}});
    EXPECT_EQ(At(55, 45), Yellow);
    EXPECT_TRUE(Near(At(49, 45), Red, 10));
    EXPECT_TRUE(Near(At(60, 45), Red, 10));
}

// A hidden layer leaves the key colour as drawn; showing it again makes the whole back buffer
// transparent at the key, though no rectangle was dirty.
TEST_P(TPresentTest, HidingTheLayerShowsTheKeyColourAsDrawn) {
    OpenWindow(GetParam());
    if (!m_window) return;
    TSdlVideoLayer& layer = BlueLayerOverWindow();
    layer.SetVisible(false);
    TBackBuffer buffer;
    buffer.Paint({10, 10, 70, 50}, Key);
    PresentWhole(buffer);
    EXPECT_EQ(At(40, 30), Key);

    layer.SetVisible(true);
    Present(buffer, {});
    EXPECT_TRUE(Near(At(40, 30), Blue, 10));
    EXPECT_EQ(At(5, 5), Grey);

    // A new key: the old one is plain colour now, the new one shows the video.
    buffer.Paint({10, 10, 40, 50}, 0x010203);
    layer.SetColorKey(0x010203);
    Present(buffer, {});
    EXPECT_TRUE(Near(At(20, 30), Blue, 10));
    EXPECT_EQ(At(60, 30), Key);
}

// A frame submitted on another thread is not on screen until the GUI thread presents, and then
// is, without any back-buffer rectangle being dirty.
TEST_P(TPresentTest, FrameFromAnotherThreadShowsAfterTheNextPresent) {
    OpenWindow(GetParam());
    if (!m_window) return;
    TSdlVideoLayer& layer = m_window->VideoLayer();
    layer.SetColorKey(Key);
    layer.SetDestRect({0, 0, WindowW, WindowH});
    std::thread::id notifiedOn;
    layer.OnFrameSubmitted = [&] { notifiedOn = std::this_thread::get_id(); };
    layer.SubmitFrame(TTestFrame(TVideoPixelFormat::NV12, Red, Red, Red, Red).Frame());
    TBackBuffer buffer;
    buffer.Paint({0, 0, WindowW, WindowH}, Key);
    PresentWhole(buffer);
    ASSERT_TRUE(Near(At(40, 30), Red, 10));

    std::thread decoder([&] {
        layer.SubmitFrame(TTestFrame(TVideoPixelFormat::NV12, Green, Green, Green, Green).Frame());
    });
    const std::thread::id decoderId = decoder.get_id();
    decoder.join();
    EXPECT_EQ(notifiedOn, decoderId);
    m_screen.clear();
    EXPECT_TRUE(Near(At(40, 30), Red, 10));
    Present(buffer, {});
    EXPECT_TRUE(Near(At(40, 30), Green, 10));
}

// Only the dirty rectangles of a changed back buffer reach the screen, clipped to the window;
// with a video layer the key painted in a dirty rectangle opens it onto the video.
TEST_P(TPresentTest, DirtyRectanglesChangeOnlyThoseParts) {
    OpenWindow(GetParam());
    if (!m_window) return;
    TBackBuffer buffer;
    PresentWhole(buffer);
    buffer.Paint({0, 0, WindowW, WindowH}, 0xFFFFFF);
    Present(buffer, {{10, 10, 30, 20}, {50, 40, 500, 500}, {-5, -5, 0, 100}});
    EXPECT_EQ(At(10, 10), 0xFFFFFFu);
    EXPECT_EQ(At(29, 19), 0xFFFFFFu);
    EXPECT_EQ(At(79, 59), 0xFFFFFFu);
    EXPECT_EQ(At(50, 40), 0xFFFFFFu);
    for (auto [x, y] : {std::pair{9, 10}, {30, 15}, {20, 20}, {49, 50}, {60, 39}, {0, 0}})
        EXPECT_EQ(At(x, y), Grey) << x << "," << y;

    BlueLayerOverWindow();
    buffer = TBackBuffer();
    PresentWhole(buffer);
    buffer.Paint({0, 0, WindowW, WindowH}, Key);
    Present(buffer, {{30, 20, 50, 40}});
    EXPECT_TRUE(Near(At(40, 30), Blue, 10));
    EXPECT_EQ(At(29, 30), Grey);
    EXPECT_EQ(At(50, 30), Grey);
}

INSTANTIATE_TEST_SUITE_P(Drivers, TPresentTest, testing::ValuesIn(Drivers));

// Released frames leave nothing behind: no texture to draw, a kept decoder picture goes back at
// once; the next frame shows again.
TEST_P(TPresentTest, ReleasedFramesFreeThePictureUntilTheNextFrame) {
    OpenWindow(GetParam());
    if (!m_window) return;
    TBackBuffer buffer;
    TSdlVideoLayer& layer = PresentedBlueLayer(buffer);
    auto decoderPicture = std::make_shared<int>(0);
    TVideoFrame kept = TTestFrame(TVideoPixelFormat::I420, Red, Red, Red, Red).Frame();
    kept.Keeper = decoderPicture;
    layer.SubmitFrame(kept);
    kept.Keeper.reset();

    layer.ReleaseFrames();
    EXPECT_EQ(decoderPicture.use_count(), 1);
    EXPECT_EQ(layer.FrameWidth(), 0);
    EXPECT_FALSE(layer.Draw());
    layer.SubmitFrame(TTestFrame(TVideoPixelFormat::I420, Green, Green, Green, Green).Frame());
    Present(buffer, {});
    EXPECT_TRUE(Near(At(40, 30), Green, 10));
}

// Under a key the window keeps of its back buffer only the tiles that are not all key: none for
// a window that is all video, then the bounds of what is painted over it, shown in its place.
TEST_P(TPresentTest, AnAllKeyWindowKeepsNoBackBufferUntilSomethingIsPaintedOverTheVideo) {
    OpenWindow(GetParam());
    if (!m_window) return;
    TBackBuffer buffer;
    PresentedBlueLayer(buffer);
    EXPECT_EQ(m_window->BackBufferArea(), TScreenRect{});
    EXPECT_TRUE(Near(At(40, 30), Blue, 10));

    buffer.Paint({40, 35, 50, 40}, 0xFFFFFF);
    Present(buffer, {{40, 35, 50, 40}});
    EXPECT_EQ(m_window->BackBufferArea(), (TScreenRect{32, 32, 64, 60}));
    EXPECT_EQ(At(40, 35), 0xFFFFFFu);
    EXPECT_EQ(At(49, 39), 0xFFFFFFu);
    for (auto [x, y] : {std::pair{39, 37}, {50, 37}, {45, 34}, {45, 40}, {10, 10}})
        EXPECT_TRUE(Near(At(x, y), Blue, 10)) << x << "," << y;

    // A second patch outside grows the area; the first stays where it was.
    buffer.Paint({5, 5, 10, 10}, Grey);
    Present(buffer, {{5, 5, 10, 10}});
    EXPECT_EQ(m_window->BackBufferArea(), (TScreenRect{0, 0, 64, 60}));
    EXPECT_EQ(At(5, 5), Grey);
    EXPECT_EQ(At(45, 37), 0xFFFFFFu);
    EXPECT_TRUE(Near(At(20, 20), Blue, 10));

    // Painted over again with the key, the patch lets the video through.
    buffer.Paint({40, 35, 50, 40}, Key);
    Present(buffer, {{40, 35, 50, 40}});
    EXPECT_TRUE(Near(At(45, 37), Blue, 10));
    EXPECT_EQ(At(5, 5), Grey);
}

// Shown at half its size or less, a frame is halved before the software renderer converts it:
// its colours and its zoomed part stay right. Grown past that, the layer asks for the frame
// again and then holds it whole.
TEST_P(TPresentTest, APictureShownAtHalfSizeIsHalvedAndGrowingAsksForItWhole) {
    OpenWindow(GetParam());
    if (!m_window) return;
    const bool halves = std::string(GetParam()) == "software";
    TSdlVideoLayer& layer = m_window->VideoLayer();
    layer.SetColorKey(Key);
    layer.SetDestRect({0, 0, FrameW / 2, FrameH / 2});
    ASSERT_TRUE(layer.SubmitFrame(TTestFrame(TVideoPixelFormat::NV12).Frame()));
    TBackBuffer buffer;
    buffer.Paint({0, 0, WindowW, WindowH}, Key);
    PresentWhole(buffer);
    EXPECT_EQ(layer.TextureWidth(), halves ? FrameW / 2 : FrameW);
    EXPECT_EQ(layer.FrameWidth(), FrameW);
    EXPECT_TRUE(Near(At(6, 5), Red, 10));
    EXPECT_TRUE(Near(At(26, 5), Green, 10));
    EXPECT_TRUE(Near(At(6, 19), Blue, 10));
    EXPECT_TRUE(Near(At(26, 19), Yellow, 10));
    EXPECT_FALSE(layer.WantsFullerFrame());

    // The yellow quarter zoomed into a quarter of its size.
    layer.SetSourceRect({FrameW / 2, FrameH / 2, FrameW, FrameH});
    layer.SetDestRect({0, 0, FrameW / 4, FrameH / 4});
    layer.SubmitFrame(TTestFrame(TVideoPixelFormat::I420).Frame());
    Present(buffer, {});
    EXPECT_EQ(layer.TextureWidth(), halves ? FrameW / 2 : FrameW);
    for (auto [x, y] : {std::pair{0, 0}, {8, 6}, {15, 11}})
        EXPECT_TRUE(Near(At(x, y), Yellow, 10)) << x << "," << y;

    layer.SetSourceRect({});
    layer.SetDestRect({0, 0, WindowW, WindowH});
    EXPECT_EQ(layer.WantsFullerFrame(), halves);
    layer.SubmitFrame(TTestFrame(TVideoPixelFormat::I420).Frame());
    Present(buffer, {});
    EXPECT_EQ(layer.TextureWidth(), FrameW);
    EXPECT_FALSE(layer.WantsFullerFrame());
    EXPECT_TRUE(Near(At(70, 50), Yellow, 10));
}
