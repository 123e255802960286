// The desktop platform on a private X server: windows, their pixels read back from the screen,
// shapes and stacking, focus, input injected through the XTEST extension, pointer capture, the
// event wait, monitors, clipboard and video frames shown while the loop waits.
#include "platform/native_window.h"
#include "platform/png_file.h"
#include "platform/sdl_platform.h"
#include "platform/video_layer.h"
#include "xvfb_display.h"

// Google Test before Xlib, whose macros (None, Bool) clash with its names.
// clang-format off
#include <gtest/gtest.h>
// clang-format on

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>
#include <unistd.h>

using namespace brisat;

namespace {

constexpr uint32_t Red = 0xD02020, Blue = 0x2020D0, Green = 0x20C020, KeyColour = 0xFF00FF;

// A back buffer of one colour, or of two halves.
struct TPicture {
    int32_t Width, Height;
    std::vector<uint32_t> Pixels;
    TPicture(int32_t w, int32_t h, uint32_t left, uint32_t right)
        : Width(w), Height(h), Pixels(size_t(w) * size_t(h)) {
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                Pixels[size_t(y * w + x)] = 0xFF000000 | (x < w / 2 ? left : right);
    }
};

class TSdlPlatformTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string failure = test::EnsureTestDisplay();
        if (!failure.empty()) GTEST_SKIP() << "No display: " << failure;
        m_x = XOpenDisplay(nullptr);
        ASSERT_NE(m_x, nullptr);
        m_platform = CreateDesktopPlatform();
        // Park the pointer where no test puts a window.
        MovePointer(1270, 1010);
    }
    void TearDown() override {
        m_windows.clear();
        m_platform.reset();
        if (m_x) XCloseDisplay(m_x);
    }

    IPlatformWindow& MakeWindow(uint32_t id, TScreenRect bounds, uint32_t left, uint32_t right,
                                TPlatformWindowParams params = {}) {
        params.Bounds = bounds;
        params.Title = "window " + std::to_string(id);
        m_windows.push_back(m_platform->CreateWindow(id, params));
        Paint(*m_windows.back(), bounds.Right - bounds.Left, bounds.Bottom - bounds.Top, left,
              right);
        return *m_windows.back();
    }
    static void Paint(IPlatformWindow& window, int32_t w, int32_t h, uint32_t left,
                      uint32_t right) {
        const TPicture picture(w, h, left, right);
        window.Present(picture.Pixels.data(), w, h, w, {{0, 0, w, h}});
    }

    // Runs the event wait until Done says so or Limit passed; returns the events seen.
    std::vector<TPlatformEvent> Pump(const std::function<bool(const TPlatformEvent&)>& done,
                                     std::chrono::milliseconds limit = std::chrono::seconds(2)) {
        std::vector<TPlatformEvent> seen;
        const auto end = std::chrono::steady_clock::now() + limit;
        TPlatformEvent e;
        while (std::chrono::steady_clock::now() < end)
            if (m_platform->WaitEvent(e, 20)) {
                seen.push_back(e);
                if (done(e)) break;
            }
        return seen;
    }
    // Lets the windows settle: events of showing, focus, exposure.
    void Settle() {
        XSync(m_x, False);
        TPlatformEvent e;
        for (int i = 0; i < 10; ++i)
            m_platform->WaitEvent(e, 10);
    }
    // Polls the screen until pixel X, Y holds Rgb or two seconds passed.
    uint32_t ScreenPixelBecomes(int32_t x, int32_t y, uint32_t rgb) {
        uint32_t seen = 0;
        TPlatformEvent e;
        for (int i = 0; i < 100 && seen != rgb; ++i) {
            seen = m_platform->CaptureScreen({x, y, x + 1, y + 1})[0];
            if (seen != rgb) m_platform->WaitEvent(e, 20);
        }
        return seen;
    }
    uint32_t ScreenPixel(int32_t x, int32_t y) {
        return m_platform->CaptureScreen({x, y, x + 1, y + 1})[0];
    }

    void MovePointer(int x, int y) {
        XTestFakeMotionEvent(m_x, -1, x, y, CurrentTime);
        XSync(m_x, False);
    }
    void Button(unsigned button, bool down) {
        XTestFakeButtonEvent(m_x, button, down, CurrentTime);
        XSync(m_x, False);
    }
    void PressKey(KeySym sym, bool down) {
        XTestFakeKeyEvent(m_x, XKeysymToKeycode(m_x, sym), down, CurrentTime);
        XSync(m_x, False);
    }
    // The X window of ours with Title, 0 when none.
    Window XWindowTitled(const std::string& title) {
        Window root = 0, parent = 0, *children = nullptr, found = 0;
        unsigned count = 0;
        XQueryTree(m_x, DefaultRootWindow(m_x), &root, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) {
            char* name = nullptr;
            if (XFetchName(m_x, children[i], &name) && name && title == name) found = children[i];
            if (name) XFree(name);
        }
        if (children) XFree(children);
        return found;
    }
    // A property of 32-bit items (atoms, cardinals); Xlib hands them over in longs.
    std::vector<uint32_t> Property(Window w, const char* name) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(m_x, w, XInternAtom(m_x, name, False), 0, 4096, False, AnyPropertyType,
                           &type, &format, &count, &after, &data);
        std::vector<uint32_t> items;
        if (data && format == 32)
            items.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
        if (data) XFree(data);
        return items;
    }
    bool HasAtom(Window w, const char* property, const char* atom) {
        const std::vector<uint32_t> items = Property(w, property);
        return std::find(items.begin(), items.end(), uint32_t(XInternAtom(m_x, atom, False))) !=
               items.end();
    }
    Window Focus() {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(m_x, &focus, &revert);
        return focus;
    }

    Display* m_x = nullptr;
    std::unique_ptr<IPlatform> m_platform;
    std::vector<std::unique_ptr<IPlatformWindow>> m_windows;
};

bool Is(const TPlatformEvent& e, TPlatformEventKind kind) {
    return e.Kind == kind;
}

TEST_F(TSdlPlatformTest, WindowsShowWhatWasPresentedAtTheirBounds) {
    const std::vector<uint32_t> before = m_platform->CaptureScreen({90, 40, 300, 200});
    IPlatformWindow& w = MakeWindow(1, {100, 50, 260, 170}, Red, Blue);
    Settle();
    EXPECT_EQ(ScreenPixel(120, 60), before[size_t(20 * 210 + 30)]) << "shown before Show";
    w.Show(TActivation::Activate);
    EXPECT_EQ(ScreenPixelBecomes(100, 50, Red), Red);
    EXPECT_EQ(ScreenPixel(179, 169), Red);
    EXPECT_EQ(ScreenPixel(180, 50), Blue);
    EXPECT_EQ(ScreenPixel(259, 169), Blue);
    EXPECT_EQ(ScreenPixel(99, 50), before[size_t(10 * 210 + 9)]);
    EXPECT_EQ(ScreenPixel(260, 100), before[size_t(60 * 210 + 170)]);

    // Moved and made larger: the next back buffer has the new size.
    w.SetBounds({300, 200, 500, 300});
    Paint(w, 200, 100, Green, Green);
    EXPECT_EQ(ScreenPixelBecomes(499, 299, Green), Green);
    EXPECT_EQ(ScreenPixel(300, 200), Green);
    EXPECT_NE(ScreenPixel(100, 50), Red);

    const TCapturedPixels shot = w.Capture();
    ASSERT_EQ(shot.Width, 200);
    ASSERT_EQ(shot.Height, 100);
    EXPECT_EQ(shot.At(0, 0), Green);
    EXPECT_EQ(shot.At(199, 99), Green);

    w.Hide();
    Settle();
    EXPECT_NE(ScreenPixel(400, 250), Green);
    EXPECT_THROW(w.Capture(), std::runtime_error);
}

TEST_F(TSdlPlatformTest, EmptyAndOversizedWindowsAreClampedToWhatXAllows) {
    IPlatformWindow& w = MakeWindow(1, {50, 50, 50, 50}, Red, Red);
    w.Show(TActivation::NoActivate);
    w.Present(nullptr, 0, 0, 0, {{0, 0, 10, 10}});
    // Past X's limit of 32767 pixels a side, Xlib would end the program.
    w.SetBounds({0, 0, 40000, 20});
    Paint(w, 40000, 20, Red, Blue);
    EXPECT_EQ(ScreenPixelBecomes(5, 5, Red), Red);
    EXPECT_EQ(w.Capture().Width, TNativeWindow::MaxSide);
}

TEST_F(TSdlPlatformTest, DirtyPresentsChangeOnlyTheirRectangles) {
    IPlatformWindow& w = MakeWindow(1, {100, 100, 200, 200}, Red, Red);
    w.Show(TActivation::NoActivate);
    ASSERT_EQ(ScreenPixelBecomes(150, 150, Red), Red);
    const TPicture blue(100, 100, Blue, Blue);
    w.Present(blue.Pixels.data(), 100, 100, 100, {{10, 10, 20, 20}});
    EXPECT_EQ(ScreenPixelBecomes(110, 110, Blue), Blue);
    EXPECT_EQ(ScreenPixel(119, 119), Blue);
    EXPECT_EQ(ScreenPixel(120, 120), Red);
    EXPECT_EQ(ScreenPixel(109, 109), Red);
}

TEST_F(TSdlPlatformTest, ShapeCutsTheWindowAndAnEmptyListRestoresIt) {
    const std::vector<uint32_t> before = m_platform->CaptureScreen({100, 100, 200, 200});
    IPlatformWindow& w = MakeWindow(1, {100, 100, 200, 200}, Red, Red);
    w.SetShape({{0, 0, 50, 100}, {50, 0, 100, 10}});
    w.Show(TActivation::NoActivate);
    ASSERT_EQ(ScreenPixelBecomes(120, 150, Red), Red);
    EXPECT_EQ(ScreenPixel(160, 105), Red);
    EXPECT_EQ(ScreenPixel(160, 150), before[size_t(50 * 100 + 60)]);
    EXPECT_EQ(ScreenPixel(199, 199), before[size_t(99 * 100 + 99)]);

    // Only empty rectangles: nothing of the window is left.
    w.SetShape({{0, 0, 0, 0}});
    Settle();
    EXPECT_EQ(ScreenPixel(120, 150), before[size_t(50 * 100 + 20)]);

    w.SetShape({});
    EXPECT_EQ(ScreenPixelBecomes(160, 150, Red), Red);
}

TEST_F(TSdlPlatformTest, TopMostWindowsStayAboveAndMenusAboveThem) {
    TPlatformWindowParams topMost;
    topMost.TopMost = true;
    IPlatformWindow& top = MakeWindow(1, {100, 100, 200, 200}, Red, Red, topMost);
    top.Show(TActivation::NoActivate);
    Settle();
    IPlatformWindow& normal = MakeWindow(2, {150, 150, 250, 250}, Blue, Blue);
    normal.Show(TActivation::Activate);
    // Shown under the top-most window, which is never uncovered to be drawn again.
    for (const TPlatformEvent& e :
         Pump([](const TPlatformEvent&) { return false; }, std::chrono::milliseconds(300)))
        EXPECT_FALSE(Is(e, TPlatformEventKind::Exposed) && e.Window == 1);
    EXPECT_EQ(ScreenPixel(240, 240), Blue);
    EXPECT_EQ(ScreenPixel(175, 175), Red);

    TPlatformWindowParams menu;
    menu.Popup = true;
    menu.Kind = TPlatformWindowKind::PopupMenu;
    IPlatformWindow& popup = MakeWindow(3, {170, 170, 190, 190}, Green, Green, menu);
    popup.Show(TActivation::NoActivate);
    EXPECT_EQ(ScreenPixelBecomes(180, 180, Green), Green);

    // No longer top-most: the next window shown may cover it.
    top.SetTopMost(false);
    IPlatformWindow& later = MakeWindow(4, {90, 90, 130, 130}, Blue, Blue);
    later.Show(TActivation::NoActivate);
    EXPECT_EQ(ScreenPixelBecomes(110, 110, Blue), Blue);
}

TEST_F(TSdlPlatformTest, ADesktopLayerWindowStaysUnderEveryOtherUntilItLeavesTheLayer) {
    TPlatformWindowParams topMost;
    topMost.TopMost = true;
    IPlatformWindow& desktop = MakeWindow(1, {100, 100, 200, 200}, Red, Red, topMost);
    desktop.SetDesktopLayer(true);
    desktop.Show(TActivation::Activate);
    IPlatformWindow& normal = MakeWindow(2, {150, 150, 250, 250}, Blue, Blue);
    normal.Show(TActivation::Activate);
    EXPECT_EQ(ScreenPixelBecomes(175, 175, Blue), Blue);
    EXPECT_EQ(ScreenPixelBecomes(120, 120, Red), Red);
    // Shown again or restacked, it stays under.
    desktop.Show(TActivation::Activate);
    normal.SetTopMost(true);
    Settle();
    EXPECT_EQ(ScreenPixel(175, 175), Blue);

    normal.SetTopMost(false);
    desktop.SetDesktopLayer(false);
    EXPECT_EQ(ScreenPixelBecomes(160, 160, Red), Red); // a top-most window again
}

TEST_F(TSdlPlatformTest, PopupsAndToolTipsShowWithoutTakingTheFocus) {
    IPlatformWindow& main = MakeWindow(1, {100, 100, 300, 300}, Red, Red);
    main.Show(TActivation::Activate);
    const auto activated =
        Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::Activated); });
    ASSERT_FALSE(activated.empty());
    EXPECT_EQ(activated.back().Window, 1u);
    const Window mainFocus = Focus();

    for (const TPlatformWindowKind kind :
         {TPlatformWindowKind::Normal, TPlatformWindowKind::Tooltip,
          TPlatformWindowKind::DropDown}) {
        TPlatformWindowParams params;
        params.Popup = true;
        params.Kind = kind;
        const uint32_t id = 10 + uint32_t(kind);
        IPlatformWindow& popup = MakeWindow(id, {150, 150, 200, 200}, Green, Green, params);
        popup.Show(TActivation::Activate);
        EXPECT_EQ(ScreenPixelBecomes(160, 160, Green), Green);
        Settle();
        EXPECT_EQ(Focus(), mainFocus) << int(kind);
        popup.Hide();
    }
    const auto later = Pump([](const TPlatformEvent&) { return false; });
    for (const TPlatformEvent& e : later)
        EXPECT_FALSE(Is(e, TPlatformEventKind::Deactivated) || Is(e, TPlatformEventKind::Activated))
            << "window " << e.Window;
}

TEST_F(TSdlPlatformTest, KindsTitlesAndIconsReachTheWindowManager) {
    struct TKindCase {
        TPlatformWindowKind Kind;
        bool Popup, TopMost;
        const char* Type;
        bool SkipsTaskBar;
    };
    using K = TPlatformWindowKind;
    const TKindCase cases[] = {
        {K::Normal, false, true, "_NET_WM_WINDOW_TYPE_NORMAL", false},
        {K::Normal, true, false, "_NET_WM_WINDOW_TYPE_NORMAL", true},
        {K::Tool, false, false, "_NET_WM_WINDOW_TYPE_UTILITY", true},
        {K::PopupMenu, true, false, "_NET_WM_WINDOW_TYPE_POPUP_MENU", true},
        {K::DropDown, true, false, "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU", true},
        {K::Tooltip, true, true, "_NET_WM_WINDOW_TYPE_TOOLTIP", true},
    };
    uint32_t id = 1;
    for (const TKindCase& c : cases) {
        TPlatformWindowParams params;
        params.Kind = c.Kind;
        params.Popup = c.Popup;
        params.TopMost = c.TopMost;
        MakeWindow(id, {10, 10, 50, 50}, Red, Red, params);
        const Window w = XWindowTitled("window " + std::to_string(id++));
        ASSERT_NE(w, 0u);
        EXPECT_EQ(Property(w, "_NET_WM_WINDOW_TYPE"),
                  std::vector<uint32_t>{uint32_t(XInternAtom(m_x, c.Type, False))})
            << c.Type;
        EXPECT_EQ(HasAtom(w, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"), c.SkipsTaskBar)
            << c.Type;
        EXPECT_EQ(HasAtom(w, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"), c.TopMost) << c.Type;
    }

    IPlatformWindow& w = *m_windows.front();
    const std::string title = "Ansicht \xE2\x80\x93 \xD0\x92\xD0\xB8\xD0\xB4";
    w.SetTitle(title);
    const uint32_t icon[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF};
    w.SetIcon(icon, 2, 2);
    XSync(m_x, False);
    const Window x = XWindowTitled(title);
    ASSERT_NE(x, 0u);
    EXPECT_EQ(Property(x, "_NET_WM_ICON"),
              (std::vector<uint32_t>{2, 2, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF}));
}

TEST_F(TSdlPlatformTest, AClickFocusesAWindowButNeverAPopup) {
    IPlatformWindow& first = MakeWindow(1, {100, 100, 200, 200}, Red, Red);
    IPlatformWindow& second = MakeWindow(2, {300, 100, 400, 200}, Blue, Blue);
    TPlatformWindowParams menu;
    menu.Popup = true;
    menu.Kind = TPlatformWindowKind::PopupMenu;
    IPlatformWindow& popup = MakeWindow(3, {500, 100, 600, 200}, Green, Green, menu);
    first.Show(TActivation::Activate);
    second.Show(TActivation::Activate);
    popup.Show(TActivation::NoActivate);
    auto activatedOne = [](const TPlatformEvent& e) {
        return Is(e, TPlatformEventKind::Activated) && e.Window == 1;
    };
    Pump([](const TPlatformEvent& e) {
        return Is(e, TPlatformEventKind::Activated) && e.Window == 2;
    });
    const Window secondFocus = Focus();

    for (const int x : {550, 150}) {
        MovePointer(x, 150);
        Button(1, true);
        Button(1, false);
    }
    const auto events = Pump(activatedOne);
    ASSERT_FALSE(events.empty());
    EXPECT_TRUE(activatedOne(events.back()));
    for (const TPlatformEvent& e : events)
        EXPECT_FALSE(Is(e, TPlatformEventKind::Activated) && e.Window == 3);
    EXPECT_NE(Focus(), secondFocus);
}

// Hovering over menu items needs every move inside a window, not only the crossing into it.
TEST_F(TSdlPlatformTest, PointerMovesInsideNormalWindowsMenusAndDropDowns) {
    for (TPlatformWindowKind kind :
         {TPlatformWindowKind::Normal, TPlatformWindowKind::PopupMenu,
          TPlatformWindowKind::DropDown}) {
        TPlatformWindowParams params;
        params.Popup = kind != TPlatformWindowKind::Normal;
        params.Kind = kind;
        const uint32_t id = 8 + uint32_t(kind);
        IPlatformWindow& w = MakeWindow(id, {200, 100, 400, 300}, Red, Red, params);
        w.Show(TActivation::NoActivate);
        Settle();
        MovePointer(250, 130);
        MovePointer(262, 141);
        auto events = Pump([](const TPlatformEvent& e) { return e.X == 62 && e.Y == 41; });
        ASSERT_FALSE(events.empty()) << int(kind);
        EXPECT_EQ(events.back().Kind, TPlatformEventKind::MouseMove);
        EXPECT_EQ(events.back().Window, id);
        EXPECT_EQ(events.back().ScreenX, 262);
        w.Hide();
        MovePointer(10, 10);
    }
}

TEST_F(TSdlPlatformTest, MouseEventsCarryWindowAndScreenCoordinates) {
    IPlatformWindow& w = MakeWindow(7, {200, 100, 400, 300}, Red, Red);
    w.Show(TActivation::Activate);
    Settle();
    MovePointer(250, 130);
    auto events = Pump([](const TPlatformEvent& e) { return e.X == 50 && e.Y == 30; });
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().Kind, TPlatformEventKind::MouseMove);
    EXPECT_EQ(events.back().Window, 7u);
    EXPECT_EQ(events.back().ScreenX, 250);
    EXPECT_EQ(events.back().ScreenY, 130);
    EXPECT_EQ(m_platform->CursorX(), 250);
    EXPECT_EQ(m_platform->CursorY(), 130);

    struct TButtonCase {
        unsigned XButton;
        TPlatformButton Button;
    };
    for (const TButtonCase c :
         {TButtonCase{1, TPlatformButton::Left}, TButtonCase{2, TPlatformButton::Middle},
          TButtonCase{3, TPlatformButton::Right}}) {
        Button(c.XButton, true);
        Button(c.XButton, false);
        events = Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::ButtonUp); });
        ASSERT_GE(events.size(), 2u);
        const TPlatformEvent& down = events[events.size() - 2];
        EXPECT_EQ(down.Kind, TPlatformEventKind::ButtonDown);
        EXPECT_EQ(down.Button, c.Button);
        EXPECT_EQ(down.X, 50);
        EXPECT_EQ(down.Y, 30);
        EXPECT_EQ(events.back().Button, c.Button);
    }

    PressKey(XK_Control_L, true);
    Button(4, true);
    Button(4, false);
    Button(5, true);
    Button(5, false);
    PressKey(XK_Control_L, false);
    std::vector<TPlatformEvent> wheel;
    for (const TPlatformEvent& e : Pump([&](const TPlatformEvent& e) {
             return Is(e, TPlatformEventKind::Wheel) && e.WheelDelta < 0;
         }))
        if (Is(e, TPlatformEventKind::Wheel)) wheel.push_back(e);
    ASSERT_EQ(wheel.size(), 2u);
    EXPECT_EQ(wheel[0].WheelDelta, 120);
    EXPECT_EQ(wheel[1].WheelDelta, -120);
    EXPECT_EQ(wheel[1].Modifiers, PlatformCtrl);
    EXPECT_EQ(wheel[1].X, 50);
}

// A window manager makes its frame somewhere, puts the window into it and only then moves the
// frame to where the window asked to stand, sending nothing as the window ends up there. The
// frame's passing place must not become the window's: pointer positions would miss their controls.
TEST_F(TSdlPlatformTest, AFrameMovedAfterTheReparentKeepsTheWindowsPlace) {
    IPlatformWindow& w = MakeWindow(9, {200, 100, 400, 300}, Red, Red);
    Settle();
    const Window client = XWindowTitled("window 9");
    ASSERT_NE(client, 0u);
    const Window frame = XCreateSimpleWindow(m_x, DefaultRootWindow(m_x), 0, 0, 200, 200, 0, 0, 0);
    XMapWindow(m_x, frame);
    XReparentWindow(m_x, client, frame, 0, 0);
    Settle();
    XMoveWindow(m_x, frame, 200, 100);
    w.Show(TActivation::Activate);
    Settle();
    // The pointer enters (a crossing tells its place on the screen itself), then moves within
    // the window, which is told relative to the window.
    MovePointer(245, 125);
    Settle();
    MovePointer(250, 130);
    const auto events = Pump([](const TPlatformEvent& e) {
        return Is(e, TPlatformEventKind::MouseMove) && e.X == 50 && e.Y == 30;
    });
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().X, 50);
    EXPECT_EQ(events.back().ScreenX, 250);
    EXPECT_EQ(events.back().ScreenY, 130);
}

TEST_F(TSdlPlatformTest, KeysArriveAsVirtualKeysWithModifiersAndText) {
    IPlatformWindow& w = MakeWindow(3, {100, 100, 200, 200}, Red, Red);
    w.Show(TActivation::Activate);
    Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::Activated); });

    PressKey(XK_Shift_L, true);
    PressKey(XK_a, true);
    PressKey(XK_a, false);
    PressKey(XK_Shift_L, false);
    auto events = Pump(
        [](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::KeyUp) && e.Key == 0x10; });
    std::vector<std::tuple<TPlatformEventKind, uint32_t, uint32_t, std::string>> seen;
    for (const TPlatformEvent& e : events)
        if (e.Kind == TPlatformEventKind::KeyDown || e.Kind == TPlatformEventKind::KeyUp ||
            e.Kind == TPlatformEventKind::Text) {
            EXPECT_EQ(e.Window, 3u);
            seen.emplace_back(e.Kind, e.Key, e.Modifiers, e.Text);
        }
    using K = TPlatformEventKind;
    const decltype(seen) expected = {{K::KeyDown, 0x10, PlatformShift, ""},
                                     {K::KeyDown, 'A', PlatformShift, ""},
                                     {K::Text, 0, PlatformShift, "A"},
                                     {K::KeyUp, 'A', PlatformShift, ""},
                                     {K::KeyUp, 0x10, 0, ""}};
    EXPECT_EQ(seen, expected);

    struct TKeyCase {
        KeySym Sym;
        uint32_t Vk;
    };
    for (const TKeyCase c :
         {TKeyCase{XK_F5, 0x74}, TKeyCase{XK_Left, 0x25}, TKeyCase{XK_Return, 0x0D},
          TKeyCase{XK_Escape, 0x1B}, TKeyCase{XK_Delete, 0x2E}, TKeyCase{XK_Next, 0x22}}) {
        PressKey(c.Sym, true);
        PressKey(c.Sym, false);
        events = Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::KeyUp); });
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.back().Key, c.Vk) << XKeysymToString(c.Sym);
    }

    PressKey(XK_Control_L, true);
    PressKey(XK_Alt_L, true);
    PressKey(XK_x, true);
    PressKey(XK_x, false);
    PressKey(XK_Alt_L, false);
    PressKey(XK_Control_L, false);
    events = Pump(
        [](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::KeyDown) && e.Key == 'X'; });
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().Modifiers, PlatformCtrl | PlatformAlt);
    Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::KeyUp) && e.Key == 0x11; });

    // A key held down repeats as further key-downs.
    PressKey(XK_Right, true);
    int downs = 0;
    Pump([&](const TPlatformEvent& e) {
        downs += Is(e, TPlatformEventKind::KeyDown) && e.Key == 0x27;
        return downs >= 3;
    });
    PressKey(XK_Right, false);
    EXPECT_GE(downs, 3);
}

TEST_F(TSdlPlatformTest, CaptureKeepsPointerEventsOnTheCapturingWindow) {
    TPlatformWindowParams menu;
    menu.Popup = true;
    menu.Kind = TPlatformWindowKind::PopupMenu;
    IPlatformWindow& w = MakeWindow(5, {300, 300, 400, 400}, Red, Red, menu);
    IPlatformWindow& other = MakeWindow(6, {500, 300, 600, 400}, Blue, Blue);
    w.Show(TActivation::NoActivate);
    other.Show(TActivation::NoActivate);
    Settle();
    m_platform->SetCapture(5);
    auto isDown = [](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::ButtonDown); };

    struct TPointCase {
        int ScreenX, ScreenY;
    };
    // Off every window, and over another of ours.
    for (const TPointCase c : {TPointCase{100, 150}, TPointCase{550, 350}}) {
        MovePointer(c.ScreenX, c.ScreenY);
        Button(1, true);
        Button(1, false);
        const auto events = Pump(isDown);
        ASSERT_FALSE(events.empty());
        const TPlatformEvent& down = events.back();
        EXPECT_EQ(down.Kind, TPlatformEventKind::ButtonDown);
        EXPECT_EQ(down.Window, 5u);
        EXPECT_EQ(down.X, c.ScreenX - 300);
        EXPECT_EQ(down.Y, c.ScreenY - 300);
        EXPECT_EQ(down.ScreenX, c.ScreenX);
    }

    // Released: a click off our windows reaches none of them; one on the other window goes there.
    m_platform->SetCapture(0);
    MovePointer(100, 150);
    Button(1, true);
    Button(1, false);
    MovePointer(520, 310);
    Button(1, true);
    Button(1, false);
    const auto events = Pump(isDown);
    ASSERT_FALSE(events.empty());
    for (const TPlatformEvent& e : events)
        EXPECT_EQ(e.Window, 6u);
    EXPECT_EQ(events.back().X, 20);
}

// The cursor the server shows now: its size, hot spot and whether any pixel is visible.
struct TShownCursor {
    int Width = 0, Height = 0, HotX = 0, HotY = 0;
    bool Visible = false;
    friend bool operator==(const TShownCursor&, const TShownCursor&) = default;
};

TEST_F(TSdlPlatformTest, CursorsFollowTheFrameworkNumbersAndNoneHidesIt) {
    IPlatformWindow& w = MakeWindow(1, {100, 100, 200, 200}, Red, Red);
    w.Show(TActivation::Activate);
    MovePointer(150, 150);
    Settle();
    auto shown = [&] {
        XSync(m_x, False);
        XFixesCursorImage* image = XFixesGetCursorImage(m_x);
        TShownCursor c{image->width, image->height, image->xhot, image->yhot, false};
        for (int i = 0; i < image->width * image->height; ++i)
            c.Visible = c.Visible || (image->pixels[i] >> 24) != 0;
        XFree(image);
        return c;
    };
    m_platform->SetCursor(-2);
    const TShownCursor arrow = shown();
    EXPECT_TRUE(arrow.Visible);
    m_platform->SetCursor(-4);
    const TShownCursor beam = shown();
    EXPECT_TRUE(beam.Visible);
    EXPECT_NE(beam, arrow);
    m_platform->SetCursor(-1);
    EXPECT_FALSE(shown().Visible);
    m_platform->SetCursor(0);
    EXPECT_EQ(shown(), arrow);
}

TEST_F(TSdlPlatformTest, WaitEndsOnTimeoutAndOnWakeFromAnotherThread) {
    TPlatformEvent e;
    EXPECT_FALSE(m_platform->WaitEvent(e, 0));
    EXPECT_FALSE(m_platform->WaitEvent(e, 30));

    std::atomic<bool> woken = false;
    std::thread waker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        woken = true;
        m_platform->Wake();
    });
    EXPECT_FALSE(m_platform->WaitEvent(e, -1));
    EXPECT_TRUE(woken);
    waker.join();

    // A wake with no wait in progress ends the next one, once.
    m_platform->Wake();
    m_platform->Wake();
    EXPECT_FALSE(m_platform->WaitEvent(e, -1));
    EXPECT_FALSE(m_platform->WaitEvent(e, 0));
}

TEST_F(TSdlPlatformTest, CloseRequestExposureAndFocusBecomeEvents) {
    IPlatformWindow& w = MakeWindow(9, {100, 100, 200, 200}, Red, Red);
    w.Show(TActivation::Activate);
    ASSERT_FALSE(
        Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::Activated); }).empty());

    // The window manager's close button sends WM_DELETE_WINDOW.
    const TCapturedPixels before = w.Capture();
    const Window target = XWindowTitled("window 9");
    ASSERT_NE(target, 0u);
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = target;
    close.xclient.message_type = XInternAtom(m_x, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(m_x, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_x, target, False, NoEventMask, &close);
    XSync(m_x, False);
    auto events =
        Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::CloseRequest); });
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().Window, 9u);

    // Covered and uncovered: the pixels come back without a new present, and the framework hears.
    Window cover = XCreateSimpleWindow(m_x, DefaultRootWindow(m_x), 90, 90, 120, 120, 0, 0, 0);
    XSetWindowAttributes attributes;
    attributes.override_redirect = True;
    XChangeWindowAttributes(m_x, cover, CWOverrideRedirect, &attributes);
    XMapRaised(m_x, cover);
    XSync(m_x, False);
    ASSERT_EQ(ScreenPixelBecomes(150, 150, 0), 0u);
    XDestroyWindow(m_x, cover);
    XSync(m_x, False);
    events = Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::Exposed); });
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().Window, 9u);
    EXPECT_EQ(ScreenPixelBecomes(150, 150, Red), Red);
    EXPECT_EQ(w.Capture().Pixels, before.Pixels);

    XSetInputFocus(m_x, PointerRoot, RevertToPointerRoot, CurrentTime);
    XSync(m_x, False);
    events = Pump([](const TPlatformEvent& e) { return Is(e, TPlatformEventKind::Deactivated); });
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().Window, 9u);
}

TEST_F(TSdlPlatformTest, MonitorsReportBoundsAndTheDesktopsWorkArea) {
    std::vector<TMonitorInfo> monitors = m_platform->Monitors();
    ASSERT_EQ(monitors.size(), 1u);
    EXPECT_EQ(monitors[0].Bounds, (TScreenRect{0, 0, 1280, 1024}));
    EXPECT_EQ(monitors[0].WorkArea, monitors[0].Bounds);
    EXPECT_TRUE(monitors[0].Primary);

    // A panel of 40 pixels at the top, as a desktop announces it.
    const long area[4] = {0, 40, 1280, 984};
    const Atom workArea = XInternAtom(m_x, "_NET_WORKAREA", False);
    XChangeProperty(m_x, DefaultRootWindow(m_x), workArea, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(area), 4);
    XSync(m_x, False);
    monitors = m_platform->Monitors();
    XDeleteProperty(m_x, DefaultRootWindow(m_x), workArea);
    XSync(m_x, False);
    EXPECT_EQ(monitors[0].WorkArea, (TScreenRect{0, 40, 1280, 1024}));
}

// Asks the CLIPBOARD owner for UTF-8 text as another program would.
std::string ReadClipboardAsAnotherProgram() {
    Display* d = XOpenDisplay(nullptr);
    Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    const Atom target = XInternAtom(d, "BRISAT_TEST", False);
    XConvertSelection(d, XInternAtom(d, "CLIPBOARD", False), utf8, target, w, CurrentTime);
    std::string text = "(no answer)";
    for (int i = 0; i < 200; ++i) {
        XEvent e;
        if (XCheckTypedWindowEvent(d, w, SelectionNotify, &e)) {
            Atom type = 0;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty(d, w, target, 0, 1024, True, AnyPropertyType, &type, &format, &count,
                               &after, &data);
            text = data ? std::string(reinterpret_cast<char*>(data), count) : "";
            if (data) XFree(data);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    XDestroyWindow(d, w);
    XCloseDisplay(d);
    return text;
}

TEST_F(TSdlPlatformTest, ClipboardTextReachesOtherPrograms) {
    const std::string text = "Ansicht \xE2\x80\x93 \xD0\x92\xD0\xB8\xD0\xB4";
    m_platform->SetClipboardText(text);
    EXPECT_EQ(m_platform->ClipboardText(), text);
    std::string read;
    std::thread reader([&] { read = ReadClipboardAsAnotherProgram(); });
    // The owner answers requests from its event wait.
    TPlatformEvent e;
    for (int i = 0; i < 50 && read.empty(); ++i)
        m_platform->WaitEvent(e, 10);
    reader.join();
    EXPECT_EQ(read, text);
}

TEST_F(TSdlPlatformTest, ScreenCaptureIsBlackOffTheScreenAndWindowsSaveToPng) {
    IPlatformWindow& w = MakeWindow(1, {1200, 980, 1300, 1040}, Red, Blue);
    w.Show(TActivation::NoActivate);
    ASSERT_EQ(ScreenPixelBecomes(1200, 980, Red), Red);
    const std::vector<uint32_t> corner = m_platform->CaptureScreen({1270, 1014, 1290, 1034});
    EXPECT_EQ(corner[0], Blue);
    EXPECT_EQ(corner[19], 0u);
    EXPECT_EQ(corner[19 * 20], 0u);

    const std::string file = (std::filesystem::temp_directory_path() /
                              ("brisat-window-" + std::to_string(getpid()) + ".png"))
                                 .string();
    CaptureWindowToPng(w, file);
    const TPngImage png = ReadPngFile(file);
    std::filesystem::remove(file);
    ASSERT_EQ(png.Width, 100);
    ASSERT_EQ(png.Height, 60);
    EXPECT_EQ(png.At(0, 0) & 0xFFFFFF, Red);
    EXPECT_EQ(png.At(79, 43) & 0xFFFFFF, Blue);
    EXPECT_EQ(png.At(99, 59) & 0xFFFFFF, 0u) << "off the screen";
}

TEST_F(TSdlPlatformTest, VideoFramesShowWhileTheLoopWaits) {
    IPlatformWindow& w = MakeWindow(2, {100, 100, 180, 160}, KeyColour, KeyColour);
    IVideoLayer& layer = w.VideoLayer();
    layer.SetColorKey(KeyColour);
    layer.SetDestRect({0, 0, 80, 60});
    w.Show(TActivation::NoActivate);
    Paint(w, 80, 60, KeyColour, KeyColour);
    Settle();

    std::vector<uint32_t> bgra(64 * 48, 0xFF000000 | Green);
    TVideoFrame frame;
    frame.Format = TVideoPixelFormat::BGRA;
    frame.Width = 64;
    frame.Height = 48;
    frame.Planes[0] = reinterpret_cast<const uint8_t*>(bgra.data());
    frame.Strides[0] = 64 * 4;
    std::thread decoder([&] { layer.SubmitFrame(frame); });
    decoder.join();
    // Nothing is presented by the test: the wait shows the frame.
    EXPECT_EQ(ScreenPixelBecomes(140, 130, Green), Green);
}

TEST(SdlPlatform, TermSignalStillEndsTheProgram) {
    const std::string failure = test::EnsureTestDisplay();
    if (!failure.empty()) GTEST_SKIP() << "No display: " << failure;
    // The child forks from this process, with the display the other tests use.
    EXPECT_EXIT(
        {
            auto platform = CreateDesktopPlatform();
            raise(SIGTERM);
            std::exit(0);
        },
        testing::KilledBySignal(SIGTERM), "");
}

TEST(SdlPlatform, RefusesToStartWithoutADisplay) {
    const char* previous = std::getenv("DISPLAY");
    const std::string saved = previous ? previous : "";
    setenv("DISPLAY", ":4242", 1);
    try {
        CreateDesktopPlatform();
        ADD_FAILURE() << "a platform without a display";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(":4242"), std::string::npos) << e.what();
    }
    if (previous)
        setenv("DISPLAY", saved.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

} // namespace
