#include "framework/controls/control.h"

#include "framework/controls/application.h"
#include "framework/graphics/canvas.h"
#include "framework/core/exceptions.h"
#include "framework/core/store_if_changed.h"
#include "framework/controls/form.h"
#include "framework/windowing/message_queue.h"
#include "framework/core/utf8.h"
#include "framework/controls/win_control.h"

namespace brisat {
namespace {

TControl* g_captureControl = nullptr;

} // namespace

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s;
    s.Set(TShiftStateKind::ssShift, keys & MK_SHIFT);
    s.Set(TShiftStateKind::ssCtrl, keys & MK_CONTROL);
    s.Set(TShiftStateKind::ssLeft, keys & MK_LBUTTON);
    s.Set(TShiftStateKind::ssRight, keys & MK_RBUTTON);
    s.Set(TShiftStateKind::ssMiddle, keys & MK_MBUTTON);
    s.Set(TShiftStateKind::ssAlt, GetKeyState(VK_MENU) < 0);
    return s;
}

bool IsAccel(char32_t key, std::string_view caption) {
    const auto lower = [](char32_t c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        size_t at = i + 1;
        return lower(DecodeUtf8(caption, at)) == lower(key);
    }
    return false;
}

TShiftState KeyboardShiftState() {
    TShiftState s;
    s.Set(TShiftStateKind::ssShift, GetKeyState(VK_SHIFT) < 0);
    s.Set(TShiftStateKind::ssCtrl, GetKeyState(VK_CONTROL) < 0);
    s.Set(TShiftStateKind::ssAlt, GetKeyState(VK_MENU) < 0);
    return s;
}

TControl* GetCaptureControl() {
    // A capture the platform moved elsewhere no longer holds.
    if (g_captureControl) {
        const TWinControl* w = dynamic_cast<TWinControl*>(g_captureControl);
        if (!w) w = g_captureControl->Parent();
        if (!w || !w->HandleAllocated() || GetCapture() != const_cast<TWinControl*>(w)->Handle())
            g_captureControl = nullptr;
    }
    return g_captureControl;
}

void SetCaptureControl(TControl* control) {
    g_captureControl = nullptr;
    if (!control) {
        ReleaseCapture();
        return;
    }
    TWinControl* window = dynamic_cast<TWinControl*>(control);
    if (!window) window = control->Parent();
    if (!window) return;
    SetCapture(window->Handle());
    g_captureControl = control;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    m_font.OnChange = [this](TFont&) { FontChanged(); };
}

TControl::~TControl() {
    if (g_captureControl == this) SetCaptureControl(nullptr);
    if (Application) Application->ControlDestroyed(*this);
    if (m_parent) m_parent->RemoveControl(*this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == m_parent) return;
    for (const TControl* p = parent; p; p = p->m_parent)
        if (p == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (m_parent) m_parent->RemoveControl(*this);
    if (parent) parent->InsertControl(*this);
}

void TControl::CheckNewSize(int32_t& width, int32_t& height) const {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height) return;
    if (OnCanResize) {
        int32_t w = width, h = height;
        bool resize = true;
        OnCanResize(const_cast<TControl&>(*this), w, h, resize);
        if (!resize) {
            width = m_width;
            height = m_height;
            return;
        }
        width = std::max(w, 0);
        height = std::max(h, 0);
    }
    if (OnConstrainedResize) {
        int32_t minW = 0, minH = 0, maxW = 0, maxH = 0;
        OnConstrainedResize(const_cast<TControl&>(*this), minW, minH, maxW, maxH);
        if (maxW > 0) width = std::min(width, maxW);
        if (maxH > 0) height = std::min(height, maxH);
        width = std::max(width, minW);
        height = std::max(height, minH);
    }
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    CheckNewSize(width, height);
    if (left == m_left && top == m_top && width == m_width && height == m_height) return;
    const bool sized = width != m_width || height != m_height;
    Invalidate();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    Invalidate();
    RequestAlign();
    if (sized) Resize();
}

void TControl::SetClientSize(int32_t width, int32_t height) {
    const TRect client = ClientRect();
    SetBounds(m_left, m_top, m_width + width - client.Width(), m_height + height - client.Height());
}

TPoint TControl::ClientOrigin() const {
    if (!m_parent) return {m_left, m_top};
    const TPoint p = m_parent->ClientOrigin();
    return {p.X + m_left, p.Y + m_top};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign align) {
    if (StoreIfChanged(m_align, align)) RequestAlign();
}

void TControl::RequestAlign() {
    if (m_parent && !ComponentState().Contains(TComponentStateFlag::csLoading))
        m_parent->AlignChild(this);
}

void TControl::SetVisible(bool visible) {
    if (visible == m_visible) return;
    if (!visible) Invalidate();
    m_visible = visible;
    Changed(CM_VISIBLECHANGED);
    if (m_parent && (m_align != TAlign::alNone)) m_parent->AlignChild(this);
}

bool TControl::Showing() const {
    if (m_parent) return m_visible && m_parent->Showing();
    const auto* w = dynamic_cast<const TWinControl*>(this);
    return m_visible && w && w->m_handle && IsWindowVisible(w->m_handle);
}

void TControl::SetEnabled(bool enabled) {
    if (StoreIfChanged(m_enabled, enabled)) Changed(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::string& caption) {
    if (StoreIfChanged(m_caption, caption)) Changed(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
    m_parentColor = false;
    if (StoreIfChanged(m_color, color)) Changed(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool on) {
    if (StoreIfChanged(m_parentColor, on)) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!m_parentColor || !m_parent) return;
    SetColor(m_parent->Color());
    m_parentColor = true;
}

void TControl::SetParentFont(bool on) {
    if (!StoreIfChanged(m_parentFont, on)) return;
    if (on) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!m_parentFont || !m_parent) return;
    m_fontChanging = true;
    m_font.Assign(m_parent->Font());
    m_fontChanging = false;
    Changed(CM_FONTCHANGED);
}

void TControl::FontChanged() {
    if (m_fontChanging) return;
    m_parentFont = false;
    Changed(CM_FONTCHANGED);
}

void TControl::SetShowHint(bool on) {
    m_parentShowHint = false;
    if (StoreIfChanged(m_showHint, on)) Changed(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool on) {
    if (StoreIfChanged(m_parentShowHint, on)) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    if (!m_parentShowHint || !m_parent) return;
    SetShowHint(m_parent->ShowHint());
    m_parentShowHint = true;
}

void TControl::SetPopupMenu(TComponent* menu) {
    ChangeReference(m_popupMenu, menu);
}

void TControl::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_popupMenu) m_popupMenu = nullptr;
    TComponent::Notification(component, operation);
}

void TControl::Invalidate() {
    if (m_visible && m_parent && m_parent->HandleAllocated()) {
        const TRect r = BoundsRect();
        InvalidateRect(m_parent->m_handle, &r, true);
    }
}

void TControl::Update() {
    if (m_parent) m_parent->Update();
}

void TControl::BringToFront() {
    if (!m_parent) return;
    auto& list = m_parent->m_controls;
    std::erase(list, this);
    auto firstWindowed = std::find_if(list.begin(), list.end(), [](TControl* c) {
        return dynamic_cast<TWinControl*>(c) != nullptr;
    });
    if (dynamic_cast<TWinControl*>(this))
        list.push_back(this);
    else
        list.insert(firstWindowed, this);
    Invalidate();
}

void TControl::SendToBack() {
    if (!m_parent) return;
    auto& list = m_parent->m_controls;
    std::erase(list, this);
    auto firstWindowed = std::find_if(list.begin(), list.end(), [](TControl* c) {
        return dynamic_cast<TWinControl*>(c) != nullptr;
    });
    list.insert(dynamic_cast<TWinControl*>(this) ? firstWindowed : list.begin(), this);
    Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

TCustomForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->m_parent)
        c = c->m_parent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

bool TControl::MouseCapture() const {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool on) {
    if (on == MouseCapture()) return;
    SetCaptureControl(on ? this : nullptr);
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        return WMMouseMove(m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return WMLButtonDown(m);
    case WM_LBUTTONUP:
        return WMLButtonUp(m);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return WMRButtonDown(m);
    case WM_RBUTTONUP:
        return WMRButtonUp(m);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return WMMButtonDown(m);
    case WM_MBUTTONUP:
        return WMMButtonUp(m);
    case WM_PAINT:
        return WMPaint(m);
    case WM_CONTEXTMENU:
        return WMContextMenu(m);
    case CM_VISIBLECHANGED:
        return CMVisibleChanged(m);
    case CM_ENABLEDCHANGED:
        return CMEnabledChanged(m);
    case CM_TEXTCHANGED:
        return CMTextChanged(m);
    case CM_COLORCHANGED:
        return CMColorChanged(m);
    case CM_FONTCHANGED:
        return CMFontChanged(m);
    case CM_SHOWHINTCHANGED:
        return CMShowHintChanged(m);
    case CM_PARENTCOLORCHANGED:
        return CMParentColorChanged(m);
    case CM_PARENTFONTCHANGED:
        return CMParentFontChanged(m);
    default:
        DefaultHandler(m);
    }
}

bool TControl::IsDoubleClick(const TMessage& m) const {
    const bool dbl =
        m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK;
    return dbl && m_controlStyle.Contains(TControlStyleKind::csDoubleClicks);
}

TShiftState TControl::MouseShift(const TMessage& m) const {
    TShiftState shift = KeysToShiftState(m.WParam);
    if (IsDoubleClick(m)) shift.Include(TShiftStateKind::ssDouble);
    return shift;
}

void TControl::MouseDownAt(const TMessage& m, TMouseButton button) {
    MouseDown(button, MouseShift(m), GetXLParam(m.LParam), GetYLParam(m.LParam));
}

void TControl::MouseUpAt(const TMessage& m, TMouseButton button) {
    MouseUp(button, MouseShift(m), GetXLParam(m.LParam), GetYLParam(m.LParam));
}

void TControl::WMMouseMove(TMessage& m) {
    MouseMove(MouseShift(m), GetXLParam(m.LParam), GetYLParam(m.LParam));
}

// Captures the mouse and arms the click that the release completes.
void TControl::WMLButtonDown(TMessage& m) {
    if (m_controlStyle.Contains(TControlStyleKind::csCaptureMouse)) SetMouseCapture(true);
    if (m_controlStyle.Contains(TControlStyleKind::csClickEvents))
        m_controlState.Include(TControlStateKind::csClicked);
    m_controlState.Include(TControlStateKind::csLButtonDown);
    if (IsDoubleClick(m)) DblClick();
    MouseDownAt(m, TMouseButton::mbLeft);
}

// Releases the capture; a release inside the control completes the click.
void TControl::WMLButtonUp(TMessage& m) {
    if (m_controlStyle.Contains(TControlStyleKind::csCaptureMouse)) SetMouseCapture(false);
    m_controlState.Exclude(TControlStateKind::csLButtonDown);
    if (m_controlState.Contains(TControlStateKind::csClicked)) {
        m_controlState.Exclude(TControlStateKind::csClicked);
        if (PtInRect(ClientRect(), {GetXLParam(m.LParam), GetYLParam(m.LParam)})) Click();
    }
    MouseUpAt(m, TMouseButton::mbLeft);
}

void TControl::WMRButtonDown(TMessage& m) {
    MouseDownAt(m, TMouseButton::mbRight);
    DefaultHandler(m);
}

// The default handling of the release asks for the context menu.
void TControl::WMRButtonUp(TMessage& m) {
    MouseUpAt(m, TMouseButton::mbRight);
    DefaultHandler(m);
}

void TControl::WMMButtonDown(TMessage& m) {
    MouseDownAt(m, TMouseButton::mbMiddle);
    DefaultHandler(m);
}

void TControl::WMMButtonUp(TMessage& m) {
    MouseUpAt(m, TMouseButton::mbMiddle);
    DefaultHandler(m);
}

void TControl::WMContextMenu(TMessage& m) {
    auto* menu = dynamic_cast<IPopupSource*>(m_popupMenu);
    if (!menu || !menu->AutoPopup()) {
        DefaultHandler(m);
        return;
    }
    // From the keyboard (no position) the menu opens at the control's centre.
    const TPoint at =
        m.LParam == -1 ? ClientToScreen({m_width / 2, m_height / 2}) : LParamToPoint(m.LParam);
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
    m.Result = 1;
}

void TControl::Click() {
    if (OnClick) OnClick(*this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(*this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TControl::Resize() {
    if (OnResize) OnResize(*this);
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (m_parent) {
        if (m_parentFont) ParentFontChanged();
        if (m_parentColor) ParentColorChanged();
        if (m_parentShowHint) ParentShowHintChanged();
    }
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), m_canvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WMPaint(TMessage& m) {
    if (!m.WParam) {
        TControl::WMPaint(m);
        return;
    }
    TCanvasBinding binding(*m_canvas, *WParamToDC(m.WParam), Font(), Color());
    Paint();
}

} // namespace brisat
