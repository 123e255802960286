#include "platform/sdl_platform.h"

#include "platform/desktop_tray_icon.h"
#include "platform/sdl_keys.h"
#include "platform/sdl_platform_window.h"
#include "platform/tick_counter.h"
#include "platform/x11_drop_target.h"
#include "platform/x11_desktop_background.h"
#include "platform/x11_image.h"
#include "platform/x11_compositor.h"
#include "platform/x11_window_hints.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace brisat {

// The pointer fields every X pointer event carries.
struct TPointerFields {
    Window Target = 0;
    int X = 0, Y = 0, RootX = 0, RootY = 0;
    unsigned State = 0;
};

namespace {

static_assert(SDL_NUM_SYSTEM_CURSORS == 12);

// The framework's cursor numbers (negative) and the system cursor shown for each; crNone (-1)
// hides the pointer, numbers not listed show the arrow.
constexpr std::pair<int32_t, SDL_SystemCursor> kCursors[] = {
    {-3, SDL_SYSTEM_CURSOR_CROSSHAIR}, {-4, SDL_SYSTEM_CURSOR_IBEAM},
    {-6, SDL_SYSTEM_CURSOR_SIZENESW},  {-7, SDL_SYSTEM_CURSOR_SIZENS},
    {-8, SDL_SYSTEM_CURSOR_SIZENWSE},  {-9, SDL_SYSTEM_CURSOR_SIZEWE},
    {-10, SDL_SYSTEM_CURSOR_ARROW},    {-11, SDL_SYSTEM_CURSOR_WAIT},
    {-13, SDL_SYSTEM_CURSOR_NO},       {-14, SDL_SYSTEM_CURSOR_SIZEWE},
    {-15, SDL_SYSTEM_CURSOR_SIZENS},   {-17, SDL_SYSTEM_CURSOR_WAIT},
    {-18, SDL_SYSTEM_CURSOR_NO},       {-19, SDL_SYSTEM_CURSOR_WAITARROW},
    {-21, SDL_SYSTEM_CURSOR_HAND},     {-22, SDL_SYSTEM_CURSOR_SIZEALL},
};

constexpr int32_t kCursorNone = -1;

SDL_SystemCursor SystemCursor(int32_t cursor) {
    for (const auto& [number, shape] : kCursors)
        if (number == cursor) return shape;
    return SDL_SYSTEM_CURSOR_ARROW;
}

uint32_t Modifiers(unsigned state) {
    return (state & ShiftMask ? PlatformShift : 0) | (state & ControlMask ? PlatformCtrl : 0) |
           (state & Mod1Mask ? PlatformAlt : 0);
}

uint32_t Modifiers(uint16_t sdlMod) {
    return (sdlMod & KMOD_SHIFT ? PlatformShift : 0) | (sdlMod & KMOD_CTRL ? PlatformCtrl : 0) |
           (sdlMod & KMOD_ALT ? PlatformAlt : 0);
}

TScreenRect FromSdl(const SDL_Rect& r) {
    return {r.x, r.y, r.x + r.w, r.y + r.h};
}

bool PointerFields(const XEvent& x, TPointerFields& f) {
    switch (x.type) {
    case MotionNotify:
        f = {x.xmotion.window, x.xmotion.x,      x.xmotion.y,
             x.xmotion.x_root, x.xmotion.y_root, x.xmotion.state};
        return true;
    case ButtonPress:
    case ButtonRelease:
        f = {x.xbutton.window, x.xbutton.x,      x.xbutton.y,
             x.xbutton.x_root, x.xbutton.y_root, x.xbutton.state};
        return true;
    case EnterNotify:
    case LeaveNotify:
        // Crossings made by grabs are not pointer moves.
        if (x.xcrossing.mode != NotifyNormal) return false;
        f = {x.xcrossing.window, x.xcrossing.x,      x.xcrossing.y,
             x.xcrossing.x_root, x.xcrossing.y_root, x.xcrossing.state};
        return true;
    default:
        return false;
    }
}

// Whether SDL's queue holds an X event for which Match holds.
template <class Match> bool X11EventQueued(Match match) {
    std::array<SDL_Event, 256> queued;
    const int count = SDL_PeepEvents(queued.data(), int(queued.size()), SDL_PEEKEVENT,
                                     SDL_SYSWMEVENT, SDL_SYSWMEVENT);
    for (int i = 0; i < count; ++i) {
        const SDL_SysWMmsg* msg = queued[size_t(i)].syswm.msg;
        if (msg && msg->subsystem == SDL_SYSWM_X11 && match(msg->msg.x11.event)) return true;
    }
    return false;
}

// Whether SDL's queue holds a later configure or reparent event of the X window.
bool LaterConfigureQueued(Window window) {
    return X11EventQueued([window](const XEvent& x) {
        return (x.type == ConfigureNotify && x.xconfigure.window == window) ||
               (x.type == ReparentNotify && x.xreparent.window == window);
    });
}

// Whether SDL's queue holds more pointer motion or a button release still to be translated.
bool PointerEventsQueued() {
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION) > 0) return true;
    return X11EventQueued(
        [](const XEvent& x) { return x.type == ButtonRelease || x.type == MotionNotify; });
}

void InitVideo() {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    // SIGINT and SIGTERM keep their meaning; SDL would turn them into a quit event we ignore.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Pointer capture is ours (X grabs); SDL's own would release it on every button release.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // A player's idle windows must not keep the screen saver away; playback decides that.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Cannot start SDL's video: ") + SDL_GetError());
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    // Drops are taken by our own XDND target (x11_drop_target.h); SDL's would answer the same
    // drag sources on the same windows.
    SDL_EventState(SDL_DROPFILE, SDL_DISABLE);
    SDL_EventState(SDL_DROPTEXT, SDL_DISABLE);
    for (const uint32_t type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL})
        SDL_EventState(type, SDL_IGNORE);
}

} // namespace

std::unique_ptr<IPlatform> CreateDesktopPlatform() {
    return std::make_unique<TSdlPlatform>();
}

TSdlPlatform::TSdlPlatform() : m_display(XOpenDisplay(nullptr), &XCloseDisplay) {
    if (!m_display) {
        const char* name = std::getenv("DISPLAY");
        throw std::runtime_error(std::string("Cannot open the X display \"") + (name ? name : "") +
                                 "\"");
    }
    InitVideo();
    m_wakeEvent = SDL_RegisterEvents(3);
    m_frameEvent = m_wakeEvent + 1;
    m_postedEvent = m_wakeEvent + 2;
}

TSdlPlatform::~TSdlPlatform() {
    // The drop target's connection goes before SDL's video: SDL's quit puts back the X error
    // handler it found, and an error of the target's last requests would then end the program.
    m_dropTarget.reset();
    for (SDL_Cursor* cursor : m_cursors)
        if (cursor) SDL_FreeCursor(cursor);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::unique_ptr<IPlatformWindow> TSdlPlatform::CreateWindow(uint32_t id,
                                                            const TPlatformWindowParams& params) {
    return std::make_unique<TSdlPlatformWindow>(*this, id, params);
}

bool TSdlPlatform::CompositorRunning() {
    return X11CompositorRunning(m_display.get());
}

unsigned long TSdlPlatform::AlphaVisual() {
    if (!m_alphaVisual) m_alphaVisual = X11AlphaVisual(m_display.get());
    return *m_alphaVisual;
}

void TSdlPlatform::WatchCompositor(SDL_Window* window) {
    if (m_compositorEvent) return;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    m_compositorEvent = X11WatchCompositor(info.info.x11.display);
}

// The windows' pixels must now be presented for the new way they are shown.
TSdlPlatform::TTranslation TSdlPlatform::CompositorChanged(TPlatformEvent& out) {
    bool first = true;
    for (const TSdlPlatformWindow* w : m_windows) {
        if (!w->HasAlphaVisual() || !w->Visible()) continue;
        TPlatformEvent exposed;
        exposed.Kind = TPlatformEventKind::Exposed;
        exposed.Window = w->Id();
        if (first)
            out = exposed;
        else
            m_pending.push_back(exposed);
        first = false;
    }
    return first ? TTranslation::Nothing : TTranslation::Event;
}

void TSdlPlatform::Register(TSdlPlatformWindow& window) {
    m_windows.push_back(&window);
}

void TSdlPlatform::AcceptDrops(const TSdlPlatformWindow& window, bool accept) {
    if (!m_dropTarget) {
        if (!accept) return;
        m_dropTarget = std::make_unique<TX11DropTarget>(
            [this](const TPlatformEvent& event) { PostEvent(event); });
    }
    // SDL's requests for the window (its own XdndAware among them) go first.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window.SdlWindow(), &info) && info.subsystem == SDL_SYSWM_X11)
        XSync(info.info.x11.display, False);
    m_dropTarget->Accept(window.Id(), window.XWindow(), accept);
}

void TSdlPlatform::Unregister(TSdlPlatformWindow& window) {
    if (m_capture == window.Id()) SetCapture(0);
    std::erase(m_windows, &window);
}

TSdlPlatformWindow* TSdlPlatform::FindById(uint32_t id) const {
    for (TSdlPlatformWindow* w : m_windows)
        if (w->Id() == id) return w;
    return nullptr;
}

TSdlPlatformWindow* TSdlPlatform::FindBySdlId(uint32_t sdlId) const {
    for (TSdlPlatformWindow* w : m_windows)
        if (w->SdlId() == sdlId) return w;
    return nullptr;
}

TSdlPlatformWindow* TSdlPlatform::FindByXWindow(unsigned long xWindow) const {
    for (TSdlPlatformWindow* w : m_windows)
        if (w->XWindow() == xWindow) return w;
    return nullptr;
}

// A shown top-most window that is neither transient nor part of the desktop.
bool TSdlPlatform::KeptAbove(const TSdlPlatformWindow& w) {
    return w.Visible() && w.TopMost() && !w.Transient() && !w.OnDesktop();
}

void TSdlPlatform::Restack() {
    for (TSdlPlatformWindow* w : m_windows)
        if (KeptAbove(*w)) RaiseX11Window(w->SdlWindow());
    for (TSdlPlatformWindow* w : m_windows)
        if (w->Visible() && w->Transient()) RaiseX11Window(w->SdlWindow());
}

SDL_Window* TSdlPlatform::Ceiling(const TSdlPlatformWindow& window) const {
    if (window.Transient()) return nullptr;
    // Top-most windows keep creation order among themselves and lie under every transient one.
    if (!window.TopMost())
        for (const TSdlPlatformWindow* w : m_windows)
            if (w != &window && KeptAbove(*w)) return w->SdlWindow();
    for (const TSdlPlatformWindow* w : m_windows)
        if (w != &window && w->Visible() && w->Transient()) return w->SdlWindow();
    return nullptr;
}

bool TSdlPlatform::WaitEvent(TPlatformEvent& event, int32_t timeoutMs) {
    if (!m_pending.empty()) {
        event = m_pending.front();
        m_pending.pop_front();
        return true;
    }
    if (TakePosted(event)) return true;
    const uint32_t start = SDL_GetTicks();
    while (true) {
        int32_t left = -1;
        if (timeoutMs >= 0)
            left = std::max<int32_t>(timeoutMs - int32_t(SDL_GetTicks() - start), 0);
        SDL_Event in;
        const bool got = left == 0  ? SDL_PollEvent(&in)
                         : left < 0 ? SDL_WaitEvent(&in)
                                    : SDL_WaitEventTimeout(&in, left);
        if (!got) {
            // SDL_WaitEvent fails only when the event system is gone.
            if (left <= 0) return false;
            continue;
        }
        switch (Translate(in, event)) {
        case TTranslation::Event:
            return true;
        case TTranslation::Woken:
            return false;
        case TTranslation::Nothing:
            break;
        }
    }
}

void TSdlPlatform::Wake() {
    if (m_wakePending.exchange(true)) return;
    SDL_Event e{};
    e.type = m_wakeEvent;
    // A full queue refuses the event; the next Wake tries again.
    if (SDL_PushEvent(&e) != 1) m_wakePending = false;
}

std::unique_ptr<ITrayIcon> TSdlPlatform::CreateTrayIcon(uint32_t id) {
    return std::make_unique<TDesktopTrayIcon>(
        id, [this](const TPlatformEvent& event) { PostEvent(event); });
}

void TSdlPlatform::PostEvent(const TPlatformEvent& event) {
    {
        std::lock_guard lock(m_postedMutex);
        m_posted.push_back(event);
    }
    SDL_Event e{};
    e.type = m_postedEvent;
    // A full queue refuses it; the event then waits for the next wait.
    SDL_PushEvent(&e);
}

bool TSdlPlatform::TakePosted(TPlatformEvent& event) {
    std::lock_guard lock(m_postedMutex);
    if (m_posted.empty()) return false;
    event = std::move(m_posted.front());
    m_posted.pop_front();
    return true;
}

bool TSdlPlatform::PostVideoFrame(uint32_t window) {
    SDL_Event e{};
    e.type = m_frameEvent;
    e.user.code = int32_t(window);
    return SDL_PushEvent(&e) == 1;
}

TSdlPlatform::TTranslation TSdlPlatform::Translate(const SDL_Event& in, TPlatformEvent& out) {
    out = TPlatformEvent{};
    if (in.type == m_wakeEvent) {
        m_wakePending = false;
        return TTranslation::Woken;
    }
    if (in.type == m_frameEvent) {
        if (TSdlPlatformWindow* w = FindById(uint32_t(in.user.code))) w->ShowVideoFrame();
        return TTranslation::Nothing;
    }
    if (in.type == m_postedEvent)
        return TakePosted(out) ? TTranslation::Event : TTranslation::Nothing;
    switch (in.type) {
    case SDL_MOUSEMOTION:
        return TranslateMotion(in.motion, out);
    case SDL_SYSWMEVENT: {
        if (!in.syswm.msg || in.syswm.msg->subsystem != SDL_SYSWM_X11) return TTranslation::Nothing;
        const XEvent& x = in.syswm.msg->msg.x11.event;
        if (x.type == ConfigureNotify || x.type == ReparentNotify) return TranslateConfigure(x, out);
        if (m_compositorEvent && X11CompositorChanged(x.xany.display, x, *m_compositorEvent))
            return CompositorChanged(out);
        return TranslatePointer(x, out);
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const TSdlPlatformWindow* w = FindBySdlId(in.key.windowID);
        out.Key = VirtualKeyFromSdl(in.key.keysym.sym, in.key.keysym.scancode,
                                    in.key.keysym.mod & KMOD_NUM);
        if (!w || !out.Key) return TTranslation::Nothing;
        out.Kind = in.type == SDL_KEYDOWN ? TPlatformEventKind::KeyDown : TPlatformEventKind::KeyUp;
        out.Window = w->Id();
        out.Modifiers = m_keyModifiers = Modifiers(in.key.keysym.mod);
        return TTranslation::Event;
    }
    case SDL_TEXTINPUT: {
        const TSdlPlatformWindow* w = FindBySdlId(in.text.windowID);
        if (!w) return TTranslation::Nothing;
        out.Kind = TPlatformEventKind::Text;
        out.Window = w->Id();
        out.Text = in.text.text;
        // Typed text follows the key that made it.
        out.Modifiers = m_keyModifiers;
        return TTranslation::Event;
    }
    case SDL_WINDOWEVENT:
        return TranslateWindowEvent(in, out);
    default:
        return TTranslation::Nothing;
    }
}

TSdlPlatform::TTranslation TSdlPlatform::TranslateWindowEvent(const SDL_Event& in,
                                                              TPlatformEvent& out) {
    TSdlPlatformWindow* w = FindBySdlId(in.window.windowID);
    if (!w) return TTranslation::Nothing;
    out.Window = w->Id();
    switch (in.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        out.Kind = TPlatformEventKind::CloseRequest;
        return TTranslation::Event;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        out.Kind = TPlatformEventKind::Activated;
        return TTranslation::Event;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        out.Kind = TPlatformEventKind::Deactivated;
        return TTranslation::Event;
    case SDL_WINDOWEVENT_EXPOSED:
        w->Recompose();
        out.Kind = TPlatformEventKind::Exposed;
        return TTranslation::Event;
    default:
        return TTranslation::Nothing;
    }
}

// A window moved or sized, by us or by the window manager, or put into a frame or out of one.
// Real configure events tell the place within the parent, which is the screen only while the
// window has no frame; the window manager's own (synthetic) ones tell the place on the screen.
// Either comes in order with the pointer events, so pointer positions within the window meet
// the place the window had when they happened.
TSdlPlatform::TTranslation TSdlPlatform::TranslateConfigure(const XEvent& x, TPlatformEvent& out) {
    const bool reparent = x.type == ReparentNotify;
    TSdlPlatformWindow* w = FindByXWindow(reparent ? x.xreparent.window : x.xconfigure.window);
    if (!w) return TTranslation::Nothing;
    std::optional<TScreenRect> reported;
    if (reparent) {
        // The window keeps its place: the frame may not stand where the window manager puts it
        // yet, and a window manager reports a move it makes with a configure event of its own.
        w->SetFramed(x.xreparent.parent != DefaultRootWindow(x.xreparent.display));
        reported = w->ScreenBounds();
    } else if (x.xconfigure.send_event || !w->Framed()) {
        const XConfigureEvent& c = x.xconfigure;
        const int32_t left = c.x + c.border_width, top = c.y + c.border_width;
        reported = TScreenRect{left, top, left + c.width, top + c.height};
    }
    w->UpdateScreenBounds(reported);
    // Only places the window manager chose count, and only the newest: an answer to an older
    // request of ours would take the program back to where it had the window before.
    if (w->AnswersRequest(w->ScreenBounds()) || LaterConfigureQueued(w->XWindow()))
        return TTranslation::Nothing;
    out.Kind = TPlatformEventKind::Moved;
    out.Window = w->Id();
    out.Bounds = w->ScreenBounds();
    return TTranslation::Event;
}

// The X server sends pointer motion inside our windows to SDL through XInput2, not as core
// events, also during a pointer grab; SDL's motion event stands in for it. Motion outside them
// during a grab comes as core events (TranslatePointer), which SDL itself drops.
TSdlPlatform::TTranslation TSdlPlatform::TranslateMotion(const SDL_MouseMotionEvent& in,
                                                         TPlatformEvent& out) {
    const TSdlPlatformWindow* source = FindBySdlId(in.windowID);
    if (!source) return TTranslation::Nothing;
    const int left = source->ScreenBounds().Left, top = source->ScreenBounds().Top;
    TPointerFields f{source->XWindow(), in.x, in.y, left + in.x, top + in.y, 0};
    unsigned held = m_buttonsDown;
    // SDL keeps the pointer within the window, so while a capture lets it leave the window
    // its place comes from the server. Buttons the server has up while pointer events wait
    // to be translated are left to those.
    if (m_capture) {
        const unsigned now = QueryPointer();
        if (!PointerEventsQueued()) held = now;
        f = {source->XWindow(), m_cursorX - left, m_cursorY - top, m_cursorX, m_cursorY, 0};
    }
    TPlatformEvent move;
    RoutePointer(*source, f, move);
    move.Modifiers = Modifiers(uint16_t(SDL_GetModState()));
    return Deliver(move, held, THeldRead::Later, out);
}

// A release the server never sent (one made outside the window before a capture's grab took
// hold reaches no one) is made up: before Move, where the pointer was last, when Held are the
// buttons as Move happened; after it, where Move went, when Held were read later.
TSdlPlatform::TTranslation TSdlPlatform::Deliver(const TPlatformEvent& move, unsigned held,
                                                 THeldRead heldRead, TPlatformEvent& out) {
    const bool heldAtMove = heldRead == THeldRead::AtMove;
    const int32_t x = heldAtMove ? m_lastScreenX : move.ScreenX;
    const int32_t y = heldAtMove ? m_lastScreenY : move.ScreenY;
    m_lastScreenX = move.ScreenX;
    m_lastScreenY = move.ScreenY;
    TPlatformEvent up;
    if (!m_capture || !TakeLostReleases(held, x, y, up)) {
        out = move;
        return TTranslation::Event;
    }
    out = heldAtMove ? up : move;
    m_pending.push_back(heldAtMove ? move : up);
    return TTranslation::Event;
}

// A pointer move from Source, given to the capturing window when there is one, in the
// receiving window's coordinates.
void TSdlPlatform::RoutePointer(const TSdlPlatformWindow& source, const TPointerFields& f,
                                TPlatformEvent& out) {
    const TSdlPlatformWindow* target = m_capture ? FindById(m_capture) : &source;
    if (!target) target = &source;
    out.Window = target->Id();
    out.ScreenX = m_cursorX = f.RootX;
    out.ScreenY = m_cursorY = f.RootY;
    out.X = f.X;
    out.Y = f.Y;
    if (target != &source) {
        out.X = f.RootX - target->ScreenBounds().Left;
        out.Y = f.RootY - target->ScreenBounds().Top;
    }
    out.Modifiers = Modifiers(f.State);
    out.Kind = TPlatformEventKind::MouseMove;
}

// Pointer events go to the window they happened in, or to the capturing window wherever they
// happened, in that window's coordinates. X buttons 4 and 5 are the wheel's notches.
TSdlPlatform::TTranslation TSdlPlatform::TranslatePointer(const XEvent& x, TPlatformEvent& out) {
    TPointerFields f;
    if (!PointerFields(x, f)) return TTranslation::Nothing;
    const TSdlPlatformWindow* source = FindByXWindow(f.Target);
    if (!source) return TTranslation::Nothing;
    RoutePointer(*source, f, out);
    if (x.type != ButtonPress && x.type != ButtonRelease)
        return Deliver(TPlatformEvent(out), f.State, THeldRead::AtMove, out);
    const bool down = x.type == ButtonPress;
    switch (x.xbutton.button) {
    case Button1:
    case Button2:
    case Button3: {
        m_lastScreenX = out.ScreenX;
        m_lastScreenY = out.ScreenY;
        const unsigned mask = Button1Mask << (x.xbutton.button - Button1);
        // A release already made up for (TakeLostReleases) is not reported twice.
        if (!down && !(m_buttonsDown & mask)) return TTranslation::Nothing;
        m_buttonsDown = down ? m_buttonsDown | mask : m_buttonsDown & ~mask;
        if (down && source->Focusable()) FocusClickedX11Window(source->SdlWindow());
        out.Kind = down ? TPlatformEventKind::ButtonDown : TPlatformEventKind::ButtonUp;
        out.Button = x.xbutton.button == Button1   ? TPlatformButton::Left
                     : x.xbutton.button == Button2 ? TPlatformButton::Middle
                                                   : TPlatformButton::Right;
        return TTranslation::Event;
    }
    case Button4:
    case Button5:
        if (!down) return TTranslation::Nothing;
        out.Kind = TPlatformEventKind::Wheel;
        out.WheelDelta = x.xbutton.button == Button4 ? 120 : -120;
        return TTranslation::Event;
    default:
        return TTranslation::Nothing;
    }
}

uint32_t TSdlPlatform::TickCount() {
    return GetTickCount();
}

std::vector<TMonitorInfo> TSdlPlatform::Monitors() {
    std::vector<TMonitorInfo> monitors;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        SDL_Rect bounds, usable;
        if (SDL_GetDisplayBounds(i, &bounds) != 0) continue;
        if (SDL_GetDisplayUsableBounds(i, &usable) != 0) usable = bounds;
        // SDL lists the primary output first.
        monitors.push_back({FromSdl(bounds), FromSdl(usable), i == 0});
    }
    return monitors;
}

unsigned TSdlPlatform::QueryPointer() {
    Window root = 0, child = 0;
    int winX = 0, winY = 0;
    unsigned mask = 0;
    Display* d = m_display.get();
    XQueryPointer(d, DefaultRootWindow(d), &root, &child, &m_cursorX, &m_cursorY, &winX, &winY,
                  &mask);
    return mask;
}

bool TSdlPlatform::TakeLostReleases(unsigned held, int32_t x, int32_t y, TPlatformEvent& out) {
    const TSdlPlatformWindow* capture = FindById(m_capture);
    const unsigned lost = m_buttonsDown & ~held;
    if (!capture || !lost) return false;
    m_buttonsDown &= ~lost;
    constexpr std::pair<unsigned, TPlatformButton> buttons[] = {
        {Button1Mask, TPlatformButton::Left},
        {Button2Mask, TPlatformButton::Middle},
        {Button3Mask, TPlatformButton::Right}};
    bool first = true;
    for (const auto& [mask, button] : buttons) {
        if (!(lost & mask)) continue;
        TPlatformEvent up;
        up.Kind = TPlatformEventKind::ButtonUp;
        up.Button = button;
        up.Window = m_capture;
        up.ScreenX = x;
        up.ScreenY = y;
        up.X = x - capture->ScreenBounds().Left;
        up.Y = y - capture->ScreenBounds().Top;
        if (first)
            out = up;
        else
            m_pending.push_back(up);
        first = false;
    }
    return true;
}

int32_t TSdlPlatform::CursorX() {
    QueryPointer();
    return m_cursorX;
}

int32_t TSdlPlatform::CursorY() {
    QueryPointer();
    return m_cursorY;
}

void TSdlPlatform::SetCapture(uint32_t window) {
    if (window == m_capture) return;
    if (const TSdlPlatformWindow* previous = FindById(m_capture))
        UngrabX11Pointer(previous->SdlWindow());
    m_capture = 0;
    const TSdlPlatformWindow* next = FindById(window);
    if (!next) return;
    m_capture = window;
    // A refused grab (another program holds one) still sends our own windows' events here.
    GrabX11Pointer(next->SdlWindow());
}

void TSdlPlatform::SetCursor(int32_t cursor) {
    if (cursor == m_cursor) return;
    m_cursor = cursor;
    SDL_ShowCursor(cursor == kCursorNone ? SDL_DISABLE : SDL_ENABLE);
    if (cursor == kCursorNone) return;
    const SDL_SystemCursor shape = SystemCursor(cursor);
    SDL_Cursor*& made = m_cursors[size_t(shape)];
    if (!made) made = SDL_CreateSystemCursor(shape);
    if (made) SDL_SetCursor(made);
}

std::string TSdlPlatform::ClipboardText() {
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

void TSdlPlatform::SetClipboardText(const std::string& text) {
    SDL_SetClipboardText(text.c_str());
}

std::vector<uint32_t> TSdlPlatform::CaptureScreen(const TScreenRect& rect) {
    return ReadX11Screen(m_display.get(), rect);
}

std::unique_ptr<IDesktopBackground> TSdlPlatform::PaintDesktop(uint32_t rgb) {
    return std::make_unique<TX11DesktopBackground>(rgb);
}

} // namespace brisat
