#include "framework/windowing/message_queue.h"

#include "framework/core/utf8.h"
#include "framework/windowing/drop_files.h"
#include "framework/windowing/notify_icon.h"
#include "framework/windowing/window_record.h"

#include <algorithm>
#include <deque>
#include <map>
#include <mutex>

namespace brisat {
namespace {

struct TPosted {
    std::mutex Mutex;
    std::deque<TMsg> Messages;
    bool Quit = false;
    int QuitCode = 0;
};

TPosted& Posted() {
    static TPosted posted;
    return posted;
}

struct TTimer {
    uint32_t Interval = 0;
    uint32_t Due = 0;
    TTimerProc Proc;
};

std::map<std::pair<HWND, UINT>, TTimer>& Timers() {
    static std::map<std::pair<HWND, UINT>, TTimer> timers;
    return timers;
}

UINT g_nextTimerId = 1;
int g_exitCode = 0;

// Input state.
HWND g_hover = 0;
uint32_t g_modifiers = 0;
WPARAM g_buttons = 0; // MK_ button bits held
struct TLastClick {
    HWND Window = 0;
    UINT Down = 0;
    uint32_t Time = 0;
    TPoint Pos;
} g_lastClick;

bool Due(uint32_t due, uint32_t now) {
    return int32_t(now - due) >= 0;
}

bool Matches(const TMsg& m, HWND hwnd, UINT min, UINT max) {
    if (hwnd && m.hwnd != hwnd) return false;
    return (min == 0 && max == 0) || (m.message >= min && m.message <= max);
}

void Queue(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    TMsg m{hwnd, msg, w, l, Platform().TickCount(), GetCursorPos()};
    std::lock_guard lock(Posted().Mutex);
    Posted().Messages.push_back(m);
}

WPARAM MouseKeys() {
    WPARAM keys = g_buttons;
    if (g_modifiers & PlatformShift) keys |= MK_SHIFT;
    if (g_modifiers & PlatformCtrl) keys |= MK_CONTROL;
    return keys;
}

WPARAM ButtonBit(TPlatformButton b) {
    return b == TPlatformButton::Left    ? MK_LBUTTON
           : b == TPlatformButton::Right ? MK_RBUTTON
                                         : MK_MBUTTON;
}

UINT ButtonMessage(TPlatformButton b, bool down) {
    const UINT base = b == TPlatformButton::Left    ? WM_LBUTTONDOWN
                      : b == TPlatformButton::Right ? WM_RBUTTONDOWN
                                                    : WM_MBUTTONDOWN;
    return down ? base : base + 1;
}

// A press that repeats the last one on the same window soon and near enough is a double click.
bool IsDoubleClick(HWND hwnd, UINT down, TPoint screen, uint32_t now) {
    const TLastClick& c = g_lastClick;
    const bool dbl = c.Window == hwnd && c.Down == down && now - c.Time <= GetDoubleClickTime() &&
                     std::abs(screen.X - c.Pos.X) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                     std::abs(screen.Y - c.Pos.Y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    g_lastClick = dbl ? TLastClick{} : TLastClick{hwnd, down, now, screen};
    return dbl;
}

bool InputAllowed(HWND hwnd) {
    for (HWND h = hwnd; h; h = GetParent(h))
        if (!IsWindowEnabled(h)) return false;
    return hwnd != 0;
}

void TranslateMouse(const TPlatformEvent& e) {
    const TPoint screen{e.ScreenX, e.ScreenY};
    const bool down = e.Kind == TPlatformEventKind::ButtonDown;
    const bool up = e.Kind == TPlatformEventKind::ButtonUp;
    if (down) g_buttons |= ButtonBit(e.Button);
    if (up) g_buttons &= ~ButtonBit(e.Button);
    if (MoveSizeTracking()) {
        MoveSizeMouse(screen, up && e.Button == TPlatformButton::Left);
        return;
    }
    const HWND capture = GetCapture();
    const HWND target = capture ? capture : DescendantFromPoint(e.Window, screen);
    if (target != g_hover) {
        if (g_hover) Queue(g_hover, WM_MOUSELEAVE, 0, 0);
        g_hover = target;
    }
    if (!InputAllowed(target)) return;
    const LRESULT hit =
        capture ? HTCLIENT : SendMessage(target, WM_NCHITTEST, 0, PointToLParam(screen));
    if (hit == HTNOWHERE || hit == HTTRANSPARENT || hit == HTERROR) return;
    UINT msg = WM_MOUSEMOVE;
    if (down || up) msg = ButtonMessage(e.Button, down);
    SendMessage(target, WM_SETCURSOR, target, MakeLParam(int32_t(hit), int32_t(msg)));
    if (down) {
        const HWND topLevel = GetTopLevelWindow(target);
        if (GetActiveWindow() != topLevel && !(GetWindowExStyle(topLevel) & WS_EX_NOACTIVATE))
            SetActiveWindow(topLevel);
    }
    if (e.Kind == TPlatformEventKind::Wheel) {
        const HWND focus = GetFocus() ? GetFocus() : target;
        Queue(focus, WM_MOUSEWHEEL, MouseKeys() | WPARAM(uint16_t(e.WheelDelta)) << 16,
              PointToLParam(screen));
        return;
    }
    if (down && IsDoubleClick(target, msg, screen, Platform().TickCount())) msg += 2;
    if (hit == HTCLIENT)
        Queue(target, msg, MouseKeys(), PointToLParam(ScreenToClient(target, screen)));
    else
        Queue(target, msg - (WM_MOUSEMOVE - WM_NCMOUSEMOVE), WPARAM(hit), PointToLParam(screen));
}

TPlatformButton ButtonOfPress(UINT down) {
    return down == WM_RBUTTONDOWN   ? TPlatformButton::Right
           : down == WM_MBUTTONDOWN ? TPlatformButton::Middle
                                    : TPlatformButton::Left;
}

void TranslateKey(const TPlatformEvent& e) {
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target) target = e.Window;
    if (!InputAllowed(target)) return;
    const bool alt = e.Modifiers & PlatformAlt;
    switch (e.Kind) {
    case TPlatformEventKind::KeyDown:
        Queue(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, e.Key, 1);
        break;
    case TPlatformEventKind::KeyUp:
        Queue(target, alt ? WM_SYSKEYUP : WM_KEYUP, e.Key, LPARAM(0xC0000001u));
        break;
    default: {
        size_t at = 0;
        while (at < e.Text.size()) {
            const char32_t c = DecodeUtf8(e.Text, at);
            Queue(target, alt ? WM_SYSCHAR : WM_CHAR, WPARAM(c), 1);
        }
    }
    }
}

void Translate(const TPlatformEvent& e) {
    if (TranslateTrayEvent(e) || TranslateDropEvent(e) || !IsWindow(e.Window)) return;
    g_modifiers = e.Modifiers;
    switch (e.Kind) {
    case TPlatformEventKind::MouseMove:
    case TPlatformEventKind::ButtonDown:
    case TPlatformEventKind::ButtonUp:
    case TPlatformEventKind::Wheel:
        TranslateMouse(e);
        break;
    case TPlatformEventKind::KeyDown:
    case TPlatformEventKind::KeyUp:
    case TPlatformEventKind::Text:
        TranslateKey(e);
        break;
    case TPlatformEventKind::CloseRequest:
        Queue(e.Window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case TPlatformEventKind::Activated:
        SetActiveWindow(e.Window);
        break;
    case TPlatformEventKind::Deactivated:
        if (GetActiveWindow() == e.Window) SetActiveWindow(0);
        break;
    case TPlatformEventKind::Exposed:
        RedrawWindow(e.Window, nullptr, RDW_FRAME | RDW_INVALIDATE);
        break;
    case TPlatformEventKind::Moved:
        NativeWindowMoved(e.Window, {e.Bounds.Left, e.Bounds.Top, e.Bounds.Right, e.Bounds.Bottom});
        break;
    default: // tray icon events, taken above
        break;
    }
}

// Input becomes messages one event at a time, when nothing posted is waiting, so each event
// meets the state the messages before it left (a press that starts a drag, a capture).
bool PumpPlatformEvent() {
    TPlatformEvent e;
    if (!Platform().WaitEvent(e, 0)) return false;
    Translate(e);
    return true;
}

bool TakePosted(TMsg& msg, HWND hwnd, UINT min, UINT max, bool remove) {
    TPosted& p = Posted();
    std::lock_guard lock(p.Mutex);
    for (auto it = p.Messages.begin(); it != p.Messages.end(); ++it)
        if (Matches(*it, hwnd, min, max)) {
            msg = *it;
            if (remove) p.Messages.erase(it);
            return true;
        }
    return false;
}

bool TakePaint(TMsg& msg, HWND hwnd, UINT min, UINT max) {
    for (HWND top : GetTopLevelWindows()) {
        TMsg m{top, WM_PAINT, 0, 0, Platform().TickCount(), GetCursorPos()};
        if (HasUpdateRegion(top) && Matches(m, hwnd ? GetTopLevelWindow(hwnd) : 0, min, max)) {
            msg = m;
            return true;
        }
    }
    return false;
}

bool TakeTimer(TMsg& msg, HWND hwnd, UINT min, UINT max, bool remove) {
    const uint32_t now = Platform().TickCount();
    auto& timers = Timers();
    auto best = timers.end();
    for (auto it = timers.begin(); it != timers.end(); ++it)
        if (Due(it->second.Due, now) && (!hwnd || it->first.first == hwnd) &&
            (best == timers.end() || int32_t(it->second.Due - best->second.Due) < 0))
            best = it;
    if (best == timers.end()) return false;
    TMsg m{best->first.first, WM_TIMER, best->first.second, 0, now, GetCursorPos()};
    if (!Matches(m, hwnd, min, max)) return false;
    if (remove) best->second.Due = now + best->second.Interval;
    msg = m;
    return true;
}

} // namespace

void ForgetWindowTimers(HWND hwnd) {
    std::erase_if(Timers(), [hwnd](const auto& t) { return t.first.first == hwnd; });
    TPosted& p = Posted();
    std::lock_guard lock(p.Mutex);
    std::erase_if(p.Messages, [hwnd](const TMsg& m) { return m.hwnd == hwnd; });
}

void ForgetWindowInput(HWND hwnd) {
    if (g_hover == hwnd) g_hover = 0;
    if (g_lastClick.Window == hwnd) g_lastClick = {};
}

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    {
        TPosted& p = Posted();
        std::lock_guard lock(p.Mutex);
        p.Messages.push_back({hwnd, msg, wParam, lParam, 0, {}});
    }
    if (HasPlatform()) Platform().Wake();
    return true;
}

void ReplayButtonPress(UINT down, TPoint screen) {
    const HWND top = GetTopLevelWindow(WindowFromPoint(screen));
    if (!top) return;
    const TRect w = GetWindowRect(top);
    TPlatformEvent e;
    e.Kind = TPlatformEventKind::ButtonDown;
    e.Window = top;
    e.X = screen.X - w.Left;
    e.Y = screen.Y - w.Top;
    e.ScreenX = screen.X;
    e.ScreenY = screen.Y;
    e.Button = ButtonOfPress(down);
    e.Modifiers = g_modifiers;
    g_lastClick = {}; // the press was seen once already: it starts no double click
    TranslateMouse(e);
}

void PostQuitMessage(int exitCode) {
    TPosted& p = Posted();
    std::lock_guard lock(p.Mutex);
    p.Quit = true;
    p.QuitCode = exitCode;
}

bool PeekMessage(TMsg& msg, HWND hwnd, UINT min, UINT max, uint32_t remove) {
    const bool take = remove & PM_REMOVE;
    do {
        if (TakePosted(msg, hwnd, min, max, take)) return true;
    } while (PumpPlatformEvent());
    {
        TPosted& p = Posted();
        std::lock_guard lock(p.Mutex);
        if (p.Quit && !hwnd && (min == 0 || min <= WM_QUIT) && (max == 0 || max >= WM_QUIT)) {
            msg = TMsg{0, WM_QUIT, WPARAM(p.QuitCode), 0, 0, {}};
            if (take) p.Quit = false;
            return true;
        }
    }
    return TakePaint(msg, hwnd, min, max) || TakeTimer(msg, hwnd, min, max, take);
}

bool GetMessage(TMsg& msg, HWND hwnd, UINT min, UINT max) {
    while (!PeekMessage(msg, hwnd, min, max, PM_REMOVE))
        WaitMessage();
    if (msg.message == WM_QUIT) g_exitCode = int(msg.wParam);
    return msg.message != WM_QUIT;
}

void WaitMessage() {
    const uint32_t now = Platform().TickCount();
    int32_t timeout = -1;
    for (const auto& [key, t] : Timers()) {
        const int32_t left = std::max<int32_t>(int32_t(t.Due - now), 0);
        timeout = timeout < 0 ? left : std::min(timeout, left);
    }
    TPlatformEvent e;
    if (Platform().WaitEvent(e, timeout)) Translate(e);
}

LRESULT DispatchMessage(const TMsg& msg) {
    if (msg.message == WM_PAINT && msg.wParam == 0 && GetParent(msg.hwnd) == 0) {
        UpdateWindow(msg.hwnd);
        return 0;
    }
    if (msg.message == WM_TIMER) {
        auto it = Timers().find({msg.hwnd, UINT(msg.wParam)});
        if (it != Timers().end() && it->second.Proc) {
            TTimerProc proc = it->second.Proc;
            proc(msg.hwnd, UINT(msg.wParam));
            return 0;
        }
    }
    return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

int ExitCode() {
    return g_exitCode;
}

UINT SetTimer(HWND hwnd, UINT id, uint32_t elapseMs, TTimerProc proc) {
    if (hwnd && !IsWindow(hwnd)) return 0;
    if (!hwnd) id = g_nextTimerId++;
    const uint32_t interval = std::max<uint32_t>(elapseMs, 10);
    Timers()[{hwnd, id}] = {interval, Platform().TickCount() + interval, std::move(proc)};
    return id;
}

bool KillTimer(HWND hwnd, UINT id) {
    return Timers().erase({hwnd, id}) > 0;
}

int16_t GetKeyState(uint32_t key) {
    bool down = false;
    switch (key) {
    case VK_SHIFT:
        down = g_modifiers & PlatformShift;
        break;
    case VK_CONTROL:
        down = g_modifiers & PlatformCtrl;
        break;
    case VK_MENU:
        down = g_modifiers & PlatformAlt;
        break;
    case VK_LBUTTON:
        down = g_buttons & MK_LBUTTON;
        break;
    case VK_RBUTTON:
        down = g_buttons & MK_RBUTTON;
        break;
    case VK_MBUTTON:
        down = g_buttons & MK_MBUTTON;
        break;
    default:
        break;
    }
    return down ? int16_t(-32768) : int16_t(0);
}

TPoint GetCursorPos() {
    return {Platform().CursorX(), Platform().CursorY()};
}

uint32_t GetTickCount32() {
    return Platform().TickCount();
}

} // namespace brisat

namespace brisat {

void ClearMessageQueue() {
    {
        TPosted& p = Posted();
        std::lock_guard lock(p.Mutex);
        p.Messages.clear();
        p.Quit = false;
        p.QuitCode = 0;
    }
    Timers().clear();
    g_hover = 0;
    g_modifiers = 0;
    g_buttons = 0;
    g_lastClick = {};
}

} // namespace brisat
