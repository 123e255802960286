// The desktop services of desktop and full-screen playback on a private X server: the desktop
// background made plain and put back, the desktop environment's wallpaper setting (GSettings in
// memory), the window hints of desktop and full-screen windows, and screen-saver inhibition.
#include "platform/desktop_wallpaper_setting.h"
#include "platform/screen_saver_inhibitor.h"
#include "platform/x11_desktop_background.h"
#include "platform/x11_desktop_window.h"
#include "session_bus.h"
#include "xvfb_display.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

// Xlib's macros (None, Bool) clash with names in GoogleTest's headers, so they come after them.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/dpms.h>
#include <X11/extensions/scrnsaver.h>

using namespace brisat;

namespace {

constexpr uint32_t Key = 0x00FF00;
constexpr int Probe = 8; // side of the root area read back

// GSettings in memory, so no test writes the user's own settings; the backend is chosen when the
// first GSettings object is made.
void UseMemorySettings() {
    setenv("GSETTINGS_BACKEND", "memory", 1);
}

class TX11Test : public testing::Test {
protected:
    void SetUp() override {
        if (const std::string failure = test::EnsureTestDisplay(); !failure.empty())
            GTEST_SKIP() << "No display: " << failure;
        UseMemorySettings();
        Connection = XOpenDisplay(nullptr);
        ASSERT_NE(Connection, nullptr);
        Root = DefaultRootWindow(Connection);
    }
    void TearDown() override {
        if (!Connection) return;
        XSetWindowBackgroundPixmap(Connection, Root, None);
        for (const char* name : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"})
            XDeleteProperty(Connection, Root, Intern(name));
        XClearWindow(Connection, Root);
        XCloseDisplay(Connection);
    }

    Atom Intern(const char* name) { return XInternAtom(Connection, name, False); }

    // The root's top-left pixels as 0x00RRGGBB.
    std::vector<uint32_t> RootPixels() {
        XSync(Connection, False);
        XImage* image = XGetImage(Connection, Root, 0, 0, Probe, Probe, AllPlanes, ZPixmap);
        std::vector<uint32_t> pixels;
        for (int y = 0; y < Probe; ++y)
            for (int x = 0; x < Probe; ++x)
                pixels.push_back(uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF);
        XDestroyImage(image);
        return pixels;
    }

    // A 2 × 2 checker pixmap made the way wallpaper setters make one: the root's background,
    // named by both properties.
    Pixmap SetWallpaperPixmap(unsigned long light, unsigned long dark) {
        const int depth = DefaultDepth(Connection, DefaultScreen(Connection));
        const Pixmap pixmap = XCreatePixmap(Connection, Root, 2, 2, unsigned(depth));
        GC gc = XCreateGC(Connection, pixmap, 0, nullptr);
        XSetForeground(Connection, gc, light);
        XFillRectangle(Connection, pixmap, gc, 0, 0, 2, 2);
        XSetForeground(Connection, gc, dark);
        XDrawPoint(Connection, pixmap, gc, 0, 0);
        XDrawPoint(Connection, pixmap, gc, 1, 1);
        XFreeGC(Connection, gc);
        for (const char* name : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"})
            XChangeProperty(Connection, Root, Intern(name), XA_PIXMAP, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&pixmap), 1);
        XSetWindowBackgroundPixmap(Connection, Root, pixmap);
        XClearWindow(Connection, Root);
        return pixmap;
    }

    // The pixmap id a property names, 0 when absent.
    Pixmap PropertyPixmap(const char* name) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(Connection, Root, Intern(name), 0, 1, False, XA_PIXMAP, &type, &format,
                           &count, &after, &data);
        const Pixmap pixmap = count ? *reinterpret_cast<Pixmap*>(data) : 0;
        if (data) XFree(data);
        return pixmap;
    }

    Display* Connection = nullptr;
    Window Root = 0;
};

using TDesktopBackgroundTest = TX11Test;

TEST_F(TDesktopBackgroundTest, PaintsTheKeyAndPutsTheWallpaperPixmapBack) {
    const Pixmap wallpaper = SetWallpaperPixmap(0xC0C0C0, 0x202020);
    const std::vector<uint32_t> before = RootPixels();
    ASSERT_NE(before[0], before[1]);
    {
        TX11DesktopBackground plain(Key);
        EXPECT_EQ(RootPixels(), std::vector<uint32_t>(Probe * Probe, Key));
        plain.Restore();
        EXPECT_EQ(RootPixels(), before);
        plain.Restore(); // a second call changes nothing
    }
    EXPECT_EQ(RootPixels(), before);
    EXPECT_EQ(PropertyPixmap("_XROOTPMAP_ID"), wallpaper);
    EXPECT_EQ(PropertyPixmap("ESETROOT_PMAP_ID"), wallpaper);
}

TEST_F(TDesktopBackgroundTest, AnExceptionUnwindingPastItRestoresTheDesktop) {
    SetWallpaperPixmap(0xFFFFFF, 0x000000);
    const std::vector<uint32_t> before = RootPixels();
    try {
        TX11DesktopBackground plain(Key);
        throw std::runtime_error("playback failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(RootPixels(), before);
}

TEST_F(TDesktopBackgroundTest, ARootWithoutWallpaperGetsTheServerDefaultBack) {
    const std::vector<uint32_t> before = RootPixels();
    {
        TX11DesktopBackground plain(Key);
        EXPECT_EQ(RootPixels()[0], Key);
    }
    EXPECT_EQ(RootPixels(), before);
    EXPECT_EQ(PropertyPixmap("_XROOTPMAP_ID"), 0u);
}

// A desktop that draws a new wallpaper meanwhile frees the old pixmap: the new one stays.
TEST_F(TDesktopBackgroundTest, AWallpaperReplacedDuringPlaybackIsKept) {
    const Pixmap old = SetWallpaperPixmap(0xFFFFFF, 0x000000);
    TX11DesktopBackground plain(Key);
    const Pixmap replaced = SetWallpaperPixmap(0x0000FF, 0xFF0000);
    XFreePixmap(Connection, old);
    const std::vector<uint32_t> current = RootPixels();
    plain.Restore();
    EXPECT_EQ(PropertyPixmap("_XROOTPMAP_ID"), replaced);
    EXPECT_EQ(RootPixels(), current);
}

// The GNOME schema, which the test machine installs with the desktop schemas.
class TWallpaperSettingTest : public testing::Test {
protected:
    static constexpr const char* Schema = "org.gnome.desktop.background";
    void SetUp() override {
        UseMemorySettings();
        setenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME", 1);
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        GSettingsSchema* schema =
            source ? g_settings_schema_source_lookup(source, Schema, TRUE) : nullptr;
        if (!schema) GTEST_SKIP() << Schema << " is not installed";
        g_settings_schema_unref(schema);
        Settings = g_settings_new(Schema);
    }
    void TearDown() override {
        if (!Settings) return;
        for (const char* key : {"picture-uri", "primary-color", "picture-options"})
            g_settings_reset(Settings, key);
        g_object_unref(Settings);
    }
    std::string Get(const char* key) {
        gchar* value = g_settings_get_string(Settings, key);
        std::string text = value;
        g_free(value);
        return text;
    }
    bool HasUserValue(const char* key) {
        GVariant* value = g_settings_get_user_value(Settings, key);
        if (value) g_variant_unref(value);
        return value != nullptr;
    }
    GSettings* Settings = nullptr;
};

TEST_F(TWallpaperSettingTest, PlainColourThenExactlyTheSavedKeys) {
    g_settings_set_string(Settings, "picture-uri", "file:///home/user/Pictures/lake.jpg");
    g_settings_reset(Settings, "primary-color");
    TDesktopWallpaperSetting setting;
    ASSERT_TRUE(setting.Found());
    EXPECT_EQ(setting.SchemaId(), Schema);
    EXPECT_EQ(setting.Wallpaper(), "file:///home/user/Pictures/lake.jpg");

    setting.SetPlainColor(0x12AB34);
    EXPECT_EQ(Get("picture-uri"), "");
    EXPECT_EQ(Get("picture-options"), "none");
    EXPECT_EQ(Get("primary-color"), "#12AB34");

    setting.Restore();
    EXPECT_EQ(Get("picture-uri"), "file:///home/user/Pictures/lake.jpg");
    EXPECT_FALSE(HasUserValue("primary-color")); // it held its default and holds it again
    EXPECT_FALSE(HasUserValue("picture-options"));
}

TEST_F(TWallpaperSettingTest, AnUnknownDesktopHasNoSettingToChange) {
    setenv("XDG_CURRENT_DESKTOP", "XFCE", 1);
    g_settings_set_string(Settings, "picture-uri", "file:///a.png");
    TDesktopWallpaperSetting setting;
    EXPECT_FALSE(setting.Found());
    EXPECT_EQ(setting.Wallpaper(), "");
    setting.SetPlainColor(Key);
    setting.Restore();
    EXPECT_EQ(Get("picture-uri"), "file:///a.png");
}

// A run that ends without restoring leaves the journal; the next run puts the wallpaper back.
TEST_F(TWallpaperSettingTest, TheJournalPutsTheWallpaperBackAfterACrash) {
    g_settings_set_string(Settings, "picture-uri", "file:///home/user/lake.jpg");
    g_settings_reset(Settings, "primary-color");
    std::string journal;
    {
        TDesktopWallpaperSetting crashed;
        journal = crashed.Journal();
        crashed.SetPlainColor(Key); // and never restored
    }
    ASSERT_EQ(Get("picture-uri"), "");
    const std::string path = testing::TempDir() + "brisat-journal-" + std::to_string(getpid());
    std::ofstream(path) << journal;
    EXPECT_TRUE(RecoverDesktopBackground(path));
    EXPECT_EQ(Get("picture-uri"), "file:///home/user/lake.jpg");
    EXPECT_FALSE(HasUserValue("primary-color"));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(RecoverDesktopBackground(path));
}

TEST_F(TWallpaperSettingTest, ADamagedJournalChangesNothingElse) {
    g_settings_set_string(Settings, "picture-uri", "file:///kept.png");
    const char* journals[] = {
        "",
        "org.gnome.desktop.background",
        "org.example.other\npicture-uri='file:///x'\n",
        "org.gnome.desktop.background\npicture-uri=not a value\nprimary-color=42\n"
        "picture-options='no-such-choice'\nshow-desktop-icons=true\n=\n\n",
    };
    for (const char* journal : journals) {
        EXPECT_FALSE(TDesktopWallpaperSetting::RestoreJournal(journal)) << journal;
        EXPECT_EQ(Get("picture-uri"), "file:///kept.png");
    }
}

// The journal lives while the plain colour shows and goes when the desktop is put back.
TEST_F(TWallpaperSettingTest, TheBackgroundKeepsAJournalWhilePlain) {
    if (const std::string failure = test::EnsureTestDisplay(); !failure.empty())
        GTEST_SKIP() << "No display: " << failure;
    g_settings_set_string(Settings, "picture-uri", "file:///home/user/lake.jpg");
    const std::string path =
        testing::TempDir() + "brisat-state-" + std::to_string(getpid()) + "/desktop-wallpaper";
    {
        TX11DesktopBackground plain(Key, path);
        EXPECT_EQ(plain.SavedWallpaper(), "file:///home/user/lake.jpg");
        EXPECT_EQ(Get("picture-uri"), "");
        EXPECT_TRUE(std::filesystem::exists(path));
    }
    EXPECT_EQ(Get("picture-uri"), "file:///home/user/lake.jpg");
    EXPECT_FALSE(std::filesystem::exists(path));
}

// SDL windows on the private display, read back through the test's own connection.
class TDesktopWindowTest : public TX11Test {
protected:
    static constexpr TScreenRect Monitor{100, 50, 500, 350};

    void SetUp() override {
        TX11Test::SetUp();
        if (IsSkipped()) return;
        if (!SDL_WasInit(SDL_INIT_VIDEO)) {
            ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
        }
    }
    void TearDown() override {
        for (SDL_Window* window : Windows)
            SDL_DestroyWindow(window);
        TX11Test::TearDown();
    }

    SDL_Window* NewWindow(bool shown) {
        Windows.push_back(
            SDL_CreateWindow("test", 10, 10, 64, 48, shown ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN));
        return Windows.back();
    }
    static Window XId(SDL_Window* window) {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        SDL_GetWindowWMInfo(window, &info);
        return info.info.x11.window;
    }
    std::vector<Atom> Atoms(Window window, const char* property) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(Connection, window, Intern(property), 0, 64, False, XA_ATOM, &type,
                           &format, &count, &after, &data);
        std::vector<Atom> atoms(reinterpret_cast<Atom*>(data),
                                reinterpret_cast<Atom*>(data) + count);
        if (data) XFree(data);
        return atoms;
    }
    bool Has(const std::vector<Atom>& atoms, const char* name) {
        return std::find(atoms.begin(), atoms.end(), Intern(name)) != atoms.end();
    }
    TScreenRect Bounds(Window window) {
        XSync(Connection, False);
        XWindowAttributes a;
        XGetWindowAttributes(Connection, window, &a);
        return {a.x, a.y, a.x + a.width, a.y + a.height};
    }
    // The root's mapped children, bottom first.
    std::vector<Window> Stacking() {
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        XQueryTree(Connection, Root, &root, &parent, &children, &count);
        std::vector<Window> mapped;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes a;
            if (XGetWindowAttributes(Connection, children[i], &a) && a.map_state == IsViewable)
                mapped.push_back(children[i]);
        }
        if (children) XFree(children);
        return mapped;
    }

    std::vector<SDL_Window*> Windows;
};

TEST_F(TDesktopWindowTest, AHiddenWindowGetsTheDesktopTypeAndStatesOverTheMonitor) {
    SDL_Window* window = NewWindow(false);
    MakeDesktopWindow(window, Monitor);
    const Window id = XId(window);
    EXPECT_EQ(Atoms(id, "_NET_WM_WINDOW_TYPE"),
              std::vector<Atom>{Intern("_NET_WM_WINDOW_TYPE_DESKTOP")});
    const std::vector<Atom> state = Atoms(id, "_NET_WM_STATE");
    for (const char* name : {"_NET_WM_STATE_BELOW", "_NET_WM_STATE_STICKY",
                             "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"})
        EXPECT_TRUE(Has(state, name)) << name;
    EXPECT_FALSE(Has(state, "_NET_WM_STATE_ABOVE"));
    EXPECT_EQ(Bounds(id), Monitor);
}

TEST_F(TDesktopWindowTest, AShownWindowIsMappedAgainBelowTheOthersAndComesBackAsItWas) {
    SDL_Window* other = NewWindow(true);
    SDL_Window* desktop = NewWindow(true);
    const Window id = XId(desktop);
    const std::vector<Atom> typeBefore = Atoms(id, "_NET_WM_WINDOW_TYPE");
    const std::vector<Atom> stateBefore = Atoms(id, "_NET_WM_STATE");
    const TX11WindowHints saved = MakeDesktopWindow(desktop, Monitor);
    std::vector<Window> stacking = Stacking();
    ASSERT_EQ(stacking.size(), 2u);
    EXPECT_EQ(stacking.front(), id);
    EXPECT_EQ(stacking.back(), XId(other));
    EXPECT_EQ(Atoms(id, "_NET_WM_WINDOW_TYPE"),
              std::vector<Atom>{Intern("_NET_WM_WINDOW_TYPE_DESKTOP")});

    RestoreWindowHints(desktop, saved);
    EXPECT_EQ(Atoms(id, "_NET_WM_WINDOW_TYPE"), typeBefore);
    EXPECT_EQ(Atoms(id, "_NET_WM_STATE"), stateBefore);
    stacking = Stacking();
    ASSERT_EQ(stacking.size(), 2u);
    EXPECT_EQ(stacking.back(), id); // shown again on top
}

TEST_F(TDesktopWindowTest, WithoutAWindowManagerFullScreenIsPlacedAndRaised) {
    SDL_Window* window = NewWindow(true);
    NewWindow(true);
    MakeFullScreenWindow(window, Monitor, TFullScreenStacking::TopMost);
    EXPECT_EQ(Bounds(XId(window)), Monitor);
    EXPECT_EQ(Stacking().back(), XId(window));
    EXPECT_TRUE(Atoms(XId(window), "_NET_WM_STATE").empty());
}

// The test plays an EWMH window manager: it announces itself and full-screen support and
// watches the requests a mapped window sends to the root.
TEST_F(TDesktopWindowTest, UnderAWindowManagerFullScreenIsRequested) {
    const Window check = XCreateSimpleWindow(Connection, Root, 0, 0, 1, 1, 0, 0, 0);
    for (Window owner : {Root, check})
        XChangeProperty(Connection, owner, Intern("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&check), 1);
    const Atom supported[] = {Intern("_NET_WM_STATE"), Intern("_NET_WM_STATE_FULLSCREEN")};
    XChangeProperty(Connection, Root, Intern("_NET_SUPPORTED"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(supported), 2);
    XSelectInput(Connection, Root, SubstructureNotifyMask);
    XSync(Connection, False);

    SDL_Window* window = NewWindow(true);
    MakeFullScreenWindow(window, Monitor, TFullScreenStacking::TopMost);
    XSync(Connection, False);
    std::vector<std::pair<long, Atom>> requests;
    XEvent event;
    while (XCheckTypedEvent(Connection, ClientMessage, &event))
        if (event.xclient.message_type == Intern("_NET_WM_STATE") &&
            event.xclient.window == XId(window))
            requests.emplace_back(event.xclient.data.l[0], Atom(event.xclient.data.l[1]));
    const std::vector<std::pair<long, Atom>> expected{{1, Intern("_NET_WM_STATE_FULLSCREEN")},
                                                      {1, Intern("_NET_WM_STATE_ABOVE")},
                                                      {0, Intern("_NET_WM_STATE_BELOW")}};
    EXPECT_EQ(requests, expected);

    // A hidden window carries the state for the manager to read when it is mapped.
    SDL_Window* hidden = NewWindow(false);
    MakeFullScreenWindow(hidden, Monitor, TFullScreenStacking::Normal);
    EXPECT_EQ(Atoms(XId(hidden), "_NET_WM_STATE"),
              std::vector<Atom>{Intern("_NET_WM_STATE_FULLSCREEN")});

    XSelectInput(Connection, Root, NoEventMask);
    for (const char* name : {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED"})
        XDeleteProperty(Connection, Root, Intern(name));
    XDestroyWindow(Connection, check);
}

// The X server's screen saver set to start after one second of idleness.
class TScreenSaverTest : public TX11Test {
protected:
    void SetUp() override {
        TX11Test::SetUp();
        if (IsSkipped()) return;
        int event = 0, error = 0;
        if (!XScreenSaverQueryExtension(Connection, &event, &error))
            GTEST_SKIP() << "The X server has no screen-saver extension";
        // SDL's video suspends the saver on its own connection for as long as it runs (asking it
        // to allow the saver does not undo that), and a suspension by any client holds the saver
        // for all; windows of other tests are gone, so their video subsystem goes too.
        if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_QuitSubSystem(SDL_INIT_VIDEO);
        XSetScreenSaver(Connection, 1, 0, DontPreferBlanking, AllowExposures);
        XResetScreenSaver(Connection);
        XSync(Connection, False);
    }
    void TearDown() override {
        if (Connection) {
            XResetScreenSaver(Connection);
            XSetScreenSaver(Connection, 0, 0, DefaultBlanking, DefaultExposures);
        }
        TX11Test::TearDown();
    }
    // Whether the saver runs after the server has had time to start it.
    bool SaverStartsWhenIdle() {
        XResetScreenSaver(Connection);
        XSync(Connection, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        XScreenSaverInfo* info = XScreenSaverAllocInfo();
        XScreenSaverQueryInfo(Connection, Root, info);
        const bool on = info->state == ScreenSaverOn;
        XFree(info);
        XResetScreenSaver(Connection);
        return on;
    }
    bool DpmsOn() {
        CARD16 level = 0;
        BOOL on = False;
        DPMSInfo(Connection, &level, &on);
        return on;
    }
};

TEST_F(TScreenSaverTest, InhibitionHoldsTheSaverAndDpmsUntilReleased) {
    int event = 0, error = 0;
    const bool dpms = DPMSQueryExtension(Connection, &event, &error) && DPMSCapable(Connection);
    if (dpms) DPMSEnable(Connection);
    test::TNoSessionBus noBus; // the desktop's part fails quietly
    TScreenSaverInhibitor inhibitor;
    inhibitor.Inhibit();
    inhibitor.Inhibit();
    EXPECT_TRUE(inhibitor.Inhibited());
    EXPECT_FALSE(SaverStartsWhenIdle());
    if (dpms) {
        EXPECT_FALSE(DpmsOn());
    }
    inhibitor.Release();
    inhibitor.Release();
    EXPECT_FALSE(inhibitor.Inhibited());
    EXPECT_TRUE(SaverStartsWhenIdle());
    if (dpms) {
        EXPECT_TRUE(DpmsOn());
    }
    inhibitor.WaitForDesktop();
    EXPECT_FALSE(inhibitor.DesktopInhibited());
}

// A screen-saver service of the test's own on a private session bus, recording the calls.
class TDesktopInhibitTest : public testing::Test {
protected:
    static constexpr const char* Introspection = R"(<node>
      <interface name="org.freedesktop.ScreenSaver">
        <method name="Inhibit"><arg type="s" direction="in"/><arg type="s" direction="in"/>
          <arg type="u" direction="out"/></method>
        <method name="UnInhibit"><arg type="u" direction="in"/></method>
      </interface></node>)";

    void SetUp() override {
        if (!Bus.Failure().empty()) GTEST_SKIP() << Bus.Failure();
    }
    void StartService() {
        Service = std::make_unique<test::TTestService>(
            "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", Introspection,
            [this](const std::string&, const std::string& method, GVariant* parameters) {
                gchar* text = g_variant_print(parameters, FALSE);
                Calls.push_back(method + text);
                g_free(text);
                return method == "Inhibit" ? g_variant_new("(u)", NextCookie++)
                                           : g_variant_new("()");
            });
        ASSERT_TRUE(Service->Ready());
    }

    test::TPrivateSessionBus Bus;
    std::unique_ptr<test::TTestService> Service;
    std::vector<std::string> Calls; // written on the service's thread, read after WaitForDesktop
    uint32_t NextCookie = 0;        // 0 is a cookie like any other
};

TEST_F(TDesktopInhibitTest, OneInhibitAndOneUnInhibitWithTheCookie) {
    StartService();
    {
        TScreenSaverInhibitor inhibitor("Brisat");
        inhibitor.Inhibit("Playing clip.avi");
        inhibitor.Inhibit("again");
        inhibitor.WaitForDesktop();
        EXPECT_TRUE(inhibitor.DesktopInhibited());
        inhibitor.Release();
        inhibitor.Release();
        inhibitor.WaitForDesktop();
        EXPECT_FALSE(inhibitor.DesktopInhibited());
        inhibitor.Inhibit(); // destroyed while inhibited
    }
    const std::vector<std::string> expected{"Inhibit('Brisat', 'Playing clip.avi')",
                                            "UnInhibit(0,)", "Inhibit('Brisat', 'Playing video')",
                                            "UnInhibit(1,)"};
    EXPECT_EQ(Calls, expected);
}

TEST_F(TDesktopInhibitTest, WithoutTheServiceOrTheBusNothingIsHeld) {
    TScreenSaverInhibitor withoutService;
    withoutService.Inhibit();
    withoutService.WaitForDesktop();
    EXPECT_FALSE(withoutService.DesktopInhibited());

    test::TNoSessionBus noBus;
    TScreenSaverInhibitor withoutBus;
    withoutBus.Inhibit();
    withoutBus.WaitForDesktop();
    EXPECT_FALSE(withoutBus.DesktopInhibited());
    withoutBus.Release();
}

} // namespace
