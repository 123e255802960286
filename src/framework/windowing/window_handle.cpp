#include "framework/windowing/window_handle.h"

#include "framework/windowing/drop_files.h"
#include "framework/windowing/window_record.h"

#include <algorithm>
#include <map>

namespace brisat {
namespace {

struct TWindowTable {
    std::map<HWND, std::unique_ptr<TWindowRecord>> Records;
    std::vector<HWND> TopLevel; // bottom first
    HWND Next = 0x10;
    HWND Focus = 0;
    HWND Active = 0;
    HWND Capture = 0;
};

TWindowTable& Table() {
    static TWindowTable table;
    return table;
}

// The subclass procedures running on this thread, innermost last.
struct TSubclassFrame {
    HWND Window;
    uintptr_t Id;
    size_t Index;
};
thread_local std::vector<TSubclassFrame> t_subclassFrames;

// Calls the chain from the subclass at Index down (npos: the window procedure only).
LRESULT DispatchFrom(HWND hwnd, size_t index, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return 0;
    if (index == size_t(-1) || index >= r->Subclasses.size()) {
        TWndProc proc = r->Proc;
        return proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
    }
    TSubclassEntry entry = r->Subclasses[index];
    t_subclassFrames.push_back({hwnd, entry.Id, index});
    struct TPop {
        ~TPop() { t_subclassFrames.pop_back(); }
    } pop;
    return entry.Proc(hwnd, msg, wParam, lParam, entry.Id);
}

std::vector<HWND>& SiblingList(TWindowRecord& r) {
    if (r.TopLevel()) return Table().TopLevel;
    return FindWindowRecord(r.Parent)->Children;
}

bool IsAncestorOrSelf(HWND ancestor, HWND hwnd) {
    for (TWindowRecord* r = FindWindowRecord(hwnd); r; r = FindWindowRecord(r->Parent))
        if (r->Handle == ancestor) return true;
    return false;
}

TScreenRect ToScreenRect(const TRect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

void InvalidateArea(TWindowRecord& r) {
    // The window's whole area, frame included, in its top-level window.
    const TRect area = VisibleRectInTop(r);
    if (TWindowRecord* top = FindWindowRecord(GetTopLevelWindow(r.Handle)))
        if (!IsRectEmpty(area)) top->Dirty.Union(area);
}

// Tells the window manager how far the user may size a top-level window: within its tracking
// sizes when it has a sizing frame, not at all otherwise.
void ApplySizeLimits(TWindowRecord& r) {
    if (!r.Native) return;
    std::optional<TSizeLimits> limits;
    if (r.Style & WS_THICKFRAME) {
        const TMinMaxInfo info = GetMinMaxInfo(r.Handle);
        limits = TSizeLimits{info.ptMinTrackSize.X, info.ptMinTrackSize.Y, info.ptMaxTrackSize.X,
                             info.ptMaxTrackSize.Y};
    }
    r.Native->SetSizeLimits(limits);
}

void ApplyVisibility(TWindowRecord& r, bool visible, bool activate) {
    if (visible == r.Visible()) return;
    if (!visible) InvalidateArea(r);
    r.Style = visible ? r.Style | WS_VISIBLE : r.Style & ~WS_VISIBLE;
    if (visible) InvalidateArea(r);
    if (!r.Native) return;
    if (visible)
        r.Native->Show(activate ? TActivation::Activate : TActivation::NoActivate);
    else
        r.Native->Hide();
}

} // namespace

TWindowRecord* FindWindowRecord(HWND hwnd) {
    auto& records = Table().Records;
    auto it = records.find(hwnd);
    return it == records.end() ? nullptr : it->second.get();
}

TRect WindowRectInTop(const TWindowRecord& record) {
    if (record.TopLevel()) return {0, 0, record.Rect.Width(), record.Rect.Height()};
    const TWindowRecord* parent = FindWindowRecord(record.Parent);
    const TRect p = WindowRectInTop(*parent);
    return OffsetRect(record.Rect, p.Left + parent->Client.Left, p.Top + parent->Client.Top);
}

TRect VisibleRectInTop(const TWindowRecord& record) {
    if (record.TopLevel()) return WindowRectInTop(record);
    const TWindowRecord* parent = FindWindowRecord(record.Parent);
    const TRect p = WindowRectInTop(*parent);
    const TRect parentClient = OffsetRect(parent->Client, p.Left, p.Top);
    return IntersectRect(WindowRectInTop(record),
                         IntersectRect(parentClient, VisibleRectInTop(*parent)));
}

namespace {

// How the desktop treats a top-level window of this class and extended style.
TPlatformWindowKind WindowKind(const std::string& className, uint32_t exStyle) {
    if (className == MenuWindowClass) return TPlatformWindowKind::PopupMenu;
    if (className == DropDownListClass) return TPlatformWindowKind::DropDown;
    if (className == TooltipClass) return TPlatformWindowKind::Tooltip;
    return (exStyle & WS_EX_TOOLWINDOW) ? TPlatformWindowKind::Tool : TPlatformWindowKind::Normal;
}

} // namespace

HWND CreateWindowEx(const TCreateWindowParams& params) {
    TWindowTable& t = Table();
    TWindowRecord* parent = nullptr;
    if (params.Parent && !(parent = FindWindowRecord(params.Parent))) return 0;
    auto record = std::make_unique<TWindowRecord>();
    TWindowRecord& r = *record;
    r.Handle = t.Next++;
    r.Parent = params.Parent;
    r.Rect = params.Bounds;
    r.Client = {0, 0, r.Rect.Width(), r.Rect.Height()};
    r.Style = params.Style & ~WS_VISIBLE;
    r.ExStyle = params.ExStyle;
    r.Text = params.Caption;
    r.Proc = params.WndProc;
    r.MessageOnly = params.MessageOnly || (parent && parent->MessageOnly);
    const HWND hwnd = r.Handle;
    t.Records.emplace(hwnd, std::move(record));
    if (parent)
        parent->Children.push_back(hwnd);
    else if (!r.MessageOnly)
        t.TopLevel.push_back(hwnd);

    if (!r.MessageOnly && !parent) {
        TPlatformWindowParams native;
        native.Bounds = ToScreenRect(r.Rect);
        native.Title = r.Text;
        native.TopMost = r.ExStyle & WS_EX_TOPMOST;
        native.Popup = (r.Style & WS_POPUP) || (r.ExStyle & WS_EX_NOACTIVATE);
        native.Kind = WindowKind(params.ClassName, r.ExStyle);
        native.Translucent = r.ExStyle & WS_EX_LAYERED;
        r.Native = Platform().CreateWindow(hwnd, native);
    }
    if (r.ExStyle & WS_EX_ACCEPTFILES) UpdateNativeDropTarget(hwnd);
    if (!SendMessage(hwnd, WM_NCCREATE)) {
        DestroyWindow(hwnd);
        return 0;
    }
    SetWindowPos(hwnd, 0, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (SendMessage(hwnd, WM_CREATE) == -1) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (IsWindow(hwnd) && (params.Style & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
    return IsWindow(hwnd) ? hwnd : 0;
}

bool DestroyWindow(HWND hwnd) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || r->Destroying) return false;
    r->Destroying = true;
    TWindowTable& t = Table();
    if (r->Visible()) ShowWindow(hwnd, SW_HIDE);
    if (t.Capture && IsAncestorOrSelf(hwnd, t.Capture)) ReleaseCapture();
    if (t.Focus && IsAncestorOrSelf(hwnd, t.Focus)) SetFocus(0);
    SendMessage(hwnd, WM_DESTROY);
    for (HWND child : GetChildWindows(hwnd))
        DestroyWindow(child);
    SendMessage(hwnd, WM_NCDESTROY);
    ForgetWindowTimers(hwnd);
    ForgetWindowInput(hwnd);
    ForgetWindowCaret(hwnd);
    if ((r = FindWindowRecord(hwnd))) {
        if (!r->MessageOnly || !r->TopLevel()) std::erase(SiblingList(*r), hwnd);
        if (t.Active == hwnd) t.Active = 0;
        t.Records.erase(hwnd);
    }
    return true;
}

bool IsWindow(HWND hwnd) {
    return FindWindowRecord(hwnd) != nullptr;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return 0;
    return DispatchFrom(hwnd, r->Subclasses.empty() ? size_t(-1) : r->Subclasses.size() - 1, msg,
                        wParam, lParam);
}

TWndProc GetWindowProc(HWND hwnd) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    return r ? r->Proc : TWndProc{};
}

TWndProc SetWindowProc(HWND hwnd, TWndProc proc) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return {};
    std::swap(r->Proc, proc);
    return proc;
}

LRESULT CallWindowProc(const TWndProc& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
}

bool SetWindowSubclass(HWND hwnd, TSubclassProc proc, uintptr_t id) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || !proc) return false;
    for (TSubclassEntry& e : r->Subclasses)
        if (e.Id == id) {
            e.Proc = std::move(proc);
            return true;
        }
    r->Subclasses.push_back({id, std::move(proc)});
    return true;
}

bool RemoveWindowSubclass(HWND hwnd, uintptr_t id) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return false;
    return std::erase_if(r->Subclasses, [id](const TSubclassEntry& e) { return e.Id == id; }) > 0;
}

LRESULT DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return 0;
    // The innermost running subclass of this window decides where the chain goes on.
    for (auto f = t_subclassFrames.rbegin(); f != t_subclassFrames.rend(); ++f) {
        if (f->Window != hwnd) continue;
        size_t index = f->Index;
        for (size_t i = 0; i < r->Subclasses.size(); ++i)
            if (r->Subclasses[i].Id == f->Id) index = i;
        index = std::min(index, r->Subclasses.size());
        return DispatchFrom(hwnd, index == 0 ? size_t(-1) : index - 1, msg, wParam, lParam);
    }
    return DispatchFrom(hwnd, size_t(-1), msg, wParam, lParam);
}

uint32_t GetWindowStyle(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    return r ? r->Style : 0;
}

void SetWindowStyle(HWND hwnd, uint32_t style) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return;
    const uint32_t keep = WS_VISIBLE | WS_DISABLED;
    r->Style = (style & ~keep) | (r->Style & keep);
}

uint32_t GetWindowExStyle(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    return r ? r->ExStyle : 0;
}

void SetWindowExStyle(HWND hwnd, uint32_t exStyle) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return;
    const bool dropsChanged = (r->ExStyle ^ exStyle) & WS_EX_ACCEPTFILES;
    r->ExStyle = exStyle;
    if (dropsChanged) UpdateNativeDropTarget(hwnd);
}

std::string GetWindowText(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    return r ? r->Text : std::string();
}

void SetWindowText(HWND hwnd, const std::string& text) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || r->Text == text) return;
    r->Text = text;
    if (r->Native) r->Native->SetTitle(text);
    RedrawWindow(hwnd, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

HWND GetParent(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    return r ? r->Parent : 0;
}

HWND GetTopLevelWindow(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    while (r && r->Parent)
        r = FindWindowRecord(r->Parent);
    return r ? r->Handle : 0;
}

IPlatformWindow* GetNativeWindow(HWND hwnd) {
    const TWindowRecord* top = FindWindowRecord(GetTopLevelWindow(hwnd));
    return top ? top->Native.get() : nullptr;
}

std::vector<HWND> GetChildWindows(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return {};
    return {r->Children.rbegin(), r->Children.rend()};
}

std::vector<HWND> GetTopLevelWindows() {
    const auto& list = Table().TopLevel;
    return {list.rbegin(), list.rend()};
}

TRect GetWindowRect(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return {};
    if (r->TopLevel()) return r->Rect;
    const TPoint origin = ClientToScreen(r->Parent, {0, 0});
    return OffsetRect(r->Rect, origin.X, origin.Y);
}

TRect GetClientRect(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    return r ? TRect{0, 0, r->Client.Width(), r->Client.Height()} : TRect{};
}

TRect GetClientRectInWindow(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    return r ? r->Client : TRect{};
}

TPoint ClientToScreen(HWND hwnd, TPoint p) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return p;
    const TRect w = GetWindowRect(hwnd);
    return {p.X + w.Left + r->Client.Left, p.Y + w.Top + r->Client.Top};
}

TPoint ScreenToClient(HWND hwnd, TPoint p) {
    const TPoint origin = ClientToScreen(hwnd, {0, 0});
    return {p.X - origin.X, p.Y - origin.Y};
}

namespace {

// What one SetWindowPos call changes.
struct TPosChange {
    TRect OldClient; // window coordinates
    TRect Next;
    uint32_t Flags = 0;
    bool Moved = false;
    bool Sized = false;
    bool Frame = false; // the client area is computed again
    bool Redraw = false;
};

// The record the window is asked about: what the flags keep comes from the window.
TWindowPos ProposedPos(const TWindowRecord& r, int32_t x, int32_t y, int32_t cx, int32_t cy,
                       uint32_t flags) {
    TWindowPos pos{r.Handle, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) pos.x = r.Rect.Left, pos.y = r.Rect.Top;
    if (flags & SWP_NOSIZE) pos.cx = r.Rect.Width(), pos.cy = r.Rect.Height();
    return pos;
}

// The change the window agreed to, its size kept within 0..MaxWindowExtent.
TPosChange AgreedChange(const TWindowRecord& r, TWindowPos& pos, uint32_t flags) {
    pos.cx = std::clamp(pos.cx, 0, MaxWindowExtent);
    pos.cy = std::clamp(pos.cy, 0, MaxWindowExtent);
    TPosChange c;
    c.OldClient = r.Client;
    c.Next = Bounds(pos.x, pos.y, pos.cx, pos.cy);
    c.Flags = flags;
    c.Moved = c.Next.TopLeft() != r.Rect.TopLeft();
    c.Sized = c.Next.Width() != r.Rect.Width() || c.Next.Height() != r.Rect.Height();
    c.Frame = c.Sized || (flags & SWP_FRAMECHANGED);
    c.Redraw = !(flags & SWP_NOREDRAW);
    return c;
}

// A client rectangle a window procedure answered, kept inside the window rectangle.
TRect ClampClient(const TRect& client, const TRect& window) {
    TRect c{std::clamp(client.Left, window.Left, window.Right),
            std::clamp(client.Top, window.Top, window.Bottom),
            std::clamp(client.Right, window.Left, window.Right),
            std::clamp(client.Bottom, window.Top, window.Bottom)};
    c.Right = std::max(c.Right, c.Left);
    c.Bottom = std::max(c.Bottom, c.Top);
    return c;
}

// The window takes its new rectangle; WM_NCCALCSIZE places the client area in it when the size
// or frame changed. Returns the record, or nullptr when the window went meanwhile.
TWindowRecord* PlaceWindow(TWindowRecord& r, const TPosChange& c) {
    const HWND hwnd = r.Handle;
    if (c.Redraw && (c.Moved || c.Frame) && r.Visible() && !r.TopLevel()) InvalidateArea(r);
    r.Rect = c.Next;
    if (!c.Frame) return &r;
    TRect client = c.Next;
    SendMessage(hwnd, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&client));
    TWindowRecord* placed = FindWindowRecord(hwnd);
    if (placed) placed->Client = OffsetRect(ClampClient(client, c.Next), -c.Next.Left, -c.Next.Top);
    return placed;
}

// A top-level window's native window follows, unless the window manager placed it already: a
// size outside the limits goes back to the window with the next present.
void PlaceNativeWindow(TWindowRecord& r, const TPosChange& c) {
    if (!r.TopLevel() || !r.Native) return;
    if (c.Frame) ApplySizeLimits(r);
    if ((c.Moved || c.Sized) && !(c.Flags & SWP_NATIVEPLACED))
        r.Native->SetBounds(ToScreenRect(c.Next));
}

// Moves the window to the top or bottom of its siblings; top-most windows stay above the others.
void Restack(TWindowRecord& r, HWND insertAfter, bool redraw) {
    if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        const bool top = insertAfter == HWND_TOPMOST;
        r.ExStyle = top ? r.ExStyle | WS_EX_TOPMOST : r.ExStyle & ~WS_EX_TOPMOST;
        if (r.Native) r.Native->SetTopMost(top);
    }
    std::vector<HWND>& siblings = SiblingList(r);
    if (std::find(siblings.begin(), siblings.end(), r.Handle) != siblings.end()) {
        std::erase(siblings, r.Handle);
        if (insertAfter == HWND_BOTTOM)
            siblings.insert(siblings.begin(), r.Handle);
        else
            siblings.push_back(r.Handle);
        if (r.TopLevel())
            std::stable_partition(siblings.begin(), siblings.end(), [](HWND h) {
                return !(FindWindowRecord(h)->ExStyle & WS_EX_TOPMOST);
            });
    }
    if (redraw && r.Visible()) InvalidateArea(r);
}

// A resized top-level window paints all of itself again, a moved child its new place.
void InvalidatePlaced(TWindowRecord& r, const TPosChange& c) {
    if (!c.Redraw || !(c.Moved || c.Frame) || !r.Visible()) return;
    if (r.TopLevel() && (c.Sized || c.Frame))
        r.Dirty = TRegion(TRect{0, 0, c.Next.Width(), c.Next.Height()});
    else if (!r.TopLevel())
        InvalidateArea(r);
}

// WM_WINDOWPOSCHANGED, then WM_MOVE and WM_SIZE for what changed of the client area.
void NotifyPlaced(HWND hwnd, TWindowPos& pos, const TPosChange& c) {
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return;
    const TRect client = r->Client;
    if (c.Moved || client.TopLeft() != c.OldClient.TopLeft())
        SendMessage(hwnd, WM_MOVE, 0,
                    MakeLParam(c.Next.Left + client.Left, c.Next.Top + client.Top));
    if (client.Width() != c.OldClient.Width() || client.Height() != c.OldClient.Height() || c.Sized)
        SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MakeLParam(client.Width(), client.Height()));
}

} // namespace

bool SetWindowPos(HWND hwnd, HWND insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                  uint32_t flags) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return false;
    TWindowPos pos = ProposedPos(*r, x, y, cx, cy, flags);
    SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(r = FindWindowRecord(hwnd))) return false;
    const TPosChange change = AgreedChange(*r, pos, flags);
    if (!(r = PlaceWindow(*r, change))) return false;
    PlaceNativeWindow(*r, change);
    if (!(flags & SWP_NOZORDER)) Restack(*r, insertAfter, change.Redraw);
    InvalidatePlaced(*r, change);
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    NotifyPlaced(hwnd, pos, change);
    return true;
}

void NativeWindowMoved(HWND hwnd, const TRect& bounds) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || !r->TopLevel() || r->Rect == bounds) return;
    SetWindowPos(hwnd, 0, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NATIVEPLACED);
}

bool MoveWindow(HWND hwnd, int32_t x, int32_t y, int32_t cx, int32_t cy, bool repaint) {
    return SetWindowPos(hwnd, 0, x, y, cx, cy,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool ShowWindow(HWND hwnd, int cmd) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || r->MessageOnly) return false;
    const bool was = r->Visible();
    const bool show = cmd != SW_HIDE;
    if (show == was) return was;
    SendMessage(hwnd, WM_SHOWWINDOW, show, 0);
    if (!(r = FindWindowRecord(hwnd))) return was;
    const bool activate = show && (cmd == SW_SHOW || cmd == SW_SHOWNORMAL) && r->TopLevel() &&
                          !(r->ExStyle & WS_EX_NOACTIVATE);
    // The window manager reads the limits when the window is mapped; a window procedure may
    // answer WM_GETMINMAXINFO differently by now than when the window was made.
    if (show) ApplySizeLimits(*r);
    ApplyVisibility(*r, show, activate);
    TWindowTable& t = Table();
    if (!show) {
        if (t.Focus && IsAncestorOrSelf(hwnd, t.Focus)) SetFocus(0);
        if (t.Capture && IsAncestorOrSelf(hwnd, t.Capture)) ReleaseCapture();
        if (t.Active == hwnd) {
            SetActiveWindow(0);
            // The next visible, enabled top-level window takes over.
            for (HWND h : GetTopLevelWindows())
                if (h != hwnd && IsWindowVisible(h) && IsWindowEnabled(h) &&
                    !(GetWindowExStyle(h) & WS_EX_NOACTIVATE)) {
                    SetActiveWindow(h);
                    break;
                }
        }
    } else if (activate) {
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetActiveWindow(hwnd);
    }
    return was;
}

bool IsWindowVisible(HWND hwnd) {
    for (const TWindowRecord* r = FindWindowRecord(hwnd); r; r = FindWindowRecord(r->Parent))
        if (!r->Visible()) return false;
    return hwnd != 0 && IsWindow(hwnd);
}

bool EnableWindow(HWND hwnd, bool enable) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return false;
    const bool wasDisabled = r->Style & WS_DISABLED;
    if (wasDisabled != enable) return wasDisabled;
    r->Style = enable ? r->Style & ~WS_DISABLED : r->Style | WS_DISABLED;
    TWindowTable& t = Table();
    if (!enable && t.Focus && IsAncestorOrSelf(hwnd, t.Focus)) SetFocus(0);
    if (!enable && t.Capture && IsAncestorOrSelf(hwnd, t.Capture)) ReleaseCapture();
    SendMessage(hwnd, WM_ENABLE, enable, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    return r && !(r->Style & WS_DISABLED);
}

HWND SetFocus(HWND hwnd) {
    TWindowTable& t = Table();
    const HWND old = t.Focus;
    if (hwnd && !IsWindow(hwnd)) return old;
    if (hwnd == old) return old;
    if (hwnd) {
        const HWND top = GetTopLevelWindow(hwnd);
        if (t.Active != top) SetActiveWindow(top);
        if (t.Focus != old) return old; // the activation moved the focus already
        if (!IsWindow(hwnd)) return old;
    }
    t.Focus = hwnd;
    if (old) SendMessage(old, WM_KILLFOCUS, hwnd, 0);
    if (hwnd && t.Focus == hwnd) SendMessage(hwnd, WM_SETFOCUS, old, 0);
    return old;
}

HWND GetFocus() {
    return Table().Focus;
}

HWND SetActiveWindow(HWND hwnd) {
    TWindowTable& t = Table();
    const HWND old = t.Active;
    if (hwnd == old || (hwnd && !IsWindow(hwnd))) return old;
    t.Active = hwnd;
    if (old) {
        SendMessage(old, WM_NCACTIVATE, 0, 0);
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, LPARAM(hwnd));
    }
    if (t.Focus && !IsAncestorOrSelf(hwnd, t.Focus)) {
        const HWND lost = t.Focus;
        t.Focus = 0;
        SendMessage(lost, WM_KILLFOCUS, 0, 0);
    }
    if (hwnd && t.Active == hwnd) {
        SendMessage(hwnd, WM_NCACTIVATE, 1, 0);
        SendMessage(hwnd, WM_ACTIVATE, WA_ACTIVE, LPARAM(old));
    }
    return old;
}

HWND GetActiveWindow() {
    return Table().Active;
}

HWND SetCapture(HWND hwnd) {
    TWindowTable& t = Table();
    const HWND old = t.Capture;
    if (!IsWindow(hwnd) || hwnd == old) return old;
    t.Capture = hwnd;
    Platform().SetCapture(GetTopLevelWindow(hwnd));
    if (old) SendMessage(old, WM_CAPTURECHANGED, 0, LPARAM(hwnd));
    return old;
}

bool ReleaseCapture() {
    TWindowTable& t = Table();
    const HWND old = t.Capture;
    if (!old) return true;
    t.Capture = 0;
    if (HasPlatform()) Platform().SetCapture(0);
    SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() {
    return Table().Capture;
}

void SetWindowRgn(HWND hwnd, std::optional<TRegion> region, bool redraw) {
    TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r) return;
    if (redraw && r->Visible()) InvalidateArea(*r);
    r->Shape = std::move(region);
    if (r->Native) {
        std::vector<TScreenRect> rects;
        if (r->Shape)
            for (const TRect& rect : r->Shape->Rects())
                rects.push_back(ToScreenRect(rect));
        if (r->Shape && rects.empty()) rects.push_back({0, 0, 0, 0});
        r->Native->SetShape(rects);
    }
    if (redraw && r->Visible()) InvalidateArea(*r);
}

std::optional<TRegion> GetWindowRgn(HWND hwnd) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    return r ? r->Shape : std::nullopt;
}

HWND DescendantFromPoint(HWND hwnd, TPoint screen) {
    const TWindowRecord* r = FindWindowRecord(hwnd);
    if (!r || !r->Visible() || r->MessageOnly) return 0;
    const TRect w = GetWindowRect(hwnd);
    if (!PtInRect(w, screen)) return 0;
    if (r->Shape && !r->Shape->Contains(screen.X - w.Left, screen.Y - w.Top)) return 0;
    if (!PtInRect(OffsetRect(r->Client, w.Left, w.Top), screen)) return hwnd;
    for (auto it = r->Children.rbegin(); it != r->Children.rend(); ++it)
        if (HWND found = DescendantFromPoint(*it, screen)) return found;
    return hwnd;
}

HWND WindowFromPoint(TPoint screen) {
    for (HWND top : GetTopLevelWindows())
        if (HWND found = DescendantFromPoint(top, screen)) return found;
    return 0;
}

HWND AllocateHWnd(std::function<void(TMessage&)> method) {
    TCreateWindowParams p;
    p.MessageOnly = true;
    p.WndProc = [method = std::move(method)](HWND h, UINT msg, WPARAM w, LPARAM l) {
        if (msg == WM_NCCREATE || msg == WM_NCCALCSIZE) return DefWindowProc(h, msg, w, l);
        TMessage m{msg, w, l, 0};
        method(m);
        return m.Result;
    };
    return CreateWindowEx(p);
}

void DeallocateHWnd(HWND hwnd) {
    DestroyWindow(hwnd);
}

} // namespace brisat
