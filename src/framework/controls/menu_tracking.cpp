#include "framework/controls/menu_tracking.h"

#include "framework/controls/application.h"
#include "framework/core/store_if_changed.h"
#include "framework/windowing/message_queue.h"

#include <climits>

namespace brisat {
namespace {

bool g_tracking = false;
bool g_cancelled = false;

constexpr UINT WM_NCMBUTTONDBLCLK = 0x00A9;

bool IsKeyboardMessage(UINT msg) {
    return msg >= WM_KEYDOWN && msg <= WM_SYSCHAR;
}
bool IsClientMouseMessage(UINT msg) {
    return msg >= WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL;
}
bool IsNonClientMouseMessage(UINT msg) {
    return msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK;
}

// What is selected in a sub-menu as it opens: its first item (opened by key) or nothing.
enum class TOpenSelection : uint8_t { FirstItem, Nothing };

class TMenuTracker {
public:
    TMenuTracker(HWND capture, TOutsideClick outside) : m_capture(capture), m_outside(outside) {}
    TMenuTracker(const TMenuTracker&) = delete;
    TMenuTracker& operator=(const TMenuTracker&) = delete;

    void PushBar(IMenuView& bar) {
        m_levels.push_back({&bar, nullptr});
        m_hasBar = true;
    }
    void PushPopup(std::unique_ptr<IMenuPopup> window) {
        IMenuView* view = window.get();
        m_levels.push_back({view, std::move(window)});
    }
    void Select(size_t level, int index);
    void SelectNext(size_t level, int direction);
    void OpenSubMenu(size_t level, TOpenSelection selection);
    void SetMouseUsed() { m_mouseUsed = true; }
    TMenuItem* Run();

private:
    struct TLevel {
        IMenuView* View = nullptr;
        std::unique_ptr<IMenuPopup> Window; // none for a menu bar
    };

    IMenuView& View(size_t level) const { return *m_levels[level].View; }
    size_t Deepest() const { return m_levels.size() - 1; }
    bool HasBar() const { return m_hasBar; }
    int LevelAt(TPoint screen) const;
    void Step();
    void HandleInput(const TMsg& msg);
    void HandleKey(uint16_t key);
    void HandleChar(char32_t c);
    void MouseMove(TPoint p);
    void MouseDown(TPoint p);
    void MouseUp(TPoint p);
    void Choose(size_t level, int index);
    void MoveBar(int direction);
    void CloseTo(size_t count);
    void StartHover(size_t level, int index);
    void KillHover();
    void Finish();

    std::vector<TLevel> m_levels;
    HWND m_capture = 0;
    TOutsideClick m_outside = TOutsideClick::Swallow;
    // A press outside the menus that goes on once they are closed (TOutsideClick::PassOn).
    UINT m_passOnPress = 0;
    TPoint m_passOnAt;
    bool m_done = false;
    TMenuItem* m_chosen = nullptr;
    TPoint m_lastMove{INT_MIN, INT_MIN};
    // A button release chooses only after the mouse moved or was pressed in the loop, so the
    // release of the click that opened a popup chooses nothing.
    bool m_mouseUsed = false;
    UINT m_hoverTimer = 0;
    size_t m_hoverLevel = 0;
    int m_hoverIndex = -1;
    uint32_t m_version = MenuStructureVersion();
    bool m_stale = false;
    bool m_hasBar = false;
};

TMenuItem* TMenuTracker::Run() {
    g_tracking = true;
    g_cancelled = false;
    // The loop takes the input itself, so a hint showing now would stay up over the menus.
    if (Application) Application->CancelHint();
    SetCapture(m_capture);
    const HWND active = GetActiveWindow();
    try {
        while (!m_done && !g_cancelled && GetCapture() == m_capture &&
               GetActiveWindow() == active)
            Step();
    } catch (...) {
        Finish();
        throw;
    }
    Finish();
    if (m_passOnPress) ReplayButtonPress(m_passOnPress, m_passOnAt);
    return m_stale || g_cancelled ? nullptr : m_chosen;
}

void TMenuTracker::Finish() {
    KillHover();
    if (GetCapture() == m_capture) ReleaseCapture();
    // A handler may have destroyed the menu bar, or its form and window with it.
    IMenuView* bar = m_hasBar && !m_stale && IsWindow(m_capture) ? &View(0) : nullptr;
    while (!m_levels.empty())
        m_levels.pop_back();
    if (bar) bar->SetSelected(-1, TSubMenu::Closed);
    g_tracking = false;
}

// The message is taken before it is looked at: input that arrives between a look and a take
// (a click just after a move, while a repaint waits) would otherwise go past the menus.
void TMenuTracker::Step() {
    TMsg msg;
    if (!PeekMessage(msg, 0, 0, 0, PM_REMOVE)) {
        WaitMessage();
        return;
    }
    if (msg.message == WM_QUIT) {
        PostQuitMessage(int(msg.wParam)); // the quit request goes on to the loop outside
        m_done = true;
        return;
    }
    if (IsKeyboardMessage(msg.message) || IsClientMouseMessage(msg.message) ||
        IsNonClientMouseMessage(msg.message))
        HandleInput(msg);
    else if (Application)
        Application->HandleTakenMessage(msg);
    else
        DispatchMessage(msg);
    if (MenuStructureVersion() != m_version) {
        // A handler changed item lists while they were shown: close without touching them.
        m_stale = true;
        m_done = true;
    }
}

void TMenuTracker::HandleInput(const TMsg& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        HandleKey(uint16_t(msg.wParam));
        return;
    case WM_CHAR:
    case WM_SYSCHAR:
        HandleChar(char32_t(msg.wParam));
        return;
    default:
        break;
    }
    if (!IsClientMouseMessage(msg.message) && !IsNonClientMouseMessage(msg.message)) return;
    const bool client = IsClientMouseMessage(msg.message);
    const TPoint p =
        client ? ClientToScreen(msg.hwnd, LParamToPoint(msg.lParam)) : LParamToPoint(msg.lParam);
    const UINT m = client ? msg.message : msg.message + (WM_MOUSEMOVE - WM_NCMOUSEMOVE);
    switch (m) {
    case WM_MOUSEMOVE:
        MouseMove(p);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        if (m_outside == TOutsideClick::PassOn && LevelAt(p) < 0) {
            m_passOnPress = m - (m - WM_LBUTTONDOWN) % 3; // a double click goes on as a press
            m_passOnAt = p;
        }
        MouseDown(p);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        MouseUp(p);
        break;
    default:
        break;
    }
}

int TMenuTracker::LevelAt(TPoint screen) const {
    for (size_t i = m_levels.size(); i-- > 0;)
        if (View(i).ContainsScreen(screen)) return int(i);
    return -1;
}

void TMenuTracker::Select(size_t level, int index) {
    KillHover();
    View(level).SetSelected(index, TSubMenu::Closed);
}

void TMenuTracker::SelectNext(size_t level, int direction) {
    IMenuView& view = View(level);
    const TMenuItem& parent = view.ParentItem();
    const int n = parent.Count();
    int i = view.Selected();
    for (int step = 0; step < n; ++step) {
        i = i < 0 ? (direction > 0 ? 0 : n - 1) : (i + direction + n) % n;
        const TMenuItem& item = parent.Items(i);
        if (item.Visible() && !item.IsLine()) {
            Select(level, i);
            return;
        }
    }
}

void TMenuTracker::OpenSubMenu(size_t level, TOpenSelection selection) {
    const bool selectFirst = selection == TOpenSelection::FirstItem;
    IMenuView& view = View(level);
    const int selected = view.Selected();
    if (selected < 0) return;
    TMenuItem& item = view.ParentItem().Items(selected);
    if (!item.Enabled() || !item.HasVisibleItems()) return;
    if (level < Deepest() && &View(level + 1).ParentItem() == &item) {
        if (selectFirst && View(level + 1).Selected() < 0) SelectNext(level + 1, 1);
        return;
    }
    CloseTo(level + 1);
    std::unique_ptr<IMenuPopup> window = item.CreatePopupWindow();
    view.SetSelected(selected, TSubMenu::Open);
    window->Open(view.ItemScreenRect(selected),
                 view.Horizontal() ? TMenuAnchor::BarItem : TMenuAnchor::SubMenuItem);
    PushPopup(std::move(window));
    if (selectFirst) SelectNext(level + 1, 1);
}

void TMenuTracker::CloseTo(size_t count) {
    if (m_levels.size() <= count) return;
    KillHover();
    while (m_levels.size() > count)
        m_levels.pop_back();
    if (count > 0) View(count - 1).SetSelected(View(count - 1).Selected(), TSubMenu::Closed);
}

void TMenuTracker::Choose(size_t level, int index) {
    TMenuItem& item = View(level).ParentItem().Items(index);
    if (!item.Enabled() || item.IsLine()) return;
    if (item.HasVisibleItems()) {
        Select(level, index);
        OpenSubMenu(level, TOpenSelection::FirstItem);
        return;
    }
    m_chosen = &item;
    m_done = true;
}

void TMenuTracker::MoveBar(int direction) {
    const bool open = m_levels.size() > 1;
    CloseTo(1);
    SelectNext(0, direction);
    if (open) OpenSubMenu(0, TOpenSelection::FirstItem);
}

void TMenuTracker::HandleKey(uint16_t key) {
    const size_t d = Deepest();
    IMenuView& view = View(d);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (view.Horizontal())
            OpenSubMenu(d, TOpenSelection::FirstItem);
        else
            SelectNext(d, key == VK_DOWN ? 1 : -1);
        break;
    case VK_RIGHT:
        if (view.Horizontal()) {
            MoveBar(1);
        } else if (const int s = view.Selected(); s >= 0 && view.ParentItem().Items(s).Enabled() &&
                                                  view.ParentItem().Items(s).HasVisibleItems()) {
            OpenSubMenu(d, TOpenSelection::FirstItem);
        } else if (HasBar()) {
            MoveBar(1);
        }
        break;
    case VK_LEFT:
        if (view.Horizontal())
            MoveBar(-1);
        else if (d > 0 && !View(d - 1).Horizontal())
            CloseTo(d);
        else if (HasBar())
            MoveBar(-1);
        break;
    case VK_RETURN:
    case VK_SPACE:
        if (const int s = view.Selected(); s >= 0) Choose(d, s);
        break;
    case VK_ESCAPE:
        if (d == 0)
            m_done = true;
        else
            CloseTo(d);
        break;
    case VK_MENU:
    case VK_F10:
        m_done = true;
        break;
    default:
        break;
    }
}

void TMenuTracker::HandleChar(char32_t c) {
    const size_t d = Deepest();
    IMenuView& view = View(d);
    const TMenuItem* item = view.ParentItem().FindByAccelerator(c);
    if (!item) return;
    const int index = view.ParentItem().IndexOf(item);
    Select(d, index);
    Choose(d, index);
}

void TMenuTracker::MouseMove(TPoint p) {
    if (!StoreIfChanged(m_lastMove, p)) return;
    const int level = LevelAt(p);
    if (level < 0) {
        // Off the menus the innermost popup drops its highlight.
        if (!View(Deepest()).Horizontal()) Select(Deepest(), -1);
        return;
    }
    m_mouseUsed = true;
    IMenuView& view = View(size_t(level));
    const int index = view.ItemAtScreen(p);
    if (index == view.Selected() || (view.Horizontal() && index < 0)) return;
    if (view.Horizontal()) {
        const bool open = m_levels.size() > 1;
        CloseTo(1);
        Select(0, index);
        if (open) OpenSubMenu(0, TOpenSelection::Nothing);
        return;
    }
    CloseTo(size_t(level) + 1);
    Select(size_t(level), index);
    if (index >= 0 && view.ParentItem().Items(index).HasVisibleItems())
        StartHover(size_t(level), index);
}

void TMenuTracker::MouseDown(TPoint p) {
    m_mouseUsed = true;
    const int level = LevelAt(p);
    if (level < 0) {
        // A click outside every menu closes them all and goes no further.
        m_done = true;
        return;
    }
    IMenuView& view = View(size_t(level));
    const int index = view.ItemAtScreen(p);
    if (index < 0) return;
    if (view.Horizontal()) {
        if (index == view.Selected() && m_levels.size() > 1) {
            m_done = true; // a second click on the open bar item closes it
            return;
        }
        CloseTo(1);
        Select(0, index);
        OpenSubMenu(0, TOpenSelection::Nothing);
    } else if (view.ParentItem().Items(index).HasVisibleItems()) {
        CloseTo(size_t(level) + 1);
        Select(size_t(level), index);
        OpenSubMenu(size_t(level), TOpenSelection::Nothing);
    }
}

void TMenuTracker::MouseUp(TPoint p) {
    const int level = LevelAt(p);
    if (!m_mouseUsed || level < 0) return;
    IMenuView& view = View(size_t(level));
    const int index = view.ItemAtScreen(p);
    // A bar item opened its menu when pressed; one without a menu is a command of its own.
    if (index >= 0 && !(view.Horizontal() && view.ParentItem().Items(index).HasVisibleItems()))
        Choose(size_t(level), index);
}

void TMenuTracker::StartHover(size_t level, int index) {
    KillHover();
    m_hoverLevel = level;
    m_hoverIndex = index;
    m_hoverTimer = SetTimer(0, 0, MenuShowDelay, [this](HWND, UINT) {
        const size_t hoverLevel = m_hoverLevel;
        const int hoverIndex = m_hoverIndex;
        KillHover();
        if (hoverLevel < m_levels.size() && View(hoverLevel).Selected() == hoverIndex)
            OpenSubMenu(hoverLevel, TOpenSelection::Nothing);
    });
}

void TMenuTracker::KillHover() {
    if (m_hoverTimer) KillTimer(0, m_hoverTimer);
    m_hoverTimer = 0;
}

} // namespace

bool MenuTracking() {
    return g_tracking;
}

void CancelMenuTracking() {
    if (g_tracking) g_cancelled = true;
}

TMenuItem* TrackPopupMenu(TMenuItem& root, TPoint at, TPopupAlignment alignment,
                          TOutsideClick outside) {
    if (g_tracking || !root.HasVisibleItems()) return nullptr;
    std::unique_ptr<IMenuPopup> window = root.CreatePopupWindow();
    const TSize size = window->MenuSize();
    int32_t x = at.X;
    if (alignment == TPopupAlignment::paRight) x -= size.cx;
    if (alignment == TPopupAlignment::paCenter) x -= size.cx / 2;
    window->Open(Bounds(x, at.Y, 0, 0), TMenuAnchor::Point);
    TMenuTracker tracker(window->PopupHandle(), outside);
    tracker.PushPopup(std::move(window));
    return tracker.Run();
}

TMenuItem* TrackMenuBar(IMenuView& bar, HWND capture, int index, TBarStart start,
                        TOutsideClick outside) {
    if (g_tracking) return nullptr;
    TMenuTracker tracker(capture, outside);
    tracker.PushBar(bar);
    tracker.Select(0, index);
    if (start == TBarStart::OpenByMouse) tracker.SetMouseUsed();
    if (start != TBarStart::SelectOnly)
        tracker.OpenSubMenu(0, start == TBarStart::OpenByKey ? TOpenSelection::FirstItem
                                                             : TOpenSelection::Nothing);
    return tracker.Run();
}

} // namespace brisat
