#include "skin_windows/ks_custom_form.h"

#include "framework/controls/form.h"
#include "framework/controls/menu.h"
#include "skin_windows/ks_custom_menu_bar.h"
#include "framework/core/store_if_changed.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"
#include "skin_windows/ks_form_runtime.h"

#include <algorithm>

namespace brisat {

TKsCustomForm::TKsCustomForm(TComponent* owner)
    : TKsHookComponent(owner), m_rt(std::make_unique<TRuntime>()) {
    TakeOverForm();
}

// The form keeps a sizing frame so the window manager lets it be sized, but shows none of its
// own caption icons: the component draws the whole frame.
void TKsCustomForm::TakeOverForm() {
    if (TCustomForm* form = Form()) {
        form->SetBorderStyle(TFormBorderStyle::bsSizeable);
        form->SetBorderIcons({});
    }
}

void TKsCustomForm::OwnerAssigned() {
    TKsHookComponent::OwnerAssigned();
    TakeOverForm();
}

TKsCustomForm::~TKsCustomForm() {
    UnhookApplication();
}

HWND TKsCustomForm::Hwnd() const {
    return Control() ? Control()->Handle() : 0;
}

// The window's own properties come before its components in a layout, so the frame can be
// applied as soon as this component is loaded.
bool TKsCustomForm::Loading() const {
    return ComponentState().Contains(TComponentStateFlag::csLoading);
}

TCustomForm* TKsCustomForm::Form() const {
    return dynamic_cast<TCustomForm*>(Owner());
}

// --- Properties ----------------------------------------------------------------------------

void TKsCustomForm::SetActive(bool value) {
    TKsHookComponent::SetActive(value);
}

void TKsCustomForm::UpdateHook() {
    TKsHookComponent::UpdateHook();
    if (!Active() || !Control()) return;
    HookApplication();
    m_windowActive = GetActiveWindow() == Hwnd();
    ApplyFrame();
}

void TKsCustomForm::Loaded() {
    TKsHookComponent::Loaded();
    UpdateHook();
    if (m_rt->DeferredState) {
        PostMessage(Hwnd(), KM_SETSTATE, WPARAM(*m_rt->DeferredState), 0);
        m_rt->DeferredState.reset();
    }
}

void TKsCustomForm::SetBlend(bool value) {
    if (StoreIfChanged(m_blend, value)) ApplyFrame();
}

void TKsCustomForm::SetBlendValue(int32_t value) {
    if (StoreIfChanged(m_blendValue, std::clamp(value, 0, 255))) ApplyFrame();
}

void TKsCustomForm::SetBorderIcons(TKsBorderIcons value) {
    if (StoreIfChanged(m_borderIcons, value)) ApplyFrame();
}

void TKsCustomForm::SetBorderStyle(TKsBorderStyle value) {
    if (StoreIfChanged(m_borderStyle, value)) ApplyFrame();
}

void TKsCustomForm::SetCanResize(bool value) {
    if (StoreIfChanged(m_canResize, value)) ApplyFrame();
}

void TKsCustomForm::SetCanMove(bool value) {
    if (StoreIfChanged(m_canMove, value)) ApplyFrame();
}

void TKsCustomForm::SetDropShadow(bool value) {
    if (StoreIfChanged(m_dropShadow, value)) ApplyFrame();
}

void TKsCustomForm::SetShadowWidth(int32_t value) {
    // A shadow wider than this would only cost memory and look broken.
    if (StoreIfChanged(m_shadowWidth, std::clamp(value, 0, 64)) && m_dropShadow) ApplyFrame();
}

void TKsCustomForm::SetConstraints(const TKsSizeConstraints& value) {
    if (!StoreIfChanged(m_constraints, value)) return;
    ApplyFrame();
    if (Control() && Active()) {
        // The window takes the new limits at once.
        const TRect r = GetWindowRect(Hwnd());
        SetWindowPos(Hwnd(), 0, r.Left, r.Top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

TPersistent& TKsCustomForm::ConstraintsObject() {
    if (!m_rt->ConstraintsObject) m_rt->ConstraintsObject = std::make_unique<TKsFormConstraints>(*this);
    return *m_rt->ConstraintsObject;
}

void TKsCustomForm::SetMenuBar(TKsCustomMenuBar* value) {
    ChangeReference(m_menuBar, value);
}

void TKsCustomForm::SetTrayMenu(TPopupMenu* value) {
    ChangeReference(m_trayMenu, value);
}

void TKsCustomForm::Notification(TComponent& component, TOperation operation) {
    TKsHookComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (static_cast<void*>(&component) == m_trayMenu) m_trayMenu = nullptr;
    if (static_cast<void*>(&component) == m_menuBar) m_menuBar = nullptr;
}

void TKsCustomForm::SetStayOnTop(bool value) {
    if (!StoreIfChanged(m_stayOnTop, value) || !Control()) return;
    SetWindowPos(Hwnd(), value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TKsCustomForm::SetWindowState(TKsWindowState value) {
    if (Loading()) {
        m_rt->DeferredState = value;
        return;
    }
    SetStateMessage(WPARAM(value));
}

// The state codes of KM_SETSTATE (and of the stored window state): 0 restores.
void TKsCustomForm::SetStateMessage(WPARAM code) {
    switch (TKsWindowState(code)) {
    case TKsWindowState::kwsNormal:
        if (m_windowState != TKsWindowState::kwsNormal) Restore();
        break;
    case TKsWindowState::kwsMaximized:
        if (m_windowState != TKsWindowState::kwsMaximized) Maximize();
        break;
    case TKsWindowState::kwsMinimized:
        if (m_windowState != TKsWindowState::kwsMinimized) Minimize();
        break;
    case TKsWindowState::kwsRollup:
        if (m_windowState != TKsWindowState::kwsRollup) RollUp();
        break;
    case TKsWindowState::kwsTray:
        if (m_windowState != TKsWindowState::kwsTray) MinimizeToTray();
        break;
    }
}

// --- Frame ---------------------------------------------------------------------------------

void TKsCustomForm::ApplyFrame() {
    if (!Active() || !Control() || Loading()) return;
    const HWND hwnd = Hwnd();
    const TRect client = brisat::GetClientRect(hwnd);
    const TRect w = GetWindowRect(hwnd);
    // The platform recalculates the non-client area; then the window grows or shrinks so that
    // the client keeps its size.
    SetWindowPos(hwnd, 0, w.Left, w.Top, w.Width(), w.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_FRAMECHANGED);
    const TRect now = brisat::GetClientRect(hwnd);
    const int32_t dw = client.Width() - now.Width(), dh = client.Height() - now.Height();
    if (dw || dh)
        SetWindowPos(hwnd, 0, w.Left, w.Top, w.Width() + dw, w.Height() + dh,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    UpdateRegion();
    RedrawWindow(hwnd, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TKsCustomForm::PaintNonClient() {
    if (!m_paintingEnabled || !Control() || !Active()) return;
    const HWND hwnd = Hwnd();
    TRect client;
    GetClientRect(client);
    const int32_t fw = m_fullSize.cx, fh = m_fullSize.cy;
    const TRect strips[] = {{0, 0, fw, client.Top},
                            {0, client.Top, client.Left, fh},
                            {client.Right, client.Top, fw, fh},
                            {client.Left, client.Bottom, client.Right, fh}};
    for (const TRect& strip : strips)
        if (!IsRectEmpty(strip)) RedrawWindow(hwnd, &strip, RDW_FRAME | RDW_INVALIDATE);
}

// --- Messages ------------------------------------------------------------------------------

void TKsCustomForm::MessageHandler(TMessage& m) {
    if (MouseMessage(m)) return;
    switch (m.Msg) {
    case WM_NCCALCSIZE:
        if (m.LParam) CalcNonClient(*reinterpret_cast<TRect*>(m.LParam));
        m.Result = 0;
        return;
    case WM_NCHITTEST: {
        const TRect w = GetWindowRect(Hwnd());
        const TPoint p = LParamToPoint(m.LParam);
        m.Result = PlatformHit(HitTest(p.X - w.Left, p.Y - w.Top));
        return;
    }
    case WM_NCPAINT:
        if (m.WParam) DrawNonClient(*WParamToDC(m.WParam));
        return;
    case WM_ERASEBKGND:
        if (m.WParam) DrawBackground(*WParamToDC(m.WParam));
        m.Result = 1;
        return;
    case WM_NCACTIVATE:
        m_windowActive = m.WParam != 0;
        PaintNonClient();
        m.Result = 1;
        return;
    case WM_GETMINMAXINFO:
        if (m.LParam) FillMinMaxInfo(*reinterpret_cast<TMinMaxInfo*>(m.LParam));
        return;
    case WM_WINDOWPOSCHANGING:
        if (m.LParam) KeepTrackSize(*reinterpret_cast<TWindowPos*>(m.LParam));
        CallPrevious(m);
        return;
    case WM_WINDOWPOSCHANGED:
        CallPrevious(m);
        PositionChanged(m);
        return;
    case WM_SHOWWINDOW:
        if (m.WParam) BeforeShow();
        CallPrevious(m);
        return;
    case WM_SETTEXT:
        CallPrevious(m);
        CaptionChanged();
        return;
    case WM_CAPTURECHANGED:
        CallPrevious(m);
        if (m_dragging && GetCapture() != Hwnd()) EndDrag();
        return;
    case WM_SYSCOMMAND:
        SystemCommand(m);
        return;
    case KM_CAPTIONRESTORE:
        PaintNonClient();
        return;
    case KM_MAXIMIZE:
        Maximize();
        return;
    case KM_SETSTATE:
        SetStateMessage(m.WParam);
        return;
    case KM_ISBLENDED:
        m.Result = m_blend ? 1 : 0;
        return;
    case KM_PRINTFORM:
        PrintForm(m);
        return;
    default:
        TKsHookComponent::MessageHandler(m);
    }
}

void TKsCustomForm::AfterMessage(TMessage&) {}

// The window's system commands run the form's own operations: the platform only ever sees a
// normal window.
void TKsCustomForm::SystemCommand(TMessage& m) {
    const WPARAM command = m.WParam & 0xFFF0;
    if ((command == kScKeyMenu && m.LParam == ' ') || command == kScMouseMenu)
        return ShowSystemMenu();
    switch (command) {
    case SC_CLOSE:
        return Close();
    case SC_MINIMIZE:
        return Minimize();
    case SC_MAXIMIZE:
        return Maximize();
    case SC_RESTORE:
        return Restore();
    case kScKeyMenu:
        // Alt+letter: the menu bar opens and the letter, typed again, picks its menu.
        if (m_menuBar && !GetCapture()) {
            PostMessage(Hwnd(), WM_CHAR, WPARAM(m.LParam), 0);
            m_menuBar->Activate();
            return;
        }
        break;
    default:
        break;
    }
    CallPrevious(m);
}

// The caption is ours to draw: a changed text repaints the frame (after the messages queued now,
// as a caption change may come in the middle of other work).
void TKsCustomForm::CaptionChanged() {
    const std::string text = GetWindowText(Hwnd());
    if (text == m_rt->Caption) return;
    m_rt->Caption = text;
    PostMessage(Hwnd(), KM_CAPTIONRESTORE, 13, 0);
}

} // namespace brisat
