#include "framework/controls/form.h"

#include "framework/controls/application.h"
#include "framework/controls/control_classes.h"
#include "framework/core/exceptions.h"
#include "framework/controls/menu_bar.h"
#include "framework/windowing/message_queue.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/store_if_changed.h"
#include "framework/controls/screen.h"
#include "platform/platform.h"

#include <algorithm>

namespace brisat {

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    InitColor(clBtnFace);
    SetParentFont(false);
    TWinControl::SetBounds(0, 0, 320, 240);
    Screen().AddForm(*this);
    Handle();
}

TCustomForm::~TCustomForm() {
    if (OnDestroy) {
        try {
            OnDestroy(*this);
        } catch (...) {
            if (Application) Application->HandleException(*this);
        }
    }
    if (Application) Application->FormDestroyed(*this);
    Screen().RemoveForm(*this);
}

void TCustomForm::AfterConstruction() {
    if (m_created) return;
    m_created = true;
    if (OnCreate) OnCreate(*this);
}

void TCustomForm::LoadLayout(std::string_view text) {
    RegisterControlClasses();
    DisableAlign();
    try {
        ReadComponentText(text, *this);
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WndParent = 0;
    p.Style = WS_CLIPCHILDREN;
    p.ExStyle = 0;
    const bool sysMenu = m_borderIcons.Contains(TBorderIcon::biSystemMenu);
    switch (m_borderStyle) {
    case TFormBorderStyle::bsNone:
        p.Style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
        p.Style |= WS_CAPTION;
        break;
    case TFormBorderStyle::bsSizeable:
        p.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        p.Style |= WS_CAPTION | WS_DLGFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
        p.Style |= WS_CAPTION;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case TFormBorderStyle::bsSizeToolWin:
        p.Style |= WS_CAPTION | WS_THICKFRAME;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (m_borderStyle != TFormBorderStyle::bsNone && sysMenu) {
        p.Style |= WS_SYSMENU;
        if (m_borderStyle != TFormBorderStyle::bsDialog) {
            if (m_borderIcons.Contains(TBorderIcon::biMinimize)) p.Style |= WS_MINIMIZEBOX;
            if (m_borderIcons.Contains(TBorderIcon::biMaximize)) p.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (m_formStyle == TFormStyle::fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::ApplyFrame() {
    if (!HandleAllocated()) return;
    TCreateParams p;
    CreateParams(p);
    SetWindowStyle(Handle(), p.Style);
    SetWindowExStyle(Handle(), (GetWindowExStyle(Handle()) & WS_EX_TOPMOST) | p.ExStyle);
    SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (StoreIfChanged(m_borderStyle, style)) ApplyFrame();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (StoreIfChanged(m_borderIcons, icons)) ApplyFrame();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (!StoreIfChanged(m_formStyle, style)) return;
    SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState state) {
    const TWindowState old = m_windowState;
    if (!StoreIfChanged(m_windowState, state)) return;
    if (ComponentState().Contains(TComponentStateFlag::csLoading)) return;
    if (old == TWindowState::wsNormal) m_normalBounds = BoundsRect();
    if (old == TWindowState::wsMinimized && Visible()) ShowWindow(Handle(), SW_SHOWNA);
    switch (state) {
    case TWindowState::wsMaximized: {
        // The work area, or as much of it as the window's largest tracking size allows.
        const TMinMaxInfo info = GetMinMaxInfo(Handle());
        SetBounds(info.ptMaxPosition.X, info.ptMaxPosition.Y,
                  std::min(info.ptMaxSize.X, info.ptMaxTrackSize.X),
                  std::min(info.ptMaxSize.Y, info.ptMaxTrackSize.Y));
        break;
    }
    case TWindowState::wsNormal:
        SetBoundsRect(m_normalBounds);
        break;
    case TWindowState::wsMinimized:
        ShowWindow(Handle(), SW_HIDE);
        break;
    }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control && !ContainsControl(control)) return;
    m_activeControl = control;
}

void TCustomForm::ControlRemoved(TControl& control) {
    if (!m_activeControl) return;
    auto* w = dynamic_cast<TWinControl*>(&control);
    if (&control == m_activeControl || (w && w->ContainsControl(m_activeControl)))
        m_activeControl = nullptr;
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == m_menu) return;
    const int32_t width = ClientWidth(), height = ClientHeight();
    m_menuBar.reset();
    m_menu = menu;
    if (menu) {
        FreeNotification(*menu);
        m_menuBar = std::make_unique<TMenuBar>(Handle(), *menu);
    }
    ApplyFrame();
    SetClientSize(width, height);
}

bool TCustomForm::IsShortCut(const TMessage& key) {
    if (m_menuBar && m_menuBar->MenuKey(key)) return true;
    if (key.Msg != WM_KEYDOWN && key.Msg != WM_SYSKEYDOWN) return false;
    return DispatchShortCut(*this, m_menu, ShortCut(uint16_t(key.WParam), KeyboardShiftState()));
}

void TCustomForm::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_menu) SetMenu(nullptr);
    TWinControl::Notification(component, operation);
}

void TCustomForm::Show() {
    SetVisible(true);
    if (Visible() && IsWindowVisible(Handle())) {
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetActiveWindow(Handle());
    }
}

void TCustomForm::ApplyPosition() {
    if (m_positioned) return;
    m_positioned = true;
    TRect area;
    switch (m_position) {
    case TPosition::poScreenCenter:
        area = Screen().PrimaryMonitor().BoundsRect();
        break;
    case TPosition::poDesktopCenter:
        area = Screen().DesktopRect();
        break;
    case TPosition::poDesigned:
        // A dialog shown modally without a place of its own opens over the form it was opened
        // from (owner, else the active form), never at the screen's corner.
        if (!m_modal) return;
        [[fallthrough]];
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: {
        TCustomForm* other = m_position != TPosition::poMainFormCenter
                                 ? dynamic_cast<TCustomForm*>(Owner())
                                 : nullptr;
        if (!other && m_position == TPosition::poDesigned) other = Screen().ActiveForm();
        if (!other && Application) other = Application->MainForm();
        area =
            other && other != this ? other->BoundsRect() : Screen().PrimaryMonitor().BoundsRect();
        break;
    }
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
              Width(), Height());
}

void TCustomForm::ShowingChanged() {
    if (ComponentState().Contains(TComponentStateFlag::csLoading)) return;
    const HWND h = Handle();
    if (Visible()) {
        if (IsWindowVisible(h)) return;
        ApplyPosition();
        DoShow();
        if (!Visible() || m_windowState == TWindowState::wsMinimized) return;
        ShowWindow(h, SW_SHOW);
    } else {
        if (!IsWindowVisible(h)) return;
        ShowWindow(h, SW_HIDE);
        DoHide();
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || m_modal)
        throw EInvalidOperation("Cannot make a visible window modal");
    ReleaseCapture();
    const HWND before = GetActiveWindow();
    // Every other shown top-level window is disabled while the form is modal.
    std::vector<HWND> disabled;
    for (HWND top : GetTopLevelWindows())
        if (top != Handle() && IsWindowVisible(top) && IsWindowEnabled(top)) {
            EnableWindow(top, false);
            disabled.push_back(top);
        }
    m_modal = true;
    m_modalResult = mrNone;
    const auto restore = [&] {
        m_modal = false;
        for (HWND top : disabled)
            EnableWindow(top, true);
        if (HandleAllocated()) Hide();
        if (IsWindow(before) && IsWindowVisible(before)) {
            SetActiveWindow(before);
            // The keyboard went with the modal window; the window it came from takes it back.
            if (IPlatformWindow* native = GetNativeWindow(before))
                native->Show(TActivation::Activate);
        }
    };
    try {
        Show();
        while (m_modalResult == mrNone) {
            if (Application)
                Application->HandleMessage();
            else {
                TMsg msg;
                if (GetMessage(msg))
                    DispatchMessage(msg);
                else {
                    PostQuitMessage(int(msg.wParam));
                    m_modalResult = mrCancel;
                }
            }
            if (Application && Application->Terminated())
                m_modalResult = mrCancel;
            else if (m_modalResult != mrNone)
                CloseModal();
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return m_modalResult;
}

void TCustomForm::CloseModal() {
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery()) {
        action = TCloseAction::caHide;
        DoClose(action);
    }
    if (action == TCloseAction::caNone) m_modalResult = mrNone;
    if (action == TCloseAction::caFree) Release();
}

void TCustomForm::Close() {
    if (m_modal) {
        m_modalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone) return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (action == TCloseAction::caHide)
        Hide();
    else if (action == TCloseAction::caMinimize)
        SetWindowState(TWindowState::wsMinimized);
    else
        Release();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(*this, canClose);
    return canClose;
}

void TCustomForm::Release() {
    PostMessage(Handle(), CM_RELEASE);
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(*this, action);
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(*this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(*this);
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(*this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(*this);
}

void TCustomForm::FocusOnActivation() {
    if (m_activeControl && m_activeControl->CanFocus()) {
        brisat::SetFocus(m_activeControl->Handle());
        return;
    }
    if (TWinControl* first =
            FindNextControl(nullptr, TTabDirection::Forward, TFocusMove::TabStops)) {
        m_activeControl = first;
        brisat::SetFocus(first->Handle());
    } else {
        brisat::SetFocus(Handle());
    }
}

bool TCustomForm::DialogKeyPressed(uint16_t key) {
    switch (key) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0) return false;
        SelectNext(m_activeControl,
                   GetKeyState(VK_SHIFT) >= 0 ? TTabDirection::Forward : TTabDirection::Backward,
                   TFocusMove::TabStops);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (!m_activeControl || !m_activeControl->Parent()) return false;
        m_activeControl->Parent()->SelectNext(
            m_activeControl,
            key == VK_RIGHT || key == VK_DOWN ? TTabDirection::Forward : TTabDirection::Backward,
            TFocusMove::Children);
        return true;
    default:
        return false;
    }
}

void TCustomForm::PaintWindow(TDeviceContext& dc) {
    TWinControl::PaintWindow(dc);
    if (OnPaint) OnPaint(*this);
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        return WMClose(m);
    case WM_ACTIVATE:
        return WMActivate(m);
    case WM_SYSCOMMAND:
        return WMSysCommand(m);
    default:
        TWinControl::WndProc(m);
    }
}

void TCustomForm::WMClose(TMessage&) {
    Close();
}

void TCustomForm::WMActivate(TMessage& m) {
    m_active = m.WParam != WA_INACTIVE;
    if (!m_active) {
        Deactivate();
        return;
    }
    Screen().SetActiveForm(this);
    FocusOnActivation();
    Activate();
}

void TCustomForm::WMSysCommand(TMessage& m) {
    if (!SysCommand(m.WParam & 0xFFF0)) DefaultHandler(m);
}

bool TCustomForm::SysCommand(WPARAM command) {
    switch (command) {
    case SC_MINIMIZE:
        if (Application && Application->MainForm() == this)
            Application->Minimize();
        else
            SetWindowState(TWindowState::wsMinimized);
        return true;
    case SC_MAXIMIZE:
        SetWindowState(m_windowState == TWindowState::wsMaximized ? TWindowState::wsNormal
                                                                  : TWindowState::wsMaximized);
        return true;
    case SC_RESTORE:
        SetWindowState(TWindowState::wsNormal);
        return true;
    default:
        return false;
    }
}

void TCustomForm::CMVisibleChanged(TMessage&) {
    ShowingChanged();
}

void TCustomForm::CMDialogChar(TMessage& m) {
    if (m_menuBar && GetKeyState(VK_MENU) < 0 && m_menuBar->MenuChar(char32_t(m.WParam))) {
        m.Result = 1;
        return;
    }
    TWinControl::CMDialogChar(m);
}

void TCustomForm::CMDialogKey(TMessage& m) {
    if (DialogKeyPressed(uint16_t(m.WParam))) {
        m.Result = 1;
        return;
    }
    TWinControl::CMDialogKey(m);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    const TWindowState state = m_windowState;
    m_windowState = TWindowState::wsNormal;
    SetWindowState(state);
    if (Visible()) ShowingChanged();
}

} // namespace brisat
