#include "framework/controls/win_control.h"

#include "framework/controls/application.h"
#include "framework/core/exceptions.h"
#include "framework/controls/form.h"
#include "framework/controls/menu.h"
#include "framework/controls/short_cut.h"
#include "framework/windowing/message_queue.h"
#include "framework/controls/screen.h"
#include "platform/platform.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace brisat {
namespace {

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK;
}

std::unordered_map<HWND, TWinControl*>& HandleControls() {
    static std::unordered_map<HWND, TWinControl*> controls;
    return controls;
}

// Whether C1 goes before C2 among controls of one alignment: ties keep the earlier one first.
bool InsertBefore(const TControl& c1, const TControl& c2, TAlign align) {
    switch (align) {
    case TAlign::alTop:
        return c1.Top() < c2.Top();
    case TAlign::alBottom:
        return c1.Top() + c1.Height() >= c2.Top() + c2.Height();
    case TAlign::alLeft:
        return c1.Left() < c2.Left();
    case TAlign::alRight:
        return c1.Left() + c1.Width() >= c2.Left() + c2.Width();
    default:
        return false;
    }
}

// One axis of an anchored control after its parent grew by Delta: anchored at both ends it
// stretches, at the far end only it moves, at neither it keeps its relative place.
void FollowAnchors(int32_t& pos, int32_t& size, int32_t delta, bool nearSide, bool farSide) {
    if (farSide && nearSide)
        size += delta;
    else if (farSide)
        pos += delta;
    else if (!nearSide)
        pos += delta / 2;
}

void PlaceAligned(TControl& c, TAlign align, TRect& rect) {
    const int32_t w = c.Width(), h = c.Height();
    switch (align) {
    case TAlign::alTop:
        c.SetBounds(rect.Left, rect.Top, rect.Width(), h);
        rect.Top += c.Height();
        break;
    case TAlign::alBottom:
        c.SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
        rect.Bottom -= c.Height();
        break;
    case TAlign::alLeft:
        c.SetBounds(rect.Left, rect.Top, w, rect.Height());
        rect.Left += c.Width();
        break;
    case TAlign::alRight:
        c.SetBounds(rect.Right - w, rect.Top, w, rect.Height());
        rect.Right -= c.Width();
        break;
    case TAlign::alClient:
        c.SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
        break;
    default:
        break;
    }
}

} // namespace

TWinControl* FindControl(HWND hwnd) {
    auto it = HandleControls().find(hwnd);
    return it == HandleControls().end() ? nullptr : it->second;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

void TWinControl::Notification(TComponent& component, TOperation operation) {
    // A control read from a layout inside this one's block becomes its child.
    if (operation == TOperation::opInsert && component.Owner() == this &&
        component.ComponentState().Contains(TComponentStateFlag::csLoading))
        if (auto* control = dynamic_cast<TControl*>(&component); control && !control->Parent())
            control->SetParent(this);
    TControl::Notification(component, operation);
}

TWinControl::~TWinControl() {
    while (!m_controls.empty()) {
        TControl* c = m_controls.back();
        if (c->Owner())
            c->Free();
        else
            c->SetParent(nullptr);
    }
    DestroyHandle();
    // Leave the parent while this is still a windowed control, so its tab list lets go too.
    if (Parent()) Parent()->RemoveControl(*this);
}

HWND TWinControl::Handle() {
    if (!m_handle && Parent()) Parent()->Handle();
    if (!m_handle) CreateWnd();
    return m_handle;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = Caption();
    p.Bounds = BoundsRect();
    p.Style = WS_CLIPCHILDREN;
    if (Parent()) {
        p.Style |= WS_CHILD | WS_CLIPSIBLINGS;
        p.WndParent = Parent()->Handle();
        if (Visible()) p.Style |= WS_VISIBLE;
    }
    if (!Enabled()) p.Style |= WS_DISABLED;
    if (m_tabStop) p.Style |= WS_TABSTOP;
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    TCreateWindowParams cw;
    cw.Parent = p.WndParent;
    cw.Bounds = p.Bounds;
    cw.Style = p.Style;
    cw.ExStyle = p.ExStyle;
    cw.Caption = p.Caption;
    cw.MessageOnly = p.MessageOnly;
    cw.ClassName = p.WinClassName;
    cw.WndProc = [this](HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
        TMessage m{msg, w, l, 0};
        MainWndProc(hwnd, m);
        return m.Result;
    };
    const HWND hwnd = CreateWindowEx(cw);
    if (!hwnd) {
        m_handle = 0;
        throw EOutOfResources("Error creating window");
    }
    m_handle = hwnd;
    for (TControl* c : std::vector<TControl*>(m_controls))
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->HandleAllocated()) w->CreateWnd();
    UpdateBoundsFromWindow();
    Realign();
}

void TWinControl::DestroyWnd() {
    DestroyWindow(m_handle);
}

void TWinControl::DestroyHandle() {
    if (!m_handle) return;
    DestroyWnd();
    m_handle = 0;
}

void TWinControl::MainWndProc(HWND hwnd, TMessage& m) {
    if (!m_handle) {
        m_handle = hwnd;
        HandleControls()[hwnd] = this;
    }
    try {
        WindowProc(m);
    } catch (...) {
        if (!Application) throw;
        Application->HandleException(*this);
    }
    if (m.Msg == WM_NCDESTROY && m_handle == hwnd) {
        HandleControls().erase(hwnd);
        m_handle = 0;
        for (TControl* c : m_controls)
            if (auto* w = dynamic_cast<TWinControl*>(c)) w->m_handle = 0;
    }
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (m_handle) m.Result = DefWindowProc(m_handle, m.Msg, m.WParam, m.LParam);
}

TControl& TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw EInvalidOperation("Control index out of bounds (" + std::to_string(index) + ")");
    return *m_controls[size_t(index)];
}

void TWinControl::InsertControl(TControl& control) {
    control.m_parent = this;
    if (auto* w = dynamic_cast<TWinControl*>(&control)) {
        m_controls.push_back(w);
        m_tabList.push_back(w);
        if (w->m_tabOrderWanted >= 0) w->SetTabOrder(std::exchange(w->m_tabOrderWanted, -1));
        if (m_handle) w->Handle();
    } else {
        auto firstWindowed = std::find_if(m_controls.begin(), m_controls.end(), [](TControl* c) {
            return dynamic_cast<TWinControl*>(c) != nullptr;
        });
        m_controls.insert(firstWindowed, &control);
    }
    if (!control.ComponentState().Contains(TComponentStateFlag::csLoading)) {
        control.Perform(CM_PARENTFONTCHANGED);
        control.Perform(CM_PARENTCOLORCHANGED);
        control.ParentShowHintChanged();
    }
    control.Invalidate();
    if (control.Align() != TAlign::alNone) AlignChild(&control);
}

void TWinControl::RemoveControl(TControl& control) {
    if (control.m_parent != this) return;
    if (m_mouseControl == &control) m_mouseControl = nullptr;
    if (GetCaptureControl() == &control) SetCaptureControl(nullptr);
    if (TCustomForm* form = ParentForm()) form->ControlRemoved(control);
    control.Invalidate();
    std::erase(m_controls, &control);
    if (auto* w = dynamic_cast<TWinControl*>(&control)) {
        RemoveFromTabList(*w);
        w->DestroyHandle();
    }
    control.m_parent = nullptr;
    if (control.Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveFromTabList(TWinControl& control) {
    std::erase(m_tabList, &control);
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, TDisabledControls disabled) const {
    const bool allowDisabled = disabled == TDisabledControls::Include;
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* c = *it;
        if (c->Visible() && (allowDisabled || c->Enabled()) && PtInRect(c->BoundsRect(), p))
            return c;
    }
    return nullptr;
}

void TWinControl::EnableAlign() {
    if (m_alignDisabled > 0 && --m_alignDisabled == 0 &&
        ControlState().Contains(TControlStateKind::csAlignmentNeeded))
        Realign();
}

void TWinControl::Realign() {
    AlignChild(nullptr);
}

void TWinControl::AlignChild(TControl* control) {
    if (m_alignDisabled || m_aligning ||
        ComponentState().Contains(TComponentStateFlag::csLoading) ||
        ComponentState().Contains(TComponentStateFlag::csDestroying)) {
        ControlState().Include(TControlStateKind::csAlignmentNeeded);
        return;
    }
    ControlState().Exclude(TControlStateKind::csAlignmentNeeded);
    m_aligning = true;
    try {
        TRect rect;
        AdjustClientRect(rect);
        AlignControls(control, rect);
    } catch (...) {
        m_aligning = false;
        throw;
    }
    m_aligning = false;
}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
    const TRect client = ClientRect();
    if (m_alignedSize.cx >= 0 &&
        (client.Width() != m_alignedSize.cx || client.Height() != m_alignedSize.cy))
        ApplyAnchors(client.Width() - m_alignedSize.cx, client.Height() - m_alignedSize.cy);
    m_alignedSize = {client.Width(), client.Height()};

    std::vector<TControl*> list;
    for (TAlign align :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        list.clear();
        if (control && control->Align() == align && control->Visible()) list.push_back(control);
        for (TControl* c : m_controls) {
            if (c == control || c->Align() != align || !c->Visible()) continue;
            size_t i = 0;
            while (i < list.size() && !InsertBefore(*c, *list[i], align))
                ++i;
            list.insert(list.begin() + ptrdiff_t(i), c);
        }
        for (TControl* c : list)
            PlaceAligned(*c, align, rect);
    }
}

void TWinControl::ApplyAnchors(int32_t dx, int32_t dy) {
    for (TControl* c : m_controls) {
        if (c->Align() != TAlign::alNone) continue;
        const TAnchors a = c->Anchors();
        int32_t l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        FollowAnchors(l, w, dx, a.Contains(TAnchorKind::akLeft), a.Contains(TAnchorKind::akRight));
        FollowAnchors(t, h, dy, a.Contains(TAnchorKind::akTop), a.Contains(TAnchorKind::akBottom));
        c->SetBounds(l, t, w, h);
    }
}

TRect TWinControl::ClientRect() const {
    if (m_handle) return GetClientRect(m_handle);
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (m_handle) return brisat::ClientToScreen(m_handle, {0, 0});
    return TControl::ClientOrigin();
}

void TWinControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    CheckNewSize(width, height);
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    if (m_handle) {
        // The window reports back through WM_WINDOWPOSCHANGED and WM_SIZE.
        SetWindowPos(m_handle, 0, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const bool sized = width != Width() || height != Height();
        m_left = left;
        m_top = top;
        m_width = width;
        m_height = height;
        if (sized) {
            Realign();
            Resize();
        }
    }
    RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!m_handle) return;
    TRect r = GetWindowRect(m_handle);
    if (GetParent(m_handle)) {
        const TPoint o = brisat::ClientToScreen(GetParent(m_handle), {0, 0});
        r = OffsetRect(r, -o.X, -o.Y);
    }
    m_left = r.Left;
    m_top = r.Top;
    m_width = r.Width();
    m_height = r.Height();
}

void TWinControl::Invalidate() {
    if (m_handle) RedrawWindow(m_handle, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TWinControl::Update() {
    if (m_handle) UpdateWindow(m_handle);
}

bool TWinControl::Focused() const {
    return m_handle && GetFocus() == m_handle;
}

bool TWinControl::CanFocus() const {
    const TCustomForm* form = ParentForm();
    const TControl* c = this;
    for (; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return form ? form->Visible() && form->Enabled() : Showing() && Enabled();
}

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (TCustomForm* form = ParentForm(); form && form != this) form->SetActiveControl(this);
    brisat::SetFocus(Handle());
}

int TWinControl::TabOrder() const {
    if (!Parent()) return m_tabOrderWanted;
    const auto& list = Parent()->m_tabList;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) {
        m_tabOrderWanted = order;
        return;
    }
    auto& list = Parent()->m_tabList;
    std::erase(list, this);
    const size_t at = size_t(std::clamp(order, 0, int(list.size())));
    list.insert(list.begin() + ptrdiff_t(at), this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : m_tabList) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, TTabDirection direction,
                                          TFocusMove move) const {
    const bool forward = direction == TTabDirection::Forward;
    const bool checkTabStop = move == TFocusMove::TabStops, checkParent = !checkTabStop;
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const size_t count = list.size();
    auto found = std::find(list.begin(), list.end(), current);
    const size_t start = found != list.end() ? size_t(found - list.begin())
                         : forward           ? count - 1
                                             : 0;
    size_t i = start;
    do {
        i = forward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[i];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) &&
            (!checkParent || c->Parent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, TTabDirection direction, TFocusMove move) {
    if (TWinControl* c = FindNextControl(current, direction, move)) c->SetFocus();
}

void TWinControl::PaintWindow(TDeviceContext&) {}

void TWinControl::PaintControls(TDeviceContext& dc) {
    const TRect clip = dc.ClipBox();
    // By index: a paint handler may add or remove controls.
    for (size_t i = 0; i < m_controls.size(); ++i) {
        TControl* c = m_controls[i];
        if (dynamic_cast<TWinControl*>(c)) break;
        if (!c->Visible() || IsRectEmpty(IntersectRect(clip, c->BoundsRect()))) continue;
        dc.SaveDC();
        dc.OffsetViewportOrg(c->Left(), c->Top());
        dc.IntersectClipRect({0, 0, c->Width(), c->Height()});
        try {
            c->Perform(WM_PAINT, DCToWParam(&dc));
        } catch (...) {
            dc.RestoreDC();
            throw;
        }
        dc.RestoreDC();
    }
}

bool TWinControl::ForwardMouse(TMessage& m) {
    TPoint p = LParamToPoint(m.LParam);
    TControl* target = nullptr;
    if (TControl* capture = GetCaptureControl()) {
        if (capture->Parent() != this) return false;
        target = capture;
    } else {
        target = ControlAtPos(p, TDisabledControls::Skip);
        if (dynamic_cast<TWinControl*>(target)) target = nullptr;
    }
    if (!target) return false;
    TMessage forwarded = m;
    forwarded.LParam = PointToLParam({p.X - target->Left(), p.Y - target->Top()});
    target->WindowProc(forwarded);
    m.Result = forwarded.Result;
    return true;
}

bool TWinControl::SetControlCursor() {
    TCursor cursor = Screen().Cursor();
    if (cursor == crDefault) {
        const TControl* under =
            ControlAtPos(ScreenToClient(GetCursorPos()), TDisabledControls::Skip);
        if (!under || dynamic_cast<const TWinControl*>(under)) under = this;
        if (GetCaptureControl() && GetCaptureControl()->Parent() == this)
            under = GetCaptureControl();
        cursor = under->Cursor();
    }
    if (cursor == crDefault) return false;
    Platform().SetCursor(cursor);
    return true;
}

void TWinControl::TrackMouseControl(TControl* control) {
    if (!m_mouseInside) {
        m_mouseInside = true;
        Perform(CM_MOUSEENTER);
    }
    if (control == m_mouseControl) return;
    if (TControl* old = std::exchange(m_mouseControl, control)) old->Perform(CM_MOUSELEAVE);
    if (control) control->Perform(CM_MOUSEENTER);
}

void TWinControl::WndProc(TMessage& m) {
    if (IsMouseMessage(m.Msg) && RouteMouseToChild(m)) return;
    switch (m.Msg) {
    case WM_NCCALCSIZE:
        return WMNCCalcSize(m);
    case WM_NCHITTEST:
        return WMNCHitTest(m);
    case WM_NCPAINT:
        return WMNCPaint(m);
    case WM_ERASEBKGND:
        return WMEraseBkgnd(m);
    case WM_MOUSELEAVE:
        return WMMouseLeave(m);
    case WM_SETCURSOR:
        return WMSetCursor(m);
    case WM_WINDOWPOSCHANGING:
        return WMWindowPosChanging(m);
    case WM_WINDOWPOSCHANGED:
        return WMWindowPosChanged(m);
    case WM_SIZE:
        return WMSize(m);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return WMKeyDown(m);
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return WMKeyUp(m);
    case WM_CHAR:
    case WM_SYSCHAR:
        return WMChar(m);
    case WM_MOUSEWHEEL:
        return WMMouseWheel(m);
    case WM_SETFOCUS:
        return WMSetFocus(m);
    case WM_KILLFOCUS:
        return WMKillFocus(m);
    case CM_DIALOGKEY:
        return CMDialogKey(m);
    case CM_DIALOGCHAR:
        return CMDialogChar(m);
    default:
        TControl::WndProc(m);
    }
}

bool TWinControl::RouteMouseToChild(TMessage& m) {
    if (m.Msg == WM_MOUSEMOVE) {
        TControl* under = GetCaptureControl()
                              ? m_mouseControl
                              : ControlAtPos(LParamToPoint(m.LParam), TDisabledControls::Skip);
        if (dynamic_cast<TWinControl*>(under)) under = nullptr;
        TrackMouseControl(under);
    }
    if (!ForwardMouse(m)) return false;
    // A right click on a windowless child still asks for a context menu.
    if (m.Msg == WM_RBUTTONUP) DefaultHandler(m);
    return true;
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
    if (m.WParam && !ControlStyle().Contains(TControlStyleKind::csOpaque))
        WParamToDC(m.WParam)->FillRect(ClientRect(), Color());
    m.Result = 1;
}

void TWinControl::WMPaint(TMessage& m) {
    TPaintStruct ps;
    TDeviceContext* dc = m.WParam ? WParamToDC(m.WParam) : BeginPaint(m_handle, ps);
    if (!dc) return;
    PaintWindow(*dc);
    PaintControls(*dc);
}

// The mouse left the window: the child under it and then the control itself hear of it.
void TWinControl::WMMouseLeave(TMessage&) {
    if (TControl* old = std::exchange(m_mouseControl, nullptr)) old->Perform(CM_MOUSELEAVE);
    if (m_mouseInside) {
        m_mouseInside = false;
        Perform(CM_MOUSELEAVE);
    }
}

// Over the client area the screen's cursor or that of the control under the mouse wins.
void TWinControl::WMSetCursor(TMessage& m) {
    if (HWND(m.WParam) == m_handle && LoWord(uintptr_t(m.LParam)) == HTCLIENT &&
        SetControlCursor()) {
        m.Result = 1;
        return;
    }
    DefaultHandler(m);
}

// Sizes the window is given from elsewhere (a frame drag) obey the resize events too.
void TWinControl::WMWindowPosChanging(TMessage& m) {
    if (auto* pos = reinterpret_cast<TWindowPos*>(m.LParam); pos && !(pos->flags & SWP_NOSIZE))
        CheckNewSize(pos->cx, pos->cy);
    DefaultHandler(m);
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
    UpdateBoundsFromWindow();
    DefaultHandler(m);
}

void TWinControl::WMSize(TMessage& m) {
    Realign();
    Resize();
    DefaultHandler(m);
}

void TWinControl::WMKeyDown(TMessage& m) {
    uint16_t key = uint16_t(m.WParam);
    if (IsMenuKey(m) || DialogKey(key)) return;
    KeyDown(key, KeyboardShiftState());
    if (key) DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
    if (IsMenuKey(m)) return;
    uint16_t key = uint16_t(m.WParam);
    KeyUp(key, KeyboardShiftState());
    if (key) DefaultHandler(m);
}

// A character the focused control does not take may be a caption's accelerator.
void TWinControl::WMChar(TMessage& m) {
    const bool wanted = Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS);
    if (m.Msg == WM_SYSCHAR || !wanted)
        if (TCustomForm* form = ParentForm(); form && form->Perform(CM_DIALOGCHAR, m.WParam))
            return;
    if (m.Msg == WM_SYSCHAR) {
        DefaultHandler(m);
        return;
    }
    char32_t c = char32_t(m.WParam);
    KeyPress(c);
    if (c) DefaultHandler(m);
}

void TWinControl::CMDialogKey(TMessage& m) {
    OfferToControls(m);
}

void TWinControl::CMDialogChar(TMessage& m) {
    OfferToControls(m);
}

void TWinControl::OfferToControls(TMessage& m) {
    for (TControl* c : std::vector<TControl*>(m_controls))
        if (ContainsControl(c) && c->Perform(m.Msg, m.WParam, m.LParam)) {
            m.Result = 1;
            return;
        }
}

// Unhandled turns go on to the parent.
void TWinControl::WMMouseWheel(TMessage& m) {
    if (DoMouseWheel(KeysToShiftState(LoWord(m.WParam)), int16_t(HiWord(m.WParam)),
                     LParamToPoint(m.LParam))) {
        m.Result = 1;
        return;
    }
    DefaultHandler(m);
}

// A windowless child under the point, then this control's own menu, then the parent.
void TWinControl::WMContextMenu(TMessage& m) {
    if (m.LParam != -1)
        if (TControl* child =
                ControlAtPos(ScreenToClient(LParamToPoint(m.LParam)), TDisabledControls::Skip);
            child && !dynamic_cast<TWinControl*>(child) && child->PopupMenu()) {
            m.Result = child->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
            return;
        }
    TControl::WMContextMenu(m);
}

void TWinControl::WMSetFocus(TMessage&) {
    if (TCustomForm* form = ParentForm(); form && form != this) form->SetActiveControl(this);
    DoEnter();
}

void TWinControl::WMKillFocus(TMessage&) {
    DoExit();
}

void TWinControl::CMEnabledChanged(TMessage&) {
    if (m_handle) EnableWindow(m_handle, Enabled());
    Invalidate();
}

void TWinControl::CMVisibleChanged(TMessage&) {
    if (m_handle && Parent()) ShowWindow(m_handle, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMTextChanged(TMessage&) {
    if (m_handle) SetWindowText(m_handle, Caption());
    Invalidate();
}

void TWinControl::CMColorChanged(TMessage&) {
    Invalidate();
    for (TControl* c : std::vector<TControl*>(m_controls))
        c->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage&) {
    Invalidate();
    for (TControl* c : std::vector<TControl*>(m_controls))
        c->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) {
    for (TControl* c : std::vector<TControl*>(m_controls))
        c->ParentShowHintChanged();
}

// The popup menus of the control and of its parents come first, then the form's menus, then, as
// the application answers keys no form took, the main form's (a video shown full screen in a
// form of its own keeps the player's keys).
bool TWinControl::IsMenuKey(const TMessage& m) {
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN) {
        const TShortCut shortCut = ShortCut(uint16_t(m.WParam), KeyboardShiftState());
        for (TWinControl* control = this; control; control = control->Parent())
            if (auto* popup = dynamic_cast<TPopupMenu*>(control->PopupMenu());
                popup && popup->Owner() && popup->IsShortCut(shortCut))
                return true;
    }
    TCustomForm* form = ParentForm();
    if (form && form->IsShortCut(m)) return true;
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    return main && main != form && main->HandleAllocated() && IsWindowEnabled(main->Handle()) &&
           main->IsShortCut(m);
}

bool TWinControl::DialogKey(uint16_t key) {
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        return false;
    }
    if (Perform(WM_GETDLGCODE) & (mask | DLGC_WANTALLKEYS)) return false;
    TCustomForm* form = ParentForm();
    return form && form->Perform(CM_DIALOGKEY, key) != 0;
}

bool TWinControl::DoMouseWheel(TShiftState shift, int32_t delta, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(*this, shift, delta, mousePos, handled);
    if (handled) return true;
    const TMouseWheelUpDownEvent& event = delta < 0 ? OnMouseWheelDown : OnMouseWheelUp;
    if (delta != 0 && event) event(*this, shift, mousePos, handled);
    return handled;
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(*this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(*this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(*this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(*this);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(TDeviceContext& dc) {
    TCanvasBinding binding(m_canvas, dc, Font(), Color());
    Paint();
}

} // namespace brisat
